// SPDX-License-Identifier: MIT
#include "scenariofile.h"

#include "scenarioevents.h"

#include <QTest>

namespace {

// Lines 1 to 11 of a 30-minute scenario from 08:00 to 10:00 (4 slots) and
// its volumes 0, 10, 50, 120.
const QByteArray scheduleFile = "vnk\r\n80\r\n20\r\n180\r\n08:00\r\n03:00\r\n01:00\r\n00:30\r\n"
                                "08:00\r\n10:00\r\n0\r\n0\r\n10\r\n50\r\n120\r\n";

LoadResult apply(AgentScenario &scenario, const QByteArray &bytes)
{
    return ApplyScenario(scenario, SplitScenarioLines(bytes), QStringLiteral("test.vnk"));
}

} // namespace

class ScenarioOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void optionsRoundTripAfterTheVolumes();
    void slotTimesRoundTripAfterTheRoster();
    void quarterHourSlotTimesStandBeforeTheShiftTypes();
    void aFileWithoutOptionsLoadsAndSavesAsBefore();
    void unsoundOptionLinesAreRefusedWithNothingChanged_data();
    void unsoundOptionLinesAreRefusedWithNothingChanged();
};

void ScenarioOptionsTest::optionsRoundTripAfterTheVolumes()
{
    AgentScenario scenario;
    QVERIFY(apply(scenario, scheduleFile).applied());
    PlanningOptions planning = scenario.inputs().Planning;
    planning.model = QueueModel::ErlangA;
    planning.shrinkagePercent = 30;
    planning.maxOccupancyPercent = 85.5;
    planning.maxAbandonPercent = 5;
    planning.paidMinutes = 7 * 60 + 30;
    scenario.setPlanning(planning);
    scenario.setSlotHave(2, 3);
    scenario.setSlotHave(3, 9);
    ShiftType day{QStringLiteral("Day"), 8 * 60, 8 * 60, 12 * 60, ShiftType::Break{30, 3 * 60, 5 * 60, true}, 12};
    ShiftType part{QStringLiteral("Part time"), 4 * 60 + 30, 13 * 60 + 30, 13 * 60 + 30, std::nullopt, std::nullopt};
    scenario.setShiftTypes({day, part});
    scenario.setServiceFloor(SlotFloor{62.5, 4});
    const QByteArray bytes = ScenarioFileBytes(scenario);
    QCOMPARE(bytes, scheduleFile + "model=erlang-a\r\nshrinkage=30\r\nmax-occupancy=85.5\r\nmax-abandon=5\r\n"
                                   "paid-hours=07:30\r\nhave=,3,9\r\nslot-floor=62.5\r\nslot-abandon-max=4\r\n"
                                   "shift=Day,8:00,08:00,12:00,0:30,3:00,5:00,paid,max=12\r\n"
                                   "shift=Part time,4:30,13:30,13:30\r\n");

    AgentScenario loaded;
    QVERIFY(apply(loaded, bytes).applied());
    QVERIFY(loaded.inputs().Planning == scenario.inputs().Planning);
    QCOMPARE(loaded.inputs().SlotHave, scenario.inputs().SlotHave);
    QVERIFY(loaded.inputs().ShiftTypes == scenario.inputs().ShiftTypes);
    QVERIFY(loaded.inputs().ServiceFloor == scenario.inputs().ServiceFloor);
    QCOMPARE(loaded.inputs().SlotCalls, scenario.inputs().SlotCalls);
    QCOMPARE(ScenarioFileBytes(loaded), bytes);
}

void ScenarioOptionsTest::slotTimesRoundTripAfterTheRoster()
{
    AgentScenario scenario;
    QVERIFY(apply(scenario, scheduleFile).applied());
    scenario.setSlotHave(1, 2);
    scenario.setSlotTimes(2, 0, scenario.inputs().SlotWrapSeconds[2]);
    scenario.setSlotTimes(4, 1439, scenario.inputs().SlotWrapSeconds[4]);
    scenario.setSlotTimes(2, scenario.inputs().SlotTalkSeconds[2], 45);
    const QByteArray bytes = ScenarioFileBytes(scenario);
    QCOMPARE(bytes, scheduleFile + "have=2\r\nslot-talk=,0,,1439\r\nslot-wrap=,45\r\n");

    AgentScenario loaded;
    QVERIFY(apply(loaded, bytes).applied());
    QCOMPARE(loaded.inputs().SlotTalkSeconds, scenario.inputs().SlotTalkSeconds);
    QCOMPARE(loaded.inputs().SlotWrapSeconds, scenario.inputs().SlotWrapSeconds);
    QCOMPARE(ScenarioFileBytes(loaded), bytes);
}

void ScenarioOptionsTest::quarterHourSlotTimesStandBeforeTheShiftTypes()
{
    AgentScenario scenario;
    QVERIFY(apply(scenario, scheduleFile).applied());
    ScenarioEvents(scenario).SlotButtonClick(SlotLength::Quarter);
    scenario.setSlotTimes(8, 200, scenario.inputs().SlotWrapSeconds[8]); // the last quarter hour, past any half hour's slot
    scenario.setSlotTimes(1, scenario.inputs().SlotTalkSeconds[1], 30);
    scenario.setShiftTypes({ShiftType{QStringLiteral("Day"), 2 * 60, 8 * 60, 8 * 60, std::nullopt, std::nullopt}});
    const QByteArray bytes = ScenarioFileBytes(scenario);
    const QByteArray options = "slot-minutes=15\r\nslot-talk=,,,,,,,200\r\nslot-wrap=30\r\nshift=Day,2:00,08:00,08:00\r\n";
    QVERIFY2(bytes.endsWith("\r\n25\r\n25\r\n60\r\n60\r\n" + options), bytes.constData());

    AgentScenario loaded;
    QVERIFY(apply(loaded, bytes).applied());
    QCOMPARE(loaded.inputs().slotLength(), SlotLength::Quarter);
    QCOMPARE(loaded.inputs().SlotTalkSeconds, scenario.inputs().SlotTalkSeconds);
    QCOMPARE(loaded.inputs().SlotWrapSeconds, scenario.inputs().SlotWrapSeconds);
    QCOMPARE(ScenarioFileBytes(loaded), bytes);

    // The slot length may follow the slot times in a file: eight quarter
    // hours' times are counted against the quarter hours.
    QByteArray reordered = bytes;
    reordered.replace("slot-minutes=15\r\nslot-talk=,,,,,,,200\r\n", "slot-talk=,,,,,,,200\r\nslot-minutes=15\r\n");
    AgentScenario fromReordered;
    QVERIFY(apply(fromReordered, reordered).applied());
    QCOMPARE(fromReordered.inputs().SlotTalkSeconds, scenario.inputs().SlotTalkSeconds);
    QCOMPARE(ScenarioFileBytes(fromReordered), bytes);
}

void ScenarioOptionsTest::aFileWithoutOptionsLoadsAndSavesAsBefore()
{
    // A scenario that had options takes none from a file without them.
    AgentScenario scenario;
    PlanningOptions planning = scenario.inputs().Planning;
    planning.shrinkagePercent = 30;
    scenario.setPlanning(planning);
    scenario.setSlotHave(1, 4);
    scenario.setSlotTimes(2, scenario.inputs().SlotTalkSeconds[2], 10);
    scenario.setShiftTypes({ShiftType{QStringLiteral("Day"), 8 * 60, 8 * 60, 12 * 60, std::nullopt, std::nullopt}});
    scenario.setServiceFloor(SlotFloor{60, std::nullopt});
    QVERIFY(apply(scenario, scheduleFile).applied());
    QVERIFY(scenario.inputs().ShiftTypes.empty());
    QVERIFY(!scenario.inputs().ServiceFloor.isSet());
    QVERIFY(scenario.inputs().Planning.isDefault());
    QVERIFY(!scenario.inputs().hasRoster());
    QVERIFY(!scenario.inputs().hasSlotTimes());
    QCOMPARE(ScenarioFileBytes(scenario), scheduleFile);
}

void ScenarioOptionsTest::unsoundOptionLinesAreRefusedWithNothingChanged_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown option") << QByteArray("colour=red\r\n") << 16
                                    << "the option \"colour\" is not known to this version of Varnook";
    QTest::newRow("shrinkage out of range") << QByteArray("shrinkage=96\r\n") << 16
                                            << "the shrinkage \"96\" is not a percentage from 0 to 95";
    QTest::newRow("slot floor of 100") << QByteArray("slot-floor=100\r\n") << 16
                                       << "the slot-floor \"100\" is not a percentage from 1 to 99.9";
    QTest::newRow("cap of 0") << QByteArray("max-occupancy=0\r\n") << 16
                              << "the max-occupancy \"0\" is not a percentage from 1 to 100";
    QTest::newRow("model") << QByteArray("model=erlang-b\r\n") << 16
                           << "the model \"erlang-b\" is not \"erlang-c\" or \"erlang-a\"";
    QTest::newRow("paid hours") << QByteArray("paid-hours=25:00\r\n") << 16
                                << "the paid-hours \"25:00\" is not a time from 00:01 to 24:00";
    QTest::newRow("twice") << QByteArray("shrinkage=10\r\nshrinkage=20\r\n") << 17
                           << "the option \"shrinkage\" is given twice";
    QTest::newRow("volume after options") << QByteArray("shrinkage=10\r\n40\r\n") << 17
                                          << "the line \"40\" follows the options, where only options may stand";
    QTest::newRow("roster value") << QByteArray("have=1,-2\r\n") << 16
                                  << "the roster value \"-2\" of time slot 2 is not a whole number from 0 up";
    QTest::newRow("roster longer than the day") << QByteArray("have=1,2,3,4,5\r\n") << 16
                                                << "the roster holds 5 values and the scenario has 4 time slots";
    QTest::newRow("slot talk beyond 23:59") << QByteArray("slot-talk=1,1440\r\n") << 16
                                            << "the talk time \"1440\" of time slot 2 is not whole seconds from 0 to 1439";
    QTest::newRow("slot times longer than the day") << QByteArray("slot-wrap=1,2,3,4,5\r\n") << 16
                                                    << "the slots' after-call work holds 5 values and the scenario has "
                                                       "4 time slots";
    // Line 11 tells 30 and 60 minutes; the option line only quarter hours.
    QTest::newRow("slot times longer than the half hours")
        << QByteArray("slot-talk=1,2,3,4,5,6,7,8\r\n") << 16
        << "the slots' talk times hold 8 values and the scenario has 4 time slots";
    QTest::newRow("slot minutes not 15") << QByteArray("slot-minutes=30\r\n") << 16
                                         << "the slot-minutes \"30\" is not 15 (line 11 tells 30 and 60 minutes)";
    QTest::newRow("roster longer than the quarter hours")
        << QByteArray("slot-minutes=15\r\nhave=1,2,3,4,5,6,7,8,9\r\n") << 17
        << "the roster holds 9 values and the scenario has 8 time slots";
    QTest::newRow("shift length") << QByteArray("shift=Day,8h,08:00,09:00\r\n") << 16
                                   << "the shift type \"Day,8h,08:00,09:00\" is not sound: Shift \"Day\": the length "
                                      "\"8h\" is not h:mm.";
    QTest::newRow("shift of no agents") << QByteArray("shift=A,4:00,08:00,09:00\r\nshift=B,4:00,08:00,09:00,max=0\r\n")
                                        << 17 << "the shift type \"B,4:00,08:00,09:00,max=0\" allows no agent (max=0)";
}

void ScenarioOptionsTest::unsoundOptionLinesAreRefusedWithNothingChanged()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, line);
    QFETCH(QString, reason);
    AgentScenario scenario;
    const QByteArray before = ScenarioFileBytes(scenario);
    const LoadResult result = apply(scenario, scheduleFile + tail);
    QCOMPARE(result.status, LoadResult::Status::Damaged);
    QCOMPARE(result.line, line);
    QCOMPARE(result.reason, reason);
    QCOMPARE(ScenarioFileBytes(scenario), before);
}

QTEST_GUILESS_MAIN(ScenarioOptionsTest)
#include "test_scenariooptions.moc"
