// SPDX-License-Identifier: MIT
#include "calculator.h"
#include "commandline.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// The printed report and the graph need fonts (and the report a printer),
// hence the graphical application; neither needs a display.
bool wantsFonts(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = ParseCommandLine(arguments);
    return line.pdfFile || !line.graphFile.isEmpty();
}

// Qt's own messages go to standard error as usual, except the notice that
// the session's runtime folder is not set: a script or a cron job has none,
// and the report and the graph need none.
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
    if (wantsFonts(argc, argv)) {
        standardHandler = qInstallMessageHandler(filterQtMessages);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
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
