// SPDX-License-Identifier: MIT
#include "calculator.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The program reports in its own words: Qt's notes about the screenless
// platform (a missing runtime folder and the like) stay off stderr.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing a graph needs fonts, hence the graphical application, on the
    // screenless platform: the program never shows a window.
    bool drawing = false;
    for (int i = 1; i < argc; ++i)
        drawing = drawing || std::strncmp(argv[i], "--graph", 7) == 0;
    std::unique_ptr<QCoreApplication> app;
    if (drawing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietMessages);
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const CalculatorRun run = RunCalculator(QCoreApplication::arguments().mid(1));
    std::fputs(run.out.toLocal8Bit().constData(), stdout);
    std::fputs(run.err.toLocal8Bit().constData(), stderr);
    return run.status;
}
