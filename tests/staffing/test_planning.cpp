// SPDX-License-Identifier: MIT
#include "daytotalslines.h"
#include "goalrownotes.h"
#include "planservicecheck.h"
#include "roster.h"
#include "scenariotexts.h"
#include "scheduleshiftday.h"
#include "shiftplanpair.h"

#include <QRandomGenerator>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

// The planning options and the roster, through the scenario as the window
// and varnook-calc drive it.
class PlanningTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void goalRowAndScheduledAgents_data();
    void goalRowAndScheduledAgents();
    void erlangAThroughTheScenario();
    void scheduledAgentsRoundUpTheExactQuotient();
    void dayTotalsOfTheSchedule();
    void percentAboveALimitReadsAboveIt();
    void rosterCheckOfTheWorkedSchedule();
    void rosterWithShrinkageCountsTheAgentsRostered();
    void rosterAtItsBounds();
    void capBeyondFullServiceAndARosterOfOne();
    void tablesFilledAgainStartAfresh();
    void shiftPlannerStaffsWithSchedOrAgents_data();
    void shiftPlannerStaffsWithSchedOrAgents();
    void shiftPlannerStaffsASlotByItsOwnTimes();
    void serviceLevelPlanIsTheRosterChecks();
};

namespace {

QString sched(const AgentScenario &s, int row)
{
    return s.StringGrid1().cell(ResultTable::SchedColumn, row);
}

} // namespace

void PlanningTest::goalRowAndScheduledAgents_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<double>("shrinkage");
    QTest::addColumn<std::optional<double>>("cap");
    QTest::addColumn<QString>("goalAgents");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("scheduled"); // empty: no Sched column
    QTest::addColumn<unsigned>("decidedBy");
    const QStringList halfHour = {"08:00", "08:30", "100", "03:00", "00:00", "00:30", "80", "20"};
    const QStringList hour = {"08:00", "09:00", "1000", "02:00", "00:00", "00:30", "80", "20"};
    const auto none = std::optional<double>();
    QTest::newRow("70% cap, 30% shrinkage") << halfHour << 30.0 << std::optional<double>(70) << "15" << "67%"
                                           << "22" << unsigned(GoalRule::OccupancyCap);
    QTest::newRow("no option") << hour << 0.0 << none << "38" << "88%" << "" << unsigned(GoalRule::ServiceLevelGoal);
    // 39 agents would be 85.47 %: an 85 % cap is broken by it, exactly.
    QTest::newRow("85% cap") << hour << 0.0 << std::optional<double>(85) << "40" << "83%" << ""
                             << unsigned(GoalRule::OccupancyCap);
    QTest::newRow("30% shrinkage") << hour << 30.0 << none << "38" << "88%" << "55"
                                   << unsigned(GoalRule::ServiceLevelGoal);
    QTest::newRow("85% cap, 30% shrinkage") << hour << 30.0 << std::optional<double>(85) << "40" << "83%" << "58"
                                           << unsigned(GoalRule::OccupancyCap);
}

void PlanningTest::goalRowAndScheduledAgents()
{
    QFETCH(QStringList, texts);
    QFETCH(double, shrinkage);
    QFETCH(std::optional<double>, cap);
    QFETCH(QString, goalAgents);
    QFETCH(QString, usage);
    QFETCH(QString, scheduled);
    QFETCH(unsigned, decidedBy);
    AgentScenario s;
    setTexts(s, texts);
    PlanningOptions planning = s.inputs().Planning;
    planning.shrinkagePercent = shrinkage;
    planning.maxOccupancyPercent = cap;
    s.setPlanning(planning);
    QVERIFY(s.Recalculate().valid);
    const int goal = s.results().goalRow;
    QVERIFY(goal > 0);
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, goal), goalAgents);
    QCOMPARE(s.StringGrid1().cell(ResultTable::UsageColumn, goal), usage);
    QCOMPARE(sched(s, goal), scheduled);
    QCOMPARE(s.StringGrid1().isShown(ResultTable::SchedColumn), !scheduled.isEmpty());
    if (goal > 1)
        QCOMPARE(s.results().goalDecidedBy, decidedBy);
}

void PlanningTest::erlangAThroughTheScenario()
{
    AgentScenario s;
    setTexts(s, {"08:00", "08:30", "100", "03:00", "00:00", "05:00", "80", "20"});
    PlanningOptions planning = s.inputs().Planning;
    planning.model = QueueModel::ErlangA;
    s.setPlanning(planning);
    QVERIFY(s.Recalculate().valid);
    // The table starts below the load of 10 agents.
    QVERIFY(s.results().rowValues.front().agents < 10);
    const auto at14 = std::find_if(s.results().rowValues.begin(), s.results().rowValues.end(),
                                   [](const RowValues &v) { return v.agents == 14; });
    QVERIFY(at14 != s.results().rowValues.end());
    QCOMPARE(std::round(at14->figures.waitProbability * 1e5) / 1e3, 14.526);
    QCOMPARE(std::round(at14->figures.abandonRate * 1e6) / 1e4, 1.3984);
    QCOMPARE(std::round(at14->figures.serviceLevel * 1e5) / 1e3, 91.679);

    // Callers who hang up need a patience of at least a second.
    s.setText(Field::MaskEdit4, QStringLiteral("00:00"));
    const RecalcResult refused = s.Recalculate();
    QVERIFY(!refused.valid);
    QCOMPARE(refused.failing, FailingInput::ofField(Field::MaskEdit4));
    planning.model = QueueModel::ErlangC;
    s.setPlanning(planning);
    QVERIFY(s.Recalculate().valid);
}

void PlanningTest::scheduledAgentsRoundUpTheExactQuotient()
{
    // The least whole number of agents whose share on the phones covers the
    // required ones: 70 at 30 % is 100, though 70 / 0.7 is 100.00000000000001
    // in doubles.
    PlanningOptions options;
    for (int percent = 0; percent <= 95; ++percent) {
        options.shrinkagePercent = percent;
        for (long long agents = 0; agents <= 2000; ++agents) {
            const auto scheduled = static_cast<long long>(options.scheduledAgents(static_cast<double>(agents)));
            QVERIFY(scheduled * (100 - percent) >= agents * 100);
            QVERIFY(scheduled == 0 || (scheduled - 1) * (100 - percent) < agents * 100);
        }
    }
}

void PlanningTest::percentAboveALimitReadsAboveIt()
{
    QCOMPARE(PercentAbove(85.47, 85), QStringLiteral("85.5"));
    QCOMPARE(PercentAbove(85.004, 85), QStringLiteral("85.004"));
    QCOMPARE(PercentAbove(1.0001, 1), QStringLiteral("1.0001"));
}

void PlanningTest::dayTotalsOfTheSchedule()
{
    AgentScenario s = workedScheduleScenario();
    PlanningOptions planning = s.inputs().Planning;
    planning.shrinkagePercent = 30;
    planning.paidMinutes = 8 * 60;
    s.setPlanning(planning);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(column(s, ResultTable::SchedColumn), (QStringList{"0", "5", "15", "29"}));
    const DayTotals totals = ScheduleDayTotals(s);
    QCOMPARE(totals.requiredAgentHours, 16.5); // (3 + 10 + 20) x 0.5
    QCOMPARE(totals.scheduledAgentHours, 24.5); // (5 + 15 + 29) x 0.5
    QCOMPARE(totals.fte, 24.5 / 8);
    QCOMPARE(totals.peakSlot, QStringLiteral("09:30"));
    QCOMPARE(totals.peakAgents, 20.0);
    // Sched stands right after Agents.
    const std::vector<int> shown = s.StringGrid1().shownColumns();
    QCOMPARE(shown.at(3), int(ResultTable::SchedColumn));
}

void PlanningTest::rosterCheckOfTheWorkedSchedule()
{
    AgentScenario s = workedScheduleScenario();
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(s.StringGrid1().shownColumns().size(), std::size_t(ResultTable::ColumnCount));
    const int roster[] = {0, 3, 9, 20};
    for (int slot = 1; slot <= 4; ++slot)
        ScenarioEvents(s).StringGrid1SetEditText(ResultTable::HaveColumn, slot, QString::number(roster[slot - 1]));
    QVERIFY(!s.inputs().hasRoster()); // hidden columns take nothing
    s.setRosterView(true);
    QVERIFY(s.Recalculate().valid);
    for (int slot = 1; slot <= 4; ++slot)
        ScenarioEvents(s).StringGrid1SetEditText(ResultTable::HaveColumn, slot, QString::number(roster[slot - 1]));
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::HaveColumn, 1, QStringLiteral("x")); // refused: kept
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(column(s, ResultTable::HaveColumn), (QStringList{"0", "3", "9", "20"}));
    QCOMPARE(column(s, ResultTable::GapColumn), (QStringList{"0", "0", "-1", "0"}));

    // The 09:00 slot at 9 agents gives what the Agents table of its 50
    // calls in 30 minutes gives at 9 agents.
    AgentScenario agents;
    setTexts(agents, {"08:00", "08:30", "50", "03:00", "01:00", "00:30", "80", "20"});
    QVERIFY(agents.Recalculate().valid);
    const QStringList agentNumbers = column(agents, ResultTable::AgentsColumn);
    const int row9 = static_cast<int>(agentNumbers.indexOf(QStringLiteral("9"))) + 1;
    QVERIFY(row9 > 0);
    QCOMPARE(s.StringGrid1().cell(ResultTable::HaveServiceColumn, 3),
             agents.StringGrid1().cell(ResultTable::ServiceColumn, row9));
    QCOMPARE(s.StringGrid1().cell(ResultTable::HaveUsageColumn, 3),
             agents.StringGrid1().cell(ResultTable::UsageColumn, row9));

    const RosterDay day = ScheduleRosterDay(s);
    QCOMPARE(day.shortSlots, 1);
    QCOMPARE(day.shortfallAgentHours, 0.5);
    QCOMPARE(day.agentHours, 16.0);
    const std::vector<RowValues> &v = s.results().rowValues;
    const double weighted = (10 * v[1].haveFigures.serviceLevel + 50 * v[2].haveFigures.serviceLevel
                             + 120 * v[3].haveFigures.serviceLevel) / 180;
    QCOMPARE(*day.serviceLevel, weighted);

    // One agent cannot carry the 08:30 slot's load of 1.33: the slot is
    // overloaded and answers nothing in time.
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::HaveColumn, 2, QStringLiteral("1"));
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::HaveServiceColumn, 2), QStringLiteral("overloaded"));
    const double withOverload = (50 * s.results().rowValues[2].haveFigures.serviceLevel
                                 + 120 * s.results().rowValues[3].haveFigures.serviceLevel) / 180;
    QCOMPARE(*ScheduleRosterDay(s).serviceLevel, withOverload);
    QCOMPARE(ScheduleRosterDay(s).shortSlots, 2);
}

void PlanningTest::rosterWithShrinkageCountsTheAgentsRostered()
{
    // At 30 % shrinkage the 09:00 slot needs 10 agents and 15 rostered: a
    // roster of 10 is 5 short, and 7 of them answer calls.
    AgentScenario s = workedScheduleScenario();
    PlanningOptions planning = s.inputs().Planning;
    planning.shrinkagePercent = 30;
    s.setPlanning(planning);
    s.setRosterView(true);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::HaveColumn, 3, QStringLiteral("10"));
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::HaveColumn, 4, QStringLiteral("29"));
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::GapColumn, 3), QStringLiteral("-5"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::GapColumn, 4), QStringLiteral("0"));
    QCOMPARE(ScheduleRosterDay(s).shortSlots, 1);
    QCOMPARE(ScheduleRosterDay(s).shortfallAgentHours, 2.5);
    QCOMPARE(ScheduleRosterDay(s).agentHours, 19.5);

    AgentScenario seven = workedScheduleScenario();
    seven.setRosterView(true);
    QVERIFY(ScenarioEvents(seven).TabSet1Click(Tab::Schedule).valid);
    ScenarioEvents(seven).StringGrid1SetEditText(ResultTable::HaveColumn, 3, QStringLiteral("7"));
    QVERIFY(seven.Recalculate().valid);
    QCOMPARE(s.results().rowValues[2].haveFigures.serviceLevel, seven.results().rowValues[2].haveFigures.serviceLevel);

    PlanningOptions options;
    for (int percent = 0; percent <= 95; ++percent) {
        options.shrinkagePercent = percent;
        for (int rostered = 0; rostered <= 500; ++rostered) {
            const long long answering = options.answeringAgents(rostered);
            QVERIFY(answering * 100 <= rostered * (100LL - percent));
            QVERIFY((answering + 1) * 100 > rostered * (100LL - percent));
        }
    }
}

void PlanningTest::rosterAtItsBounds()
{
    // A roster of empty entries only writes nothing (trimming must stop at
    // the first entry).
    QCOMPARE(RosterListText(RosterValues(3)), QString());
    QCOMPARE(RosterListText(RosterValues{std::nullopt, 4, std::nullopt}), QStringLiteral(",4"));

    // One call in the whole day still gives the day a roster service level.
    AgentScenario s = workedScheduleScenario();
    s.setRosterView(true);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    for (int slot = 1; slot <= 4; ++slot)
        ScenarioEvents(s).StringGrid1SetEditText(ResultTable::CallsColumn, slot, QString::number(slot == 2 ? 1 : 0));
    ScenarioEvents(s).StringGrid1SetEditText(ResultTable::HaveColumn, 2, QStringLiteral("1"));
    QVERIFY(s.Recalculate().valid);
    const RosterDay day = ScheduleRosterDay(s);
    QVERIFY(day.serviceLevel.has_value());
    QCOMPARE(*day.serviceLevel, s.results().rowValues[1].haveFigures.serviceLevel);
}

void PlanningTest::capBeyondFullServiceAndARosterOfOne()
{
    // A 20 % cap on a load of 10 needs 50 agents, far beyond the service
    // level's 99.9 %: the table goes on to its goal row.
    AgentScenario s;
    setTexts(s, {"08:00", "08:30", "100", "03:00", "00:00", "00:30", "80", "20"});
    PlanningOptions planning = s.inputs().Planning;
    planning.maxOccupancyPercent = 20;
    s.setPlanning(planning);
    QVERIFY(s.Recalculate().valid);
    QVERIFY(s.results().goalRow > 1);
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, s.results().goalRow), QStringLiteral("50"));

    // With callers who hang up, one agent carries any load: a roster of one
    // gives figures, not "overloaded".
    AgentScenario day = workedScheduleScenario();
    PlanningOptions dayPlanning = day.inputs().Planning;
    dayPlanning.model = QueueModel::ErlangA;
    day.setPlanning(dayPlanning);
    day.setRosterView(true);
    QVERIFY(ScenarioEvents(day).TabSet1Click(Tab::Schedule).valid);
    ScenarioEvents(day).StringGrid1SetEditText(ResultTable::HaveColumn, 4, QStringLiteral("1"));
    QVERIFY(day.Recalculate().valid);
    QVERIFY(day.results().rowValues[3].haveCarries);
    QVERIFY(day.StringGrid1().cell(ResultTable::HaveServiceColumn, 4).endsWith(QLatin1Char('%')));
}

void PlanningTest::tablesFilledAgainStartAfresh()
{
    // Filling a table again replaces its row values, and the Agents layout
    // after the Schedule's has no fixed column.
    AgentScenario s = workedScheduleScenario();
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(s.StringGrid1().fixedColumns(), 1);
    s.FillTable();
    QCOMPARE(s.results().rowValues.size(), std::size_t(4));
    s.setText(Field::Edit1, QStringLiteral("100"));
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Agents).valid);
    QCOMPARE(s.StringGrid1().fixedColumns(), 0);
    const std::size_t rows = s.results().rowValues.size();
    s.FillTable();
    QCOMPARE(s.results().rowValues.size(), rows);
}

void PlanningTest::shiftPlannerStaffsWithSchedOrAgents_data()
{
    QTest::addColumn<double>("shrinkage");
    QTest::addColumn<std::vector<int>>("requirement");
    QTest::newRow("no shrinkage: Agents") << 0.0 << std::vector<int>{0, 3, 10, 20};
    QTest::newRow("shrinkage 30: Sched") << 30.0 << std::vector<int>{0, 5, 15, 29};
}

// The worked Schedule's day as the shift planner is given it: slots of 30
// minutes from 08:00, each needing the agents the planner staffs with.
void PlanningTest::shiftPlannerStaffsWithSchedOrAgents()
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
void PlanningTest::shiftPlannerStaffsASlotByItsOwnTimes()
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
void PlanningTest::serviceLevelPlanIsTheRosterChecks()
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

QTEST_GUILESS_MAIN(PlanningTest)
#include "test_planning.moc"
