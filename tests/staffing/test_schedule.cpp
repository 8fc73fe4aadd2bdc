// SPDX-License-Identifier: MIT
#include "scenariotexts.h"
#include "texts.h"

#include <QRandomGenerator>

#include <numeric>

namespace {

// "mm:ss" of whole seconds below an hour.
QString durationText(int seconds)
{
    return Calc::PadNumber(seconds / 60, 2) + QLatin1Char(':') + Calc::PadNumber(seconds % 60, 2);
}

// A random day of slots: slot length, start, volumes, times, model and goal.
AgentScenario randomDay(QRandomGenerator &random)
{
    AgentScenario s;
    const SlotLength length = SlotLengths[random.bounded(3)];
    const int count = 1 + random.bounded(24 * 60 / minutesOf(length));
    const int start = random.bounded(24) * 60;
    const int end = (start + count * minutesOf(length)) % (24 * 60);
    setTexts(s, {TimeSlots::clockText(start / 60, 0), TimeSlots::clockText(end / 60, end % 60), "1",
                 durationText(30 + random.bounded(400)), durationText(random.bounded(120)),
                 durationText(1 + random.bounded(90)), QString::number(50 + random.bounded(45)),
                 QString::number(5 + random.bounded(40))});
    s.setSlotLength(length);
    if (random.bounded(3) == 0) {
        PlanningOptions planning = s.inputs().Planning;
        planning.model = QueueModel::ErlangA;
        s.setPlanning(planning);
    }
    for (int slot = 1; slot <= count; ++slot)
        s.setSlotCalls(slot, random.bounded(4) == 0 ? 0 : random.bounded(400));
    return s;
}

} // namespace

class ScheduleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedScheduleWithItsTotal();
    void capAtNineteenEvaluations();
    void linesOfLargeSlots_data();
    void linesOfLargeSlots();
    void goalOfZeroTakesTheFirstAgentNumber();
    void answerTimeShowsAtMost2359();
    void negativeVolumeIsRefusedAtItsCell();
    void volumesTooLargeToComputeAreRefused();
    void volumesSummingToZeroFailTheNextCheck();
    void typingIntoTheCallsColumn();
    void keysAndClicks();
    void fieldExitsAndTheEditedFlag();
    void undoGivesBackWhatACommandReplaced_data();
    void undoGivesBackWhatACommandReplaced();
    void slotTimesLikeTheFieldsGiveTheSameSchedule();
    void slotFiguresAreTheAgentsTableForItsTimes();
    void slotWithoutHandleTimeCannotTakeCalls();
};

void ScheduleTest::workedScheduleWithItsTotal()
{
    AgentScenario s = workedScheduleScenario();
    s.setText(Field::Edit1, QStringLiteral("1"));
    int filled = 0;
    s.hooks().addTableFilledListener([&] { ++filled; });
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(filled, 1);
    const QStringList expected[] = {
        {"Time", "Calls", "Agents", "Srv Lvl", "Queued", "Abndon", "Usage", "Ave Ans", "Trunks"},
        {"08:00", "0", "0", "100%", "0%", "0%", "0%", "00:00", "0"},
        {"08:30", "10", "3", "84%", "18%", "15%", "44%", "00:26", "6"},
        {"09:00", "50", "10", "87%", "17%", "11%", "67%", "00:13", "14"},
        {"09:30", "120", "20", "82%", "26%", "13%", "80%", "00:15", "26"},
    };
    QCOMPARE(s.StringGrid1().rowCount(), 5);
    for (int r = 0; r < 5; ++r)
        QCOMPARE(row(s, r), expected[r]);
    QCOMPARE(s.inputs().text(Field::Edit1), QStringLiteral("180"));
    QCOMPARE(s.inputs().totalTimeText(), QStringLiteral("02:00"));
    QCOMPARE(s.results().goalRow, 0);
    // The working values are those of the last slot.
    QCOMPARE(s.inputs().CallCount, 120.0);
}

void ScheduleTest::capAtNineteenEvaluations()
{
    // A load of 266.67: agents 267 to 285 are tried and none reaches 99%.
    AgentScenario s;
    setTexts(s, {"08:00", "08:30", "2000", "03:00", "01:00", "00:30", "99", "20"});
    useHalfHours(s);
    s.setSlotCalls(1, 2000);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(row(s, 1).mid(1, 4), (QStringList{"2000", "285", "96%", "19%"}));
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotTrunksColumn, 1), QStringLiteral("285"));
}

void ScheduleTest::linesOfLargeSlots_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<QString>("agents");
    QTest::addColumn<QString>("trunks");
    // Talk time only, 4920 calls of 3 minutes: 246 erlangs. The lines carry
    // the queued calls too, past 256 agents as below.
    QTest::newRow("255 agents") << 4920 << "255" << "300";
    QTest::newRow("256 agents") << 4940 << "256" << "301";
}

void ScheduleTest::linesOfLargeSlots()
{
    QFETCH(int, volume);
    QFETCH(QString, agents);
    QFETCH(QString, trunks);
    AgentScenario s;
    setTexts(s, {"08:00", "09:00", "1", "03:00", "00:00", "00:30", "80", "20"});
    s.setSlotCalls(1, volume);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotAgentsColumn, 1), agents);
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotTrunksColumn, 1), trunks);
}

void ScheduleTest::goalOfZeroTakesTheFirstAgentNumber()
{
    AgentScenario s = workedScheduleScenario();
    s.setText(Field::MaskEdit5, QStringLiteral("0"));
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    // Loads 1.33, 6.67 and 16: the first agent number tried is the load
    // plus a half rounded half to even (2, 7, 16), and 16 agents would be
    // fully used, so that slot takes 17.
    QCOMPARE(column(s, 2), (QStringList{"0", "2", "7", "17"}));
}

void ScheduleTest::answerTimeShowsAtMost2359()
{
    AgentScenario s;
    setTexts(s, {"08:00", "09:00", "1", "23:59", "23:59", "00:30", "0", "20"});
    s.setSlotCalls(1, 2);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotAnswerColumn, 1), QStringLiteral("23:59"));
    // Answer time plus talk time pass an hour (85 + 24 minutes), so a line
    // carries less than one call an hour: the 2 calls hold the lines for
    // 3.63 erlangs, which take 11 lines, not the 2 of the agents.
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotAgentsColumn, 1), QStringLiteral("2"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotTrunksColumn, 1), QStringLiteral("11"));

    // 16 calls of 13:23 with 4 agents wait 1438.1 seconds: just below the
    // cap, shown as they are.
    AgentScenario near;
    setTexts(near, {"08:00", "09:00", "1", "13:23", "00:00", "00:30", "0", "20"});
    near.setSlotCalls(1, 16);
    QVERIFY(ScenarioEvents(near).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(near.StringGrid1().cell(ResultTable::SlotAnswerColumn, 1), QStringLiteral("23:58"));
}

void ScheduleTest::negativeVolumeIsRefusedAtItsCell()
{
    AgentScenario s = workedScheduleScenario();
    s.setSlotCalls(3, -50);
    RecalcResult seen;
    s.hooks().onInvalidInput = [&](const RecalcResult &r) { seen = r; };
    const RecalcResult result = ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QVERIFY(!result.valid);
    QCOMPARE(result.failing.name(), QStringLiteral("StringGrid1"));
    QCOMPARE(result.failing.row(), 3);
    QCOMPARE(seen.failing.row(), 3);
    // The grid is laid out, volumes shown, results empty.
    QCOMPARE(column(s, 1), (QStringList{"0", "10", "-50", "120"}));
    QCOMPARE(column(s, 2), QStringList(4, QString()));
}

void ScheduleTest::volumesTooLargeToComputeAreRefused()
{
    AgentScenario s = workedScheduleScenario();
    s.setSlotCalls(4, 2147483647);
    const RecalcResult result = ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QVERIFY(!result.valid);
    QCOMPARE(result.failing.row(), 4);

    // Half-hour slots of 20-minute calls: 150,000 calls are a load of
    // exactly 100,000, the largest computed; one call more is refused.
    AgentScenario bound;
    setTexts(bound, {"08:00", "09:00", "1", "20:00", "00:00", "00:30", "80", "20"});
    useHalfHours(bound);
    bound.setSlotCalls(1, 150000);
    bound.setSlotCalls(2, 150001);
    const RecalcResult refused = ScenarioEvents(bound).TabSet1Click(Tab::Schedule);
    QVERIFY(!refused.valid);
    QCOMPARE(refused.failing.row(), 2);
    bound.setSlotCalls(2, 0);
    QVERIFY(bound.Recalculate().valid);
}

void ScheduleTest::volumesSummingToZeroFailTheNextCheck()
{
    AgentScenario s = workedScheduleScenario();
    // Only the slots in use are checked: a volume held past them is not.
    ScenarioInputs inputs = s.inputs();
    inputs.SlotCalls[0] = -1;
    inputs.SlotCalls[5] = -1;
    s.setInputs(inputs);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    s.setSlotCalls(5, 0);
    for (int i = 1; i <= 4; ++i)
        ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, i, QStringLiteral("0"));
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.inputs().text(Field::Edit1), QStringLiteral("0"));
    const RecalcResult next = s.Recalculate();
    QVERIFY(!next.valid);
    QCOMPARE(next.failing.name(), QStringLiteral("Edit1"));
}

void ScheduleTest::typingIntoTheCallsColumn()
{
    AgentScenario s = workedScheduleScenario();
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, 1, QStringLiteral("9"));
    QCOMPARE(s.inputs().SlotCalls[1], 9);
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, 2, QStringLiteral("1"));
    QCOMPARE(s.inputs().SlotCalls[2], 1);
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, 2, QStringLiteral("12"));
    QCOMPARE(s.inputs().SlotCalls[2], 12);
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, 2, QString());
    QCOMPARE(s.inputs().SlotCalls[2], 12);
    QCOMPARE(s.StringGrid1().cell(ResultTable::CallsColumn, 2), QString());
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, 2, QStringLiteral("abc"));
    QCOMPARE(s.inputs().SlotCalls[2], 0);
    // A row past the table feeds no slot.
    const int pastTheTable = s.StringGrid1().rowCount();
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, pastTheTable, QStringLiteral("5"));
    QCOMPARE(s.inputs().SlotCalls[static_cast<std::size_t>(pastTheTable)], 0);
    QCOMPARE(s.StringGrid1().cell(ResultTable::CallsColumn, 2), QStringLiteral("abc"));
    // Other columns keep their text but feed nothing.
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::SlotServiceColumn, 2, QStringLiteral("77"));
    QCOMPARE(s.inputs().SlotCalls[2], 0);
    // The headers and the fixed time column take no text.
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, 0, QStringLiteral("5"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::CallsColumn, 0), QStringLiteral("Calls"));
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::TimeColumn, 1, QStringLiteral("5"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::TimeColumn, 1), QStringLiteral("08:00"));
    // The next layout shows the stored volume again.
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::CallsColumn, 2), QStringLiteral("0"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotServiceColumn, 2), QStringLiteral("100%"));
    // On the Agents tab the grid takes no typing at all.
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Agents).valid);
    const QString level = s.StringGrid1().cell(ResultTable::ServiceColumn, 1);
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::ServiceColumn, 1, QStringLiteral("5"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::ServiceColumn, 1), level);
    QCOMPARE(s.inputs().SlotCalls[1], 9);
}

void ScheduleTest::keysAndClicks()
{
    AgentScenario s = workedScheduleScenario();
    QVERIFY(!ScenarioEvents(s).StringGrid1KeyPress(QLatin1Char('1')).ran);
    QVERIFY(s.inputs().SlotCallsEdited);
    // Enter recalculates on the Agents tab too.
    QVERIFY(ScenarioEvents(s).StringGrid1KeyPress(QChar(13)).ran);
    QVERIFY(!ScenarioEvents(s).StringGrid1Click().ran);
    QVERIFY(!ScenarioEvents(s).StringGrid1Exit().ran);

    // Entering the grid on the Agents tab leaves the current cell.
    s.StringGrid1().setCurrentCell(ResultTable::UsageColumn, 1);
    ScenarioEvents(s).StringGrid1Enter();
    QCOMPARE(s.StringGrid1().currentColumn(), int(ResultTable::UsageColumn));

    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    s.StringGrid1().setCurrentCell(ResultTable::SlotQueuedColumn, 2);
    QVERIFY(!ScenarioEvents(s).StringGrid1Click().ran);
    QCOMPARE(s.StringGrid1().currentColumn(), int(ResultTable::CallsColumn));
    QCOMPARE(s.StringGrid1().currentRow(), 2);
    QVERIFY(ScenarioEvents(s).StringGrid1Click().ran);
    s.StringGrid1().setCurrentCell(ResultTable::SlotUsageColumn, 3);
    ScenarioEvents(s).StringGrid1Enter();
    QCOMPARE(s.StringGrid1().currentColumn(), int(ResultTable::CallsColumn));
    QVERIFY(ScenarioEvents(s).StringGrid1Exit().ran);
}

void ScheduleTest::fieldExitsAndTheEditedFlag()
{
    AgentScenario s = workedScheduleScenario();
    s.setSlotCallsEdited(true);
    QVERIFY(!ScenarioEvents(s).Edit1Exit(false).ran);
    QVERIFY(!ScenarioEvents(s).MaskEdit1Exit(false).ran);
    QVERIFY(ScenarioEvents(s).MaskEdit4Exit().ran);
    // A new start time respreads the calls but keeps the flag.
    s.setText(Field::MaskEdit1, QStringLiteral("09:00"));
    QVERIFY(ScenarioEvents(s).MaskEdit1Exit(true).ran);
    QVERIFY(s.inputs().SlotCallsEdited);
    QCOMPARE(s.inputs().SlotCalls[1], 90);
    QCOMPARE(s.inputs().SlotCalls[2], 90);
    // A new number of calls respreads and clears it.
    s.setText(Field::Edit1, QStringLiteral("40"));
    QVERIFY(ScenarioEvents(s).Edit1Exit(true).valid);
    QVERIFY(!s.inputs().SlotCallsEdited);
    QCOMPARE(s.inputs().SlotCalls[1], 20);
}

namespace {

enum class Replacing { SameCallsAgain, LaterEnd, HoursAndBack };

QList<int> volumes(const AgentScenario &s)
{
    QList<int> result;
    for (int slot = 1; slot <= s.inputs().timeSlots().count; ++slot)
        result << s.inputs().SlotCalls[static_cast<std::size_t>(slot)];
    return result;
}

} // namespace

void ScheduleTest::undoGivesBackWhatACommandReplaced_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("typed");
    QTest::addColumn<int>("change");
    QTest::addColumn<QList<int>>("replaced");
    QTest::addColumn<QString>("note");
    QTest::newRow("the same number of calls again")
        << 60 << QList<int>{150, 50} << int(Replacing::SameCallsAgain) << QList<int>{100, 100}
        << "200 calls spread evenly over 2 slots: the typed volumes were replaced. Undo: Ctrl+Z";
    QTest::newRow("a later end") << 60 << QList<int>{150, 50} << int(Replacing::LaterEnd) << QList<int>{67, 66, 67}
                                 << "200 calls spread evenly over 3 slots: the typed volumes were replaced. Undo: "
                                    "Ctrl+Z";
    QTest::newRow("hours and back, undone twice")
        << 15 << QList<int>{7, 100, 100, 100} << int(Replacing::HoursAndBack) << QList<int>{77, 77, 76, 77}
        << "Slots of 15 minutes: the slots' values were merged or split by clock time. Undo: Ctrl+Z";
}

// State: a Schedule 08:00-10:00 with typed volumes.
// Action: a command that replaces them, then Undo until none is left.
// Expected: the typed volumes on their own slots again (the fields as typed),
// and the planning
// note only while the replaced values stand.
void ScheduleTest::undoGivesBackWhatACommandReplaced()
{
    QFETCH(int, length);
    QFETCH(QList<int>, typed);
    QFETCH(int, change);
    QFETCH(QList<int>, replaced);
    QFETCH(QString, note);
    AgentScenario s;
    const QString calls = QString::number(std::accumulate(typed.begin(), typed.end(), 0));
    setTexts(s, {"08:00", length == 60 ? "10:00" : "09:00", calls, "03:00", "01:00", "00:30", "80", "20"});
    s.setSlotLength(*slotLengthOfMinutes(length));
    for (int slot = 1; slot <= typed.size(); ++slot)
        s.setSlotCalls(slot, typed.at(slot - 1));
    s.setSlotCallsEdited(true);
    ScenarioEvents events(s);
    QVERIFY(events.TabSet1Click(Tab::Schedule).valid);
    switch (static_cast<Replacing>(change)) {
    case Replacing::SameCallsAgain:
        events.Edit1Exit(true);
        break;
    case Replacing::LaterEnd:
        s.setText(Field::MaskEdit7, QStringLiteral("11:00"));
        events.MaskEdit7Exit(true);
        break;
    case Replacing::HoursAndBack:
        events.SlotButtonClick(SlotLength::Hour);
        events.SlotButtonClick(SlotLength::Quarter);
        break;
    }
    QCOMPARE(volumes(s), replaced);
    QCOMPARE(s.undo().note(s.inputs()), note);
    while (s.undo().canUndo())
        QVERIFY(events.Undo().valid);
    // The typed end stays: a slot it adds has no calls.
    QCOMPARE(volumes(s).mid(0, typed.size()), typed);
    QCOMPARE(volumes(s).mid(typed.size()), QList<int>(replaced.size() - typed.size(), 0));
    QCOMPARE(s.inputs().slotLength(), *slotLengthOfMinutes(length));
    QCOMPARE(s.inputs().text(Field::Edit1), calls);
    QVERIFY(s.undo().note(s.inputs()).startsWith(QStringLiteral("Undone: ")));
    // Typing a volume ends the note.
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, 1, QStringLiteral("1"));
    QCOMPARE(s.undo().note(s.inputs()), QString());
}

void ScheduleTest::slotTimesLikeTheFieldsGiveTheSameSchedule()
{
    QRandomGenerator random(30);
    for (int day = 0; day < 40; ++day) {
        AgentScenario plain = randomDay(random);
        AgentScenario own = plain;
        QVERIFY(ScenarioEvents(plain).TabSet1Click(Tab::Schedule).valid);
        const int talk = *Calc::DurationTextToSeconds(plain.inputs().text(Field::MaskEdit2));
        const int wrap = *Calc::DurationTextToSeconds(plain.inputs().text(Field::MaskEdit3));
        for (int slot = 1; slot <= ScenarioInputs::SlotCapacity; ++slot) {
            own.setSlotTimes(slot, talk, own.inputs().SlotWrapSeconds[static_cast<std::size_t>(slot)]);
            if (slot % 2 == 0)
                own.setSlotTimes(slot, own.inputs().SlotTalkSeconds[static_cast<std::size_t>(slot)], wrap);
        }
        QVERIFY(ScenarioEvents(own).TabSet1Click(Tab::Schedule).valid);
        for (int r = 0; r < plain.StringGrid1().rowCount(); ++r)
            QCOMPARE(row(own, r), row(plain, r));
    }
}

void ScheduleTest::slotFiguresAreTheAgentsTableForItsTimes()
{
    // Each staffed slot, with its own times or the fields', is the goal row
    // of an Agents table of the slot's calls over the slot's length.
    QRandomGenerator random(3030);
    int compared = 0;
    for (int day = 0; day < 30; ++day) {
        AgentScenario s = randomDay(random);
        const int count = s.inputs().timeSlots().count;
        for (int slot = 1; slot <= count; ++slot) {
            std::optional<int> talk;
            std::optional<int> wrap;
            if (random.bounded(3) > 0)
                talk = 1 + random.bounded(700);
            if (random.bounded(3) > 0)
                wrap = 1 + random.bounded(300);
            s.setSlotTimes(slot, talk, wrap);
        }
        QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
        for (int slot = 1; slot <= count; ++slot) {
            const RowValues &values = s.results().rowValues[static_cast<std::size_t>(slot - 1)];
            if (!values.evaluated)
                continue;
            const auto index = static_cast<std::size_t>(slot);
            const ScenarioInputs &in = s.inputs();
            AgentScenario agents;
            agents.setPlanning(in.Planning);
            setTexts(agents, {"00:00", TimeSlots::clockText(in.timeSlots().lengthMinutes() / 60, in.timeSlots().lengthMinutes() % 60), QString::number(values.calls),
                              in.SlotTalkSeconds[index] ? durationText(*in.SlotTalkSeconds[index]) : in.text(Field::MaskEdit2),
                              in.SlotWrapSeconds[index] ? durationText(*in.SlotWrapSeconds[index]) : in.text(Field::MaskEdit3),
                              in.text(Field::MaskEdit4), in.text(Field::MaskEdit5), in.text(Field::MaskEdit6)});
            QVERIFY(agents.Recalculate().valid);
            if (agents.results().goalRow == 0)
                continue;
            const RowValues &goal = agents.results().rowValues[static_cast<std::size_t>(agents.results().goalRow - 1)];
            QCOMPARE(values.agents, goal.agents);
            QCOMPARE(values.figures.serviceLevel, goal.figures.serviceLevel);
            QCOMPARE(values.figures.abandonRate, goal.figures.abandonRate);
            QCOMPARE(values.figures.answerTime, goal.figures.answerTime);
            QCOMPARE(values.trunks, goal.trunks);
            ++compared;
        }
    }
    QVERIFY(compared > 300);
}

void ScheduleTest::slotWithoutHandleTimeCannotTakeCalls()
{
    AgentScenario s = workedScheduleScenario();
    s.setSlotTimes(3, 0, s.inputs().SlotWrapSeconds[3]);
    s.setSlotTimes(3, s.inputs().SlotTalkSeconds[3], 0);
    s.setSlotTimes(1, 0, s.inputs().SlotWrapSeconds[1]); // the wrap of 01:00 is left: a handle time
    const RecalcResult result = ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QVERIFY(!result.valid);
    QVERIFY(result.failing.isGridRow());
    QCOMPARE(result.failing.row(), 3);
    s.setSlotCalls(3, 0);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
}

QTEST_GUILESS_MAIN(ScheduleTest)
#include "test_schedule.moc"
