// SPDX-License-Identifier: MIT
#include "agentgraphlink.h"
#include "chartwidget.h"
#include "fakedialogservice.h"
#include "graphfixtures.h"
#include "helpcommands.h"
#include "helpwindow.h"
#include "tagentform.h"
#include "tlumchart.h"
#include "tmainform.h"
#include "varnookapplication.h"

#include <QMdiArea>
#include <QToolButton>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

// Graph windows among the main window's children.
class GraphWindowsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void recalculateIgnoresAGraphWindowAndCloseClosesIt();
    void aNewGraphOrPlanWindowStaysInsideTheWindowArea();
    void seriesTakeTheMainWindowsColours();
    void f1OpensTopic32FromAGraphWindow();
    void closingTheMainWindowWithBothOpen();

private:
    TAgentForm *agentWithGraph();

    FakeDialogService dialogs;
    std::unique_ptr<TMainForm> main;
};

void GraphWindowsTest::init()
{
    dialogs.clear();
    main = std::make_unique<TMainForm>(dialogs);
    main->show();
}

void GraphWindowsTest::cleanup()
{
    main.reset();
}

TAgentForm *GraphWindowsTest::agentWithGraph()
{
    TAgentForm *form = main->NewAgentWindow1Click();
    setScheduleWorkedExample(form->scenario());
    form->refresh();
    form->widgets().TabSet1->setCurrentIndex(1);
    form->SpeedButton6Click();
    return form;
}

void GraphWindowsTest::recalculateIgnoresAGraphWindowAndCloseClosesIt()
{
    TAgentForm *form = agentWithGraph();
    QPointer<TLumChart> graph = form->graphLink()->GraphWindow();
    QCOMPARE(main->mdiArea()->activeSubWindow()->widget(), graph.data());
    QCOMPARE(main->mdiArea()->subWindowList().size(), 2);
    graph->chart()->model().title = QStringLiteral("untouched");
    main->Recalculate1Click();
    QCOMPARE(graph->chart()->model().title, QStringLiteral("untouched"));
    QVERIFY(dialogs.shown.isEmpty());
    main->Close1Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!graph);
    QVERIFY(!form->graphLink()->GraphWindow());
    QCOMPARE(main->agentForms().size(), 1);
}

void GraphWindowsTest::aNewGraphOrPlanWindowStaysInsideTheWindowArea()
{
    // A small frame: the area places each new child beside the agent window.
    main->resize(760, 520);
    QCoreApplication::processEvents();
    TAgentForm *form = agentWithGraph();
    form->widgets().PlanShiftsButton->click();
    const QRect room = main->mdiArea()->viewport()->rect();
    for (QMdiSubWindow *child : main->mdiArea()->subWindowList()) {
        if (child->widget() == form)
            continue;
        const QRect placed = child->geometry();
        QVERIFY2(placed.left() >= 0 && placed.top() >= 0, qPrintable(child->windowTitle()));
        QVERIFY2(placed.width() > room.width() || placed.right() <= room.right(), qPrintable(child->windowTitle()));
        QVERIFY2(placed.height() > room.height() || placed.bottom() <= room.bottom(), qPrintable(child->windowTitle()));
    }
}

void GraphWindowsTest::seriesTakeTheMainWindowsColours()
{
    main->SeriesColours.set(0, QColor(10, 20, 30));
    TAgentForm *form = agentWithGraph();
    const ChartModel &model = form->graphLink()->GraphWindow()->chart()->model();
    QCOMPARE(model.series[0].title, QStringLiteral("Agents - n"));
    QCOMPARE(model.series[0].colour, QColor(10, 20, 30));
    QCOMPARE(model.series[1].colour, QColor(128, 0, 128));
}

void GraphWindowsTest::f1OpensTopic32FromAGraphWindow()
{
    main->help().setHelpFile(QStringLiteral(VARNOOK_BUILT_HELP_FILE));
    TAgentForm *form = agentWithGraph();
    TLumChart *graph = form->graphLink()->GraphWindow();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    graph->setFocus();
    QCOMPARE(QApplication::focusWidget(), graph);
    QTest::keyClick(graph, Qt::Key_F1);
    QVERIFY(main->help().window());
    QVERIFY(main->help().window()->browser()->source().toString().endsWith(QStringLiteral("graph.html")));
}

void GraphWindowsTest::closingTheMainWindowWithBothOpen()
{
    agentWithGraph();
    agentWithGraph();
    QCOMPARE(main->mdiArea()->subWindowList().size(), 4);
    main->Exit1Click();
    main.reset();
}

int main(int argc, char *argv[])
{
    VarnookApplication app(argc, argv);
    GraphWindowsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_graphwindows.moc"
