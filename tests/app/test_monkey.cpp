// SPDX-License-Identifier: MIT
// Seeded random input through the real widgets of two or three agent
// windows: keys into fields, clicks on the grid, tabs, slot buttons and tool
// buttons, loads and saves through the scripted dialogs, Escape, Enter,
// window switches. After every action the grids show what their tables
// hold, and a table a recalculation just laid out agrees with a fresh
// recalculation of the same inputs.
//
// Week windows come and go among the actions: typed volumes, solves that
// end, are cancelled or are left running as the window closes; each
// week's tables keep the rows of its days.
//
// MONKEY_ACTIONS (default 300) and MONKEY_SEED (default 1) set the round;
// `make monkey` runs a long one.
#include "agentshiftlink.h"
#include "benchmarkweek.h"
#include "maintoolbar.h"
#include "planningcommand.h"
#include "scenarioevents.h"
#include "scheduleshiftday.h"
#include "fakedialogservice.h"
#include "resulttablemodel.h"
#include "tagentform.h"
#include "tlumstringgrid.h"
#include "tmainform.h"
#include "varnookapplication.h"
#include "weekslotrows.h"
#include "weekvolumemodel.h"
#include "weekwindow.h"
#include "weekwindows.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <map>
#include <memory>
#include <random>

namespace {

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The table a fresh scenario computes from the window's inputs.
ResultTable freshTable(const AgentScenario &shown)
{
    AgentScenario fresh;
    for (int i = 0; i < FieldCount; ++i)
        fresh.setText(static_cast<Field>(i), shown.inputs().text(static_cast<Field>(i)));
    fresh.setSlotLength(shown.inputs().slotLength(), shown.inputs().checkedSlotButton().has_value());
    for (int slot = 1; slot <= ScenarioInputs::SlotCapacity; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        fresh.setSlotCalls(slot, shown.inputs().SlotCalls[index]);
        fresh.setSlotHave(slot, shown.inputs().SlotHave[index]);
    }
    fresh.setSlotCallsEdited(shown.inputs().SlotCallsEdited);
    fresh.setPlanning(shown.inputs().Planning);
    fresh.setRosterView(shown.inputs().RosterView);
    // The Schedule table writes its calls total into the number of calls,
    // which there only has to pass the input check: a total of 0 was
    // written over a number that passed it.
    if (shown.tab() == Tab::Schedule && shown.inputs().text(Field::Edit1) == QLatin1String("0"))
        fresh.setText(Field::Edit1, QStringLiteral("1"));
    ScenarioEvents(fresh).TabSet1Click(shown.tab());
    return fresh.StringGrid1();
}

QString describeDifference(const ResultTable &a, const ResultTable &b)
{
    if (a.rowCount() != b.rowCount())
        return QStringLiteral("%1 rows shown, %2 computed").arg(a.rowCount()).arg(b.rowCount());
    if (a.shownColumns() != b.shownColumns())
        return QStringLiteral("other columns shown than computed");
    for (int r = 0; r < a.rowCount(); ++r) {
        for (int c : a.shownColumns()) {
            if (a.cell(c, r) != b.cell(c, r))
                return QStringLiteral("cell (%1, %2): \"%3\" shown, \"%4\" computed").arg(c).arg(r).arg(a.cell(c, r), b.cell(c, r));
        }
    }
    return {};
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void randomInputKeepsEveryWindowTrue();

private:
    QList<TAgentForm *> forms() const { return main->agentForms(); }
    TAgentForm *activeForm() const;
    QString act(TAgentForm *form);
    QString typeIntoField(TAgentForm *form);
    QString useTheGrid(TAgentForm *form);
    QString useAButton(TAgentForm *form);
    QString planShifts(TAgentForm *form);
    QString useAFile(TAgentForm *form);
    QString manageWindows();
    QString useAWeek();
    void checkWindows(const QString &action, int number);
    // Checks the windows after one event; false once the round is over or failed.
    bool afterEvent(const QString &action);
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    std::mt19937 random;
    FakeDialogService dialogs;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<QTemporaryDir> dir;
    QStringList files;
    std::map<const TAgentForm *, int> recalculationsSeen;
    int m_events = 0;
    int m_eventLimit = 0;
    int m_messages = 0;
};

void MonkeyTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    main = std::make_unique<TMainForm>(dialogs);
    main->resize(900, 700);
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    main->NewAgentWindow1Click();
    main->NewAgentWindow1Click();
    // Files to load: sound ones are added as windows save; these are not.
    const QByteArray damaged = "vnk\r\n90\r\n10\r\n500\r\n08:00\r\n03:00\r\n01:00\r\n00:30\r\n08:00\r\n12:00\r\n1\r\n\r\n5\r\n";
    const QByteArray refusedField = "vnk\r\n90\r\n10\r\n500\r\n08:00\r\n03:00\r\n01:00\r\n00:70\r\n8:00\r\n12:00\r\n0\r\n";
    const QByteArray binary("\0\1\2vnk", 6);
    for (const auto &[name, bytes] : {std::pair{"damaged.vnk", damaged}, std::pair{"refused.vnk", refusedField},
                                      std::pair{"binary.vnk", binary}}) {
        QFile file(dir->filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        files << file.fileName();
    }
    files << dir->filePath(QStringLiteral("missing.vnk"));
}

void MonkeyTest::cleanup()
{
    main.reset();
    dir.reset();
}

TAgentForm *MonkeyTest::activeForm() const
{
    QMdiSubWindow *child = main->mdiArea()->currentSubWindow();
    // A shift plan in front acts for its agent window.
    if (child && qobject_cast<ShiftPlanWindow *>(child->widget())) {
        for (TAgentForm *form : forms())
            if (form->shiftLink()->planWindow() == child->widget())
                return form;
    }
    return child ? qobject_cast<TAgentForm *>(child->widget()) : nullptr;
}

QString MonkeyTest::typeIntoField(TAgentForm *form)
{
    const auto f = static_cast<Field>(pick(FieldCount));
    QLineEdit *edit = form->widgets().field(f);
    QString action = QStringLiteral("click %1").arg(ComponentName(f));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2 + pick(std::max(1, edit->width() - 4)), edit->height() / 2));
    static const char keys[] = "0123456789012345678901234:x ";
    const int count = pick(6);
    for (int i = 0; i < count; ++i) {
        // Each key is an action of its own, checked before the next.
        if (!afterEvent(action))
            return action;
        QWidget *target = QApplication::focusWidget();
        if (!target)
            break;
        const int kind = pick(10);
        if (kind == 0) {
            QTest::keyClick(target, Qt::Key_Backspace);
            action += QStringLiteral(" <bs>");
        } else if (kind == 1) {
            QTest::keyClick(target, Qt::Key_Delete);
            action += QStringLiteral(" <del>");
        } else if (kind == 2) {
            QTest::keyClick(target, Qt::Key_Home);
            action += QStringLiteral(" <home>");
        } else {
            const char key = keys[pick(sizeof keys - 1)];
            QTest::keyClick(target, key);
            action += QLatin1Char(' ');
            action += QLatin1Char(key);
        }
    }
    return action;
}

QString MonkeyTest::useTheGrid(TAgentForm *form)
{
    TLumStringGrid *grid = form->widgets().StringGrid1;
    const int rows = grid->model()->rowCount();
    if (rows > 0 && pick(2) == 0) {
        const int row = 1 + pick(std::min(rows, 8));
        // Any column shown: the roster's Have cells take typing too.
        const std::vector<int> shownColumns = form->scenario().StringGrid1().shownColumns();
        const int column = shownColumns.at(static_cast<std::size_t>(pick(static_cast<int>(shownColumns.size()))));
        const QRect cell = grid->visualRect(form->widgets().StringGrid1->resultModel()->indexOfCell(column, row));
        if (cell.isValid()) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            return QStringLiteral("click cell (%1, %2)").arg(column).arg(row);
        }
    }
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return QStringLiteral("grid: no focus");
    static const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_5, Qt::Key_0, Qt::Key_Down, Qt::Key_Up,
                                   Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_X, Qt::Key_Backspace};
    const Qt::Key key = keys[pick(std::size(keys))];
    QTest::keyClick(target, key);
    return QStringLiteral("key %1 to %2").arg(QKeySequence(key).toString(), target->metaObject()->className());
}

// The shift plan: opened, solved (with the default types, waited for),
// cancelled at once, used as the roster or closed.
QString MonkeyTest::planShifts(TAgentForm *form)
{
    ShiftPlanWindow *window = form->shiftLink()->planWindow();
    if (!window) {
        form->widgets().PlanShiftsButton->click();
        return QStringLiteral("Plan Shifts");
    }
    dialogs.shiftTypesAnswer = ShiftType::defaultSet(ScheduleShiftDay(form->scenario()));
    window->timeLimitBox()->setValue(2);
    switch (pick(4)) {
    case 0:
    case 1: {
        const bool cancel = pick(2) == 0;
        // Either goal: covering every slot, or the day's service level.
        window->goalBox()->setCurrentIndex(pick(window->goalBox()->count()));
        QSignalSpy finished(window, &ShiftPlanWindow::solveFinished);
        window->solve();
        if (window->solving()) {
            if (cancel)
                window->cancelSolve();
            if (!finished.wait(30000))
                QTest::qFail("a solve did not end", __FILE__, __LINE__);
        }
        return QStringLiteral("%1 (%2)").arg(cancel ? QStringLiteral("solve, cancel") : QStringLiteral("solve"),
                                             window->goalBox()->currentText());
    }
    case 2:
        window->useAsRoster();
        return QStringLiteral("Use as Roster");
    default:
        if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
            sub->close();
        // The closed window goes now, as it would at the next event loop turn.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return QStringLiteral("close shift plan");
    }
}

QString MonkeyTest::useAButton(TAgentForm *form)
{
    if (pick(12) == 0)
        return planShifts(form);
    switch (pick(7)) {
    case 5: {
        // The planning options dialog answered with a random set, or
        // cancelled.
        PlanningOptions options;
        options.model = pick(3) == 0 ? QueueModel::ErlangA : QueueModel::ErlangC;
        if (pick(2) == 0)
            options.shrinkagePercent = pick(60);
        if (pick(3) == 0)
            options.maxOccupancyPercent = 50 + pick(51);
        if (pick(4) == 0)
            options.maxAbandonPercent = pick(10);
        dialogs.planningAnswer = pick(5) == 0 ? std::nullopt : std::optional<PlanningOptions>(options);
        form->planning().editOptions();
        return QStringLiteral("Planning Options");
    }
    case 6:
        form->planning().setRosterColumns(!form->scenario().inputs().RosterView);
        return QStringLiteral("Roster Columns");
    case 0: {
        const int index = pick(2);
        QTabBar *tabs = form->widgets().TabSet1;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        return QStringLiteral("tab %1").arg(index);
    }
    case 1: {
        QRadioButton *button = form->widgets().slotButton(SlotLengths[pick(3)]);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        return QStringLiteral("radio %1").arg(button->text());
    }
    case 2:
        QTest::mouseClick(form->widgets().SpeedButton2, Qt::LeftButton);
        return QStringLiteral("Recalculate");
    case 3:
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_Escape);
        return QStringLiteral("Escape");
    default:
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_Return);
        return QStringLiteral("Enter");
    }
}

QString MonkeyTest::useAFile(TAgentForm *form)
{
    if (pick(2) == 0) {
        dialogs.saveAnswer = pick(4) == 0 ? QString() : dir->filePath(QStringLiteral("saved%1.vnk").arg(pick(4)));
        dialogs.warningAnswer = pick(2) == 0;
        QTest::mouseClick(form->widgets().SpeedButton4, Qt::LeftButton);
        if (!dialogs.saveAnswer.isEmpty() && QFile::exists(dialogs.saveAnswer) && !files.contains(dialogs.saveAnswer))
            files << dialogs.saveAnswer;
        return QStringLiteral("Save %1").arg(dialogs.saveAnswer);
    }
    dialogs.openAnswer = pick(5) == 0 ? QString() : files.at(pick(static_cast<int>(files.size())));
    QTest::mouseClick(form->widgets().SpeedButton5, Qt::LeftButton);
    return QStringLiteral("Load %1").arg(dialogs.openAnswer);
}

QString MonkeyTest::manageWindows()
{
    const QList<TAgentForm *> open = forms();
    const int choice = pick(3);
    if (choice == 0 && open.size() < 3) {
        main->toolBar()->newWindowButton()->click();
        return QStringLiteral("new window");
    }
    if (choice == 1 && open.size() > 2) {
        TAgentForm *form = open.at(pick(static_cast<int>(open.size())));
        QTest::mouseClick(form->widgets().SpeedButton1, Qt::LeftButton);
        return QStringLiteral("close form");
    }
    main->mdiArea()->activateNextSubWindow();
    return QStringLiteral("next window");
}

// A week window: opened, typed into, solved (waited for, cancelled at once,
// or closed while it runs) or closed; at most two are open.
QString MonkeyTest::useAWeek()
{
    const QList<WeekWindow *> weeks = main->weekWindows().windows();
    if (weeks.isEmpty() || (weeks.size() < 2 && pick(4) == 0)) {
        // A new week solves at once (without calls, or refused); the
        // benchmark week's solve takes long enough to be cancelled.
        if (pick(2) == 0) {
            main->NewWeekWindow1Click();
            return QStringLiteral("New Week");
        }
        main->weekWindows().add(BenchmarkWeek::scenario(30));
        return QStringLiteral("benchmark week");
    }
    WeekWindow *week = weeks.at(pick(static_cast<int>(weeks.size())));
    week->timeLimitBox()->setValue(1);
    auto close = [week] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(week->parentWidget()))
            sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    WeekVolumeModel *volumes = week->volumeModel();
    switch (pick(5)) {
    case 0:
    case 1: {
        if (volumes->rowCount() == 0)
            return QStringLiteral("week: no slots");
        static const char *const texts[] = {"0", "12", "250", "-3", "x", "", "99999999999"};
        const char *text = texts[pick(static_cast<int>(std::size(texts)))];
        volumes->setData(volumes->index(pick(volumes->rowCount()), pick(volumes->columnCount())), QString::fromLatin1(text));
        return QStringLiteral("week: type \"%1\"").arg(QLatin1String(text));
    }
    case 2: {
        const int how = pick(3);
        week->goalBox()->setCurrentIndex(pick(week->goalBox()->count()));
        QSignalSpy finished(week, &WeekWindow::solveFinished);
        week->solve();
        if (week->solving() && how == 2) {
            QElapsedTimer closing;
            closing.start();
            close();
            if (closing.elapsed() > 1000)
                QTest::qFail("closing a solving week took over a second", __FILE__, __LINE__);
            return QStringLiteral("week: solve, close");
        }
        if (week->solving()) {
            if (how == 1)
                week->cancelSolve();
            if (!finished.wait(30000))
                QTest::qFail("a week's solve did not end", __FILE__, __LINE__);
        }
        return how == 1 ? QStringLiteral("week: solve, cancel") : QStringLiteral("week: solve");
    }
    case 3:
        // Each day's window stays when its week closes: at most 10 before
        // the next seven.
        if (forms().size() > 10)
            return QStringLiteral("week: rosters left out, %1 agent windows open").arg(forms().size());
        week->useAsRosters();
        return QStringLiteral("week: Use as Rosters");
    default:
        close();
        return QStringLiteral("week: close");
    }
}

QString MonkeyTest::act(TAgentForm *form)
{
    if (pick(25) == 0)
        return useAWeek();
    const int kind = pick(20);
    if (kind < 8)
        return typeIntoField(form);
    if (kind < 13)
        return useTheGrid(form);
    if (kind < 17)
        return useAButton(form);
    if (kind < 19)
        return useAFile(form);
    return manageWindows();
}

void MonkeyTest::checkWindows(const QString &action, int number)
{
    const QString where = QStringLiteral("action %1 (%2)").arg(number).arg(action);
    for (WeekWindow *week : main->weekWindows().windows())
        QVERIFY2(week->volumeModel()->rowCount() == WeekSlotRows::of(week->week()).count, qPrintable(where));
    for (TAgentForm *form : forms()) {
        const AgentScenario &scenario = form->scenario();
        const ResultTable &table = scenario.StringGrid1();
        // The grid shows the table: its rows, headers and cells.
        const QAbstractItemModel *shown = form->widgets().StringGrid1->model();
        QVERIFY2(shown->rowCount() == table.rowCount() - 1, qPrintable(where));
        for (int c : table.shownColumns()) {
            const int m = form->widgets().StringGrid1->resultModel()->modelColumn(c);
            QVERIFY2(shown->headerData(m, Qt::Horizontal).toString() == table.cell(c, 0), qPrintable(where));
            for (int r = 1; r < table.rowCount(); ++r)
                QVERIFY2(shown->index(r - 1, m).data().toString() == table.cell(c, r), qPrintable(where));
        }
        QVERIFY2(form->widgets().TabSet1->currentIndex() == static_cast<int>(scenario.tab()), qPrintable(where));
        for (SlotLength length : SlotLengths)
            QVERIFY2(form->widgets().slotButton(length)->isChecked() == (scenario.inputs().checkedSlotButton() == length),
                     qPrintable(where));

        // A table laid out by this action's recalculation is what the same
        // inputs give afresh, and only a goal row is marked.
        int &seen = recalculationsSeen[form];
        if (seen == scenario.results().recalculations)
            continue;
        seen = scenario.results().recalculations;
        QString difference;
        if (!scenario.inputs().FailingField.isNone()) {
            // A refused recalculation leaves no results (a refused arrival
            // time is replaced as the slots are rebuilt, so the same inputs
            // would not be refused again).
            const int firstResult = scenario.tab() == Tab::Schedule ? 2 : 0;
            for (int r = 1; r < table.rowCount(); ++r) {
                for (int c = firstResult; c < ResultTable::ColumnCount; ++c) {
                    if (!table.cell(c, r).isEmpty())
                        difference = QStringLiteral("cell (%1, %2) not empty after a refusal").arg(c).arg(r);
                }
            }
        } else {
            difference = describeDifference(table, freshTable(scenario));
        }
        if (!difference.isEmpty()) {
            QStringList state;
            for (int i = 0; i < FieldCount; ++i)
                state << QLatin1Char('"') + scenario.inputs().text(static_cast<Field>(i)) + QLatin1Char('"');
            state << QStringLiteral("tab %1 button %2 slot %3 minutes edited %4 calls %5,%6,%7 failing %8")
                         .arg(int(scenario.tab()))
                         .arg(scenario.inputs().checkedSlotButton().has_value())
                         .arg(minutesOf(scenario.inputs().slotLength()))
                         .arg(scenario.inputs().SlotCallsEdited)
                         .arg(scenario.inputs().SlotCalls[1])
                         .arg(scenario.inputs().SlotCalls[2])
                         .arg(scenario.inputs().SlotCalls[3])
                         .arg(scenario.inputs().FailingField.name());
            difference += QStringLiteral(" with ") + state.join(QLatin1Char(' '));
        }
        QVERIFY2(difference.isEmpty(), qPrintable(where + QStringLiteral(": ") + difference));
        // A row the action clicked (after the exit it completed) is marked.
        if (scenario.tab() == Tab::Agents && scenario.results().goalRow == 0 && !action.startsWith(QLatin1String("click cell")))
            QVERIFY2(form->widgets().StringGrid1->selectionModel()->selectedIndexes().isEmpty(), qPrintable(where));
    }
}

bool MonkeyTest::afterEvent(const QString &action)
{
    ++m_events;
    m_messages += static_cast<int>(dialogs.shown.size());
    dialogs.clear();
    checkWindows(action, m_events);
    return !QTest::currentTestFailed() && m_events < m_eventLimit;
}

void MonkeyTest::randomInputKeepsEveryWindowTrue()
{
    // An action is one key or one click, checked after it.
    m_eventLimit = environmentNumber("MONKEY_ACTIONS", 300);
    const int seed = environmentNumber("MONKEY_SEED", 1);
    random.seed(static_cast<std::mt19937::result_type>(seed));
    while (m_events < m_eventLimit) {
        TAgentForm *form = activeForm();
        if (!form && !forms().isEmpty()) {
            // A week window in front: back to an agent window.
            main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(forms().first()->parentWidget()));
            form = activeForm();
        }
        if (!form) {
            main->NewAgentWindow1Click();
            continue;
        }
        dialogs.clear();
        const QString action = act(form);
        if (!afterEvent(action))
            break;
        // Use as Rosters opens a day's agent window for each of a week's days.
        QVERIFY2(forms().size() >= 1 && forms().size() <= 10 + 7, qPrintable(action));
    }
    QVERIFY(!QTest::currentTestFailed());
    qInfo("%d actions, seed %d, %d messages shown", m_events, seed, m_messages);
}

int main(int argc, char *argv[])
{
    VarnookApplication app(argc, argv);
    MonkeyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_monkey.moc"
