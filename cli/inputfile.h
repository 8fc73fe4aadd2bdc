// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <optional>

// The bytes of an input file ("-": standard input), at most `limit`; or a
// run that failed. `what` names the file in messages ("volumes file").
std::optional<CalculatorRun> ReadInputFile(const QString &name, const QString &what, qint64 limit,
                                           const StandardInput &standardInput, QByteArray *bytes);

// The lines of a file of definitions, one a line ("-": standard input), at
// most 1 MiB, without empty lines and lines starting with #; or a run that
// failed. `what` names the file in messages ("shifts file").
std::optional<CalculatorRun> ReadDefinitionLines(const QString &name, const QString &what,
                                                 const StandardInput &standardInput, QStringList *lines);

// Where an input was read, for messages: "standard input" or `what "name"`.
QString WhereRead(const QString &name, const QString &what);
