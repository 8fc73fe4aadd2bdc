// SPDX-License-Identifier: MIT
#include "glpsol.h"
#include "idleagents.h"
#include "lpformat.h"
#include "serviceday.h"
#include "serviceplanner.h"
#include "shiftcovermodel.h"
#include "shiftday.h"
#include "shiftplantext.h"
#include "shifttype.h"
#include "shiftvariant.h"
#include "twostagesolve.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

namespace {

ShiftType Type(const char *name, int hours, int earliest, int latest)
{
    ShiftType type;
    type.name = QString::fromLatin1(name);
    type.lengthMinutes = hours * 60;
    type.earliestStart = earliest;
    type.latestStart = latest;
    return type;
}

ShiftType WithBreak(ShiftType type, int length, int from, int to, bool paid = false)
{
    type.breakRule = ShiftType::Break{length, from, to, paid};
    return type;
}

ShiftType WithMax(ShiftType type, int max)
{
    type.maxAgents = max;
    return type;
}

ShiftDay Day(int slotMinutes, int start, std::vector<int> requirement)
{
    return ShiftDay{slotMinutes, start, std::move(requirement)};
}

MipSettings Settings()
{
    MipSettings settings;
    settings.timeLimitSeconds = 20;
    return settings;
}

constexpr int H = 60;

// A day's service of `goal` over slots of the given calls, each with the
// same curve from `lowest` answering agents.
ServiceDay Service(double goal, std::vector<double> calls, int lowest, std::vector<double> levels, int share = AnsweringShare::Unit)
{
    ServiceDay service{goal, share, {}, {}};
    for (const double c : calls)
        service.curves.push_back(ServiceCurve{c, lowest, levels});
    return service;
}

// The same day under a slot floor whose counts, slot by slot, are `floors`
// answering agents (0: none).
ServiceDay WithFloor(ServiceDay service, std::vector<int> floors)
{
    service.floor.servicePercent = 80;
    for (std::size_t s = 0; s < floors.size(); ++s)
        service.curves[s].floor = floors[s];
    return service;
}

} // namespace

Q_DECLARE_METATYPE(ShiftDay)
Q_DECLARE_METATYPE(std::vector<ShiftType>)
Q_DECLARE_METATYPE(ShiftField)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(ServiceDay)
Q_DECLARE_METATYPE(std::vector<double>)

class TestShiftPlanner : public QObject
{
    Q_OBJECT

private slots:
    void refusesInputNamingShiftAndField_data();
    void refusesInputNamingShiftAndField();
    void findsHandKnownOptimum_data();
    void findsHandKnownOptimum();
    void serviceGoalFindsHandKnownOptimum_data();
    void serviceGoalFindsHandKnownOptimum();
    void curveIsConcaveFromItsLastRise_data();
    void curveIsConcaveFromItsLastRise();
    void randomDaysAreCoveredAtBoundedCost();
    void lpFileGivesTheSameOptimumInGlpk_data();
    void lpFileGivesTheSameOptimumInGlpk();
    void cancelledBeforeStartChangesNothing();
    void cancelInTheSecondStageKeepsTheFirstStagesPlan();
    void solverErrorIsAFailureNotACrash();
    void solverStatusSaysHowFarFromTheBound_data();
    void solverStatusSaysHowFarFromTheBound();
    void serviceNotesNameTheShortfall_data();
    void serviceNotesNameTheShortfall();
    void shortCoverLeadsWithTheRequirementMet();
    void floorLinesNameTheSlotsBelowIt();
    void unweighedPlanPaysForNoIdleAgent();
};

void TestShiftPlanner::refusesInputNamingShiftAndField_data()
{
    QTest::addColumn<ShiftDay>("day");
    QTest::addColumn<std::vector<ShiftType>>("types");
    QTest::addColumn<int>("shift");
    QTest::addColumn<ShiftField>("field");
    QTest::addColumn<QString>("words");

    const ShiftDay day = Day(30, 8 * H, std::vector<int>(18, 2)); // 08:00 to 17:00
    const ShiftType good = Type("Day", 4, 8 * H, 13 * H);
    using V = std::vector<ShiftType>;
    QTest::newRow("no types") << day << V{} << -1 << ShiftField::ShiftList << "no shift type";
    QTest::newRow("no requirement") << Day(30, 8 * H, std::vector<int>(18, 0)) << V{good} << -1 << ShiftField::Day
                                    << "nothing to plan";
    QTest::newRow("negative requirement") << Day(30, 8 * H, {1, -1}) << V{good} << -1 << ShiftField::Day
                                          << "08:30 needs -1 agents";
    QTest::newRow("no name") << day << V{good, Type(" ", 4, 8 * H, 9 * H)} << 1 << ShiftField::Name << "type 2";
    QTest::newRow("length not whole slots") << day << V{[&] { auto t = good; t.lengthMinutes = 4 * H + 10; return t; }()}
                                            << 0 << ShiftField::Length << "\"Day\": the length 4:10 is not a whole number of 30-minute slots";
    QTest::newRow("longer than the day") << day << V{Type("Long", 10, 8 * H, 8 * H)} << 0 << ShiftField::Length << "longer than the day";
    QTest::newRow("start before the day") << day << V{Type("Early", 4, 6 * H, 9 * H)} << 0 << ShiftField::EarliestStart
                                          << "earliest start 06:00 lies outside the day (08:00 to 17:00)";
    QTest::newRow("start off the slots") << day << V{Type("Odd", 4, 8 * H + 15, 9 * H)} << 0 << ShiftField::EarliestStart
                                         << "08:15 is not the start";
    QTest::newRow("ends after the day") << day << V{Type("Late", 4, 8 * H, 14 * H)} << 0 << ShiftField::LatestStart
                                        << "ends at 18:00, after the day's end 17:00";
    QTest::newRow("latest before earliest") << day << V{Type("Back", 4, 10 * H, 9 * H)} << 0 << ShiftField::LatestStart
                                            << "comes before";
    QTest::newRow("break as long as the shift") << day << V{WithBreak(good, 4 * H, 0, 0)} << 0 << ShiftField::BreakLength
                                                << "not shorter than the shift";
    QTest::newRow("break not whole slots") << day << V{WithBreak(good, 20, H, 2 * H)} << 0 << ShiftField::BreakLength
                                           << "0:20";
    QTest::newRow("break ends after the shift") << day << V{WithBreak(good, 30, H, 4 * H)} << 0 << ShiftField::BreakLatest
                                                << "ends after the shift";
    QTest::newRow("break with the shift's start") << day << V{WithBreak(good, 30, 0, H)} << 0 << ShiftField::BreakEarliest
                                                  << "only shortens it";
    QTest::newRow("break ending with the shift") << day << V{WithBreak(good, 30, H, 3 * H + 30)} << 0
                                                 << ShiftField::BreakLatest << "ends with the shift's 4:00";
    QTest::newRow("break window backwards") << day << V{WithBreak(good, 30, 2 * H, H)} << 0 << ShiftField::BreakLatest
                                            << "not before its earliest";
    QTest::newRow("maximum of 0") << day << V{good, WithMax(Type("Part", 4, 8 * H, 9 * H), 0)} << 1
                                  << ShiftField::MaxAgents << "\"Part\": the maximum of 0 agents";
}

void TestShiftPlanner::refusesInputNamingShiftAndField()
{
    QFETCH(ShiftDay, day);
    QFETCH(std::vector<ShiftType>, types);
    QFETCH(int, shift);
    QFETCH(ShiftField, field);
    QFETCH(QString, words);

    const ShiftPlanResult result = PlanShifts(day, types, Settings());
    QVERIFY(!result.plan);
    QVERIFY(result.problem);
    QCOMPARE(result.problem->shift, shift);
    QCOMPARE(result.problem->field, field);
    QVERIFY2(result.problem->message.contains(words), qPrintable(result.problem->message));
}

void TestShiftPlanner::findsHandKnownOptimum_data()
{
    QTest::addColumn<ShiftDay>("day");
    QTest::addColumn<std::vector<ShiftType>>("types");
    QTest::addColumn<double>("paidHours");
    QTest::addColumn<int>("agents");
    QTest::addColumn<int>("shortfall");
    QTest::addColumn<std::vector<int>>("unreachable");
    QTest::addColumn<std::vector<int>>("staffed");
    using V = std::vector<ShiftType>;
    using I = std::vector<int>;

    // Two 4-hour shifts cost 8 hours; one 8-hour shift with its unpaid break
    // cannot cover the slot of its break, so the short type is cheaper.
    QTest::newRow("short shifts beat a broken long one")
        << Day(60, 8 * H, I(8, 1)) << V{WithBreak(Type("Long", 8, 8 * H, 8 * H), 60, 3 * H, 4 * H), Type("Half", 4, 8 * H, 12 * H)}
        << 8.0 << 2 << 0 << I{} << I(8, 1);
    // Every slot but the break's needs one agent: the 8-hour shift pays 7.
    QTest::newRow("the break falls where no agent is needed")
        << Day(60, 8 * H, I{1, 1, 1, 1, 0, 1, 1, 1}) << V{WithBreak(Type("Long", 8, 8 * H, 8 * H), 60, 3 * H, 5 * H), Type("Half", 4, 8 * H, 12 * H)}
        << 7.0 << 1 << 0 << I{} << I{1, 1, 1, 1, 0, 1, 1, 1};
    // A paid break is paid: 8 hours against two 4-hour shifts' 8; either way 8.
    QTest::newRow("paid break counts")
        << Day(60, 8 * H, I{1, 1, 1, 1, 0, 1, 1, 1}) << V{WithBreak(Type("Long", 8, 8 * H, 8 * H), 60, 4 * H, 4 * H, true)}
        << 8.0 << 1 << 0 << I{} << I{1, 1, 1, 1, 0, 1, 1, 1};
    // Peaks of 3 at both ends of a 2-hour trough of 1: 2-hour shifts.
    QTest::newRow("peaks and a trough")
        << Day(60, 8 * H, I{3, 3, 1, 1, 3, 3}) << V{Type("Two", 2, 8 * H, 12 * H), Type("Six", 6, 8 * H, 8 * H)}
        << 14.0 << 7 << 0 << I{} << I{3, 3, 1, 1, 3, 3};
    // The 11:00 slot is out of every shift's reach and is left out.
    QTest::newRow("unreachable slot left out")
        << Day(60, 8 * H, I{1, 1, 1, 3}) << V{Type("Two", 2, 8 * H, 9 * H)} << 4.0 << 2 << 0 << I{3} << I{1, 2, 1, 0};
    // At most one agent on the only type: one agent-slot short in each slot.
    QTest::newRow("maximum leaves a shortfall")
        << Day(60, 8 * H, I{2, 2}) << V{WithMax(Type("Two", 2, 8 * H, 8 * H), 1)} << 2.0 << 1 << 2 << I{} << I{1, 1};
    // The shortfall comes first: the capped cheap type plus the dear one.
    QTest::newRow("shortfall first, then hours")
        << Day(60, 8 * H, I{2, 2, 2, 2}) << V{WithMax(Type("Four", 4, 8 * H, 8 * H), 1), WithMax(Type("Two", 2, 8 * H, 10 * H), 2)}
        << 8.0 << 3 << 0 << I{} << I{2, 2, 2, 2};
    // A day past midnight in quarter hours: the night shift's unpaid break
    // at midnight needs the one-hour shift that starts then.
    QTest::newRow("night, quarter hours")
        << Day(15, 23 * H, I(8, 1)) << V{WithBreak(Type("Night", 2, 23 * H, 23 * H), 15, 60, 60), Type("Hour", 1, 0, 0)}
        << 2.75 << 2 << 0 << I{} << I{1, 1, 1, 1, 1, 2, 2, 2};
}

void TestShiftPlanner::findsHandKnownOptimum()
{
    QFETCH(ShiftDay, day);
    QFETCH(std::vector<ShiftType>, types);
    QFETCH(double, paidHours);
    QFETCH(int, agents);
    QFETCH(int, shortfall);
    QFETCH(std::vector<int>, unreachable);
    QFETCH(std::vector<int>, staffed);

    const ShiftPlanResult result = PlanShifts(day, types, Settings());
    QVERIFY2(result.plan, qPrintable(result.problem ? result.problem->message : result.failure));
    const ShiftPlan &plan = *result.plan;
    QVERIFY(plan.solver.optimal());
    QCOMPARE(plan.paidHours, paidHours);
    QCOMPARE(plan.agents, agents);
    QCOMPARE(plan.shortfall, shortfall);
    QCOMPARE(plan.unreachableSlots, unreachable);
    QCOMPARE(plan.staffedPerSlot(), staffed);
}

void TestShiftPlanner::serviceGoalFindsHandKnownOptimum_data()
{
    QTest::addColumn<ShiftDay>("day");
    QTest::addColumn<std::vector<ShiftType>>("types");
    QTest::addColumn<ServiceDay>("service");
    QTest::addColumn<double>("paidHours");
    QTest::addColumn<std::vector<int>>("staffed");
    QTest::addColumn<double>("reachable"); // -1: the goal is reached
    using V = std::vector<ShiftType>;
    using I = std::vector<int>;
    const V hours = {Type("One", 1, 8 * H, 9 * H)};

    // 2 + 1 agents give (300 x 80% + 100 x 50%) / 400 = 72.5%; 1 + 2 only 57.5%.
    QTest::newRow("busier slot gets the agent")
        << Day(60, 8 * H, I{4, 4}) << hours << Service(0.7, {300, 100}, 1, {0.5, 0.8, 0.9}) << 3.0 << I{2, 1} << -1.0;
    // The second added agent brings more than the first: a model that took
    // it alone would claim 80% from 2 agents; only 3 give 90%.
    QTest::newRow("rising step taken in order")
        << Day(60, 8 * H, I{1}) << V{Type("One", 1, 8 * H, 8 * H)} << Service(0.75, {100}, 1, {0.2, 0.3, 0.9}) << 3.0
        << I{3} << -1.0;
    // 30% shrinkage: 4 staffed answer 2 (2.8 rounded down), 5 answer 3.
    QTest::newRow("shrinkage rounds down")
        << Day(60, 8 * H, I{1}) << V{Type("One", 1, 8 * H, 8 * H)} << Service(0.85, {100}, 2, {0.5, 0.9}, 7000) << 5.0
        << I{5} << -1.0;
    // The quiet slot still gets its lowest level though the busy one alone
    // meets the goal.
    QTest::newRow("every slot keeps its lowest level")
        << Day(60, 8 * H, I{1, 1}) << hours << Service(0.55, {1000, 1}, 1, {0.6}) << 2.0 << I{1, 1} << -1.0;
    // One agent at most: 50% is the most, planned at the fewest hours.
    QTest::newRow("maximum caps the level")
        << Day(60, 8 * H, I{2}) << V{WithMax(Type("One", 1, 8 * H, 8 * H), 1)} << Service(0.9, {100}, 1, {0.5, 0.8})
        << 1.0 << I{1} << 0.5;
    // The quiet slot's floor asks for 2 agents: 4 agents give 80%, as no 3 do.
    QTest::newRow("slot floor lifts the quiet slot")
        << Day(60, 8 * H, I{4, 4}) << hours << WithFloor(Service(0.7, {300, 100}, 1, {0.5, 0.8, 0.9}), {0, 2})
        << 4.0 << I{2, 2} << -1.0;
    // Three agents at most: the floor comes before the day's level, which
    // then falls short (without the floor 2 + 1 would give 72.5%).
    QTest::newRow("floor first under a maximum")
        << Day(60, 8 * H, I{4, 4}) << V{WithMax(Type("One", 1, 8 * H, 9 * H), 3)}
        << WithFloor(Service(0.7, {300, 100}, 1, {0.5, 0.8, 0.9}), {0, 3}) << 3.0 << I{0, 3} << 0.225;
    // The 09:00 slot is out of reach and answers nothing: 99% of half the calls.
    QTest::newRow("unreached slot counts nothing")
        << Day(60, 8 * H, I{1, 1}) << V{Type("One", 1, 8 * H, 8 * H)} << Service(0.5, {100, 100}, 1, {0.9, 0.99})
        << 2.0 << I{2, 0} << 0.495;
}

void TestShiftPlanner::serviceGoalFindsHandKnownOptimum()
{
    QFETCH(ShiftDay, day);
    QFETCH(std::vector<ShiftType>, types);
    QFETCH(ServiceDay, service);
    QFETCH(double, paidHours);
    QFETCH(std::vector<int>, staffed);
    QFETCH(double, reachable);

    const ShiftPlanResult result = PlanShiftsForService(day, types, service, Settings());
    QVERIFY2(result.plan, qPrintable(result.problem ? result.problem->message : result.failure));
    const ShiftPlan &plan = *result.plan;
    QVERIFY(plan.solver.optimal());
    QCOMPARE(plan.paidHours, paidHours);
    QCOMPARE(plan.staffedPerSlot(), staffed);
    QCOMPARE(plan.serviceGoal, std::optional<double>(service.goal));
    if (reachable < 0)
        QVERIFY(!plan.serviceReachable);
    else
        QCOMPARE(plan.serviceReachable.value_or(-1), reachable);
}

void TestShiftPlanner::curveIsConcaveFromItsLastRise_data()
{
    QTest::addColumn<std::vector<double>>("levels");
    QTest::addColumn<int>("from");
    using L = std::vector<double>;
    QTest::newRow("falling steps") << L{0.5, 0.8, 0.9, 0.95} << 1;
    QTest::newRow("equal steps") << L{0.2, 0.4, 0.6} << 1;
    QTest::newRow("rise at the second step") << L{0.2, 0.3, 0.9} << 2;
    QTest::newRow("S-shape near the load") << L{0.1, 0.15, 0.3, 0.6, 0.8, 0.9} << 3;
    QTest::newRow("zero steps of a rounded-down share") << L{0.5, 0.5, 0.7, 0.7, 0.8} << 4;
    QTest::newRow("a single level") << L{0.9} << 1;
}

void TestShiftPlanner::curveIsConcaveFromItsLastRise()
{
    QFETCH(std::vector<double>, levels);
    QFETCH(int, from);
    QCOMPARE((ServiceCurve{1, 3, levels}.concaveFrom()), from);
}

// Random days and types: whatever the solver returns covers every reachable
// slot or reports the shortfall there, pays the sum of its shifts and never
// claims less than the bound.
void TestShiftPlanner::randomDaysAreCoveredAtBoundedCost()
{
    QRandomGenerator random(29);
    const int slotLengths[] = {15, 30, 60};
    for (int round = 0; round < 40; ++round) {
        ShiftDay day;
        day.slotMinutes = slotLengths[random.bounded(3)];
        day.startMinuteOfDay = random.bounded(24) * 60;
        const int count = random.bounded(4, 480 / day.slotMinutes + 1);
        for (int s = 0; s < count; ++s)
            day.requirement.push_back(random.bounded(7));
        day.requirement[static_cast<std::size_t>(random.bounded(count))] += 1;
        std::vector<ShiftType> types;
        for (int t = random.bounded(1, 4); t > 0; --t) {
            ShiftType type;
            type.name = QStringLiteral("T%1").arg(t);
            const int length = random.bounded(1, std::min(count, 16) + 1);
            type.lengthMinutes = length * day.slotMinutes;
            const int first = random.bounded(count - length + 1);
            type.earliestStart = day.minuteOfDayAt(first * day.slotMinutes);
            type.latestStart = day.minuteOfDayAt(random.bounded(first, count - length + 1) * day.slotMinutes);
            if (length >= 3 && random.bounded(2)) {
                const int from = random.bounded(1, length - 1);
                type.breakRule = ShiftType::Break{day.slotMinutes, from * day.slotMinutes,
                                                  random.bounded(from, length - 1) * day.slotMinutes, random.bounded(2) == 1};
            }
            if (random.bounded(3) == 0)
                type.maxAgents = random.bounded(1, 6);
            types.push_back(type);
        }
        const ShiftPlanResult result = PlanShifts(day, types, Settings());
        const QByteArray where = "round " + QByteArray::number(round);
        QVERIFY2(result.plan, where.constData());
        const ShiftPlan &plan = *result.plan;
        const bool capped = std::any_of(types.begin(), types.end(), [](const ShiftType &t) { return t.maxAgents.has_value(); });
        int shortfall = 0;
        for (std::size_t s = 0; s < plan.coverage.size(); ++s) {
            const ShiftPlan::Slot &slot = plan.coverage[s];
            QCOMPARE(slot.required, day.requirement[s]);
            if (!slot.reachable) {
                QCOMPARE(slot.staffed, 0);
                continue;
            }
            const bool listed = std::count(plan.shortSlots.begin(), plan.shortSlots.end(), static_cast<int>(s)) == 1;
            QVERIFY2(slot.staffed >= slot.required || listed, where.constData());
            shortfall += std::max(0, -slot.difference());
        }
        QCOMPARE(plan.shortfall, shortfall);
        if (!capped)
            QCOMPARE(plan.shortfall, 0);
        const double sum = std::accumulate(plan.shifts.begin(), plan.shifts.end(), 0.0,
                                           [](double total, const ShiftPlan::Shift &s) { return total + s.paidHours; });
        QCOMPARE(plan.paidHours, sum);
        QVERIFY2(std::abs(plan.solver.objective - plan.paidHours) < 1e-6, where.constData());
        // Each shift's paid hours and the cover, recomputed from the shifts'
        // times: a shift reported with the wrong hours, or a slot counted
        // as covered that no shift works, fails here.
        std::vector<int> cover(plan.coverage.size(), 0);
        for (const ShiftPlan::Shift &shift : plan.shifts) {
            const auto minutesAfterStart = [&shift](int minute) { return ((minute - shift.start) % 1440 + 1440) % 1440; };
            const int length = minutesAfterStart(shift.end);
            const std::optional<ShiftType::Break> &rule = types[static_cast<std::size_t>(shift.type)].breakRule;
            const int unpaid = rule && !rule->paid ? shift.breakMinutes : 0;
            QVERIFY2(std::abs(shift.paidHours - shift.agents * (length - unpaid) / 60.0) < 1e-9, where.constData());
            for (int m = 0; m < length; m += day.slotMinutes) {
                const bool onBreak = shift.breakStart && m >= minutesAfterStart(*shift.breakStart)
                    && m < minutesAfterStart(*shift.breakStart) + shift.breakMinutes;
                if (!onBreak)
                    cover[static_cast<std::size_t>(shift.startSlot + m / day.slotMinutes)] += shift.agents;
            }
        }
        for (std::size_t s = 0; s < cover.size(); ++s)
            QVERIFY2(plan.coverage[s].staffed == cover[s], (where + " slot " + QByteArray::number(int(s))).constData());
        if (plan.shortfall == 0 && plan.unreachableSlots.empty())
            QCOMPARE(plan.efficiency, plan.requiredHours / plan.paidHours);
    }
}

void TestShiftPlanner::lpFileGivesTheSameOptimumInGlpk_data()
{
    QTest::addColumn<bool>("service");
    QTest::newRow("cover") << false;
    // 30 % shrinkage (answering columns and their hull) and a curve whose
    // second step rises (ordered binaries).
    QTest::newRow("service level") << true;
}

void TestShiftPlanner::lpFileGivesTheSameOptimumInGlpk()
{
    if (!GlpsolInstalled())
        QSKIP("glpsol is not installed");
    QFETCH(bool, service);
    const ShiftDay day = Day(30, 8 * H, {2, 3, 3, 4, 4, 2, 1, 1, 3, 5, 5, 2});
    const std::vector<ShiftType> types = {WithBreak(Type("Long", 4, 8 * H, 10 * H), 30, H, 2 * H),
                                          WithMax(Type("Short", 2, 8 * H, 12 * H), 3)};
    const ServiceDay levels = Service(0.8, {20, 30, 30, 40, 40, 20, 10, 10, 30, 50, 50, 20}, 2, {0.3, 0.4, 0.8, 0.9, 0.95}, 7000);
    const ShiftPlanResult result = service ? PlanShiftsForService(day, types, levels, Settings()) : PlanShifts(day, types, Settings());
    QVERIFY(result.plan && result.plan->solver.optimal());
    VerifyGlpsolOptimum(LpFormatText(result.model), result.plan->paidHours);
}

// A solve cancelled before it starts finds no plan and says so.
void TestShiftPlanner::cancelledBeforeStartChangesNothing()
{
    std::atomic<bool> cancel{true};
    MipSettings settings = Settings();
    settings.cancel = &cancel;
    const ShiftPlanResult result = PlanShifts(Day(60, 8 * H, {1, 1}), {Type("One", 1, 8 * H, 9 * H)}, settings);
    QVERIFY(!result.plan);
    QVERIFY(result.failure.contains(QStringLiteral("cancelled")));
}

// The least shortfall was found; a cancel before the paid hours were
// weighed leaves that plan, marked as stopped by the cancel.
void TestShiftPlanner::cancelInTheSecondStageKeepsTheFirstStagesPlan()
{
    std::atomic<bool> cancel{false};
    MipSettings settings = Settings();
    settings.cancel = &cancel;
    const ShiftDay day = Day(60, 8 * H, {2, 2});
    const std::vector<ShiftType> types{WithMax(Type("One", 1, 8 * H, 9 * H), 1)};
    const std::vector<ShiftVariant> variants = ShiftVariant::of(day, types);
    const TwoStageSolve solve = TwoStageSolve::run(
        ShiftCoverModel::build(day, types, variants, ShiftCoverModel::Goal::Shortfall),
        [&](const MipSolution *) {
            cancel = true;
            return ShiftCoverModel::build(day, types, variants, ShiftCoverModel::Goal::PaidHoursWithShortfall, 2);
        },
        settings);
    QVERIFY(solve.hasPlan());
    QVERIFY(!solve.weighed);
    QVERIFY(solve.solution.cancelled);
    QCOMPARE(solve.solution.values.size(), variants.size() + 2); // the shortfall model's columns
}

void TestShiftPlanner::solverErrorIsAFailureNotACrash()
{
    const TwoStageSolve solve = TwoStageSolve::run(
        std::nullopt, [](const MipSolution *) -> MipModel { throw std::bad_alloc(); }, Settings());
    QVERIFY(!solve.hasPlan());
    QVERIFY2(solve.failure.startsWith(QStringLiteral("The solver failed: ")), qPrintable(solve.failure));
}

void TestShiftPlanner::solverStatusSaysHowFarFromTheBound_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("bound");
    QTest::newRow("optimal") << int(MipStatus::Optimal) << false << "Proven optimal" << 39.0;
    QTest::newRow("time limit") << int(MipStatus::Stopped) << false
                                << "Stopped by the time limit: not proven optimal, at most 2.5% above the best possible (bound 39.00 paid hours)"
                                << 39.0;
    QTest::newRow("cancelled") << int(MipStatus::Stopped) << true
                               << "Stopped by a cancel: not proven optimal, at most 2.5% above the best possible (bound 39.00 paid hours)"
                               << 39.0;
    QTest::newRow("hours never weighed") << int(MipStatus::Stopped) << false
                                         << "Stopped by the time limit: not proven optimal; how far cheaper plans may go is not known"
                                         << 0.0;
}

// The gap is (objective - bound) / objective: 40 paid hours against a
// bound of 39.
void TestShiftPlanner::solverStatusSaysHowFarFromTheBound()
{
    QFETCH(int, status);
    QFETCH(bool, cancelled);
    QFETCH(QString, text);
    QFETCH(double, bound);
    const ShiftPlan::Solver solver{static_cast<MipStatus>(status), cancelled, 40, bound, 1.5};
    QCOMPARE(ShiftPlanText::solverStatus(solver), text);
}

void TestShiftPlanner::serviceNotesNameTheShortfall_data()
{
    QTest::addColumn<double>("reachable"); // -1: the goal is reached
    QTest::addColumn<double>("level");
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("goal met") << -1.0 << 0.81 << QStringList{};
    QTest::newRow("goal beyond reach")
        << 0.763 << 0.7631
        << QStringList{"The shift types reach a day's service level of at most 76.3%, short of the goal of 80% by 3.7 "
                       "points: the plan gives that level at the fewest paid hours."};
    QTest::newRow("roster check just below")
        << -1.0 << 0.79995 << QStringList{"The roster check gives the plan 80.0%, below the goal of 80%."};
}

void TestShiftPlanner::serviceNotesNameTheShortfall()
{
    QFETCH(double, reachable);
    QFETCH(double, level);
    QFETCH(QStringList, notes);
    ShiftPlan plan;
    plan.serviceGoal = 0.8;
    plan.dayServiceLevel = level;
    if (reachable >= 0)
        plan.serviceReachable = reachable;
    QCOMPARE(ShiftPlanText::coverNotes(plan), notes);
}

// A maximum that leaves slots short: the share of the requirement met
// comes first, and the short slots are named as a range.
void TestShiftPlanner::shortCoverLeadsWithTheRequirementMet()
{
    const ShiftPlanResult result =
        PlanShifts(Day(60, 8 * H, {2, 2}), {WithMax(Type("Two", 2, 8 * H, 8 * H), 1)}, Settings());
    QVERIFY(result.plan);
    const auto totals = ShiftPlanText::totals(*result.plan);
    QCOMPARE(totals.front(), std::make_pair(QStringLiteral("Requirement met"), QStringLiteral("50.0% of 4.00 agent-hours")));
    QCOMPARE(ShiftPlanText::coverNotes(*result.plan),
             QStringList{QStringLiteral("The maximums leave 2 agent-slots short, at 08:00\u201309:00.")});
    const ShiftPlanResult full = PlanShifts(Day(60, 8 * H, {1, 1}), {Type("Two", 2, 8 * H, 8 * H)}, Settings());
    QVERIFY(full.plan && full.plan->metHours == full.plan->requiredHours);
    QCOMPARE(ShiftPlanText::totals(*full.plan).front().first, QStringLiteral("Paid agent-hours"));
}

// A plan under a slot floor says whether every slot meets it, names those
// that miss it as ranges and those where it is out of reach.
void TestShiftPlanner::floorLinesNameTheSlotsBelowIt()
{
    ShiftPlan plan;
    plan.serviceGoal = 0.8;
    plan.dayServiceLevel = 0.81;
    for (int slot = 0; slot < 4; ++slot)
        plan.coverage.push_back(ShiftPlan::Slot{8 * H + 30 * slot, 1, 1, true});
    plan.floorCheck = ShiftPlan::FloorCheck{SlotFloor{60, 5}, {}, {}};
    const auto line = [&plan] { return ShiftPlanText::totals(plan).at(5); };
    QCOMPARE(line(), std::make_pair(QStringLiteral("Slot floor"), QStringLiteral("60%, at most 5% abandoned: met in every slot")));
    QCOMPARE(ShiftPlanText::coverNotes(plan), QStringList());

    plan.floorCheck->outOfReachSlots = {3};
    plan.floorCheck->missedSlots = {0, 1, 3};
    QCOMPARE(line().second, QStringLiteral("60%, at most 5% abandoned: missed in 3 slots"));
    QCOMPARE(ShiftPlanText::coverNotes(plan),
             (QStringList{QStringLiteral("No agent number up to 200 above the lowest level meets the slot floor at "
                                         "09:30: the plan does not hold it there."),
                          QStringLiteral("Below the slot floor of 60%, at most 5% abandoned: 08:00\u201308:30, 09:30.")}));
}

QTEST_GUILESS_MAIN(TestShiftPlanner)
#include "test_shiftplanner.moc"

// A first stage stopped before its hours were weighed may staff any
// variant up to its maximum: the agents whose slots are covered without
// them go, the longest paid first, and what the plan was solved for stays.
void TestShiftPlanner::unweighedPlanPaysForNoIdleAgent()
{
    const ShiftDay day = Day(60, 8 * H, {1, 2, 2, 1}); // 08:00 to 12:00
    const std::vector<ShiftType> types{Type("Long", 3, 8 * H, 9 * H), Type("Short", 1, 8 * H, 11 * H)};
    const std::vector<ShiftVariant> variants = ShiftVariant::of(day, types);
    QCOMPARE(variants.size(), std::size_t{6}); // Long 08, 09; Short 08, 09, 10, 11
    const auto covered = [&](int slot, int staffed) { return staffed > day.requirement[static_cast<std::size_t>(slot)]; };

    std::vector<double> counts{2, 2, 1, 1, 1, 1, 7.0}; // the last: a slack column, left alone
    DropIdleAgents(counts, variants, day.slotCount(), covered);
    // Staffed 3, 5, 5, 3: both Longs at 08 go and one at 09, then the Short
    // at 11; what stays covers 1, 2, 2, 1 exactly.
    QCOMPARE(counts, (std::vector<double>{0, 1, 1, 1, 1, 0, 7.0}));

    // A level that more agents no longer raise: a slot may lose agents
    // down to two, whatever its requirement.
    counts = {2, 2, 1, 1, 1, 1};
    DropIdleAgents(counts, variants, day.slotCount(), [](int, int staffed) { return staffed > 2; });
    QCOMPARE(counts, (std::vector<double>{1, 1, 1, 0, 0, 1}));
}
