// SPDX-License-Identifier: MIT
#include "calculator.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const CalculatorRun run = RunCalculator(QCoreApplication::arguments().mid(1));
    std::fputs(run.out.toLocal8Bit().constData(), stdout);
    std::fputs(run.err.toLocal8Bit().constData(), stderr);
    return run.status;
}
