// SPDX-License-Identifier: MIT
#include "agentgraphlink.h"
#include "chartwidget.h"
#include "fakedialogservice.h"
#include "forecastwindow.h"
#include "forecastwindows.h"
#include "generatedhistory.h"
#include "graphfixtures.h"
#include "helpcommands.h"
#include "helpwindow.h"
#include "planningdialog.h"
#include "resulttablemodel.h"
#include "tabortprint.h"
#include "taboutform.h"
#include "tagentform.h"
#include "tlumchart.h"
#include "tlumstringgrid.h"
#include "testfiles.h"
#include "tmainform.h"
#include "varnookapplication.h"
#include "weekwindow.h"
#include "weekwindows.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMetaEnum>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

enum class WindowKind { Main, AgentsTab, ScheduleTab, Graph, Printing, Help, HelpIndex, About, Planning, RosterSchedule, Week, WeekTotals, Forecast };
Q_DECLARE_METATYPE(WindowKind)

// What a screen reader finds in each kind of window: every control a person
// can reach or act on has a name, and no two controls of one window share
// one unless they run the same command. New controls that arrive unnamed
// fail here.
class AccessibleNamesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyControlHasItsOwnName_data();
    void everyControlHasItsOwnName();
    void gridCellsAreReadWithTheirRowAndColumn_data();
    void gridCellsAreReadWithTheirRowAndColumn();
    void theGridIsNamedAfterTheTableItShows();
    void theGraphIsDescribedAnewAtEveryRebuild();

private:
    QWidget *openWindow(WindowKind kind);
    TAgentForm *workedAgentsWindow();

    FakeDialogService dialogs;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<PlanningDialog> planning;
    QTemporaryDir folder;
};

namespace {

struct Control
{
    QString name;
    QString where;   // the path of roles and object names, for the message
    QString command; // controls that run one command share it
};

QString roleText(QAccessible::Role role)
{
    const char *key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key ? QString::fromLatin1(key) : QString::number(role);
}

// A control is whatever takes the keyboard focus, offers an action, or has a
// value to set (a screen reader offers a scroll bar's steps as actions). Item
// views report no focus state of their own: their widget's policy says.
bool isControl(QAccessibleInterface *item)
{
    if (item->state().focusable || item->valueInterface())
        return true;
    const auto *widget = qobject_cast<const QWidget *>(item->object());
    if (widget && widget->focusPolicy() != Qt::NoFocus)
        return true;
    QAccessibleActionInterface *actions = item->actionInterface();
    return actions && !actions->actionNames().isEmpty();
}

bool isItemView(QAccessible::Role role)
{
    return role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List;
}

// Walks the visible part of the tree below `item`. An item view counts as one
// control: its cells are its data, not controls of their own.
void collect(QAccessibleInterface *item, const QString &path, QList<Control> &controls)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QAccessibleInterface *child = item->child(i);
        if (!child || !child->isValid() || child->state().invisible)
            continue;
        const QAccessible::Role role = child->role();
        QString where = path + QLatin1Char('/') + roleText(role);
        if (child->object() && !child->object()->objectName().isEmpty())
            where += QLatin1Char(' ') + child->object()->objectName();
        const QString name = child->text(QAccessible::Name);
        if (isControl(child)) {
            // A tab strip is named after its current tab: both choose that tab.
            const bool tab = role == QAccessible::PageTab || role == QAccessible::PageTabList;
            controls.append({name, where, tab ? QStringLiteral("tab ") + name : where});
        }
        if (!isItemView(role))
            collect(child, where, controls);
    }
}

} // namespace

void AccessibleNamesTest::init()
{
    dialogs.clear();
    main = std::make_unique<TMainForm>(dialogs);
    main->help().setHelpFile(QStringLiteral(VARNOOK_BUILT_HELP_FILE));
    main->show();
    main->startUp({QStringLiteral("varnook")});
}

void AccessibleNamesTest::cleanup()
{
    planning.reset();
    main->Exit1Click();
    main.reset();
}

TAgentForm *AccessibleNamesTest::workedAgentsWindow()
{
    TAgentForm *form = main->NewAgentWindow1Click();
    setAgentsWorkedExample(form->scenario());
    form->refresh();
    form->Recalculate();
    return form;
}

QWidget *AccessibleNamesTest::openWindow(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Main:
        return main.get();
    case WindowKind::AgentsTab:
        return workedAgentsWindow()->parentWidget();
    case WindowKind::ScheduleTab: {
        TAgentForm *form = workedAgentsWindow();
        form->widgets().TabSet1->setCurrentIndex(1);
        return form->parentWidget();
    }
    case WindowKind::Graph: {
        TAgentForm *form = workedAgentsWindow();
        form->SpeedButton6Click();
        return form->graphLink()->GraphWindow()->parentWidget();
    }
    case WindowKind::Printing:
        main->abortPrint()->ShowPrinting(QStringLiteral("Printing New Agents"));
        return main->abortPrint();
    case WindowKind::Help:
        main->Contents1Click();
        return main->help().window();
    case WindowKind::HelpIndex: {
        main->TopicSearch1Click();
        // A keyword typed shows the filter's clear button.
        auto *filter = main->help().window()->findChild<QLineEdit *>();
        if (filter)
            filter->setText(QStringLiteral("time"));
        return main->help().window();
    }
    case WindowKind::About:
        main->About1Click();
        return main->aboutForm();
    case WindowKind::Planning: {
        PlanningOptions options;
        options.shrinkagePercent = 30;
        planning = std::make_unique<PlanningDialog>(options, QStringLiteral("New Agents"), dialogs, main.get());
        planning->show();
        return planning.get();
    }
    case WindowKind::Week:
    case WindowKind::WeekTotals: {
        WeekWindow *week = main->NewWeekWindow1Click();
        week->tabs()->setCurrentIndex(kind == WindowKind::Week ? WeekWindow::VolumesTab : WeekWindow::TotalsTab);
        return week->parentWidget();
    }
    case WindowKind::RosterSchedule: {
        // The Schedule with Sched and the roster's columns, and the line
        // under the inputs.
        TAgentForm *form = workedAgentsWindow();
        PlanningOptions planning = form->scenario().inputs().Planning;
        planning.shrinkagePercent = 30;
        form->scenario().setPlanning(planning);
        form->scenario().setRosterView(true);
        form->widgets().TabSet1->setCurrentIndex(1);
        return form->parentWidget();
    }
    case WindowKind::Forecast: {
        const QString path = writeFileIn(folder, QStringLiteral("history.csv"), GeneratedHistory().text().toUtf8());
        ForecastWindow *forecast = main->forecasts().open(path);
        return forecast ? forecast->parentWidget() : nullptr;
    }
    }
    return nullptr;
}

void AccessibleNamesTest::everyControlHasItsOwnName_data()
{
    QTest::addColumn<WindowKind>("kind");
    // Fewer controls than this means the walk missed part of the window.
    QTest::addColumn<int>("leastControls");
    QTest::newRow("main window") << WindowKind::Main << 5;
    QTest::newRow("agent window, Agents tab") << WindowKind::AgentsTab << 19;
    QTest::newRow("agent window, Schedule tab") << WindowKind::ScheduleTab << 19;
    QTest::newRow("graph window") << WindowKind::Graph << 8;
    QTest::newRow("printing dialog") << WindowKind::Printing << 1;
    QTest::newRow("help window, contents") << WindowKind::Help << 5;
    QTest::newRow("help window, index") << WindowKind::HelpIndex << 6;
    QTest::newRow("About box") << WindowKind::About << 1;
    QTest::newRow("planning options dialog") << WindowKind::Planning << 8;
    QTest::newRow("agent window, Schedule with options and roster") << WindowKind::RosterSchedule << 19;
    QTest::newRow("week window, volumes") << WindowKind::Week << 18;
    QTest::newRow("week window, totals") << WindowKind::WeekTotals << 18;
    QTest::newRow("forecast window") << WindowKind::Forecast << 9;
}

void AccessibleNamesTest::everyControlHasItsOwnName()
{
    QFETCH(WindowKind, kind);
    QFETCH(int, leastControls);
    QWidget *window = openWindow(kind);
    QVERIFY(window && window->isVisible());
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    QVERIFY(root);
    QVERIFY2(!root->text(QAccessible::Name).isEmpty(), "the window itself has no name");

    QList<Control> controls;
    collect(root, roleText(root->role()), controls);
    QVERIFY2(controls.size() >= leastControls, qPrintable(QString::number(controls.size())));
    QStringList faults;
    QHash<QString, const Control *> byName;
    for (const Control &control : std::as_const(controls)) {
        if (control.name.trimmed().isEmpty())
            faults.append(QStringLiteral("unnamed: ") + control.where);
        else if (const Control *other = byName.value(control.name); other && other->command != control.command)
            faults.append(QStringLiteral("\"%1\" names both %2 and %3").arg(control.name, other->where, control.where));
        byName.insert(control.name, &control);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void AccessibleNamesTest::gridCellsAreReadWithTheirRowAndColumn_data()
{
    QTest::addColumn<bool>("schedule"); // the Schedule worked example, else the Agents one
    QTest::addColumn<int>("row");       // model row
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("rowHeader");
    QTest::addColumn<QString>("columnHeader");
    // The Agents worked example's goal row: 9 agents meet 80 % in 20 seconds.
    QTest::newRow("goal row, service level") << false << 3 << 1 << "87%" << "9" << "Service level";
    QTest::newRow("goal row, abandoned") << false << 3 << 3 << "11%" << "9" << "Abandoned";
    QTest::newRow("goal row, agents") << false << 3 << 0 << "9" << "9" << "Agents";
    QTest::newRow("slot, calls") << true << 2 << 1 << "50" << "09:00" << "Calls";
    QTest::newRow("slot, average answer") << true << 2 << 7 << "00:13" << "09:00" << "Average answer";
}

void AccessibleNamesTest::gridCellsAreReadWithTheirRowAndColumn()
{
    QFETCH(bool, schedule);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, cell);
    QFETCH(QString, rowHeader);
    QFETCH(QString, columnHeader);
    TAgentForm *form = main->NewAgentWindow1Click();
    if (schedule) {
        setScheduleWorkedExample(form->scenario());
        form->refresh();
        form->widgets().TabSet1->setCurrentIndex(1);
    } else {
        setAgentsWorkedExample(form->scenario());
        form->refresh();
        form->Recalculate();
    }
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(form->widgets().StringGrid1);
    QVERIFY(grid && grid->tableInterface());
    QAccessibleInterface *item = grid->tableInterface()->cellAt(row, column);
    QVERIFY(item && item->tableCellInterface());
    QCOMPARE(item->text(QAccessible::Name), cell);
    const QList<QAccessibleInterface *> rows = item->tableCellInterface()->rowHeaderCells();
    const QList<QAccessibleInterface *> columns = item->tableCellInterface()->columnHeaderCells();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(columns.size(), 1);
    QCOMPARE(rows.first()->text(QAccessible::Name), rowHeader);
    QCOMPARE(columns.first()->text(QAccessible::Name), columnHeader);
    QCOMPARE(grid->tableInterface()->rowDescription(row), rowHeader);
    // The header cells are made for the caller.
    for (QAccessibleInterface *header : rows + columns)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
}

void AccessibleNamesTest::theGridIsNamedAfterTheTableItShows()
{
    TAgentForm *form = workedAgentsWindow();
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(form->widgets().StringGrid1);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Agents table"));
    form->widgets().TabSet1->setCurrentIndex(1);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Schedule table"));
    QCOMPARE(grid->text(QAccessible::Description), QStringLiteral("Enter the call volume, use the arrow keys to advance"));
    form->widgets().TabSet1->setCurrentIndex(0);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Agents table"));
    // What the grid shows and what is copied stay as they were.
    QCOMPARE(form->widgets().StringGrid1->resultModel()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Srv Lvl"));
    QVERIFY(form->widgets().StringGrid1->verticalHeader()->isHidden());
}

void AccessibleNamesTest::theGraphIsDescribedAnewAtEveryRebuild()
{
    TAgentForm *form = workedAgentsWindow();
    form->SpeedButton6Click();
    TLumChart *graph = form->graphLink()->GraphWindow();
    QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(graph->chart());
    QCOMPARE(chart->role(), QAccessible::Chart);
    QCOMPARE(chart->text(QAccessible::Name), QStringLiteral("Chart"));
    const QString before = chart->text(QAccessible::Description);
    QVERIFY2(before.startsWith(QStringLiteral("Line chart of Service Level and Queued by Agents.")), qPrintable(before));
    QVERIFY2(before.contains(QStringLiteral("Service Level: highest ")), qPrintable(before));
    graph->SpeedButton5Click(); // bars: the graph is rebuilt
    const QString after = chart->text(QAccessible::Description);
    QVERIFY2(after.startsWith(QStringLiteral("Bar chart of")), qPrintable(after));
    // The window holds the focus for the chart, and says the same.
    QCOMPARE(QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Description), after);
}

int main(int argc, char *argv[])
{
    VarnookApplication app(argc, argv);
    AccessibleNamesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_accessiblenames.moc"
