// SPDX-License-Identifier: MIT
#include "inputfile.h"

#include <QFile>

std::optional<CalculatorRun> ReadInputFile(const QString &name, const QString &what, qint64 limit,
                                           const StandardInput &standardInput, QByteArray *bytes)
{
    if (name == QLatin1String("-")) {
        *bytes = standardInput ? standardInput(limit) : QByteArray();
        return std::nullopt;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return FailedRun(ExitFileError, QStringLiteral("cannot open %1 \"%2\": %3").arg(what, name, file.errorString()));
    *bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return FailedRun(ExitFileError, QStringLiteral("cannot read %1 \"%2\": %3").arg(what, name, file.errorString()));
    return std::nullopt;
}

std::optional<CalculatorRun> ReadDefinitionLines(const QString &name, const QString &what,
                                                 const StandardInput &standardInput, QStringList *lines)
{
    // A file of definitions holds a few dozen lines; this much is plenty.
    constexpr qint64 MaxBytes = 1 << 20;
    QByteArray bytes;
    if (auto failure = ReadInputFile(name, what, MaxBytes + 1, standardInput, &bytes))
        return failure;
    if (bytes.size() > MaxBytes)
        return InvalidInputRun(QStringLiteral("the %1 \"%2\" is longer than 1 MiB").arg(what, name));
    for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(QLatin1Char('#')))
            *lines << text;
    }
    return std::nullopt;
}

QString WhereRead(const QString &name, const QString &what)
{
    return name == QLatin1String("-") ? QStringLiteral("standard input") : QStringLiteral("%1 \"%2\"").arg(what, name);
}
