// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <optional>

// The bytes of an input file ("-": standard input), at most `limit`; or a
// run that failed. `what` names the file in messages ("volumes file").
std::optional<CalculatorRun> ReadInputFile(const QString &name, const QString &what, qint64 limit,
                                           const StandardInput &standardInput, QByteArray *bytes);

// Where an input was read, for messages: "standard input" or `what "name"`.
QString WhereRead(const QString &name, const QString &what);
