// SPDX-License-Identifier: MIT
#include "agentscenario.h"
#include "scenarioevents.h"
#include "slottimeconversion.h"
#include "slotvolumes.h"
#include "timeslots.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>

class SlotVolumesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spreadKeepsTheWholeCallsEvenly();
    void halfHoursToHoursAndBackKeepTheDay_data();
    void halfHoursToHoursAndBackKeepTheDay();
    void slotTimesFollowTheirSlotsToTheOtherLength();
    void slotTimesMergeByCallsAndSplitByCopyingOnTheClock();
    void splitThenMergeGivesBackTheVolumes_data();
    void splitThenMergeGivesBackTheVolumes();
    void rosterMergesToTheSmallestAndSplitsByCopying();
};

void SlotVolumesTest::spreadKeepsTheWholeCallsEvenly()
{
    // Property over many inputs: the slots hold every whole call, and no two
    // slots differ by more than one call.
    QRandomGenerator random(18);
    for (int i = 0; i < 2000; ++i) {
        const int count = random.bounded(1, TimeSlots::MaxCount + 1);
        const double calls = random.bounded(1, 1000000);
        const std::vector<int> volumes = SlotVolumes::spread(calls, count);
        QCOMPARE(static_cast<int>(volumes.size()), count);
        QCOMPARE(std::accumulate(volumes.begin(), volumes.end(), 0LL), static_cast<long long>(calls));
        const auto [least, most] = std::minmax_element(volumes.begin(), volumes.end());
        QVERIFY2(*most - *least <= 1, qPrintable(QStringLiteral("%1 calls over %2 slots").arg(calls).arg(count)));
    }
}

void SlotVolumesTest::halfHoursToHoursAndBackKeepTheDay_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");

    QTest::newRow("working day") << "08:00" << "17:00";
    QTest::newRow("across midnight") << "22:00" << "02:00";
    QTest::newRow("whole day") << "00:00" << "24:00";
}

void SlotVolumesTest::halfHoursToHoursAndBackKeepTheDay()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    const TimeSlots halves = TimeSlots::of(start, end, SlotLength::HalfHour);
    const TimeSlots hours = TimeSlots::of(start, end, SlotLength::Hour);
    std::vector<int> volumes(static_cast<std::size_t>(halves.count));
    for (int i = 0; i < halves.count; ++i)
        volumes[static_cast<std::size_t>(i)] = 7 * i + 3;

    const std::vector<int> hourly = SlotVolumes::convert(halves, volumes, hours);
    // An hour takes its two half hours; split again, an hour's odd volume
    // gives the larger half to its second half hour.
    for (int k = 0; k < hours.count; ++k)
        QCOMPARE(hourly[static_cast<std::size_t>(k)], volumes[2 * k] + volumes[2 * k + 1]);
    const auto back = SlotVolumes::convert(hours, hourly, halves);
    for (int i = 0; i < halves.count; ++i) {
        const int hour = hourly[static_cast<std::size_t>(i / 2)];
        QCOMPARE(back[static_cast<std::size_t>(i)], i % 2 ? hour - hour / 2 : hour / 2);
    }
}

void SlotVolumesTest::slotTimesFollowTheirSlotsToTheOtherLength()
{
    using Times = std::vector<std::optional<int>>;
    auto times = [](const AgentScenario &s, bool talk) {
        const auto &all = talk ? s.inputs().SlotTalkSeconds : s.inputs().SlotWrapSeconds;
        return Times(all.begin() + 1, all.begin() + 1 + s.inputs().timeSlots().count);
    };
    AgentScenario s;
    s.setText(Field::MaskEdit1, QStringLiteral("08:00"));
    s.setText(Field::MaskEdit7, QStringLiteral("10:00"));
    s.setSlotLength(SlotLength::HalfHour);
    ScenarioInputs inputs = s.inputs();
    inputs.SlotCalls = {0, 10, 30, 0, 5};
    inputs.SlotTalkSeconds = {std::nullopt, 200, 100, std::nullopt, 50};
    inputs.SlotWrapSeconds = {std::nullopt, std::nullopt, std::nullopt, 40, 40};
    s.setInputs(inputs);
    // An hour takes its half hours' times weighted by their calls.
    ScenarioEvents(s).SlotButtonClick(SlotLength::Hour);
    QCOMPARE(times(s, true), (Times{125, 50}));
    QCOMPARE(times(s, false), (Times{std::nullopt, 40}));
    QVERIFY(!s.inputs().SlotTalkSeconds[3]);
    // A half hour takes its hour's.
    ScenarioEvents(s).SlotButtonClick(SlotLength::HalfHour);
    QCOMPARE(times(s, true), (Times{125, 125, 50, 50}));
    QCOMPARE(times(s, false), (Times{std::nullopt, std::nullopt, 40, 40}));
    // Quarter hours take their half hour's times.
    ScenarioEvents(s).SlotButtonClick(SlotLength::Quarter);
    QCOMPARE(times(s, true), (Times{125, 125, 125, 125, 50, 50, 50, 50}));
    QCOMPARE(times(s, false), (Times{std::nullopt, std::nullopt, std::nullopt, std::nullopt, 40, 40, 40, 40}));
}

void SlotVolumesTest::slotTimesMergeByCallsAndSplitByCopyingOnTheClock()
{
    using Times = std::vector<std::optional<int>>;
    const TimeSlots quarters = TimeSlots::of(QStringLiteral("08:00"), QStringLiteral("09:00"), SlotLength::Quarter);
    const TimeSlots halves = TimeSlots::of(QStringLiteral("08:00"), QStringLiteral("09:00"), SlotLength::HalfHour);
    const TimeSlots hour = TimeSlots::of(QStringLiteral("08:00"), QStringLiteral("09:00"), SlotLength::Hour);
    const Times quarterTimes{100, std::nullopt, 200, 300};
    // Only the quarters with a time of their own count, weighted by calls;
    // a quarter of 0 calls weighs nothing.
    QCOMPARE(SlotTimeConversion::convert(quarters, quarterTimes, {1, 5, 3, 0}, hour), (Times{175}));
    QCOMPARE(SlotTimeConversion::convert(quarters, quarterTimes, {1, 5, 3, 0}, halves), (Times{100, 200}));
    // Without calls the plain mean, rounded half up.
    QCOMPARE(SlotTimeConversion::convert(quarters, Times{100, 101, std::nullopt, 300}, {0, 0, 0, 0}, hour),
             (Times{167}));
    QCOMPARE(SlotTimeConversion::convert(quarters, Times{100, 101}, {0, 0}, halves), (Times{101, std::nullopt}));
    // Splitting copies the longer slot's time into each part.
    QCOMPARE(SlotTimeConversion::convert(hour, Times{90}, {7}, quarters), (Times{90, 90, 90, 90}));
    QCOMPARE(SlotTimeConversion::convert(halves, Times{std::nullopt, 60}, {7, 7}, quarters),
             (Times{std::nullopt, std::nullopt, 60, 60}));
    // On the clock over midnight: the quarters from 23:00 to 01:00 lie in
    // the hours from 23:00 and from 00:00.
    const TimeSlots lateQuarters = TimeSlots::of(QStringLiteral("23:00"), QStringLiteral("01:00"), SlotLength::Quarter);
    const TimeSlots lateHours = TimeSlots::of(QStringLiteral("23:00"), QStringLiteral("01:00"), SlotLength::Hour);
    QCOMPARE(SlotTimeConversion::convert(lateQuarters, Times{std::nullopt, std::nullopt, 60, 120, std::nullopt, 30},
                                         {0, 0, 1, 1, 0, 0}, lateHours),
             (Times{90, 30}));
    QCOMPARE(SlotTimeConversion::convert(lateHours, Times{90, 30}, {2, 0}, lateQuarters),
             (Times{90, 90, 90, 90, 30, 30, 30, 30}));
}

void SlotVolumesTest::splitThenMergeGivesBackTheVolumes_data()
{
    QTest::addColumn<int>("longer");
    QTest::addColumn<int>("shorter");
    QTest::newRow("hours to quarters") << 60 << 15;
    QTest::newRow("half hours to quarters") << 30 << 15;
    QTest::newRow("hours to half hours") << 60 << 30;
}

void SlotVolumesTest::splitThenMergeGivesBackTheVolumes()
{
    QFETCH(int, longer);
    QFETCH(int, shorter);
    // Property over random days and volumes: splitting keeps the day's
    // calls, and merging the parts gives back every volume, also over
    // midnight.
    QRandomGenerator random(28);
    for (int round = 0; round < 500; ++round) {
        const int startMinute = random.bounded(24 * 60 / longer) * longer;
        const int endMinute = random.bounded(24 * 60 / longer) * longer;
        const QString start = TimeSlots::clockText(startMinute / 60, startMinute % 60);
        const QString end = TimeSlots::clockText(endMinute / 60, endMinute % 60);
        const TimeSlots whole = TimeSlots::of(start, end, *slotLengthOfMinutes(longer));
        const TimeSlots parts = TimeSlots::of(start, end, *slotLengthOfMinutes(shorter));
        std::vector<int> volumes(static_cast<std::size_t>(whole.count));
        for (int &v : volumes)
            v = random.bounded(0, 5000);
        const std::vector<int> split = SlotVolumes::convert(whole, volumes, parts);
        QCOMPARE(std::accumulate(split.begin(), split.end(), 0LL), std::accumulate(volumes.begin(), volumes.end(), 0LL));
        QCOMPARE(SlotVolumes::convert(parts, split, whole), volumes);
    }
}

void SlotVolumesTest::rosterMergesToTheSmallestAndSplitsByCopying()
{
    // Split slots keep their roster value; merged again, each slot has the
    // agents present through all of it, the smallest value.
    const TimeSlots halves = TimeSlots::of(QStringLiteral("08:00"), QStringLiteral("10:00"), SlotLength::HalfHour);
    const TimeSlots hours = TimeSlots::of(QStringLiteral("08:00"), QStringLiteral("10:00"), SlotLength::Hour);
    const TimeSlots quarters = TimeSlots::of(QStringLiteral("08:00"), QStringLiteral("10:00"), SlotLength::Quarter);
    const RosterValues roster{0, 3, 9, 20};
    QCOMPARE(SlotVolumes::convertRoster(quarters, RosterValues{5, 0, 3, 3, 9, 12, 20, 20}, halves), roster);
    const RosterValues split = SlotVolumes::convertRoster(halves, roster, quarters);
    QCOMPARE(split, (RosterValues{0, 0, 3, 3, 9, 9, 20, 20}));
    QCOMPARE(SlotVolumes::convertRoster(quarters, split, halves), roster);
    // A slot without a value leaves its hour to the valued one; an hour
    // with none has none.
    QCOMPARE(SlotVolumes::convertRoster(halves, RosterValues{std::nullopt, 4, std::nullopt, std::nullopt}, hours),
             (RosterValues{4, std::nullopt}));
}

QTEST_APPLESS_MAIN(SlotVolumesTest)
#include "test_slotvolumes.moc"
