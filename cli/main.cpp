// SPDX-License-Identifier: MIT
#include "calculator.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const auto readStandardInput = [](qint64 maxBytes) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return QByteArray();
        return in.read(maxBytes);
    };
    const CalculatorRun run = RunCalculator(QCoreApplication::arguments().mid(1), readStandardInput);
    std::fputs(run.out.toLocal8Bit().constData(), stdout);
    std::fputs(run.err.toLocal8Bit().constData(), stderr);
    return run.status;
}
