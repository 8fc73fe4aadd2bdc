// SPDX-License-Identifier: MIT
#include "daytotalslines.h"
#include "planservicecheck.h"
#include "scenarioevents.h"
#include "scheduleshiftday.h"
#include "texts.h"
#include "weekplantext.h"
#include "weekscenario.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const Field SharedFields[] = {Field::MaskEdit2, Field::MaskEdit3, Field::MaskEdit4, Field::MaskEdit5, Field::MaskEdit6};

// One day of the week set up as a planner sets up an agent window: the
// fields typed, the slot length chosen, the volumes, slot times and roster
// typed into the Schedule, then its tab shown.
AgentScenario windowDay(const WeekScenario &week, int index, const RosterValues &roster = {})
{
    const WeekScenario::Day &day = week.days[std::size_t(index)];
    AgentScenario s;
    for (const Field field : SharedFields)
        s.setText(field, week.settings.text(field));
    s.setText(Field::MaskEdit1, Calc::ClockText(day.startMinute));
    s.setText(Field::MaskEdit7, Calc::ClockText(day.endMinute));
    s.setSlotLength(week.settings.slotLength());
    s.setPlanning(week.settings.Planning);
    int sum = 0;
    for (std::size_t slot = 0; slot < day.calls.size(); ++slot) {
        s.setSlotCalls(int(slot) + 1, day.calls[slot]);
        s.setSlotTimes(int(slot) + 1, day.talkSeconds.size() > slot ? day.talkSeconds[slot] : std::nullopt,
                       day.wrapSeconds.size() > slot ? day.wrapSeconds[slot] : std::nullopt);
        sum += day.calls[slot];
    }
    s.setSlotCallsEdited(true);
    s.setText(Field::Edit1, QString::number(sum));
    s.setRoster(roster);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    return s;
}

// A week of `slotMinutes` slots: Monday past midnight, Tuesday closed,
// Wednesday open without calls, the other days random periods and calls.
WeekScenario randomWeek(QRandomGenerator &random, int slotMinutes, bool slotTimes)
{
    WeekScenario week;
    const QStringList texts{"03:00", "01:00", "00:45", "80", "20"};
    for (int i = 0; i < texts.size(); ++i)
        week.settings.setText(SharedFields[i], texts[i]);
    week.settings.setSlotLength(*slotLengthOfMinutes(slotMinutes));
    for (int index = 0; index < WeekScenario::DayCount; ++index) {
        WeekScenario::Day &day = week.days[std::size_t(index)];
        day.open = index != 1;
        const int startSlot = index == 0 ? 22 * 60 / slotMinutes : random.bounded(6 * 60 / slotMinutes, 12 * 60 / slotMinutes);
        day.startMinute = startSlot * slotMinutes;
        day.endMinute = (day.startMinute + random.bounded(4, 12) * slotMinutes) % Calc::MinutesPerDay;
        day.date = QDate(2026, 12, 14).addDays(index);
        for (int slot = 0; slot < day.slotCount(slotMinutes); ++slot) {
            day.calls.push_back(index == 2 ? 0 : random.bounded(0, 400));
            day.talkSeconds.push_back(slotTimes && random.bounded(3) == 0 ? std::optional<int>(random.bounded(60, 600))
                                                                         : std::nullopt);
        }
    }
    return week;
}

} // namespace

// The week's inputs as the week planner is given them, and the way back
// from a plan to each day's roster.
class WeekScenarioTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void each_days_requirement_and_curves_are_its_schedules_data();
    void each_days_requirement_and_curves_are_its_schedules();
    void a_refused_day_is_named_with_what_it_refused_data();
    void a_refused_day_is_named_with_what_it_refused();
    void a_plans_staffing_becomes_each_days_roster();
    void defaults_cover_the_widest_open_period();
    void the_two_goals_compare_by_their_lowest_day();
};

void WeekScenarioTest::each_days_requirement_and_curves_are_its_schedules_data()
{
    QTest::addColumn<int>("slotMinutes");
    QTest::addColumn<bool>("slotTimes");
    QTest::addColumn<double>("shrinkage");
    QTest::addColumn<bool>("erlangA");
    QTest::newRow("half hours, Agents") << 30 << false << 0.0 << false;
    QTest::newRow("hours, shrinkage 30: Sched") << 60 << false << 30.0 << false;
    QTest::newRow("quarter hours with slot times, Erlang A") << 15 << true << 0.0 << true;
    QTest::newRow("half hours with slot times, shrinkage 12.5") << 30 << true << 12.5 << false;
}

// Every open day needs what the agent window's Schedule of that day gives,
// closed days nothing, a day without calls no agent; the curves of the
// service-level goal are the day's roster check's.
void WeekScenarioTest::each_days_requirement_and_curves_are_its_schedules()
{
    QFETCH(int, slotMinutes);
    QFETCH(bool, slotTimes);
    QFETCH(double, shrinkage);
    QFETCH(bool, erlangA);
    QRandomGenerator random(uint(slotMinutes * 7 + slotTimes));
    WeekScenario week = randomWeek(random, slotMinutes, slotTimes);
    week.settings.Planning.shrinkagePercent = shrinkage;
    week.settings.Planning.model = erlangA ? QueueModel::ErlangA : QueueModel::ErlangC;
    const WeekScenario::Build build = week.shiftWeek(true);
    QVERIFY(build.week);
    QCOMPARE(build.week->slotMinutes, slotMinutes);
    for (int index = 0; index < WeekScenario::DayCount; ++index) {
        const ShiftWeek::Day &planned = build.week->days[std::size_t(index)];
        const WeekScenario::Day &day = week.days[std::size_t(index)];
        const QByteArray where = "day " + QByteArray::number(index);
        QCOMPARE(planned.date, day.date);
        if (!day.open) {
            QVERIFY2(!planned.shifts && !planned.service, where.constData());
            continue;
        }
        QCOMPARE(planned.shifts->startMinuteOfDay, day.startMinute);
        QCOMPARE(planned.shifts->slotCount(), day.slotCount(slotMinutes));
        QCOMPARE(planned.service->curves.size(), std::size_t(planned.shifts->slotCount()));
        if (!day.hasCalls()) {
            QCOMPARE(planned.shifts->requirement, std::vector<int>(day.calls.size(), 0));
            QCOMPARE(planned.service->goal, 0.8);
            continue;
        }
        const AgentScenario schedule = windowDay(week, index);
        QCOMPARE(planned.shifts->requirement, ScheduleShiftDay(schedule).requirement);
        const ServiceDay service = PlanServiceCheck(schedule.inputs()).serviceDay();
        QCOMPARE(planned.service->goal, service.goal);
        QCOMPARE(planned.service->answering(100), service.answering(100));
        for (std::size_t slot = 0; slot < service.curves.size(); ++slot) {
            QCOMPARE(planned.service->curves[slot].calls, service.curves[slot].calls);
            QCOMPARE(planned.service->curves[slot].lowest, service.curves[slot].lowest);
            QCOMPARE(planned.service->curves[slot].levels, service.curves[slot].levels);
        }
    }
    QVERIFY(!week.shiftWeek(false).week->days[0].service);
}

void WeekScenarioTest::a_refused_day_is_named_with_what_it_refused_data()
{
    QTest::addColumn<bool>("mondayClosed");
    QTest::addColumn<QString>("wrap");
    QTest::addColumn<int>("hugeSlot"); // Wednesday's slot (from 1) given a load beyond the limit; 0 none
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("failing");
    QTest::newRow("no handling time: Monday's talk field") << false << "00:00" << 0 << 0 << "MaskEdit2";
    QTest::newRow("Monday closed: Tuesday's") << true << "00:00" << 0 << 1 << "MaskEdit2";
    QTest::newRow("a load beyond the limit: Wednesday's slot") << false << "01:00" << 3 << 2 << "StringGrid1 row 3";
}

void WeekScenarioTest::a_refused_day_is_named_with_what_it_refused()
{
    QFETCH(bool, mondayClosed);
    QFETCH(QString, wrap);
    QFETCH(int, hugeSlot);
    QFETCH(int, day);
    QFETCH(QString, failing);
    QRandomGenerator random(5);
    WeekScenario week = randomWeek(random, 60, false);
    week.settings.setText(Field::MaskEdit2, QStringLiteral("00:00"));
    week.settings.setText(Field::MaskEdit3, wrap);
    week.days[0].open = !mondayClosed;
    week.days[1] = week.days[3];
    if (hugeSlot > 0)
        week.days[2].calls[std::size_t(hugeSlot - 1)] = 2000000000;
    const WeekScenario::Build build = week.shiftWeek();
    QVERIFY(!build.week);
    QCOMPARE(build.failingDay, day);
    const FailingInput refused = build.refused.failing;
    QCOMPARE(refused.isGridRow() ? QStringLiteral("%1 row %2").arg(refused.name()).arg(refused.row()) : refused.name(),
             failing);
}

// Each open day's staffed agents are the Have column of that day's
// scenario, and its roster check is the one the agent window shows.
void WeekScenarioTest::a_plans_staffing_becomes_each_days_roster()
{
    QRandomGenerator random(17);
    WeekScenario week = randomWeek(random, 30, true);
    week.settings.Planning.shrinkagePercent = 20;
    WeekPlan plan;
    for (int index = 0; index < WeekScenario::DayCount; ++index) {
        WeekPlan::Day &day = plan.days[std::size_t(index)];
        day.open = week.days[std::size_t(index)].open;
        for (int slot = 0; slot < week.days[std::size_t(index)].slotCount(30); ++slot) {
            ShiftPlan::Slot cover;
            cover.staffed = random.bounded(0, 60);
            day.coverage.push_back(cover);
        }
    }
    week.checkPlan(plan);
    for (int index = 0; index < WeekScenario::DayCount; ++index) {
        const WeekPlan::Day &day = plan.days[std::size_t(index)];
        if (!week.days[std::size_t(index)].hasCalls()) {
            QVERIFY(!day.serviceLevel);
            continue;
        }
        RosterValues roster;
        for (const ShiftPlan::Slot &slot : day.coverage)
            roster.push_back(slot.staffed);
        const ScenarioInputs inputs = week.dayInputs(index, plan);
        for (std::size_t slot = 0; slot < roster.size(); ++slot)
            QCOMPARE(inputs.SlotHave[slot + 1], roster[slot]);
        QVERIFY(!inputs.SlotHave[roster.size() + 1]);
        const RosterDay shown = ScheduleRosterDay(windowDay(week, index, roster));
        QCOMPARE(week.rosterDay(index, plan).serviceLevel, shown.serviceLevel);
        QCOMPARE(day.serviceLevel, shown.serviceLevel);
        QCOMPARE(ScheduleRosterDay(week.daySchedule(index, plan)).shortSlotCount, shown.shortSlotCount);
    }
}

// Without types of its own a week is planned with the default shift types
// from its earliest start to its latest end, and the default tours.
void WeekScenarioTest::defaults_cover_the_widest_open_period()
{
    WeekScenario week;
    week.settings.setSlotLength(SlotLength::HalfHour);
    QVERIFY(week.plannedShiftTypes().empty());
    const std::pair<int, int> periods[] = {{6 * 60, 14 * 60}, {10 * 60, 22 * 60}, {20 * 60, 2 * 60}};
    for (std::size_t day = 0; day < 3; ++day) {
        week.days[day].open = true;
        std::tie(week.days[day].startMinute, week.days[day].endMinute) = periods[day];
    }
    ShiftDay widest;
    widest.slotMinutes = 30;
    widest.startMinuteOfDay = 6 * 60;
    widest.requirement.assign(40, 0); // 06:00 to 02:00 the next morning
    QVERIFY(week.plannedShiftTypes() == ShiftType::defaultSet(widest));
    QVERIFY(week.plannedTourTypes() == TourType::defaultSet());

    week.shiftTypes = {ShiftType::defaultSet(widest).back()};
    week.tourTypes = {TourType::defaultSet().back()};
    QVERIFY(week.plannedShiftTypes() == week.shiftTypes);
    QVERIFY(week.plannedTourTypes() == week.tourTypes);
}

void WeekScenarioTest::the_two_goals_compare_by_their_lowest_day()
{
    // Closed days and open days without a level do not count.
    WeekPlan cover;
    cover.paidHours = 400;
    cover.agents.resize(10);
    const double levels[] = {0.91, 0.84};
    for (std::size_t day = 0; day < 3; ++day) {
        cover.days[day].open = true;
        if (day < 2)
            cover.days[day].serviceLevel = levels[day];
    }
    cover.days[3].serviceLevel = 0.2;
    WeekPlan service = cover;
    service.paidHours = 380.5;
    service.days[1].serviceLevel = 0.8;
    const auto lines = WeekPlanText::comparisonLines(&cover, &service);
    QCOMPARE(lines.size(), std::size_t(2));
    QCOMPARE(lines[0].first, QStringLiteral("Cover every slot"));
    QCOMPARE(lines[0].second, QStringLiteral("400.00 paid hours, 10 agents, lowest day's service level 84.0%"));
    QCOMPARE(lines[1].second, QStringLiteral("380.50 paid hours, 10 agents, lowest day's service level 80.0%"));
    QCOMPARE(WeekPlanText::comparisonLines(&cover, nullptr)[1].second, QStringLiteral("no plan"));
}

QTEST_GUILESS_MAIN(WeekScenarioTest)
#include "test_weekscenario.moc"
