// SPDX-License-Identifier: MIT
#include "calculator.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The graph is drawn with fonts, hence the graphical application; it needs
// no display.
bool wantsGraph(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--graph") == 0 || std::strncmp(argv[i], "--graph=", 8) == 0)
            return true;
    }
    return false;
}

// Qt's own messages go to standard error as usual, except the notice that
// the session's runtime folder is not set: a script or a cron job has none,
// and the graph needs none.
QtMessageHandler standardHandler = nullptr;

void filterQtMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    standardHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (wantsGraph(argc, argv)) {
        standardHandler = qInstallMessageHandler(filterQtMessages);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const CalculatorRun run = RunCalculator(QCoreApplication::arguments().mid(1));
    std::fputs(run.out.toLocal8Bit().constData(), stdout);
    std::fputs(run.err.toLocal8Bit().constData(), stderr);
    return run.status;
}
