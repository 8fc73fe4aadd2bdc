// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The exit statuses of varnook-calc.
enum ExitStatus {
    ExitDone = 0,
    ExitInvalidInput = 1, // the input check refused a field or a slot volume
    ExitUsage = 2,        // unknown option, missing or bad value, no command...
    ExitFileError = 3,    // the scenario file cannot be opened or is not sound
    ExitSolverStopped = 4, // the shift planner stopped before it found any plan
};

// What one run of the calculator prints.
struct CalculatorRun
{
    int status = ExitDone;
    QString out; // standard output: the table, or the help
    QString err; // standard error: what went wrong, naming the field or file
};

// A failed run: "varnook-calc: message" on standard error.
CalculatorRun FailedRun(int status, const QString &message);
// A run the input refused: "varnook-calc: invalid input: message", with
// the status ExitInvalidInput.
CalculatorRun InvalidInputRun(const QString &message);

// A usage error: the message, then the hint to --help.
CalculatorRun UsageErrorRun(const QString &message);

class AgentScenario;
struct RecalcResult;

// The input a recalculation refused, in words and by component name:
// "number of calls (Edit1)", or the slot whose Calls cell was refused.
QString DescribeRefusedInput(const AgentScenario &scenario, const RecalcResult &result);

// Reads at most `maxBytes` bytes of the program's standard input.
using StandardInput = std::function<QByteArray(qint64 maxBytes)>;

// Runs varnook-calc on the arguments after the program's name: drives a new
// scenario model as a planner would drive an agent window, then formats its
// table. Nothing is printed on standard output when the run fails.
// `standardInput` serves "--volumes-file -"; without it the input is empty.
CalculatorRun RunCalculator(const QStringList &arguments, const StandardInput &standardInput = {});
