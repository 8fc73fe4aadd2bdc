// SPDX-License-Identifier: MIT
#include "agentscenario.h"
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
    const TimeSlots halves = TimeSlots::of(start, end, true);
    const TimeSlots hours = TimeSlots::of(start, end, false);
    std::vector<int> volumes(static_cast<std::size_t>(halves.count));
    for (int i = 0; i < halves.count; ++i)
        volumes[static_cast<std::size_t>(i)] = 7 * i + 3;

    std::vector<int> hourly;
    for (const auto &v : SlotVolumes::convert(halves, volumes, true, hours))
        hourly.push_back(v.value_or(0));
    // An hour takes its two half hours; split again, an hour's odd volume
    // gives the larger half to its second half hour.
    for (int k = 0; k < hours.count; ++k)
        QCOMPARE(hourly[static_cast<std::size_t>(k)], volumes[2 * k] + volumes[2 * k + 1]);
    const auto back = SlotVolumes::convert(hours, hourly, false, halves);
    for (int i = 0; i < halves.count; ++i) {
        const int hour = hourly[static_cast<std::size_t>(i / 2)];
        QCOMPARE(back[static_cast<std::size_t>(i)].value_or(-1), i % 2 ? hour - hour / 2 : hour / 2);
    }
}

void SlotVolumesTest::slotTimesFollowTheirSlotsToTheOtherLength()
{
    using Times = std::vector<std::optional<int>>;
    auto times = [](const AgentScenario &s, bool talk) {
        const auto &all = talk ? s.SlotTalkSeconds : s.SlotWrapSeconds;
        return Times(all.begin() + 1, all.begin() + 1 + s.timeSlots().count);
    };
    AgentScenario s;
    s.setText(Field::MaskEdit1, QStringLiteral("08:00"));
    s.setText(Field::MaskEdit7, QStringLiteral("10:00"));
    s.setSlotLength(true);
    s.SlotCalls = {0, 10, 30, 0, 5};
    s.SlotTalkSeconds = {std::nullopt, 200, 100, std::nullopt, 50};
    s.SlotWrapSeconds = {std::nullopt, std::nullopt, std::nullopt, 40, 40};
    // An hour takes its half hours' times weighted by their calls.
    s.setRadioButtons(false, true);
    s.RadioButton1Click();
    QCOMPARE(times(s, true), (Times{125, 50}));
    QCOMPARE(times(s, false), (Times{std::nullopt, 40}));
    QVERIFY(!s.SlotTalkSeconds[3]);
    // A half hour takes its hour's.
    s.setRadioButtons(true, false);
    s.RadioButton1Click();
    QCOMPARE(times(s, true), (Times{125, 125, 50, 50}));
    QCOMPARE(times(s, false), (Times{std::nullopt, std::nullopt, 40, 40}));
}

QTEST_APPLESS_MAIN(SlotVolumesTest)
#include "test_slotvolumes.moc"
