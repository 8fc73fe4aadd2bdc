// SPDX-License-Identifier: MIT
// Renders the program's windows into PNG files without a desktop: the main
// window with the two worked examples, and the help window.
#include "agentgraphlink.h"
#include "agentgridevents.h"
#include "chartwidget.h"
#include "dialogservice.h"
#include "helpcommands.h"
#include "reportprintcommand.h"
#include "helpwindow.h"
#include "tagentform.h"
#include "tlumchart.h"
#include "tlumstringgrid.h"
#include "tmainform.h"
#include "varnookapplication.h"
#include "benchmarkweek.h"
#include "weekwindow.h"
#include "weekwindows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabBar>
#include <QTextBrowser>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QEventLoop>
#include <QHelpContentModel>
#include <QPrinter>
#include <QProcess>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Answers every question without showing anything, and keeps what it was told.
class SilentDialogs : public DialogService
{
public:
    bool confirm(const QString &) override { return true; }
    bool warnYesNo(const QString &) override { return true; }
    void inform(const QString &text) override { messages << text; }
    void showErrorBox(const QString &text) override { messages << text; }
    QString chooseOpenFile(const FileDialogSetup &) override { return {}; }
    QString chooseSaveFile(const FileDialogSetup &) override { return {}; }
    // Prints to the PDF file named in printTo; none cancels.
    bool choosePrinter(QPrinter &printer) override
    {
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
    void showErrorDialog(const QString &text) override { messages << text; }
    SaveChoice askSaveChanges(const QString &) override { return SaveChoice::Discard; }
    std::optional<PlanningOptions> editPlanningOptions(const PlanningOptions &, const QString &) override
    {
        return std::nullopt;
    }
    QStringList messages;
    QString printTo;
};

// Types a text into a field and leaves it, as a planner would.
void enter(TAgentForm &form, Field field, const QString &text)
{
    QLineEdit *edit = form.widgets().field(field);
    edit->selectAll();
    edit->insert(text); // sets the changed mark as typing does
    form.fieldExit(field);
}

bool save(QWidget *widget, const QString &path)
{
    const bool ok = widget->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << path << '\n';
    return ok;
}

// Prints a window's report to a PDF through its Print command and renders
// the first page with pdftoppm.
bool saveReportPage(const std::function<void()> &print, SilentDialogs &dialogs, const QString &outDir,
                    const QString &name)
{
    const QString pdf = QDir(outDir).filePath(name + QStringLiteral(".pdf"));
    QFile::remove(pdf);
    dialogs.printTo = pdf;
    QElapsedTimer timer;
    timer.start();
    print();
    const qint64 printed = timer.nsecsElapsed();
    dialogs.printTo.clear();
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                              QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                              QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                                              QDir(outDir).filePath(name)});
    const bool ok = QFileInfo::exists(pdf) && render.waitForFinished(30000) && render.exitCode() == 0;
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << QDir(outDir).filePath(name + QStringLiteral(".png"))
                        << " (printed in " << printed / 1000 << " us)\n";
    return ok;
}

// The Agents worked example, 100 calls from 08:00 to 09:00, in a new window;
// `exitTime` receives the time from leaving the number of calls to the
// repainted grid.
TAgentForm *agentsExample(TMainForm &mainForm, qint64 *exitTime)
{
    TAgentForm *agents = mainForm.NewAgentWindow1Click();
    enter(*agents, Field::Edit1, QStringLiteral("1"));
    enter(*agents, Field::MaskEdit5, QStringLiteral("80"));
    enter(*agents, Field::MaskEdit6, QStringLiteral("20"));
    enter(*agents, Field::MaskEdit2, QStringLiteral("03:00"));
    enter(*agents, Field::MaskEdit3, QStringLiteral("00:30"));
    enter(*agents, Field::MaskEdit1, QStringLiteral("08:00"));
    enter(*agents, Field::MaskEdit7, QStringLiteral("09:00"));
    enter(*agents, Field::MaskEdit4, QStringLiteral("00:25"));
    QElapsedTimer timer;
    timer.start();
    enter(*agents, Field::Edit1, QStringLiteral("100"));
    agents->widgets().StringGrid1->viewport()->repaint();
    *exitTime = timer.nsecsElapsed();
    return agents;
}

// The Schedule worked example, 30-minute slots from 08:00 to 10:00, in a new
// window; `enterTime` receives the time from Enter in the grid to the
// repainted grid.
TAgentForm *scheduleExample(TMainForm &mainForm, qint64 *enterTime)
{
    TAgentForm *schedule = mainForm.NewAgentWindow1Click();
    enter(*schedule, Field::Edit1, QStringLiteral("1"));
    enter(*schedule, Field::MaskEdit5, QStringLiteral("80"));
    enter(*schedule, Field::MaskEdit6, QStringLiteral("20"));
    enter(*schedule, Field::MaskEdit2, QStringLiteral("03:00"));
    enter(*schedule, Field::MaskEdit3, QStringLiteral("01:00"));
    enter(*schedule, Field::MaskEdit4, QStringLiteral("00:30"));
    enter(*schedule, Field::MaskEdit1, QStringLiteral("08:00"));
    enter(*schedule, Field::MaskEdit7, QStringLiteral("10:00"));
    enter(*schedule, Field::Edit1, QStringLiteral("180"));
    schedule->widgets().TabSet1->setCurrentIndex(1);
    schedule->widgets().RadioButton1->click();
    const int volumes[] = {0, 10, 50, 120};
    for (int row = 1; row <= 4; ++row) {
        schedule->gridEvents().setEditText(1, row, QString::number(volumes[row - 1]));
        schedule->gridEvents().keyPress(QLatin1Char('0'));
    }
    QElapsedTimer timer;
    timer.start();
    schedule->gridEvents().keyPress(QChar(13));
    schedule->widgets().StringGrid1->viewport()->repaint();
    *enterTime = timer.nsecsElapsed();
    return schedule;
}

// The help window at the agent window's topic, once its contents are built.
bool saveHelpWindow(TMainForm &mainForm, const QString &outDir)
{
    mainForm.help().showTopic(4);
    HelpWindow *help = mainForm.help().window();
    if (!help)
        return false;
    // The contents tree is built in the background; wait for it briefly.
    QHelpContentModel *contents = help->engine()->contentModel();
    if (contents->rowCount() == 0) {
        QEventLoop wait;
        QObject::connect(contents, &QHelpContentModel::contentsCreated, &wait, &QEventLoop::quit);
        QTimer::singleShot(5000, &wait, &QEventLoop::quit);
        wait.exec();
    }
    help->engine()->contentWidget()->expandAll();
    help->resize(900, 620);
    QCoreApplication::processEvents();
    return save(help, QDir(outDir).filePath(QStringLiteral("help-window.png")));
}

// Leaving a changed field of the Schedule example with its graph open as a
// new window shows it (lines in 3D): recalculation, graph build and the
// chart's repaint, then the grid's. The median, 90th percentile and slowest
// of 41, in nanoseconds.
std::array<qint64, 3> fieldExitTimes(TAgentForm &schedule)
{
    std::vector<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < 41; ++i) {
        QLineEdit *edit = schedule.widgets().field(Field::MaskEdit4);
        edit->selectAll();
        edit->insert(i % 2 ? QStringLiteral("00:31") : QStringLiteral("00:30"));
        timer.restart();
        schedule.fieldExit(Field::MaskEdit4);
        schedule.widgets().StringGrid1->viewport()->repaint();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 9 / 10], times.back()};
}

// The graph windows of both examples: the Agents graph as a new window shows
// it (lines in 3D), the Schedule graph as flat bars; `fieldExit` receives
// fieldExitTimes with the Schedule's graph open.
bool saveGraphWindows(TAgentForm &agents, TAgentForm &schedule, const QString &outDir, std::array<qint64, 3> *fieldExit)
{
    agents.SpeedButton6Click();
    schedule.SpeedButton6Click();
    TLumChart *agentsGraph = agents.graphLink()->GraphWindow();
    TLumChart *scheduleGraph = schedule.graphLink()->GraphWindow();
    if (!agentsGraph || !scheduleGraph)
        return false;
    for (QWidget *graph : {static_cast<QWidget *>(agentsGraph), static_cast<QWidget *>(scheduleGraph)})
        graph->parentWidget()->resize(640, 420);
    QCoreApplication::processEvents();
    *fieldExit = fieldExitTimes(schedule);
    scheduleGraph->barButton()->click();
    scheduleGraph->view3DButton()->click();
    QCoreApplication::processEvents();
    const bool agentsSaved = save(agentsGraph->parentWidget(), QDir(outDir).filePath(QStringLiteral("graph-agents.png")));
    return save(scheduleGraph->parentWidget(), QDir(outDir).filePath(QStringLiteral("graph-schedule.png"))) && agentsSaved;
}

// The benchmark week solved in a week window of its own main window, at the
// screen size the window is designed for (1,280 x 800), half-hour slots and
// a ten-second limit, and its report's first page; the solve's time is
// printed.
bool saveWeekWindow(SilentDialogs &dialogs, const QString &outDir)
{
    TMainForm mainForm(dialogs);
    mainForm.resize(1280, 800);
    mainForm.show();
    mainForm.startUp({});
    WeekWindow *week = mainForm.weekWindows().add(BenchmarkWeek::scenario(30));
    auto *child = qobject_cast<QMdiSubWindow *>(week->parentWidget());
    child->showMaximized();
    week->timeLimitBox()->setValue(10);
    QEventLoop wait;
    QObject::connect(week, &WeekWindow::solveFinished, &wait, &QEventLoop::quit);
    QTimer::singleShot(60000, &wait, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    week->solve();
    wait.exec();
    QTextStream(stdout) << "Benchmark week, half-hour slots: solved in " << timer.elapsed() << " ms: "
                        << week->statusLabel()->text() << '\n';
    if (!week->plan())
        return false;
    week->tabs()->setCurrentIndex(WeekWindow::HeatMapTab);
    QCoreApplication::processEvents();
    bool ok = save(&mainForm, QDir(outDir).filePath(QStringLiteral("week-window.png")));
    ok = saveReportPage([week] { week->print(); }, dialogs, outDir, QStringLiteral("report-week")) && ok;
    mainForm.Exit1Click();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    VarnookApplication app(argc, argv);
    if (app.arguments().size() < 2) {
        std::fprintf(stderr, "usage: varnook-screenshots OUTDIR\n");
        return 2;
    }
    const QString outDir = app.arguments().at(1);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    SilentDialogs dialogs;
    app.setDialogs(&dialogs);

    TMainForm mainForm(dialogs);
    mainForm.resize(900, 860);
    mainForm.show();
    mainForm.startUp({});

    qint64 agentsExit = 0;
    qint64 scheduleEnter = 0;
    TAgentForm *agents = agentsExample(mainForm, &agentsExit);
    TAgentForm *schedule = scheduleExample(mainForm, &scheduleEnter);
    const QList<QMdiSubWindow *> children = mainForm.mdiArea()->subWindowList();
    children.at(0)->setGeometry(0, 0, 860, 420);
    children.at(1)->setGeometry(0, 420, 860, 340);
    mainForm.mdiArea()->setActiveSubWindow(children.at(0));
    agents->widgets().field(Field::Edit1)->setFocus();
    QCoreApplication::processEvents();

    bool ok = save(&mainForm, QDir(outDir).filePath(QStringLiteral("main-window.png")));
    ok = saveHelpWindow(mainForm, outDir) && ok;
    ok = saveReportPage([agents] { agents->SpeedButton3Click(); }, dialogs, outDir, QStringLiteral("report-agents")) && ok;
    ok = saveReportPage([schedule] { schedule->SpeedButton3Click(); }, dialogs, outDir,
                        QStringLiteral("report-schedule"))
         && ok;
    std::array<qint64, 3> fieldExit{};
    ok = saveGraphWindows(*agents, *schedule, outDir, &fieldExit) && ok;
    ok = saveWeekWindow(dialogs, outDir) && ok;

    for (const QString &message : dialogs.messages)
        QTextStream(stdout) << "message: " << message << '\n';
    QTextStream(stdout) << "Agents example: leaving Edit1 to repainted grid " << agentsExit / 1000 << " us\n"
                        << "Schedule example: Enter in the grid to repainted grid " << scheduleEnter / 1000 << " us\n"
                        << "Schedule example with its graph window: leaving a field to repainted graph, median "
                        << fieldExit[0] / 1000 << " us, 90th percentile " << fieldExit[1] / 1000
                        << " us, slowest of 41 " << fieldExit[2] / 1000 << " us\n";
    mainForm.Exit1Click();
    return ok ? 0 : 1;
}
