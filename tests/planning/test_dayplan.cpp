// SPDX-License-Identifier: MIT
#include "daytotalslines.h"
#include "planservicecheck.h"
#include "roster.h"
#include "scenarioevents.h"
#include "scenariotexts.h"
#include "scheduleshiftday.h"
#include "shiftplanpair.h"

#include <QtTest>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(QueueModel)

namespace {

// A day of 30-minute slots from 07:00 to 15:00 with a morning peak and quiet
// edges, whose plan for the day's service level of 80% leaves quiet slots
// well below it.
AgentScenario FloorDay(QueueModel model, double shrinkage)
{
    AgentScenario s;
    setTexts(s, {"07:00", "15:00", "1000", "03:00", "01:00", "00:30", "80", "20"});
    useHalfHours(s);
    const int calls[16] = {4, 10, 30, 70, 110, 130, 120, 100, 80, 60, 50, 40, 30, 20, 10, 4};
    for (int slot = 1; slot <= 16; ++slot)
        s.setSlotCalls(slot, calls[slot - 1]);
    s.setSlotCallsEdited(true);
    PlanningOptions planning;
    planning.model = model;
    planning.shrinkagePercent = shrinkage;
    s.setPlanning(planning);
    return s;
}

// The roster check's figures of each slot when slot s has staffed[s] agents.
std::vector<RowValues> RosterRows(AgentScenario s, const std::vector<int> &staffed)
{
    for (std::size_t slot = 0; slot < staffed.size(); ++slot)
        s.setSlotHave(static_cast<int>(slot) + 1, staffed[slot]);
    if (!s.Recalculate().valid)
        return {};
    return s.results().rowValues;
}

} // namespace

// A Schedule's day as the shift planner is given it, and the roster check
// of the plans it gives back.
class DayPlanTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shiftPlannerStaffsWithSchedOrAgents_data();
    void shiftPlannerStaffsWithSchedOrAgents();
    void shiftPlannerStaffsASlotByItsOwnTimes();
    void serviceLevelPlanIsTheRosterChecks();
    void slotFloorLiftsEverySlotToIt_data();
    void slotFloorLiftsEverySlotToIt();
    void slotFloorBeyondTheCurvesIsNamed();
};

void DayPlanTest::shiftPlannerStaffsWithSchedOrAgents_data()
{
    QTest::addColumn<double>("shrinkage");
    QTest::addColumn<std::vector<int>>("requirement");
    QTest::newRow("no shrinkage: Agents") << 0.0 << std::vector<int>{0, 3, 10, 20};
    QTest::newRow("shrinkage 30: Sched") << 30.0 << std::vector<int>{0, 5, 15, 29};
}

// The worked Schedule's day as the shift planner is given it: slots of 30
// minutes from 08:00, each needing the agents the planner staffs with.
void DayPlanTest::shiftPlannerStaffsWithSchedOrAgents()
{
    QFETCH(double, shrinkage);
    QFETCH(std::vector<int>, requirement);
    AgentScenario s = workedScheduleScenario();
    PlanningOptions planning = s.inputs().Planning;
    planning.shrinkagePercent = shrinkage;
    s.setPlanning(planning);
    QCOMPARE(ScheduleShiftDay(s).requirement, std::vector<int>(4, 0)); // not filled yet
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    const ShiftDay day = ScheduleShiftDay(s);
    QCOMPARE(day.slotMinutes, 30);
    QCOMPARE(day.startMinuteOfDay, 8 * 60);
    QCOMPARE(day.requirement, requirement);
}

// A slot's own talk time sets what the planner must staff in it, in
// quarter hours too; the other slots keep their requirement.
void DayPlanTest::shiftPlannerStaffsASlotByItsOwnTimes()
{
    AgentScenario s = workedScheduleScenario();
    ScenarioEvents(s).SlotButtonClick(SlotLength::Quarter);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    const std::vector<int> before = ScheduleShiftDay(s).requirement;
    QCOMPARE(before.size(), std::size_t(8));
    s.setSlotTimes(8, 600, s.inputs().SlotWrapSeconds[8]);
    QVERIFY(s.Recalculate().valid);
    const ShiftDay day = ScheduleShiftDay(s);
    QCOMPARE(day.slotMinutes, 15);
    QVERIFY2(day.requirement[7] > before[7], qPrintable(QString::number(day.requirement[7])));
    QCOMPARE(day.requirement[7], column(s, ResultTable::SlotAgentsColumn).at(7).toInt());
    for (std::size_t slot = 0; slot < 7; ++slot)
        QCOMPARE(day.requirement[slot], before[slot]);
}

// Random days, models, shrinkages, goals and maximums: the plan for the
// day's service level reports the roster check's figure for its staffed agents, as the
// Schedule shows it once the plan is the roster, and a plan that claims to
// reach its goal does. The planner's rounding down of the staffed agents
// who answer is the roster's.
void DayPlanTest::serviceLevelPlanIsTheRosterChecks()
{
    QRandomGenerator random(29);
    for (int round = 0; round < 10; ++round) {
        AgentScenario s;
        const int goal = random.bounded(60, 96);
        setTexts(s, {"07:00", "15:00", "1000", "03:00", "01:00", "00:30", QString::number(goal), "20"});
        useHalfHours(s);
        for (int slot = 1; slot <= 16; ++slot)
            s.setSlotCalls(slot, random.bounded(4) == 0 ? 0 : random.bounded(1, 300));
        s.setSlotCallsEdited(true);
        PlanningOptions planning;
        planning.model = random.bounded(2) ? QueueModel::ErlangA : QueueModel::ErlangC;
        planning.shrinkagePercent = random.bounded(3) == 0 ? 0 : random.bounded(1, 4000) / 100.0;
        s.setPlanning(planning);
        QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
        const ShiftDay day = ScheduleShiftDay(s);
        const PlanServiceCheck check(s.inputs());
        const ServiceDay service = check.serviceDay();
        for (int staffed = 0; staffed <= 300; ++staffed)
            QCOMPARE(service.answering(staffed), planning.answeringAgents(staffed));

        std::vector<ShiftType> types = ShiftType::defaultSet(day);
        if (random.bounded(3) == 0) {
            for (ShiftType &type : types)
                type.maxAgents = random.bounded(2, 10);
        }
        MipSettings settings;
        settings.timeLimitSeconds = 10;
        const ShiftPlanPair plans = ShiftPlanPair::solve(day, types, settings, &check);
        const QByteArray where = "round " + QByteArray::number(round);
        QVERIFY2(plans.complete(), where.constData());
        const ShiftPlan &plan = *plans.service->plan;
        // The cover plan staffs every lowest level: when it reaches the goal
        // it is one of the plans weighed.
        const ShiftPlan &cover = *plans.cover.plan;
        if (plan.solver.optimal() && cover.dayServiceLevel >= plan.serviceGoal)
            QVERIFY2(plan.paidHours <= cover.paidHours, where.constData());

        const std::vector<int> staffed = plan.staffedPerSlot();
        for (std::size_t slot = 0; slot < staffed.size(); ++slot)
            s.setSlotHave(static_cast<int>(slot) + 1, staffed[slot]);
        QVERIFY(s.Recalculate().valid);
        QCOMPARE(plan.dayServiceLevel, ScheduleRosterDay(s).serviceLevel);
        QVERIFY2(plan.serviceReachable || plan.meetsServiceGoal(), where.constData());
        // Short of a goal beyond reach by no more than the model's margin.
        QVERIFY2(!plan.serviceReachable || *plan.dayServiceLevel > *plan.serviceReachable - 1e-5, where.constData());
    }
}

void DayPlanTest::slotFloorLiftsEverySlotToIt_data()
{
    QTest::addColumn<QueueModel>("model");
    QTest::addColumn<double>("shrinkage");
    QTest::addColumn<double>("floor");
    QTest::addColumn<double>("maxAbandon"); // -1: none
    QTest::newRow("erlang c") << QueueModel::ErlangC << 0.0 << 70.0 << -1.0;
    QTest::newRow("erlang a, abandoned at most 3 percent") << QueueModel::ErlangA << 0.0 << 60.0 << 3.0;
    QTest::newRow("shrinkage 20") << QueueModel::ErlangC << 20.0 << 70.0 << -1.0;
}

// A slot floor: the plan for the day's service level that leaves a slot
// below it without the floor gives every slot at least the floor with it,
// by the roster check's own figures, and costs more. Each slot's floor count
// is the least that meets it.
void DayPlanTest::slotFloorLiftsEverySlotToIt()
{
    QFETCH(QueueModel, model);
    QFETCH(double, shrinkage);
    QFETCH(double, floor);
    QFETCH(double, maxAbandon);
    AgentScenario s = FloorDay(model, shrinkage);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    const ShiftDay day = ScheduleShiftDay(s);
    const std::vector<ShiftType> types = ShiftType::defaultSet(day);
    MipSettings settings;
    settings.timeLimitSeconds = 20;
    SlotFloor slotFloor{floor, maxAbandon < 0 ? std::nullopt : std::optional<double>(maxAbandon)};
    auto missed = [&](const std::vector<RowValues> &rows) {
        int count = 0;
        for (const RowValues &row : rows)
            count += row.evaluated && !(row.haveCarries && slotFloor.metBy(row.haveFigures.serviceLevel, row.haveFigures.abandonRate));
        return count;
    };
    const PlanServiceCheck plainCheck(s.inputs());
    const ShiftPlanPair plain = ShiftPlanPair::solve(day, types, settings, &plainCheck);
    QVERIFY(plain.complete() && !plain.service->plan->floorCheck);
    QVERIFY2(missed(RosterRows(s, plain.service->plan->staffedPerSlot())) > 0, "the plan meets the floor already");

    s.setServiceFloor(slotFloor);
    const PlanServiceCheck check(s.inputs());
    const ServiceDay service = check.serviceDay();
    if (shrinkage == 0) {
        // Staffed as each floor count asks, every slot meets the floor;
        // one agent fewer misses it wherever the count is above the lowest.
        std::vector<int> counts;
        std::vector<int> fewer;
        for (const ServiceCurve &curve : service.curves) {
            QVERIFY(curve.calls == 0 || (curve.floor >= curve.lowest && !curve.floorOutOfReach));
            counts.push_back(curve.floor);
            fewer.push_back(curve.floor > curve.lowest ? curve.floor - 1 : 0);
        }
        QCOMPARE(missed(RosterRows(s, counts)), 0);
        const std::vector<RowValues> below = RosterRows(s, fewer);
        for (std::size_t slot = 0; slot < counts.size(); ++slot)
            QVERIFY(fewer[slot] == 0 || missed({below[slot]}) == 1);
    }
    const ShiftPlanPair floored = ShiftPlanPair::solve(day, types, settings, &check);
    QVERIFY(floored.complete());
    const ShiftPlan &plan = *floored.service->plan;
    QVERIFY(plan.floorCheck && plan.floorCheck->missedSlots.empty() && plan.floorCheck->outOfReachSlots.empty());
    QCOMPARE(missed(RosterRows(s, plan.staffedPerSlot())), 0);
    QVERIFY(plan.meetsServiceGoal());
    QVERIFY(plan.paidHours > plain.service->plan->paidHours);
}

// A floor no agent number within the curve's range meets, on a slot of
// 20,000 agents' load whose goal is an answer within a second: the curve
// says so and asks for no count.
void DayPlanTest::slotFloorBeyondTheCurvesIsNamed()
{
    AgentScenario s;
    setTexts(s, {"08:00", "09:00", "400000", "03:00", "00:00", "00:30", "80", "1"});
    useHalfHours(s);
    s.setSlotCalls(1, 200000);
    s.setSlotCalls(2, 200000);
    s.setSlotCallsEdited(true);
    s.setServiceFloor(SlotFloor{99.9, std::nullopt});
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    const ServiceDay service = PlanServiceCheck(s.inputs()).serviceDay();
    QCOMPARE(service.curves.size(), std::size_t(2));
    for (const ServiceCurve &curve : service.curves) {
        QVERIFY(curve.floorOutOfReach && curve.floor == 0);
        QCOMPARE(curve.levels.size(), std::size_t(ServiceCurve::MaxSteps));
    }
}

QTEST_GUILESS_MAIN(DayPlanTest)
#include "test_dayplan.moc"
