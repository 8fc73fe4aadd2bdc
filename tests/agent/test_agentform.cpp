// SPDX-License-Identifier: MIT
#include "agentformharness.h"
#include "fakedialogservice.h"
#include "hint.h"
#include "resulttablemodel.h"
#include "tagentform.h"
#include "tlumstringgrid.h"
#include "toolbuttonkey.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

class AgentFormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void newWindowShowsDefaultsAndNothingIsCalculated();
    void fieldExitRules_data();
    void fieldExitRules();
    void callsExitClearsSlotCallsEditedTimesExitKeepsIt();
    void failedRecalculationFocusesTheFieldBeforeTheMessage_data();
    void failedRecalculationFocusesTheFieldBeforeTheMessage();
    void maskedFieldWithAMissingDigitCannotBeLeft();
    void missingFirstHourDigitIsALeadingBlank();
    void tabSwitchAppliesTheTabSettings();
    void scheduleShowsTheSpreadCalls();
    void typingIntoACallsCellStoresEachKeystroke();
    void textThatIsNoNumberStoresZeroAndErasingKeepsTheLastValue();
    void escapeInTheCellEditorRestoresTheVolume();
    void gridClickRules();
    void enteringTheGridMovesToTheCallsColumn();
    void leavingTheGrid_data();
    void leavingTheGrid();
    void enterRecalculatesOnBothTabs_data();
    void enterRecalculatesOnBothTabs();
    void refusedCallsCellGetsTheCursor();
    void sixtyMinutesWhileNeitherIsCheckedChangesNothing();
    void commandsHaveKeys_data();
    void commandsHaveKeys();
    void aVisibleTopLevelWindowCanBeDestroyed();

private:
    std::unique_ptr<Harness> h;
};

void AgentFormTest::init()
{
    h = std::make_unique<Harness>();
    QVERIFY(QTest::qWaitForWindowActive(&h->top));
}

void AgentFormTest::newWindowShowsDefaultsAndNothingIsCalculated()
{
    TAgentForm *form = h->form;
    QCOMPARE(form->windowTitle(), QStringLiteral("New Agents"));
    const QStringList defaults = {"08:00", "17:00", "0", "00:00", "01:00", "00:30", "90", "10"};
    for (int i = 0; i < FieldCount; ++i)
        QCOMPARE(form->widgets().field(static_cast<Field>(i))->text(), defaults.at(i));
    QVERIFY(!form->widgets().RadioButton1->isChecked() && !form->widgets().RadioButton2->isChecked());
    QVERIFY(!form->widgets().RadioButton1->isEnabled() && !form->widgets().RadioButton2->isEnabled());
    QCOMPARE(form->widgets().StaticText1->text(), QStringLiteral("09:00 hrs"));
    QCOMPARE(form->widgets().Label5->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(h->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Agents"));
    QCOMPARE(h->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Trunks"));
    QCOMPARE(h->model()->rowCount(), 1);
    QCOMPARE(h->model()->index(0, 0).data().toString(), QString());
    QCOMPARE(form->ScenarioFileName(), QStringLiteral("*.vnk"));
    QCOMPARE(form->widgets().TabSet1->tabText(0), QStringLiteral("Agents"));
    QCOMPARE(form->widgets().TabSet1->tabText(1), QStringLiteral("Schedule"));
    QVERIFY(h->dialogs.shown.isEmpty());
}

void AgentFormTest::fieldExitRules_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("keys"); // empty: visited without a change
    QTest::addColumn<bool>("recalculates");
    QTest::newRow("Edit1 unchanged") << Field::Edit1 << QString() << false;
    QTest::newRow("Edit1 changed") << Field::Edit1 << QStringLiteral("450") << true;
    QTest::newRow("start unchanged") << Field::MaskEdit1 << QString() << false;
    QTest::newRow("start changed") << Field::MaskEdit1 << QStringLiteral("0900") << true;
    QTest::newRow("end unchanged") << Field::MaskEdit7 << QString() << false;
    QTest::newRow("end changed") << Field::MaskEdit7 << QStringLiteral("1600") << true;
    QTest::newRow("abandon unchanged") << Field::MaskEdit4 << QString() << true;
    QTest::newRow("abandon changed") << Field::MaskEdit4 << QStringLiteral("0045") << true;
    QTest::newRow("talk changed") << Field::MaskEdit2 << QStringLiteral("0200") << false;
    QTest::newRow("after-call changed") << Field::MaskEdit3 << QStringLiteral("0100") << false;
    QTest::newRow("goal percent changed") << Field::MaskEdit5 << QStringLiteral("80") << false;
    QTest::newRow("goal seconds changed") << Field::MaskEdit6 << QStringLiteral("20") << false;
}

void AgentFormTest::fieldExitRules()
{
    QFETCH(Field, field);
    QFETCH(QString, keys);
    QFETCH(bool, recalculates);
    h->validScenario();
    h->markTable();
    const QString before = h->form->scenario().inputs().text(field);
    if (keys.isEmpty())
        h->field(field)->setFocus();
    else
        h->type(field, keys);
    QVERIFY(!h->recalculated());
    h->leaveTo(h->elsewhere);
    QCOMPARE(h->recalculated(), recalculates);
    QVERIFY(h->dialogs.shown.isEmpty());
    if (field == Field::Edit1 || field == Field::MaskEdit1 || field == Field::MaskEdit7)
        QVERIFY(!h->field(field)->isModified());
    if (!keys.isEmpty())
        QCOMPARE(h->form->scenario().inputs().text(field).remove(QLatin1Char(':')), keys);
    // A field that waits for the next recalculation leaves the table out of
    // date, and the window says so.
    QCOMPARE(h->form->widgets().PlanningLine->text().startsWith(QStringLiteral("Inputs changed: Recalculate (F9)")),
             !recalculates && h->form->scenario().inputs().text(field) != before);
    // Leaving it once more without a change: only the abandon time acts.
    h->markTable();
    h->field(field)->setFocus();
    h->leaveTo(h->elsewhere);
    QCOMPARE(h->recalculated(), field == Field::MaskEdit4);
}

void AgentFormTest::callsExitClearsSlotCallsEditedTimesExitKeepsIt()
{
    h->validScenario();
    AgentScenario &s = h->form->scenario();
    s.setSlotCallsEdited(true);
    h->type(Field::MaskEdit7, QStringLiteral("1400"));
    h->leaveTo(h->elsewhere);
    QVERIFY(s.inputs().SlotCallsEdited);
    h->type(Field::Edit1, QStringLiteral("600"));
    h->leaveTo(h->elsewhere);
    QVERIFY(!s.inputs().SlotCallsEdited);
    QCOMPARE(s.inputs().SlotCalls[1], 100);
}

void AgentFormTest::failedRecalculationFocusesTheFieldBeforeTheMessage_data()
{
    QTest::addColumn<Field>("changed");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Field>("failing");
    QTest::newRow("no calls") << Field::Edit1 << QStringLiteral("0") << Field::Edit1;
    QTest::newRow("calls not a number") << Field::Edit1 << QStringLiteral("12x") << Field::Edit1;
    QTest::newRow("start equals end") << Field::MaskEdit1 << QStringLiteral("1700") << Field::MaskEdit7;
    QTest::newRow("no handling time") << Field::MaskEdit2 << QStringLiteral("0000") << Field::MaskEdit2;
    QTest::newRow("minute above 59") << Field::MaskEdit4 << QStringLiteral("0070") << Field::MaskEdit4;
}

void AgentFormTest::failedRecalculationFocusesTheFieldBeforeTheMessage()
{
    QFETCH(Field, changed);
    QFETCH(QString, keys);
    QFETCH(Field, failing);
    h->validScenario();
    h->field(changed)->setText(keys.size() == 4 ? keys.left(2) + QLatin1Char(':') + keys.mid(2) : keys);
    if (failing == Field::MaskEdit2)
        h->field(Field::MaskEdit3)->setText(QStringLiteral("00:00"));
    h->elsewhere->setFocus();
    h->markTable();
    h->form->widgets().SpeedButton2->click();
    QCOMPARE(h->dialogs.shown.size(), 1);
    const FakeDialogService::Shown &shown = h->dialogs.shown.constFirst();
    QCOMPARE(shown.kind, QStringLiteral("inform"));
    QCOMPARE(shown.text, QStringLiteral("Invalid input! - Cursor is positioned in failing field"));
    QCOMPARE(shown.focus.data(), h->field(failing));
    QCOMPARE(QApplication::focusWidget(), h->field(failing));
    QVERIFY(h->recalculated());
    QCOMPARE(h->table().cell(ResultTable::AgentsColumn, 1), QString()); // the table is left empty
}

void AgentFormTest::maskedFieldWithAMissingDigitCannotBeLeft()
{
    h->validScenario();
    QLineEdit *abandon = h->field(Field::MaskEdit4);
    abandon->setFocus();
    abandon->selectAll();
    QTest::keyClick(abandon, Qt::Key_Backspace);
    QTest::keyClicks(abandon, QStringLiteral("04"));
    QVERIFY(!abandon->hasAcceptableInput());
    h->markTable();

    h->leaveTo(h->elsewhere);
    QCOMPARE(h->dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Invalid input value.  Use escape key to abandon changes.")});
    QCOMPARE(QApplication::focusWidget(), abandon);
    QCOMPARE(abandon->cursorPosition(), 3); // "04:__": the first missing digit
    QVERIFY(!h->recalculated());            // the exit rule did not run

    QTest::keyClick(abandon, Qt::Key_Escape);
    QCOMPARE(abandon->text(), QStringLiteral("00:30"));
    QVERIFY(!abandon->isModified());
    h->dialogs.clear();
    h->leaveTo(h->elsewhere);
    QVERIFY(h->dialogs.shown.isEmpty());
    QCOMPARE(QApplication::focusWidget(), h->elsewhere);
    QVERIFY(h->recalculated());
}

void AgentFormTest::missingFirstHourDigitIsALeadingBlank()
{
    h->validScenario();
    QLineEdit *start = h->field(Field::MaskEdit1);
    start->setFocus();
    start->setCursorPosition(0);
    QTest::keyClick(start, Qt::Key_Delete); // "_8:00"
    QVERIFY(start->hasAcceptableInput());
    h->leaveTo(h->elsewhere);
    QVERIFY(h->dialogs.texts(QStringLiteral("error")).isEmpty());
    QCOMPARE(QApplication::focusWidget(), h->elsewhere);
    // The rebuilt time slots write it back in full.
    QCOMPARE(h->form->scenario().inputs().text(Field::MaskEdit1), QStringLiteral("08:00"));
    QCOMPARE(start->text(), QStringLiteral("08:00"));
}

void AgentFormTest::tabSwitchAppliesTheTabSettings()
{
    TAgentForm *form = h->form;
    QSignalSpy cleared(form, &TAgentForm::hintPanelClearRequested);
    h->validScenario();
    h->toSchedule();
    QVERIFY(form->scenario().inputs().ScheduleMode);
    QVERIFY(form->widgets().StringGrid1->editTriggers() != QAbstractItemView::NoEditTriggers);
    QVERIFY(!form->widgets().StringGrid1->rowSelection());
    QCOMPARE(HintOf(form->widgets().StringGrid1),
             QStringLiteral("Enter the call volume, use the arrow keys to advance"));
    QCOMPARE(form->widgets().Label5->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(form->widgets().RadioButton1->isEnabled() && form->widgets().RadioButton2->isEnabled());
    QCOMPARE(h->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Time"));
    QCOMPARE(cleared.count(), 0);

    form->widgets().TabSet1->setCurrentIndex(0);
    QVERIFY(!form->scenario().inputs().ScheduleMode);
    QCOMPARE(form->widgets().StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(form->widgets().StringGrid1->rowSelection());
    QCOMPARE(HintOf(form->widgets().StringGrid1), QString());
    QCOMPARE(form->widgets().Label5->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QVERIFY(!form->widgets().RadioButton1->isEnabled() && !form->widgets().RadioButton2->isEnabled());
    QCOMPARE(cleared.count(), 1);
    // The Agents table is back with its goal row current.
    QCOMPARE(h->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Agents"));
    QCOMPARE(form->widgets().StringGrid1->currentTableRow(), form->scenario().results().goalRow);
}

void AgentFormTest::scheduleShowsTheSpreadCalls()
{
    h->validScenario();
    h->toSchedule();
    QCOMPARE(h->table().rowCount(), 10);
    QCOMPARE(h->table().fixedColumns(), 1);
    for (int row = 1; row <= 9; ++row) {
        QCOMPARE(h->table().cell(ResultTable::TimeColumn, row), QStringLiteral("%1:00").arg(7 + row, 2, 10, QLatin1Char('0')));
        QCOMPARE(h->table().cell(ResultTable::CallsColumn, row), QStringLiteral("100"));
    }
    QCOMPARE(h->model()->flags(h->cellIndex(ResultTable::TimeColumn, 1)), Qt::NoItemFlags);
}

void AgentFormTest::typingIntoACallsCellStoresEachKeystroke()
{
    h->validScenario();
    h->toSchedule();
    AgentScenario &s = h->form->scenario();
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    grid->setFocus();
    grid->setCurrentTableCell(ResultTable::CallsColumn, 2);
    QTest::keyClick(grid, Qt::Key_1);
    QVERIFY(grid->cellEditor());
    QCOMPARE(s.inputs().SlotCalls[2], 1);
    QVERIFY(s.inputs().SlotCallsEdited);
    QTest::keyClick(grid->cellEditor(), Qt::Key_2);
    QCOMPARE(s.inputs().SlotCalls[2], 12);
    QCOMPARE(h->table().cell(ResultTable::CallsColumn, 2), QStringLiteral("12"));
    // The down arrow moves on to the next slot, keeping the typed volume.
    QTest::keyClick(grid->cellEditor(), Qt::Key_Down);
    QCOMPARE(grid->currentTableRow(), 3);
    QCOMPARE(h->table().cell(ResultTable::CallsColumn, 2), QStringLiteral("12"));
    QCOMPARE(s.inputs().SlotCalls[2], 12);
}

void AgentFormTest::textThatIsNoNumberStoresZeroAndErasingKeepsTheLastValue()
{
    h->validScenario();
    h->toSchedule();
    AgentScenario &s = h->form->scenario();
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    grid->setFocus();
    grid->setCurrentTableCell(ResultTable::CallsColumn, 4);
    Harness::typeKeys(QStringLiteral("abc"));
    QCOMPARE(s.inputs().SlotCalls[4], 0);
    QCOMPARE(h->table().cell(ResultTable::CallsColumn, 4), QStringLiteral("abc"));

    grid->setCurrentTableCell(ResultTable::CallsColumn, 5);
    QTest::keyClick(grid, Qt::Key_7);
    QCOMPARE(s.inputs().SlotCalls[5], 7);
    QTest::keyClick(grid->cellEditor(), Qt::Key_Backspace);
    QCOMPARE(s.inputs().SlotCalls[5], 7);
    QCOMPARE(h->table().cell(ResultTable::CallsColumn, 5), QString());
}

void AgentFormTest::escapeInTheCellEditorRestoresTheVolume()
{
    h->validScenario();
    h->toSchedule();
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    grid->setFocus();
    grid->setCurrentTableCell(ResultTable::CallsColumn, 3);
    Harness::typeKeys(QStringLiteral("55"));
    QCOMPARE(h->form->scenario().inputs().SlotCalls[3], 55);
    QTest::keyClick(grid->cellEditor(), Qt::Key_Escape);
    QCOMPARE(h->table().cell(ResultTable::CallsColumn, 3), QStringLiteral("100"));
    QCOMPARE(h->form->scenario().inputs().SlotCalls[3], 100);
}

void AgentFormTest::gridClickRules()
{
    h->validScenario();
    h->toSchedule();
    h->markTable();
    h->clickCell(ResultTable::SlotQueuedColumn, 2);
    QCOMPARE(h->form->widgets().StringGrid1->currentTableColumn(), ResultTable::CallsColumn);
    QCOMPARE(h->form->widgets().StringGrid1->currentTableRow(), 2);
    QCOMPARE(h->table().currentColumn(), ResultTable::CallsColumn);
    QVERIFY(!h->recalculated());
    h->clickCell(ResultTable::CallsColumn, 3);
    QVERIFY(h->recalculated());
    QCOMPARE(h->form->widgets().StringGrid1->currentTableRow(), 3);
    // A right click (before its menu) follows the same rule.
    h->markTable();
    h->clickCell(ResultTable::SlotQueuedColumn, 5, Qt::RightButton);
    QCOMPARE(h->form->widgets().StringGrid1->currentTableColumn(), ResultTable::CallsColumn);
    QCOMPARE(h->form->widgets().StringGrid1->currentTableRow(), 5);
    QCOMPARE(h->table().currentColumn(), ResultTable::CallsColumn);
    QVERIFY(!h->recalculated());

    // On the Agents tab a click neither moves nor recalculates.
    h->form->widgets().TabSet1->setCurrentIndex(0);
    h->markTable();
    h->clickCell(ResultTable::UsageColumn, 2);
    QVERIFY(!h->recalculated());
    QCOMPARE(h->form->widgets().StringGrid1->currentTableColumn(), ResultTable::UsageColumn);
}

void AgentFormTest::enteringTheGridMovesToTheCallsColumn()
{
    h->validScenario();
    h->toSchedule();
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    h->form->scenario().StringGrid1().setCurrentCell(ResultTable::SlotAbandonColumn, 4);
    grid->setCurrentTableCell(ResultTable::SlotAbandonColumn, 4);
    h->markTable();
    grid->setFocus(Qt::TabFocusReason);
    QCOMPARE(grid->currentTableColumn(), ResultTable::CallsColumn);
    QCOMPARE(grid->currentTableRow(), 4);
    QVERIFY(!h->recalculated());
}

void AgentFormTest::leavingTheGrid_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("recalculates");
    QTest::newRow("Agents") << 0 << false;
    QTest::newRow("Schedule") << 1 << true;
}

void AgentFormTest::leavingTheGrid()
{
    QFETCH(int, tab);
    QFETCH(bool, recalculates);
    h->validScenario();
    h->form->widgets().TabSet1->setCurrentIndex(tab);
    h->form->widgets().StringGrid1->setFocus();
    h->markTable();
    h->leaveTo(h->elsewhere);
    QCOMPARE(h->recalculated(), recalculates);
}

void AgentFormTest::enterRecalculatesOnBothTabs_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("Agents") << 0;
    QTest::newRow("Schedule") << 1;
}

void AgentFormTest::enterRecalculatesOnBothTabs()
{
    QFETCH(int, tab);
    h->validScenario();
    h->form->widgets().TabSet1->setCurrentIndex(tab);
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    grid->setFocus();
    h->markTable();
    h->form->scenario().setSlotCallsEdited(false);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(h->recalculated());
    QVERIFY(h->form->scenario().inputs().SlotCallsEdited);
    if (tab == 1) {
        // A typed volume followed by Enter: stored, closed and recalculated.
        QTest::keyClick(grid, Qt::Key_Escape);
        grid->setCurrentTableCell(ResultTable::CallsColumn, 2);
        Harness::typeKeys(QStringLiteral("250"));
        h->markTable();
        QTest::keyClick(grid->cellEditor(), Qt::Key_Return);
        QVERIFY(h->recalculated());
        QVERIFY(!grid->cellEditor());
        QCOMPARE(h->table().cell(ResultTable::CallsColumn, 2), QStringLiteral("250"));
        QCOMPARE(h->form->widgets().field(Field::Edit1)->text(), QStringLiteral("1050"));
    }
}

void AgentFormTest::refusedCallsCellGetsTheCursor()
{
    h->validScenario();
    h->toSchedule();
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    grid->setFocus();
    grid->setCurrentTableCell(ResultTable::CallsColumn, 3);
    Harness::typeKeys(QStringLiteral("-5"));
    h->elsewhere->setFocus();
    QCOMPARE(h->dialogs.texts(QStringLiteral("inform")),
             QStringList{QStringLiteral("Invalid input! - Cursor is positioned in failing field")});
    QVERIFY(h->dialogs.shown.constFirst().focus == grid);
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(grid->currentTableColumn(), ResultTable::CallsColumn);
    QCOMPARE(grid->currentTableRow(), 3);
}

void AgentFormTest::sixtyMinutesWhileNeitherIsCheckedChangesNothing()
{
    h->validScenario();
    h->toSchedule();
    h->markTable();
    h->form->widgets().RadioButton2->click();
    QVERIFY(!h->recalculated());
    QCOMPARE(h->table().rowCount(), 10);
    h->form->widgets().RadioButton1->click();
    QVERIFY(h->recalculated());
    QCOMPARE(h->table().rowCount(), 19);
    QCOMPARE(h->table().cell(ResultTable::CallsColumn, 1), QStringLiteral("50"));
    QVERIFY(!h->form->widgets().RadioButton2->isChecked());
}

void AgentFormTest::commandsHaveKeys_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("popUp");
    QTest::newRow("Recalculate") << QKeySequence(Qt::Key_F9) << "Recalculate" << "Recalculate (F9)";
    QTest::newRow("Print") << QKeySequence(Qt::CTRL | Qt::Key_P) << "Print" << "Print (Ctrl+P)";
    QTest::newRow("Load") << QKeySequence(Qt::CTRL | Qt::Key_O) << "Load" << "Load (Ctrl+O)";
    QTest::newRow("Save") << QKeySequence(Qt::CTRL | Qt::Key_S) << "Save" << "Save (Ctrl+S)";
    QTest::newRow("Show Graph") << QKeySequence(Qt::CTRL | Qt::Key_G) << "Show Graph" << "Show Graph (Ctrl+G)";
    QTest::newRow("Plan Shifts") << QKeySequence(Qt::CTRL | Qt::Key_T) << "Plan Shifts" << "Plan Shifts (Ctrl+T)";
}

void AgentFormTest::commandsHaveKeys()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, button);
    QFETCH(QString, popUp);
    QToolButton *target = nullptr;
    for (QToolButton *b : h->form->findChildren<QToolButton *>()) {
        if (b->toolTip() == button)
            target = b;
    }
    QVERIFY(target);
    // The pop-up hint and screen readers say the key; the hint itself stays.
    QCOMPARE(HintWithKey(target->toolTip(), key), popUp);
    QCOMPARE(target->accessibleDescription(), popUp);
    // The key clicks the button from any control of the window.
    int clicks = 0;
    connect(target, &QToolButton::clicked, this, [&clicks] { ++clicks; });
    h->field(Field::MaskEdit3)->setFocus();
    QTest::keySequence(h->field(Field::MaskEdit3), key);
    QCOMPARE(clicks, 1);
    // A window's keys stay in that window.
    h->leaveTo(h->elsewhere);
    QTest::keySequence(h->elsewhere, key);
    QCOMPARE(clicks, 1);
}

void AgentFormTest::aVisibleTopLevelWindowCanBeDestroyed()
{
    // The grid's model reads the window's table: it must not outlive it
    // while the grid still paints.
    auto *form = new TAgentForm(h->services);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    form->Recalculate();
    delete form;
}

QTEST_MAIN(AgentFormTest)
#include "test_agentform.moc"
