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

QTEST_GUILESS_MAIN(DayPlanTest)
#include "test_dayplan.moc"
