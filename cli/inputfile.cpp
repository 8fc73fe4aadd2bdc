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

QString WhereRead(const QString &name, const QString &what)
{
    return name == QLatin1String("-") ? QStringLiteral("standard input") : QStringLiteral("%1 \"%2\"").arg(what, name);
}
