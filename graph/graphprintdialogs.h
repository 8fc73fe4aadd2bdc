// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The print dialog and the error box of the chart print command, so that
// tests can print without a modal loop.
class GraphPrintDialogs
{
public:
    virtual ~GraphPrintDialogs() = default;
    // Shows the platform's standard print dialog with its default options
    // for the printer; false when the user cancels.
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent) = 0;
    // A print job that failed.
    virtual void printFailed(const QString &message) = 0;
};
