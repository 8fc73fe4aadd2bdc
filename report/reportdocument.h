// SPDX-License-Identifier: MIT
#pragma once

#include "reportfontset.h"

#include <QPageLayout>
#include <QString>

class ReportCanvas;

// A report as a print command prints it: what the printing dialog names,
// the page's orientation, and the body drawn on a document already begun
// (a PrinterError from the canvas ends it; the document is not ended
// there). An agent window's report is one; a week's is another.
class ReportDocument
{
public:
    virtual ~ReportDocument();
    virtual QString caption() const = 0;
    virtual QPageLayout::Orientation orientation() const = 0;
    virtual void printBody(ReportCanvas &canvas, const ReportFontSet &fonts) const = 0;
};
