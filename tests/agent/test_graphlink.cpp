// SPDX-License-Identifier: MIT
#include "agentgraphlink.h"
#include "agentservices.h"
#include "chartwidget.h"
#include "fakedialogservice.h"
#include "graphbuild.h"
#include "graphfixtures.h"
#include "tagentform.h"
#include "tlumchart.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// Agent windows in a frame's child-window area, as the program has them.
struct Frame
{
    Frame()
    {
        area.resize(1000, 800);
        area.show();
        // The fields hold the cursor as in use: in the active window.
        QApplication::setActiveWindow(&area);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&area);
    }
    ~Frame() { area.closeAllSubWindows(); }

    TAgentForm *newAgentWindow()
    {
        auto *form = new TAgentForm(services);
        QMdiSubWindow *sub = area.addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        return form;
    }
    // The window's fields set to a worked example, then recalculated.
    static void enterAgentsExample(TAgentForm &form)
    {
        setAgentsWorkedExample(form.scenario());
        form.refresh();
        form.Recalculate();
    }
    static void enterScheduleExample(TAgentForm &form)
    {
        setScheduleWorkedExample(form.scenario());
        form.refresh();
        form.widgets().TabSet1->setCurrentIndex(1);
    }
    QList<TLumChart *> graphWindows() const
    {
        QList<TLumChart *> list;
        for (QMdiSubWindow *sub : area.subWindowList()) {
            if (auto *graph = qobject_cast<TLumChart *>(sub->widget()))
                list << graph;
        }
        return list;
    }
    // Closed windows are deleted once the event loop runs.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FakeDialogService dialogs;
    AgentServices services{dialogs};
    QMdiArea area;
};

class GraphLinkTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showGraphOpensOneLinkedWindow();
    void seriesMenuFollowsTheTab();
    void schedAndHaveFollowTheirColumns();
    void eachAgentWindowRebuildsOnlyItsOwnGraph();
    void styleAndSeriesChangesRebuildFromTheTable();
    void uncheckingEverythingDrawsTheDefaultPair();
    void viewAndGridSurviveRebuilds();
    void incompatibleSelectionIsSaidAtEveryBuild();
    void showGraphWhileAnInputIsInvalid();
    void failedRecalculationThenASeriesChangeIsSilent();
    void tabChangeWhileAnInputIsInvalid();
    void closeAndReopenGivesTheDefaults();
    void closingTheAgentWindowClosesItsGraph();
    void aNewNameRecaptionsTheGraph();
    void pendingFieldEditIsTakenBeforeTheGraph();
    void refusedFieldEditStopsShowGraph();
    void graphPrintAsksTheProgramsPrintDialog();
};

void GraphLinkTest::showGraphOpensOneLinkedWindow()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    QCOMPARE(form->widgets().SpeedButton6->toolTip(), QStringLiteral("Show Graph"));
    form->widgets().SpeedButton6->click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    QVERIFY(graph);
    QCOMPARE(graph->OwnerForm, static_cast<GraphOwner *>(form->graphLink()));
    QCOMPARE(graph->windowTitle(), QStringLiteral("Graph - New Agents"));
    QCOMPARE(frame.area.activeSubWindow()->widget(), graph);
    QCOMPARE(graph->SeriesSelection, SeriesSelectionWord(6));
    QCOMPARE(graph->chart()->model().series.size(), std::size_t(2));
    QCOMPARE(graph->chart()->model().series[0].title, QStringLiteral("Srv Lvl - %"));

    // Again: the same window comes to the front, none is created.
    frame.area.setActiveSubWindow(frame.area.subWindowList().first());
    form->SpeedButton6Click();
    QCOMPARE(frame.graphWindows().size(), 1);
    QCOMPARE(frame.area.activeSubWindow()->widget(), graph);
    QVERIFY(frame.dialogs.shown.isEmpty());
}

void GraphLinkTest::seriesMenuFollowsTheTab()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    const QStringList captions{"Agents", "Service Level", "Queued", "Abandoned", "Usage", "Average Answer", "Queue Time", "Average Queue", "Trunks"};
    for (int kind = 0; kind < 9; ++kind) {
        QCOMPARE(graph->seriesItem(kind)->text(), captions.at(kind));
        QCOMPARE(graph->seriesItem(kind)->isVisible(), kind != 0);
    }
    graph->SeriesSelection = 0x1FE;
    form->widgets().TabSet1->setCurrentIndex(1);
    QCOMPARE(graph->SeriesSelection, SeriesSelectionWord(9));
    for (int kind = 0; kind < 9; ++kind)
        QCOMPARE(graph->seriesItem(kind)->isVisible(), kind != 6 && kind != 7);
    const ChartModel &model = graph->chart()->model();
    QCOMPARE(model.series.size(), std::size_t(2));
    QCOMPARE(model.series[0].title, QStringLiteral("Agents - n"));
    QCOMPARE(model.bottomAxis.title, QStringLiteral("Schedule"));
    form->widgets().field(Field::Edit1)->setText(QStringLiteral("100"));
    form->widgets().TabSet1->setCurrentIndex(0);
    QCOMPARE(graph->SeriesSelection, SeriesSelectionWord(6));
    QVERIFY(!graph->seriesItem(0)->isVisible());
    QCOMPARE(model.bottomAxis.title, QStringLiteral("Agents"));
}

void GraphLinkTest::schedAndHaveFollowTheirColumns()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    QVERIFY(!graph->seriesItem(SeriesKinds::Count)); // no Sched item without shrinkage
    AgentScenario &scenario = form->scenario();
    PlanningOptions planning = scenario.inputs().Planning;
    planning.shrinkagePercent = 30;
    scenario.setPlanning(planning);
    scenario.Recalculate();
    QAction *sched = graph->seriesItem(SeriesKinds::Count);
    QVERIFY(sched && sched->isVisible());
    QCOMPARE(sched->text(), QStringLiteral("Sched"));
    graph->seriesItemClick(SeriesKinds::Count);
    QCOMPARE(graph->chart()->model().series.back().title.left(5), QStringLiteral("Sched"));
    // Without shrinkage the item hides and the series leaves the selection.
    planning.shrinkagePercent = 0;
    scenario.setPlanning(planning);
    scenario.Recalculate();
    QVERIFY(!sched->isVisible());
    QVERIFY(!SeriesKinds::Holds(graph->SeriesSelection, SeriesKinds::Count));
}

void GraphLinkTest::eachAgentWindowRebuildsOnlyItsOwnGraph()
{
    Frame frame;
    TAgentForm *agents = frame.newAgentWindow();
    Frame::enterAgentsExample(*agents);
    TAgentForm *schedule = frame.newAgentWindow();
    Frame::enterScheduleExample(*schedule);
    agents->SpeedButton6Click();
    schedule->SpeedButton6Click();
    QCOMPARE(frame.graphWindows().size(), 2);
    TLumChart *agentsGraph = agents->graphLink()->GraphWindow();
    TLumChart *scheduleGraph = schedule->graphLink()->GraphWindow();
    QVERIFY(agentsGraph != scheduleGraph);
    QCOMPARE(scheduleGraph->windowTitle(), QStringLiteral("Graph - New Agents"));
    // A mark in each chart shows which one a rebuild reaches.
    agentsGraph->chart()->model().title = QStringLiteral("untouched");
    scheduleGraph->chart()->model().title = QStringLiteral("untouched");
    schedule->Recalculate();
    QCOMPARE(agentsGraph->chart()->model().title, QStringLiteral("untouched"));
    QCOMPARE(scheduleGraph->chart()->model().title, QStringLiteral("Varnook"));
    agentsGraph->barButton()->click();
    QCOMPARE(agentsGraph->chart()->model().title, QStringLiteral("Varnook"));
    QCOMPARE(agentsGraph->chart()->model().series[0].style, ChartSeriesStyle::Bar);
    QCOMPARE(scheduleGraph->chart()->model().series[0].style, ChartSeriesStyle::Line);
}

void GraphLinkTest::styleAndSeriesChangesRebuildFromTheTable()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    ChartModel &model = graph->chart()->model();
    // Line while line: no rebuild.
    model.title = QStringLiteral("untouched");
    graph->lineButton()->click();
    QCOMPARE(model.title, QStringLiteral("untouched"));
    // Without recalculating: a mark in the table reaches the chart.
    form->scenario().StringGrid1().setCell(ResultTable::ServiceColumn, 1, QStringLiteral("42%"));
    graph->barButton()->click();
    QCOMPARE(model.title, QStringLiteral("Varnook"));
    QCOMPARE(model.series[0].points[0].y, 42.0);
    QCOMPARE(model.series[0].style, ChartSeriesStyle::Bar);
    graph->PopupMenu1Popup();
    graph->seriesItemClick(5);
    QCOMPARE(graph->SeriesSelection, SeriesSelectionWord(0x26));
    QCOMPARE(model.series.size(), std::size_t(3));
    QCOMPARE(model.rightAxis.title, QStringLiteral("Time"));
    QCOMPARE(model.series[2].style, ChartSeriesStyle::Bar);
}

void GraphLinkTest::uncheckingEverythingDrawsTheDefaultPair()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterScheduleExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    graph->PopupMenu1Popup();
    graph->seriesItemClick(0);
    graph->seriesItemClick(3);
    QCOMPARE(graph->SeriesSelection, SeriesSelectionWord(0));
    const ChartModel &model = graph->chart()->model();
    QCOMPARE(model.series.size(), std::size_t(2));
    QCOMPARE(model.series[0].title, QStringLiteral("Agents - n"));
    QCOMPARE(model.series[0].axis, ChartVerticalAxis::Left);
    QCOMPARE(model.leftAxis.title, QStringLiteral("Percent"));
    graph->PopupMenu1Popup();
    for (int kind = 0; kind < 9; ++kind)
        QVERIFY(!graph->seriesItem(kind)->isChecked());
}

void GraphLinkTest::viewAndGridSurviveRebuilds()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    graph->view3DButton()->click();
    graph->gridButton()->click();
    graph->gridButton()->click();
    form->Recalculate();
    graph->barButton()->click();
    form->widgets().TabSet1->setCurrentIndex(1);
    const ChartModel &model = graph->chart()->model();
    QVERIFY(!model.view3D);
    QCOMPARE(model.leftAxis.grid, ChartGridStyle::Dotted);
    QCOMPARE(model.rightAxis.grid, ChartGridStyle::Dotted);
    QVERIFY(graph->BarChart);
}

void GraphLinkTest::incompatibleSelectionIsSaidAtEveryBuild()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    graph->SeriesSelection = 0x1FE & ~(1u << 8); // all but Trunks
    frame.dialogs.clear();
    graph->PopupMenu1Popup();
    graph->seriesItemClick(8);
    const QString message = IncompatibleSelectionMessage();
    QCOMPARE(frame.dialogs.texts(QStringLiteral("inform")), QStringList{message});
    QCOMPARE(graph->SeriesSelection, SeriesSelectionWord(0x1FE));
    QCOMPARE(graph->chart()->model().series.size(), std::size_t(6));
    form->Recalculate();
    graph->barButton()->click();
    QCOMPARE(frame.dialogs.texts(QStringLiteral("inform")), (QStringList{message, message, message}));
}

void GraphLinkTest::showGraphWhileAnInputIsInvalid()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    // A new window has 0 calls: the recalculation refuses it.
    form->SpeedButton6Click();
    QCOMPARE(frame.dialogs.texts(QStringLiteral("inform")),
             QStringList{"Invalid input! - Cursor is positioned in failing field"});
    TLumChart *graph = form->graphLink()->GraphWindow();
    QVERIFY(graph);
    QVERIFY(graph->isVisible());
    QVERIFY(graph->chart()->model().series.empty());
    QVERIFY(frame.dialogs.texts(QStringLiteral("error")).isEmpty());
    Frame::enterAgentsExample(*form);
    QCOMPARE(graph->chart()->model().series.size(), std::size_t(2));
}

void GraphLinkTest::failedRecalculationThenASeriesChangeIsSilent()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    form->widgets().field(Field::Edit1)->setText(QStringLiteral("0"));
    form->Recalculate();
    // The refused recalculation leaves the last graph.
    QCOMPARE(graph->chart()->model().series.size(), std::size_t(2));
    frame.dialogs.clear();
    graph->PopupMenu1Popup();
    graph->seriesItemClick(4);
    graph->barButton()->click();
    QVERIFY(frame.dialogs.shown.isEmpty());
    QVERIFY(graph->chart()->model().series.empty());
    form->widgets().field(Field::Edit1)->setText(QStringLiteral("100"));
    form->Recalculate();
    QCOMPARE(graph->chart()->model().series.size(), std::size_t(3));
}

void GraphLinkTest::tabChangeWhileAnInputIsInvalid()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    form->widgets().field(Field::MaskEdit6)->setText(QString());
    form->widgets().TabSet1->setCurrentIndex(1);
    QCOMPARE(graph->SeriesSelection, SeriesSelectionWord(9));
    QVERIFY(graph->seriesItem(0)->isVisible());
    // The chart keeps the Agents tab's series until a recalculation passes.
    QCOMPARE(graph->chart()->model().series[0].title, QStringLiteral("Srv Lvl - %"));
}

void GraphLinkTest::closeAndReopenGivesTheDefaults()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    QPointer<TLumChart> graph = form->graphLink()->GraphWindow();
    graph->barButton()->click();
    graph->view3DButton()->click();
    graph->gridButton()->click();
    graph->seriesItemClick(7);
    graph->closeButton()->click();
    QVERIFY(!form->graphLink()->GraphWindow());
    Frame::settle();
    QVERIFY(!graph);
    form->SpeedButton6Click();
    TLumChart *again = form->graphLink()->GraphWindow();
    QVERIFY(again);
    QCOMPARE(again->SeriesSelection, SeriesSelectionWord(6));
    QVERIFY(!again->BarChart);
    QVERIFY(again->GridShown);
    QVERIFY(again->chart()->model().view3D);
    QCOMPARE(again->chart()->model().leftAxis.grid, ChartGridStyle::Default);
    QCOMPARE(again->chart()->model().series[0].style, ChartSeriesStyle::Line);
}

void GraphLinkTest::closingTheAgentWindowClosesItsGraph()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    QPointer<TLumChart> graph = form->graphLink()->GraphWindow();
    QPointer<TAgentForm> agent = form;
    form->widgets().SpeedButton1->click();
    Frame::settle();
    QVERIFY(!agent);
    QVERIFY(!graph);
    QVERIFY(frame.area.subWindowList().isEmpty());

    // And the other way round: the agent window goes on without its graph.
    TAgentForm *second = frame.newAgentWindow();
    Frame::enterAgentsExample(*second);
    second->SpeedButton6Click();
    graph = second->graphLink()->GraphWindow();
    frame.area.setActiveSubWindow(qobject_cast<QMdiSubWindow *>(graph->parentWidget()));
    frame.area.closeActiveSubWindow();
    Frame::settle();
    QVERIFY(!graph);
    QVERIFY(!second->graphLink()->GraphWindow());
    second->Recalculate();
    second->widgets().SpeedButton1->click();
    Frame::settle();
    QVERIFY(frame.area.subWindowList().isEmpty());

    // An agent window destroyed without closing takes its graph with it.
    TAgentForm *third = frame.newAgentWindow();
    Frame::enterAgentsExample(*third);
    third->SpeedButton6Click();
    graph = third->graphLink()->GraphWindow();
    delete third->parentWidget();
    Frame::settle();
    QVERIFY(!graph);
    QVERIFY(frame.area.subWindowList().isEmpty());
}

void GraphLinkTest::aNewNameRecaptionsTheGraph()
{
    QTemporaryDir dir;
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    QVERIFY(form->saveFile(dir.filePath(QStringLiteral("monday.vnk"))));
    TLumChart *graph = form->graphLink()->GraphWindow();
    QCOMPARE(graph->windowTitle(), QStringLiteral("Graph - ") + form->windowTitle());
    QVERIFY(graph->windowTitle().endsWith(QStringLiteral(".vnk"), Qt::CaseInsensitive));
    QVERIFY(form->openFile(dir.filePath(QStringLiteral("monday.vnk"))));
    QCOMPARE(graph->windowTitle(), QStringLiteral("Graph - ") + form->windowTitle());
}

void GraphLinkTest::pendingFieldEditIsTakenBeforeTheGraph()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    // 300 calls typed and not yet left: the button takes no focus.
    QLineEdit *calls = form->widgets().field(Field::Edit1);
    calls->setFocus();
    calls->selectAll();
    QTest::keyClicks(calls, QStringLiteral("300"));
    QVERIFY(calls->isModified());
    form->widgets().SpeedButton6->click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    QVERIFY(graph);
    QVERIFY(!calls->isModified());
    const ResultTable &table = form->scenario().StringGrid1();
    QCOMPARE(graph->chart()->model().series[0].points.front().label, table.cell(ResultTable::AgentsColumn, 1));
    QVERIFY(table.cell(ResultTable::AgentsColumn, 1).toInt() > 6);
}

void GraphLinkTest::refusedFieldEditStopsShowGraph()
{
    Frame frame;
    TAgentForm *form = frame.newAgentWindow();
    Frame::enterAgentsExample(*form);
    QLineEdit *talk = form->widgets().field(Field::MaskEdit2);
    talk->setFocus();
    talk->selectAll();
    QTest::keyClick(talk, Qt::Key_Backspace);
    QTest::keyClicks(talk, QStringLiteral("3"));
    QVERIFY(talk->isModified() && !talk->hasAcceptableInput());
    form->widgets().SpeedButton6->click();
    QVERIFY(!form->graphLink()->GraphWindow());
    QCOMPARE(frame.dialogs.texts(QStringLiteral("error")).size(), 1);
}

void GraphLinkTest::graphPrintAsksTheProgramsPrintDialog()
{
    Frame f;
    TAgentForm *form = f.newAgentWindow();
    Frame::enterAgentsExample(*form);
    form->SpeedButton6Click();
    TLumChart *graph = f.graphWindows().value(0);
    QVERIFY(graph);
    f.dialogs.clear();
    // Cancelled: nothing printed.
    graph->SpeedButton3Click();
    QCOMPARE(f.dialogs.texts(QStringLiteral("print")).size(), 1);
    // A PDF chosen in the dialog is written.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    f.dialogs.printerAnswer = true;
    f.dialogs.setUpPrinter = [&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    graph->SpeedButton3Click();
    QCOMPARE(f.dialogs.texts(QStringLiteral("print")).size(), 2);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(f.dialogs.texts(QStringLiteral("error")).isEmpty());
}

QTEST_MAIN(GraphLinkTest)
#include "test_graphlink.moc"
