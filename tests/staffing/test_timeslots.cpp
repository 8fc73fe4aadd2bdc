// SPDX-License-Identifier: MIT
#include "scenariotexts.h"

#include <QRandomGenerator>

#include <limits>

class TimeSlotsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void slotList_data();
    void slotList();
    void roundedTimesHoldTheTypedPeriod();
    void unreadableTimesFallBack();
    void spreading_data();
    void spreading();
    void spreadingWritesTheCallsColumnOnTheScheduleTab();
    void invalidCallsLeaveVolumesAlone();
    void slotLengthChange_data();
    void slotLengthChange();
    void sameSlotLengthChangesNothing();
    void rosterFollowsTheSlotsByClockTime();
    void agentsTabWorksOnTheTypedPeriod();
    void slotOperationsTakeOnlyTheSlotsThereAre_data();
    void slotOperationsTakeOnlyTheSlotsThereAre();
    void rosterReplacesEverySlot();
    void appliedInputsKeepTheTab();
};

void TimeSlotsTest::slotList_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("newStart");
    QTest::addColumn<QString>("newEnd");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("labels");

    QStringList hourly;
    for (int h = 8; h < 17; ++h)
        hourly << QStringLiteral("%1:00").arg(h, 2, 10, QLatin1Char('0'));
    QStringList halfHourly;
    for (int h = 8; h < 17; ++h)
        halfHourly << QStringLiteral("%1:00").arg(h, 2, 10, QLatin1Char('0')) << QStringLiteral("%1:30").arg(h, 2, 10, QLatin1Char('0'));

    QTest::newRow("defaults, hours") << "08:00" << "17:00" << 60 << "08:00" << "17:00" << "09:00" << hourly;
    QTest::newRow("defaults, half hours") << "08:00" << "17:00" << 30 << "08:00" << "17:00" << "09:00" << halfHourly;
    QStringList rounded30 = halfHourly;
    rounded30 << "17:00";
    QTest::newRow("08:15 to 17:40 in half hours") << "08:15" << "17:40" << 30 << "08:00" << "17:30" << "09:30" << rounded30;
    QStringList rounded60 = hourly;
    rounded60 << "17:00";
    QTest::newRow("08:45 to 17:30 in hours") << "08:45" << "17:30" << 60 << "08:00" << "18:00" << "10:00" << rounded60;
    QTest::newRow("overnight") << "22:00" << "06:00" << 60 << "22:00" << "06:00" << "08:00"
                               << QStringList{"22:00", "23:00", "00:00", "01:00", "02:00", "03:00", "04:00", "05:00"};
    QTest::newRow("half hours over midnight") << "23:00" << "01:00" << 30 << "23:00" << "01:00" << "02:00"
                                              << QStringList{"23:00", "23:30", "00:00", "00:30"};
    QTest::newRow("one half hour") << "08:00" << "08:30" << 30 << "08:00" << "08:30" << "00:30" << QStringList{"08:00"};
    QTest::newRow("from half past") << "08:30" << "10:00" << 30 << "08:30" << "10:00" << "01:30"
                                    << QStringList{"08:30", "09:00", "09:30"};
    QTest::newRow("end rounded up to midnight") << "23:00" << "23:45" << 60 << "23:00" << "24:00" << "01:00"
                                                << QStringList{"23:00"};
    QTest::newRow("end before the hour in hours") << "08:00" << "08:20" << 60 << "08:00" << "08:00" << "24:00"
                                                  << QStringList();
    // An hourly end goes up from half past on.
    QTest::newRow("hourly end at 29 past") << "08:00" << "09:29" << 60 << "08:00" << "09:00" << "01:00"
                                           << QStringList{"08:00"};
    QTest::newRow("hourly end at half past") << "08:00" << "09:30" << 60 << "08:00" << "10:00" << "02:00"
                                             << QStringList{"08:00", "09:00"};
    // Quarter hours: a start goes down to its quarter, an end inside a
    // quarter up to the quarter's end, 24:00 stays.
    QTest::newRow("quarters 08:10 to 09:20") << "08:10" << "09:20" << 15 << "08:00" << "09:30" << "01:30"
                                             << QStringList{"08:00", "08:15", "08:30", "08:45", "09:00", "09:15"};
    QTest::newRow("quarters to just before midnight") << "23:44" << "23:50" << 15 << "23:30" << "24:00" << "00:30"
                                                       << QStringList{"23:30", "23:45"};
    QStringList quarters;
    for (int m = 0; m < 24 * 60; m += 15)
        quarters << QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
    QTest::newRow("a whole day of quarters") << "00:00" << "24:00" << 15 << "00:00" << "24:00" << "24:00" << quarters;
    QTest::newRow("quarters over midnight") << "23:50" << "00:20" << 15 << "23:45" << "00:30" << "00:45"
                                            << QStringList{"23:45", "00:00", "00:15"};
}

void TimeSlotsTest::slotList()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, minutes);
    QFETCH(QString, newStart);
    QFETCH(QString, newEnd);
    QFETCH(QString, total);
    QFETCH(QStringList, labels);
    AgentScenario s;
    s.setText(Field::MaskEdit1, start);
    s.setText(Field::MaskEdit7, end);
    s.setSlotLength(*slotLengthOfMinutes(minutes));
    QCOMPARE(s.inputs().totalTimeText(), QStringLiteral("09:00 hrs"));
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QCOMPARE(s.inputs().text(Field::MaskEdit1), newStart);
    QCOMPARE(s.inputs().text(Field::MaskEdit7), newEnd);
    QCOMPARE(s.inputs().totalTimeText(), total);
    if (!labels.isEmpty())
        QCOMPARE(column(s, 0), labels);
    QCOMPARE(s.StringGrid1().rowCount() - 1, s.inputs().timeSlots().count);
    QCOMPARE(s.StringGrid1().fixedColumns(), 1);
    QCOMPARE(s.StringGrid1().cell(ResultTable::TimeColumn, 0), QStringLiteral("Time"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotTrunksColumn, 0), QStringLiteral("Trunks"));
}

void TimeSlotsTest::roundedTimesHoldTheTypedPeriod()
{
    // Property over random times: every slot length starts on a slot
    // boundary less than a slot before the typed start, and the slots fill
    // the rounded period; quarter hours also end less than a slot after the
    // typed end, so the typed period lies within them.
    QRandomGenerator random(15);
    for (int round = 0; round < 3000; ++round) {
        const int start = random.bounded(24 * 60);
        const int end = random.bounded(1, 24 * 60 + 1);
        const QString startText = TimeSlots::clockText(start / 60, start % 60);
        const QString endText = TimeSlots::clockText(end / 60, end % 60);
        for (SlotLength length : SlotLengths) {
            const TimeSlots list = TimeSlots::of(startText, endText, length);
            const int slot = minutesOf(length);
            const int first = list.startMinuteOfDay();
            QVERIFY(first % slot == 0 && first <= start && start - first < slot);
            const int last = list.endHour * 60 + list.endMinute;
            const int period = (last - first + 24 * 60 - 1) % (24 * 60) + 1;
            QCOMPARE(list.count * slot, period);
            if (length == SlotLength::Quarter)
                QVERIFY2(last >= end && last - end < slot, qPrintable(startText + QLatin1Char('-') + endText));
        }
    }
}

void TimeSlotsTest::unreadableTimesFallBack()
{
    ScenarioInputs s;
    s.setText(Field::MaskEdit1, QStringLiteral("25:00"));
    s.setText(Field::MaskEdit7, QStringLiteral("ab:cd"));
    const TimeSlots slotList = s.BuildTimeSlots();
    QCOMPARE(s.text(Field::MaskEdit1), QStringLiteral("09:00"));
    QCOMPARE(s.text(Field::MaskEdit7), QStringLiteral("17:00"));
    QCOMPARE(slotList.count, 8);

    // Whole days: equal times and 00:00 to 24:00.
    for (const QString &end : {QStringLiteral("08:00"), QStringLiteral("24:00")}) {
        s.setText(Field::MaskEdit1, end == QLatin1String("24:00") ? QStringLiteral("00:00") : QStringLiteral("08:00"));
        s.setText(Field::MaskEdit7, end);
        s.setSlotLength(SlotLength::Hour);
        QCOMPARE(s.BuildTimeSlots().count, 24);
        s.setSlotLength(SlotLength::HalfHour);
        QCOMPARE(s.BuildTimeSlots().count, 48);
        QCOMPARE(s.totalTimeText(), QStringLiteral("24:00"));
    }
    QCOMPARE(s.text(Field::MaskEdit7), QStringLiteral("24:00"));
}

void TimeSlotsTest::spreading_data()
{
    QTest::addColumn<QString>("calls");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("halfHours");
    QTest::addColumn<QList<int>>("volumes");
    QTest::newRow("1000 over 9") << "1000" << "17:00" << false << QList<int>{111, 111, 111, 111, 112, 111, 111, 111, 111};
    QTest::newRow("10 over 4") << "10" << "12:00" << false << QList<int>{3, 2, 3, 2};
    QTest::newRow("1 over 2") << "1" << "10:00" << false << QList<int>{1, 0};
    QTest::newRow("1 over 3") << "1" << "11:00" << false << QList<int>{0, 1, 0};
    QTest::newRow("0 calls") << "0" << "11:00" << false << QList<int>{0, 0, 0};
    // The twelfth shares add up to just below a half after six slots; the
    // exact sum with 0.5 stays below 1, so the call lands in slot 7.
    QTest::newRow("1 over 12") << "1" << "14:00" << true << QList<int>{0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    QTest::newRow("hexadecimal") << "$A" << "12:00" << false << QList<int>{3, 2, 3, 2};
}

void TimeSlotsTest::spreading()
{
    QFETCH(QString, calls);
    QFETCH(QString, end);
    QFETCH(bool, halfHours);
    QFETCH(QList<int>, volumes);
    AgentScenario s;
    s.setText(Field::MaskEdit7, end);
    if (halfHours)
        useHalfHours(s);
    s.setText(Field::Edit1, calls);
    s.DistributeCalls();
    QList<int> got;
    long long sum = 0;
    for (int i = 1; i <= volumes.size(); ++i) {
        got << s.inputs().SlotCalls[static_cast<std::size_t>(i)];
        sum += got.last();
    }
    QCOMPARE(got, volumes);
    QCOMPARE(sum, static_cast<long long>(s.inputs().CallCount));
}

void TimeSlotsTest::spreadingWritesTheCallsColumnOnTheScheduleTab()
{
    AgentScenario s;
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    s.setText(Field::Edit1, QStringLiteral("90"));
    s.DistributeCalls();
    QCOMPARE(column(s, 1), QStringList(9, QStringLiteral("10")));
    s.setText(Field::Edit1, QStringLiteral("900"));
    const RecalcResult result = ScenarioEvents(s).Edit1Exit(true);
    QVERIFY(result.valid);
    QCOMPARE(column(s, 1), QStringList(9, QStringLiteral("100")));
    QCOMPARE(column(s, 0).first(), QStringLiteral("08:00"));
    QCOMPARE(column(s, 0).last(), QStringLiteral("16:00"));
}

void TimeSlotsTest::invalidCallsLeaveVolumesAlone()
{
    AgentScenario s;
    ScenarioInputs calls = s.inputs();
    calls.SlotCalls[1] = 7;
    calls.CallCount = 7;
    s.setInputs(calls);
    s.setText(Field::Edit1, QStringLiteral("12x"));
    s.DistributeCalls();
    QCOMPARE(s.inputs().SlotCalls[1], 7);
    QCOMPARE(s.inputs().CallCount, 7.0);
}

void TimeSlotsTest::slotLengthChange_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("toHalfHours");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("hours split") << "08:00" << "10:00" << true << QList<int>{5, 8} << QList<int>{2, 3, 4, 4};
    QTest::newRow("half hours merge") << "08:00" << "10:00" << false << QList<int>{2, 3, 4, 4} << QList<int>{5, 8};
    QTest::newRow("single hour of 7") << "08:00" << "09:00" << true << QList<int>{7} << QList<int>{3, 4};
    // Half-hour lists that do not pair up stay on the clock: 08:30 is the
    // only half hour of 08:00-09:00, and 10:00 alone fills 10:00-11:00.
    QTest::newRow("half past start") << "08:30" << "10:30" << false << QList<int>{1, 2, 3, 4} << QList<int>{1, 5, 4};
    QTest::newRow("odd half-hour count") << "08:00" << "09:30" << false << QList<int>{1, 2, 3} << QList<int>{3, 3};
    // A whole day: the last hours land in the last half hours.
    QList<int> hours, halves;
    for (int v = 1; v <= 24; ++v) {
        hours << v;
        halves << v / 2 << v - v / 2;
    }
    QTest::newRow("a whole day split") << "00:00" << "24:00" << true << hours << halves;
    QTest::newRow("a whole day merged") << "00:00" << "24:00" << false << halves << hours;
}

void TimeSlotsTest::slotLengthChange()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(bool, toHalfHours);
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    AgentScenario s;
    setTexts(s, {start, end, "1", "03:00", "01:00", "00:30", "80", "20"});
    if (!toHalfHours)
        useHalfHours(s);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    for (int i = 0; i < before.size(); ++i)
        s.setSlotCalls(i + 1, before[i]);
    const RecalcResult result = ScenarioEvents(s).SlotButtonClick(toHalfHours ? SlotLength::HalfHour : SlotLength::Hour);
    QVERIFY(result.ran);
    QCOMPARE(s.inputs().slotLength() == SlotLength::HalfHour, toHalfHours);
    QList<int> got;
    for (int i = 1; i <= after.size(); ++i)
        got << s.inputs().SlotCalls[static_cast<std::size_t>(i)];
    QCOMPARE(got, after);
    QCOMPARE(s.StringGrid1().rowCount() - 1, after.size());
    QCOMPARE(s.StringGrid1().cell(ResultTable::CallsColumn, 1), QString::number(after.first()));
}

void TimeSlotsTest::sameSlotLengthChangesNothing()
{
    // Neither button checked already means hourly slots.
    AgentScenario s;
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    s.setSlotCalls(1, 5);
    QVERIFY(!ScenarioEvents(s).SlotButtonClick(SlotLength::Hour).ran);
    QCOMPARE(s.inputs().SlotCalls[1], 5);
}

void TimeSlotsTest::rosterFollowsTheSlotsByClockTime()
{
    // State: roster 0, 3, 9, 20 on the half hours 08:00-10:00. Action:
    // 60-minute slots. Expected: the hours have 0 and 9 agents, and no value
    // stays behind past the two hours to be saved unseen.
    AgentScenario s;
    setTexts(s, {"08:00", "10:00", "100", "03:00", "01:00", "00:30", "80", "20"});
    useHalfHours(s);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    const int roster[] = {0, 3, 9, 20};
    for (int i = 0; i < 4; ++i)
        s.setSlotHave(i + 1, roster[i]);
    ScenarioEvents(s).SlotButtonClick(SlotLength::Hour);
    QCOMPARE(s.inputs().SlotHave[1], std::optional<int>(0));
    QCOMPARE(s.inputs().SlotHave[2], std::optional<int>(9));
    QVERIFY(!s.inputs().SlotHave[3] && !s.inputs().SlotHave[4]);
    QCOMPARE(s.StringGrid1().cell(ResultTable::HaveColumn, 2), QStringLiteral("9"));
}

void TimeSlotsTest::agentsTabWorksOnTheTypedPeriod()
{
    // 100 calls from 08:00 to 08:30 with 3 minutes' talk: leaving the end
    // on the Agents tab keeps 08:30, and the table and the total time work
    // on 30 minutes (13 agents meet 80 % in 20 s); the Schedule rounds the
    // end to its hour.
    AgentScenario s;
    setTexts(s, {"08:00", "08:30", "100", "03:00", "00:00", "05:00", "80", "20"});
    ScenarioEvents(s).MaskEdit7Exit(true);
    QCOMPARE(s.inputs().text(Field::MaskEdit7), QStringLiteral("08:30"));
    QCOMPARE(s.inputs().totalTimeText(), QStringLiteral("00:30"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, s.results().goalRow), QStringLiteral("13"));
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QCOMPARE(s.inputs().text(Field::MaskEdit7), QStringLiteral("09:00"));
    QCOMPARE(s.inputs().totalTimeText(), QStringLiteral("01:00"));
}

void TimeSlotsTest::slotOperationsTakeOnlyTheSlotsThereAre_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("taken");
    QTest::newRow("first") << 1 << true;
    QTest::newRow("last") << ScenarioInputs::SlotCapacity << true;
    QTest::newRow("unused 0") << 0 << false;
    QTest::newRow("past the last") << ScenarioInputs::SlotCapacity + 1 << false;
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("lowest int") << std::numeric_limits<int>::min() << false;
}

void TimeSlotsTest::slotOperationsTakeOnlyTheSlotsThereAre()
{
    // A slot number outside 1..SlotCapacity changes nothing; one inside
    // changes that slot alone.
    QFETCH(int, slot);
    QFETCH(bool, taken);
    AgentScenario s;
    s.setSlotCalls(slot, 7);
    s.setSlotHave(slot, 3);
    s.setSlotTimes(slot, 200, 40);
    const ScenarioInputs &in = s.inputs();
    for (int i = 0; i <= ScenarioInputs::SlotCapacity; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool here = taken && i == slot;
        QCOMPARE(in.SlotCalls[index], here ? 7 : 0);
        QCOMPARE(in.SlotHave[index], here ? std::optional<int>(3) : std::nullopt);
        QCOMPARE(in.SlotTalkSeconds[index], here ? std::optional<int>(200) : std::nullopt);
        QCOMPARE(in.SlotWrapSeconds[index], here ? std::optional<int>(40) : std::nullopt);
    }
}

void TimeSlotsTest::rosterReplacesEverySlot()
{
    // More values than slots are cut at the last slot; a shorter roster
    // leaves the slots after it without a value.
    AgentScenario s;
    s.setRoster(RosterValues(ScenarioInputs::SlotCapacity + 5, 4));
    QCOMPARE(s.inputs().SlotHave[ScenarioInputs::SlotCapacity], std::optional<int>(4));
    QVERIFY(!s.inputs().SlotHave[0]);
    s.setRoster({2, std::nullopt, 5});
    QCOMPARE(RosterValues(s.inputs().SlotHave.begin() + 1, s.inputs().SlotHave.begin() + 5),
             (RosterValues{2, std::nullopt, 5, std::nullopt}));
}

void TimeSlotsTest::appliedInputsKeepTheTab()
{
    // Inputs applied as a whole (a loaded file's) leave the tab shown.
    AgentScenario s = workedScheduleScenario();
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    ScenarioInputs agents;
    agents.ScheduleMode = false;
    s.setInputs(agents);
    QCOMPARE(s.tab(), Tab::Schedule);
    QVERIFY(s.inputs().ScheduleMode);
}

QTEST_GUILESS_MAIN(TimeSlotsTest)
#include "test_timeslots.moc"
