// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <optional>
#include <vector>

// The bytes of an input file ("-": standard input), at most `limit`; or a
// run that failed. `what` names the file in messages ("volumes file").
std::optional<CalculatorRun> ReadInputFile(const QString &name, const QString &what, qint64 limit,
                                           const StandardInput &standardInput, QByteArray *bytes);

// The lines of a file of definitions, one a line ("-": standard input), at
// most 1 MiB, without empty lines and lines starting with #; or a run that
// failed. `what` names the file in messages ("shifts file").
std::optional<CalculatorRun> ReadDefinitionLines(const QString &name, const QString &what,
                                                 const StandardInput &standardInput, QStringList *lines);

// The definitions of the command line's `texts`, then of the lines of the
// file `file` (when given), each read by `parse` (a text to a read with a
// `type` and a `message`), in order; or a run that failed: a definition that
// does not read is invalid input with parse's message.
template <typename Definition, typename Parse>
std::optional<CalculatorRun> ReadDefinitions(QStringList texts, const std::optional<QString> &file, const QString &what,
                                             const StandardInput &standardInput, Parse parse,
                                             std::vector<Definition> *definitions)
{
    if (file) {
        if (auto failure = ReadDefinitionLines(*file, what, standardInput, &texts))
            return failure;
    }
    for (const QString &text : texts) {
        const auto read = parse(text);
        if (!read.type)
            return InvalidInputRun(read.message);
        definitions->push_back(*read.type);
    }
    return std::nullopt;
}

// Where an input was read, for messages: "standard input" or `what "name"`.
QString WhereRead(const QString &name, const QString &what);
