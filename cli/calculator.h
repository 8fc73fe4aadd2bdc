// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The exit statuses of varnook-calc.
enum ExitStatus {
    ExitDone = 0,
    ExitInvalidInput = 1, // the input check refused a field or a slot volume
    ExitUsage = 2,        // unknown option, missing or bad value, no command...
    ExitFileError = 3,    // the scenario file cannot be opened or is not sound
};

// What one run of the calculator prints.
struct CalculatorRun
{
    int status = ExitDone;
    QString out; // standard output: the table, or the help
    QString err; // standard error: what went wrong, naming the field or file
};

// Runs varnook-calc on the arguments after the program's name: drives a new
// scenario model as a planner would drive an agent window, then formats its
// table. Nothing is printed on standard output when the run fails.
CalculatorRun RunCalculator(const QStringList &arguments);
