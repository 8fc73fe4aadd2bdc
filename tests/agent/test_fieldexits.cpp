// SPDX-License-Identifier: MIT
// Faults met in use: Escape, pending field exits before commands, refused
// exits that must cancel the press, and the goal row's highlight.
#include "agenteventfilter.h"
#include "agentformharness.h"
#include "agentgridevents.h"
#include "fieldexitguard.h"
#include "fieldexithost.h"
#include "maskedfield.h"
#include "scenariotexts.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include <memory>
#include <numeric>

namespace {

const QString RefusedExit = QStringLiteral("Invalid input value.  Use escape key to abandon changes.");

// "04:__": the abandon time with its minute digits missing.
void leaveAbandonIncomplete(Harness &h)
{
    QLineEdit *abandon = h.field(Field::MaskEdit4);
    abandon->setFocus();
    abandon->selectAll();
    QTest::keyClick(abandon, Qt::Key_Backspace);
    QTest::keyClicks(abandon, QStringLiteral("04"));
    QVERIFY(!abandon->hasAcceptableInput());
}

void clickTab(Harness &h, int index)
{
    QTabBar *tabs = h.form->widgets().TabSet1;
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

// A command as a person gives it: "tab" (the Schedule tab), "recalculate",
// "save", "load", or "slots" (the 30 min button).
void clickCommand(Harness &h, const QString &command)
{
    if (command == QLatin1String("tab"))
        clickTab(h, 1);
    else if (command == QLatin1String("recalculate"))
        QTest::mouseClick(h.form->widgets().SpeedButton2, Qt::LeftButton);
    else if (command == QLatin1String("save"))
        QTest::mouseClick(h.form->widgets().SpeedButton4, Qt::LeftButton);
    else if (command == QLatin1String("load"))
        QTest::mouseClick(h.form->widgets().SpeedButton5, Qt::LeftButton);
    else
        QTest::mouseClick(h.form->widgets().RadioButton1, Qt::LeftButton);
}

int scheduledCalls(const Harness &h)
{
    const AgentScenario &s = h.form->scenario();
    return std::accumulate(s.inputs().SlotCalls.begin() + 1, s.inputs().SlotCalls.begin() + 1 + s.inputs().timeSlots().count, 0);
}

// A window of two masked time fields and a plain one, with no scenario
// behind it: the guard's host, counting the exit rules it is asked to run.
class GuardedWindow : public QWidget, public FieldExitHost
{
public:
    GuardedWindow(DialogService &dialogs, AgentEventFilter &events, QWidget *parent)
        : QWidget(parent)
        , guard(*this, dialogs, events)
    {
        auto *layout = new QVBoxLayout(this);
        for (Field f : {Field::MaskEdit2, Field::MaskEdit3, Field::Edit1}) {
            auto *edit = new QLineEdit(this);
            edit->setInputMask(QtInputMask(f));
            SetFieldText(*edit, f, DefaultText(f));
            layout->addWidget(edit);
            guard.addField(f, edit, DefaultText(f));
        }
    }

    QWidget *guardedWindow() override { return this; }
    void closeCellEditor() override {}
    bool runExitRule(Field f) override
    {
        rulesRun.append(f);
        return false;
    }
    void cursorMoved(QWidget *, QWidget *) override {}
    void focusFailingInput(const RecalcResult &) override {}
    void entryRestored(Field) override {}
    bool frameClosing() override
    {
        ++closeQuestions;
        return mayClose;
    }

    FieldExitGuard guard;
    QList<Field> rulesRun;
    int closeQuestions = 0;
    bool mayClose = true;
};

// Two guarded windows in one top-level window, one filter for the program.
struct GuardHarness
{
    GuardHarness()
    {
        auto *layout = new QVBoxLayout(&top);
        for (auto &window : windows) {
            auto *frame = new QWidget(&top);
            (new QVBoxLayout(frame))->addWidget(window = new GuardedWindow(dialogs, events, frame));
            layout->addWidget(frame);
        }
        top.show();
    }
    QLineEdit *edit(int window, Field f) const { return windows[window]->guard.field(f); }
    // The cursor enters the first window's talk time from the keyboard
    // (the window's activation gave it to that field already).
    QLineEdit *enterTalk()
    {
        edit(1, Field::MaskEdit3)->setFocus(Qt::TabFocusReason);
        QLineEdit *talk = edit(0, Field::MaskEdit2);
        talk->setFocus(Qt::TabFocusReason);
        windows[0]->rulesRun.clear(); // the exit of the activation's visit
        return talk;
    }

    FakeDialogService dialogs;
    AgentEventFilter events;
    QWidget top;
    std::array<GuardedWindow *, 2> windows{};
};

} // namespace

class FieldExitTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void escapeRestoresTheTextOfThisVisit_data();
    void escapeRestoresTheTextOfThisVisit();
    void commandsCompleteThePendingExitFirst_data();
    void commandsCompleteThePendingExitFirst();
    void aRefusedInputIsReportedOncePerCommand_data();
    void aRefusedInputIsReportedOncePerCommand();
    void refusedExitStopsTheCommand_data();
    void refusedExitStopsTheCommand();
    void refusedExitCancelsThePress_data();
    void refusedExitCancelsThePress();
    void escapeAfterARefusalGoesBackBeforeTheEdit_data();
    void escapeAfterARefusalGoesBackBeforeTheEdit();
    void escapeAfterARefusedNumberOfCallsGivesItBack();
    void onlyAGoalRowIsHighlighted();
    void aTableWithoutAGoalRowStartsAtTheTopAndTakesClicks();
    void maskedTextsShowAsTheyRead();
    void theGuardRunsAnExitOncePerVisit_data();
    void theGuardRunsAnExitOncePerVisit();
    void theGuardKeepsTheCursorInAnIncompleteField_data();
    void theGuardKeepsTheCursorInAnIncompleteField();
    void aFrameClosesOnlyWhenItsWindowAgrees_data();
    void aFrameClosesOnlyWhenItsWindowAgrees();

private:
    std::unique_ptr<Harness> h;
};

void FieldExitTest::init()
{
    h = std::make_unique<Harness>();
    QVERIFY(QTest::qWaitForWindowActive(&h->top));
}

void FieldExitTest::escapeRestoresTheTextOfThisVisit_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("first"); // typed on the first visit
    QTest::addColumn<QString>("kept");  // the text then held
    QTest::newRow("start") << Field::MaskEdit1 << QStringLiteral("0900") << QStringLiteral("09:00");
    QTest::newRow("end") << Field::MaskEdit7 << QStringLiteral("1600") << QStringLiteral("16:00");
    QTest::newRow("talk") << Field::MaskEdit2 << QStringLiteral("0200") << QStringLiteral("02:00");
    QTest::newRow("after-call") << Field::MaskEdit3 << QStringLiteral("0045") << QStringLiteral("00:45");
    QTest::newRow("abandon") << Field::MaskEdit4 << QStringLiteral("0100") << QStringLiteral("01:00");
    QTest::newRow("goal percent") << Field::MaskEdit5 << QStringLiteral("80") << QStringLiteral("80");
    QTest::newRow("goal seconds") << Field::MaskEdit6 << QStringLiteral("20") << QStringLiteral("20");
}

void FieldExitTest::escapeRestoresTheTextOfThisVisit()
{
    QFETCH(Field, field);
    QFETCH(QString, first);
    QFETCH(QString, kept);
    h->validScenario();
    h->type(field, first);
    h->leaveTo(h->elsewhere);
    h->form->Recalculate();
    QVERIFY(h->dialogs.shown.isEmpty());

    // Back in the field, one digit typed, then Escape.
    QLineEdit *edit = h->field(field);
    edit->setFocus(Qt::MouseFocusReason);
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_4);
    QVERIFY(edit->text() != kept);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(edit->text(), kept);
    QVERIFY(!edit->isModified());
    h->leaveTo(h->elsewhere);
    QCOMPARE(h->form->scenario().inputs().text(field), kept);
    h->form->Recalculate();
    QVERIFY(h->dialogs.shown.isEmpty());
}

void FieldExitTest::commandsCompleteThePendingExitFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("tab click") << QStringLiteral("tab");
    QTest::newRow("Recalculate") << QStringLiteral("recalculate");
    QTest::newRow("slot length") << QStringLiteral("slots");
    QTest::newRow("Save") << QStringLiteral("save");
}

void FieldExitTest::commandsCompleteThePendingExitFirst()
{
    QFETCH(QString, command);
    h->validScenario(); // 900 calls, 08:00 to 17:00
    if (command == QLatin1String("slots"))
        h->toSchedule();
    // The new start time is typed and the cursor stays in the field.
    h->type(Field::MaskEdit1, QStringLiteral("1300"));
    QCOMPARE(QApplication::focusWidget(), h->field(Field::MaskEdit1));
    h->dialogs.saveAnswer.clear(); // Save: the dialog is cancelled

    clickCommand(*h, command);

    QVERIFY(h->dialogs.texts(QStringLiteral("error")).isEmpty());
    // The start time's exit ran: the calls are spread over 13:00 to 17:00.
    QCOMPARE(h->form->scenario().inputs().text(Field::MaskEdit1), QStringLiteral("13:00"));
    QCOMPARE(h->form->widgets().StaticText1->text(), QStringLiteral("04:00"));
    QCOMPARE(scheduledCalls(*h), 900);
    if (command == QLatin1String("tab")) {
        QVERIFY(h->form->scenario().inputs().ScheduleMode);
        QCOMPARE(h->table().rowCount(), 5);
        QCOMPARE(h->table().cell(ResultTable::CallsColumn, 1), QStringLiteral("225"));
    }
    // Leaving the field now runs no second exit.
    h->markTable();
    h->leaveTo(h->elsewhere);
    QVERIFY(!h->recalculated());
}

void FieldExitTest::aRefusedInputIsReportedOncePerCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("tab click") << QStringLiteral("tab");
    QTest::newRow("slot length") << QStringLiteral("slots");
    QTest::newRow("Recalculate") << QStringLiteral("recalculate");
}

void FieldExitTest::aRefusedInputIsReportedOncePerCommand()
{
    QFETCH(QString, command);
    h->validScenario();
    if (command == QLatin1String("slots"))
        h->toSchedule();
    // Calls that the exit's recalculation refuses, the cursor still there.
    h->type(Field::Edit1, QStringLiteral("12x"));
    h->dialogs.clear();
    if (command == QLatin1String("slots"))
        h->form->widgets().RadioButton1->click(); // the cursor stays in the field
    else
        clickCommand(*h, command);
    QCOMPARE(h->dialogs.texts(QStringLiteral("inform")).size(), 1);
    QCOMPARE(QApplication::focusWidget(), h->field(Field::Edit1));
    // The next refused input is reported again.
    h->dialogs.clear();
    h->form->Recalculate();
    QCOMPARE(h->dialogs.texts(QStringLiteral("inform")).size(), 1);
}

void FieldExitTest::refusedExitStopsTheCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("tab click") << QStringLiteral("tab");
    QTest::newRow("Recalculate") << QStringLiteral("recalculate");
    QTest::newRow("Save") << QStringLiteral("save");
    QTest::newRow("Load") << QStringLiteral("load");
}

void FieldExitTest::refusedExitStopsTheCommand()
{
    QFETCH(QString, command);
    h->validScenario();
    leaveAbandonIncomplete(*h);
    h->markTable();
    h->dialogs.saveAnswer = QStringLiteral("/nonexistent/never.vnk");
    h->dialogs.openAnswer = QStringLiteral("/nonexistent/never.vnk");
    clickCommand(*h, command);

    QCOMPARE(h->dialogs.shown.size(), 1);
    QCOMPARE(h->dialogs.shown.constFirst().text, RefusedExit);
    QCOMPARE(QApplication::focusWidget(), h->field(Field::MaskEdit4));
    QVERIFY(!h->recalculated());
    QVERIFY(h->dialogs.saveSetups.isEmpty() && h->dialogs.openSetups.isEmpty());
    QCOMPARE(h->form->widgets().TabSet1->currentIndex(), 0);
    QVERIFY(!h->form->scenario().inputs().ScheduleMode);
    QVERIFY(h->form->completePendingFieldExit() == false);
}

void FieldExitTest::refusedExitCancelsThePress_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("Calls cell") << QStringLiteral("cell");
    QTest::newRow("30 min button") << QStringLiteral("radio");
    QTest::newRow("another field") << QStringLiteral("field");
}

void FieldExitTest::refusedExitCancelsThePress()
{
    QFETCH(QString, target);
    h->validScenario();
    h->toSchedule();
    h->form->widgets().StringGrid1->setCurrentTableCell(ResultTable::CallsColumn, 2);
    leaveAbandonIncomplete(*h);
    h->markTable();
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    if (target == QLatin1String("cell"))
        h->clickCell(ResultTable::CallsColumn, 5);
    else if (target == QLatin1String("radio"))
        QTest::mouseClick(h->form->widgets().RadioButton1, Qt::LeftButton);
    else
        QTest::mouseClick(h->field(Field::Edit1), Qt::LeftButton);

    // One message; the cursor stays at the missing digit and the click did nothing.
    QCOMPARE(h->dialogs.texts(QStringLiteral("error")), QStringList{RefusedExit});
    QCOMPARE(h->dialogs.shown.size(), 1);
    QCOMPARE(QApplication::focusWidget(), h->field(Field::MaskEdit4));
    QCOMPARE(h->field(Field::MaskEdit4)->cursorPosition(), 3);
    QCOMPARE(grid->currentTableRow(), 2);
    QVERIFY(!h->form->widgets().RadioButton1->isChecked());
    QVERIFY(h->form->scenario().inputs().slotLength() != SlotLength::HalfHour);
    QVERIFY(!h->recalculated());

    // Escape gives the field back; the next click acts.
    QTest::keyClick(h->field(Field::MaskEdit4), Qt::Key_Escape);
    h->dialogs.clear();
    h->clickCell(ResultTable::CallsColumn, 5);
    QVERIFY(h->dialogs.shown.isEmpty());
    QCOMPARE(grid->currentTableRow(), 5);
}

void FieldExitTest::escapeAfterARefusalGoesBackBeforeTheEdit_data()
{
    QTest::addColumn<QString>("leaving");
    QTest::newRow("Recalculate button") << QStringLiteral("recalculate");
    QTest::newRow("Tab key") << QStringLiteral("Tab key");
    QTest::newRow("tab strip") << QStringLiteral("tab");
}

void FieldExitTest::escapeAfterARefusalGoesBackBeforeTheEdit()
{
    QFETCH(QString, leaving);
    h->validScenario(); // talk 03:00
    // The refusal's message box takes the focus and gives it back, as a
    // modal box does: the field is not visited anew.
    QWidget box;
    bool focusCameBack = false;
    h->dialogs.onShown = [&] {
        box.show();
        box.activateWindow();
        const bool boxActive = QTest::qWaitForWindowActive(&box);
        box.hide();
        h->top.activateWindow();
        focusCameBack = boxActive && QTest::qWaitForWindowActive(&h->top);
    };
    QLineEdit *talk = h->field(Field::MaskEdit2);
    h->type(Field::MaskEdit2, QStringLiteral("034"));
    QCOMPARE(talk->displayText(), QStringLiteral("03:4_"));
    if (leaving == QLatin1String("Tab key"))
        QTest::keyClick(talk, Qt::Key_Tab);
    else
        clickCommand(*h, leaving);
    QCOMPARE(h->dialogs.texts(QStringLiteral("error")), QStringList{RefusedExit});
    QVERIFY(focusCameBack);
    QCOMPARE(QApplication::focusWidget(), talk);

    QTest::keyClick(talk, Qt::Key_Escape);
    QCOMPARE(talk->displayText(), QStringLiteral("03:00"));
    h->dialogs.clear();
    h->dialogs.onShown = nullptr;
    QTest::mouseClick(h->form->widgets().SpeedButton2, Qt::LeftButton);
    QVERIFY(h->dialogs.shown.isEmpty());
    QCOMPARE(h->form->scenario().inputs().TalkSeconds, 180.0);
}

// State: the Schedule of typed volumes. Action: "5x" appended to the number
// of calls, Tab (refused, its message), Escape. Expected: the number as the
// visit found it, the volumes as typed and the table computed again.
void FieldExitTest::escapeAfterARefusedNumberOfCallsGivesItBack()
{
    h->validScenario();
    h->toSchedule();
    h->form->gridEvents().setEditText(ResultTable::CallsColumn, 1, QStringLiteral("150"));
    h->form->Recalculate();
    const QString calls = h->field(Field::Edit1)->text();
    const QStringList agents = column(h->form->scenario(), ResultTable::SlotAgentsColumn);
    QLineEdit *edit = h->field(Field::Edit1);
    edit->setFocus(Qt::TabFocusReason);
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("5x"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(h->dialogs.texts(QStringLiteral("inform")).size(), 1);
    QCOMPARE(QApplication::focusWidget(), edit);

    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(edit->text(), calls);
    QCOMPARE(h->form->scenario().inputs().text(Field::Edit1), calls);
    QCOMPARE(column(h->form->scenario(), ResultTable::SlotAgentsColumn), agents);
    QCOMPARE(h->form->scenario().inputs().SlotCalls[1], 150);
    QCOMPARE(h->dialogs.texts(QStringLiteral("inform")).size(), 1);
}

void FieldExitTest::onlyAGoalRowIsHighlighted()
{
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    // A new window's empty table.
    QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());

    // 240,000 calls over 24 hours, 90 % in 10 s: no row reaches the goal.
    h->type(Field::MaskEdit2, QStringLiteral("0300"));
    h->type(Field::Edit1, QStringLiteral("240000"));
    h->type(Field::MaskEdit1, QStringLiteral("0000"));
    h->type(Field::MaskEdit7, QStringLiteral("2400"));
    h->leaveTo(h->elsewhere);
    QVERIFY(h->dialogs.shown.isEmpty());
    QVERIFY(h->table().rowCount() > 2);
    QCOMPARE(h->form->scenario().results().goalRow, 0);
    QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(grid->currentTableRow(), -1);

    // A goal that a row meets marks that row.
    h->type(Field::Edit1, QStringLiteral("900"));
    h->type(Field::MaskEdit1, QStringLiteral("0800"));
    h->type(Field::MaskEdit7, QStringLiteral("1700"));
    h->leaveTo(h->elsewhere);
    const int goal = h->form->scenario().results().goalRow;
    QVERIFY(goal > 0);
    QCOMPARE(grid->currentTableRow(), goal);
    QVERIFY(grid->selectionModel()->isRowSelected(goal - 1, {}));

    // A failed recalculation leaves an empty table with nothing marked.
    h->type(Field::Edit1, QStringLiteral("0"));
    h->leaveTo(h->elsewhere);
    QCOMPARE(h->dialogs.shown.size(), 1);
    QCOMPARE(h->table().rowCount(), 2);
    QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());
}

void FieldExitTest::aTableWithoutAGoalRowStartsAtTheTopAndTakesClicks()
{
    TLumStringGrid *grid = h->form->widgets().StringGrid1;
    h->top.resize(h->top.width(), h->top.minimumSizeHint().height());
    // 240,000 calls over 24 hours, 90 % in 10 s, the new window's handling
    // times: the goal row is far down, and the grid scrolls to it.
    h->type(Field::Edit1, QStringLiteral("240000"));
    h->type(Field::MaskEdit1, QStringLiteral("0000"));
    h->type(Field::MaskEdit7, QStringLiteral("2400"));
    h->leaveTo(h->elsewhere);
    QVERIFY(h->form->scenario().results().goalRow > 0);
    QVERIFY(grid->verticalScrollBar()->value() > 0);

    // A talk time that no row meets the goal with: a new table, from its top.
    h->type(Field::MaskEdit2, QStringLiteral("0300"));
    h->leaveTo(h->elsewhere);
    h->form->Recalculate();
    QCOMPARE(h->form->scenario().results().goalRow, 0);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
    QCOMPARE(grid->currentTableRow(), -1);

    // A clicked row is shown as selected.
    h->clickCell(ResultTable::QueuedColumn, 3);
    QCOMPARE(grid->currentTableRow(), 3);
    QVERIFY(grid->selectionModel()->isRowSelected(2, {}));
}

void FieldExitTest::maskedTextsShowAsTheyRead()
{
    const QStringList texts{"08:00", "8:00", " 1:00", "1 :00", "00:5", "", "0300", "9", " 9", "9 ", "99", "x"};
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        for (const QString &text : texts) {
            SetFieldText(*h->field(f), f, text);
            QCOMPARE(FieldText(*h->field(f), f), MaskedText(f, text));
        }
    }
}

void FieldExitTest::theGuardRunsAnExitOncePerVisit_data()
{
    QTest::addColumn<int>("to");     // the window the cursor moves to
    QTest::addColumn<bool>("typed"); // a digit typed before leaving
    QTest::addColumn<int>("runs");   // exit rules run for the field left
    QTest::newRow("same window, typed") << 0 << true << 1;
    QTest::newRow("same window, untouched") << 0 << false << 1;
    QTest::newRow("other window, typed") << 1 << true << 1;
}

void FieldExitTest::theGuardRunsAnExitOncePerVisit()
{
    QFETCH(int, to);
    QFETCH(bool, typed);
    QFETCH(int, runs);
    GuardHarness g;
    QVERIFY(QTest::qWaitForWindowActive(&g.top));
    QLineEdit *talk = g.enterTalk();
    // Entered from the keyboard: the whole text is selected.
    QCOMPARE(talk->selectedText(), talk->displayText());
    if (typed)
        QTest::keyClicks(talk, QStringLiteral("0400"));
    g.edit(to, Field::Edit1)->setFocus(Qt::TabFocusReason);
    QCOMPARE(g.windows[0]->rulesRun, QList<Field>(runs, Field::MaskEdit2));
    // A command completing the pending exit runs the exit of the field the
    // cursor is in now, never a second one of the field left.
    QCOMPARE(g.windows[0]->guard.completePendingExit(), FieldExitGuard::ExitOutcome::Done);
    QCOMPARE(g.windows[0]->rulesRun.count(Field::MaskEdit2), runs);
    QVERIFY(g.dialogs.shown.isEmpty());
}

void FieldExitTest::theGuardKeepsTheCursorInAnIncompleteField_data()
{
    QTest::addColumn<int>("window"); // the window holding the field pressed
    QTest::newRow("a field of the same window") << 0;
    QTest::newRow("a field of another window") << 1;
}

void FieldExitTest::theGuardKeepsTheCursorInAnIncompleteField()
{
    QFETCH(int, window);
    GuardHarness g;
    QVERIFY(QTest::qWaitForWindowActive(&g.top));
    QLineEdit *talk = g.enterTalk();
    QTest::keyClicks(talk, QStringLiteral("04"));
    QVERIFY(!talk->hasAcceptableInput());

    QTest::mouseClick(g.edit(window, Field::MaskEdit3), Qt::LeftButton);
    QCOMPARE(g.dialogs.texts(QStringLiteral("error")), QStringList{RefusedExit});
    QCOMPARE(QApplication::focusWidget(), talk);
    QCOMPARE(talk->cursorPosition(), 3); // at the first missing digit
    QVERIFY(g.windows[0]->rulesRun.isEmpty());
    QCOMPARE(g.windows[0]->guard.completePendingExit(), FieldExitGuard::ExitOutcome::Refused);

    // Escape gives back the text from before the visit; the next press acts.
    QTest::keyClick(talk, Qt::Key_Escape);
    QCOMPARE(FieldText(*talk, Field::MaskEdit2), DefaultText(Field::MaskEdit2));
    g.dialogs.clear();
    QTest::mouseClick(g.edit(window, Field::MaskEdit3), Qt::LeftButton);
    QVERIFY(g.dialogs.shown.isEmpty());
    QCOMPARE(QApplication::focusWidget(), g.edit(window, Field::MaskEdit3));
}

void FieldExitTest::aFrameClosesOnlyWhenItsWindowAgrees_data()
{
    QTest::addColumn<bool>("mayClose");
    QTest::newRow("agrees") << true;
    QTest::newRow("keeps it open") << false;
}

void FieldExitTest::aFrameClosesOnlyWhenItsWindowAgrees()
{
    QFETCH(bool, mayClose);
    GuardHarness g;
    GuardedWindow &window = *g.windows[1];
    window.mayClose = mayClose;
    QWidget *frame = window.parentWidget();
    QCOMPARE(frame->close(), mayClose);
    // Only the frame's own window is asked, once; a closing window's
    // fields run no exits.
    QCOMPARE(window.closeQuestions, 1);
    QCOMPARE(g.windows[0]->closeQuestions, 0);
    QCOMPARE(window.guard.closing(), mayClose);
}

QTEST_MAIN(FieldExitTest)
#include "test_fieldexits.moc"
