// SPDX-License-Identifier: MIT
#include "glpsol.h"
#include "lpformat.h"
#include "mipsolver.h"
#include "serviceday.h"
#include "servicelevels.h"
#include "shifttype.h"
#include "tourspace.h"
#include "weekcheck.h"
#include "weekplanner.h"

#include <QtTest>

#include <random>
#include <set>

namespace {

constexpr int H = 60;

ShiftType Type(const char *name, int hours, int earliest, int latest)
{
    ShiftType type;
    type.name = QString::fromLatin1(name);
    type.lengthMinutes = hours * H;
    type.earliestStart = earliest;
    type.latestStart = latest;
    return type;
}

TourType Tour(const char *name, int minDays, int maxDays, bool together, QStringList types, std::optional<int> band,
              int minPaid, int maxPaid)
{
    TourType tour;
    tour.name = QString::fromLatin1(name);
    tour.minDays = minDays;
    tour.maxDays = maxDays;
    tour.consecutiveDaysOff = together;
    tour.shiftTypes = std::move(types);
    tour.bandMinutes = band;
    tour.minPaidMinutes = minPaid;
    tour.maxPaidMinutes = maxPaid;
    return tour;
}

// Open days from `start` with their requirements; an empty list: closed.
ShiftWeek Week(int slotMinutes, std::array<std::vector<int>, 7> requirement, std::array<int, 7> start = {})
{
    ShiftWeek week;
    week.slotMinutes = slotMinutes;
    for (int d = 0; d < 7; ++d) {
        if (requirement[static_cast<std::size_t>(d)].empty())
            continue;
        ShiftDay day;
        day.slotMinutes = slotMinutes;
        day.startMinuteOfDay = start[static_cast<std::size_t>(d)];
        day.requirement = requirement[static_cast<std::size_t>(d)];
        week.days[static_cast<std::size_t>(d)].shifts = day;
    }
    return week;
}

MipSettings Settings()
{
    MipSettings settings;
    settings.timeLimitSeconds = 60;
    return settings;
}

// What makes an agent's week one its tour allows, checked from the plan's
// own words; empty when it obeys every rule.
QString BrokenRule(const ShiftWeek &week, const std::vector<ShiftType> &types, const TourType &tour,
                   const WeekPlan::AgentWeek &agent)
{
    int days = 0;
    int paid = 0;
    int first = INT_MAX;
    int last = INT_MIN;
    unsigned mask = 0;
    for (int d = 0; d < 7; ++d) {
        const auto &shift = agent.days[static_cast<std::size_t>(d)];
        if (!shift)
            continue;
        ++days;
        mask |= 1u << d;
        if (!week.days[static_cast<std::size_t>(d)].open())
            return QStringLiteral("works a closed day");
        if (!tour.shiftTypes.contains(shift->typeName))
            return QStringLiteral("works a type not its tour's");
        const ShiftType &type = types[static_cast<std::size_t>(shift->type)];
        if (shift->paidMinutes != type.paidMinutes() || (shift->end - shift->start + 1440) % 1440 != type.lengthMinutes % 1440)
            return QStringLiteral("a shift not of its type's length");
        const ShiftDay &day = *week.days[static_cast<std::size_t>(d)].shifts;
        const int clock = day.startMinuteOfDay + shift->startSlot * day.slotMinutes;
        if (shift->endSlot > day.slotCount() || clock < type.earliestStart || clock > type.latestStart)
            return QStringLiteral("a start outside the window or a shift past the day");
        if (type.breakRule) {
            const int in = shift->breakStart ? *shift->breakStart - shift->start : -1;
            if (in < type.breakRule->earliestMinutes || in > type.breakRule->latestMinutes)
                return QStringLiteral("a break outside its window");
        }
        paid += shift->paidMinutes;
        first = std::min(first, clock);
        last = std::max(last, clock);
    }
    if (days < tour.minDays || days > tour.maxDays)
        return QStringLiteral("%1 days worked").arg(days);
    if (tour.consecutiveDaysOff && !TourSpace::daysOffTogether(mask))
        return QStringLiteral("days off apart");
    if (tour.bandMinutes && last - first > *tour.bandMinutes)
        return QStringLiteral("starts %1 minutes apart").arg(last - first);
    if (paid != agent.paidMinutes || paid < tour.minPaidMinutes || paid > tour.maxPaidMinutes)
        return QStringLiteral("%1 paid minutes").arg(paid);
    return QString();
}

// Every agent's week the tours allow, written out one by one: per tour,
// each day worked or not, each day's variant, kept where the week obeys
// the rules. The reference the implicit model is measured against.
struct ExplicitWeek
{
    int tour = 0;
    int paidMinutes = 0;
    std::vector<std::pair<int, ShiftVariant>> shifts; // day, variant
};

std::vector<ExplicitWeek> EveryWeek(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                    const std::vector<TourType> &tours)
{
    std::vector<ExplicitWeek> all;
    for (std::size_t t = 0; t < tours.size(); ++t) {
        std::vector<std::vector<ShiftVariant>> choices(7);
        for (int d = 0; d < 7; ++d)
            if (week.days[static_cast<std::size_t>(d)].open())
                for (std::size_t k = 0; k < types.size(); ++k)
                    if (tours[t].shiftTypes.contains(types[k].name))
                        for (const ShiftVariant &v :
                             TourSpace::dayVariants(*week.days[static_cast<std::size_t>(d)].shifts, types[k], static_cast<int>(k)))
                            choices[static_cast<std::size_t>(d)].push_back(v);
        std::vector<int> pick(7, -1); // -1: off
        std::function<void(int, int)> walk = [&](int d, int worked) {
            if (worked > tours[t].maxDays)
                return;
            if (d == 7) {
                WeekPlan::AgentWeek agent;
                ExplicitWeek w;
                w.tour = static_cast<int>(t);
                for (int e = 0; e < 7; ++e) {
                    if (pick[static_cast<std::size_t>(e)] < 0)
                        continue;
                    const ShiftVariant &v = choices[static_cast<std::size_t>(e)][static_cast<std::size_t>(pick[static_cast<std::size_t>(e)])];
                    const ShiftDay &day = *week.days[static_cast<std::size_t>(e)].shifts;
                    WeekPlan::DayShift s;
                    s.type = v.type;
                    s.typeName = types[static_cast<std::size_t>(v.type)].name;
                    s.startSlot = v.startSlot;
                    s.endSlot = v.startSlot + v.lengthSlots;
                    s.start = day.minuteOfDayAt(v.startSlot * day.slotMinutes);
                    s.end = day.minuteOfDayAt(s.endSlot * day.slotMinutes);
                    if (v.breakSlot >= 0)
                        s.breakStart = day.minuteOfDayAt(v.breakSlot * day.slotMinutes);
                    s.paidMinutes = v.paidMinutes;
                    agent.days[static_cast<std::size_t>(e)] = s;
                    agent.paidMinutes += v.paidMinutes;
                    w.shifts.emplace_back(e, v);
                }
                w.paidMinutes = agent.paidMinutes;
                if (BrokenRule(week, types, tours[t], agent).isEmpty())
                    all.push_back(std::move(w));
                return;
            }
            pick[static_cast<std::size_t>(d)] = -1;
            walk(d + 1, worked);
            for (std::size_t i = 0; i < choices[static_cast<std::size_t>(d)].size(); ++i) {
                pick[static_cast<std::size_t>(d)] = static_cast<int>(i);
                walk(d + 1, worked + 1);
            }
        };
        walk(0, 0);
    }
    return all;
}

// A model with one whole-number column per written-out week, costing its
// paid minutes.
MipModel WeekColumns(const std::vector<ExplicitWeek> &all)
{
    MipModel model;
    for (std::size_t i = 0; i < all.size(); ++i)
        model.addColumn({"w" + std::to_string(i), static_cast<double>(all[i].paidMinutes), MipModel::Infinity, true});
    return model;
}

// The columns of WeekColumns whose week works `slot` of `day`.
std::vector<std::pair<int, double>> SlotTerms(const std::vector<ExplicitWeek> &all, int day, int slot)
{
    std::vector<std::pair<int, double>> terms;
    for (std::size_t i = 0; i < all.size(); ++i)
        for (const auto &[e, v] : all[i].shifts)
            if (e == day && v.works(slot))
                terms.emplace_back(static_cast<int>(i), 1.0);
    return terms;
}

// The model's optimum; none when it is not proven.
std::optional<double> Optimum(const MipModel &model)
{
    const MipSolution solution = SolveMip(model, Settings());
    if (solution.status != MipStatus::Optimal)
        return std::nullopt;
    return solution.objective;
}

// The fewest paid minutes of a week covering every slot, one column per
// agent's week; none when it cannot be covered.
std::optional<double> ExplicitOptimum(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                      const std::vector<TourType> &tours)
{
    const std::vector<ExplicitWeek> all = EveryWeek(week, types, tours);
    MipModel model = WeekColumns(all);
    for (int d = 0; d < 7; ++d) {
        const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
        if (!day.open())
            continue;
        for (int s = 0; s < day.shifts->slotCount(); ++s) {
            const int required = day.shifts->requirement[static_cast<std::size_t>(s)];
            if (required <= 0)
                continue;
            MipModel::Row row{"c" + std::to_string(d) + "_" + std::to_string(s), SlotTerms(all, d, s), double(required),
                              MipModel::Infinity};
            if (row.terms.empty())
                return std::nullopt;
            model.rows.push_back(std::move(row));
        }
    }
    for (std::size_t t = 0; t < tours.size(); ++t)
        if (tours[t].maxAgents) {
            MipModel::Row row{"m" + std::to_string(t), {}, -MipModel::Infinity, double(*tours[t].maxAgents)};
            for (std::size_t i = 0; i < all.size(); ++i)
                if (all[i].tour == static_cast<int>(t))
                    row.terms.emplace_back(static_cast<int>(i), 1.0);
            model.rows.push_back(std::move(row));
        }
    return Optimum(model);
}

// Checks every agent of a plan against its tour and the plan's cover
// against the agents' weeks, slot by slot.
void VerifyPlan(const ShiftWeek &week, const std::vector<ShiftType> &types, const std::vector<TourType> &tours,
                const WeekPlan &plan)
{
    std::array<std::vector<int>, 7> staffed;
    for (int d = 0; d < 7; ++d)
        staffed[static_cast<std::size_t>(d)].assign(plan.days[static_cast<std::size_t>(d)].coverage.size(), 0);
    double paid = 0;
    for (const WeekPlan::AgentWeek &agent : plan.agents) {
        const QString broken = BrokenRule(week, types, tours[static_cast<std::size_t>(agent.tour)], agent);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        paid += agent.paidMinutes / 60.0;
        for (int d = 0; d < 7; ++d)
            if (const auto &shift = agent.days[static_cast<std::size_t>(d)])
                for (int s = shift->startSlot; s < shift->endSlot; ++s)
                    staffed[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)] += shift->works(s) ? 1 : 0;
    }
    QCOMPARE(plan.paidHours, paid);
    for (int d = 0; d < 7; ++d)
        QCOMPARE(plan.days[static_cast<std::size_t>(d)].staffedPerSlot(), staffed[static_cast<std::size_t>(d)]);
}

// The fewest paid minutes of a week in which every open day with calls
// reaches `goal` by its curves (or the most its slots' highest levels
// give), each slot with calls at least its lowest level and its floor: one
// column per agent's week, and per slot a binary for each number of
// answering agents it may be counted at.
std::optional<double> ExplicitServiceOptimum(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                             const std::vector<TourType> &tours, double goal)
{
    const std::vector<ExplicitWeek> all = EveryWeek(week, types, tours);
    MipModel model = WeekColumns(all);
    for (int d = 0; d < 7; ++d) {
        const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
        if (!day.open() || !day.service || day.service->calls() <= 0)
            continue;
        const ServiceDay &service = *day.service;
        const std::vector<bool> every(service.curves.size(), true);
        const double reached = ServiceLevels::highestLevel(service, every);
        MipModel::Row level{"l" + std::to_string(d), {}, std::min(goal, reached - 2e-6) + 1e-6, MipModel::Infinity};
        for (std::size_t s = 0; s < service.curves.size(); ++s) {
            const ServiceCurve &curve = service.curves[s];
            if (curve.calls <= 0)
                continue;
            const std::string slot = std::to_string(d) + "_" + std::to_string(s);
            MipModel::Row least{"n" + slot, SlotTerms(all, d, static_cast<int>(s)),
                                static_cast<double>(std::max(curve.lowest, curve.floor)), MipModel::Infinity};
            // One binary per number of answering agents the slot is counted
            // at, from none to the curve's highest.
            MipModel::Row answering{"a" + slot, least.terms, 0, MipModel::Infinity};
            MipModel::Row one{"u" + slot, {}, 1, 1};
            for (int k = 0; k <= curve.highest(); ++k) {
                const int b = model.addColumn({"b" + slot + "_" + std::to_string(k), 0, 1, true});
                answering.terms.emplace_back(b, -static_cast<double>(k));
                one.terms.emplace_back(b, 1.0);
                level.terms.emplace_back(b, curve.calls / service.calls() * curve.at(k));
            }
            model.rows.push_back(std::move(one));
            model.rows.push_back(std::move(least));
            model.rows.push_back(std::move(answering));
        }
        model.rows.push_back(std::move(level));
    }
    return Optimum(model);
}

} // namespace

class TestWeekPlanner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void smallWeeksMatchEveryWeekWrittenOut();
    void defaultToursStaffAWeekByTheRules();
    void refusesWeeksNoTourCanWork_data();
    void refusesWeeksNoTourCanWork();
    void maximumsGiveTheLeastShortfall();
    void lpFileGivesTheSameOptimumInGlpk();
    void serviceGoalMatchesEveryWeekWrittenOut();
};

// Random small weeks, tours of every rule: the implicit model's optimum is
// the one of a model with a column for each agent's possible week, and
// every agent it hands out obeys its tour.
void TestWeekPlanner::smallWeeksMatchEveryWeekWrittenOut()
{
    std::mt19937 random(20261210);
    int compared = 0;
    for (int round = 0; round < 40; ++round) {
        std::uniform_int_distribution<int> need(0, 3), open(0, 5), length(3, 5);
        std::array<std::vector<int>, 7> requirement;
        std::array<int, 7> start{};
        for (int d = 0; d < 7; ++d) {
            if (open(random) == 0)
                continue;
            start[static_cast<std::size_t>(d)] = (8 + open(random) % 2) * H;
            for (int s = length(random); s > 0; --s)
                requirement[static_cast<std::size_t>(d)].push_back(need(random));
        }
        const ShiftWeek week = Week(60, requirement, start);
        std::vector<ShiftType> types = {Type("Long", 3, 8 * H, 10 * H), Type("Short", 2, 8 * H, 12 * H)};
        if (round % 3 == 0)
            types[0].breakRule = ShiftType::Break{60, H, H, false};
        const int days = 1 + round % 3;
        std::vector<TourType> tours = {
            Tour("Steady", days, days + 1, round % 2 == 0, {QStringLiteral("Long")}, round % 4 == 0 ? std::optional<int>(60) : std::nullopt,
                 0, 24 * 60),
            Tour("Mixed", 1, 2, false, {QStringLiteral("Long"), QStringLiteral("Short")}, std::nullopt, 4 * H, 5 * H)};
        if (round % 5 == 1)
            tours[1].maxAgents = 2;
        if (CheckWeekInput(week, types, tours))
            continue;
        const WeekPlanResult result = PlanWeek(week, types, tours, Settings());
        QVERIFY2(result.plan, qPrintable(result.failure));
        VerifyPlan(week, types, tours, *result.plan);
        if (result.plan->shortfall > 0 || !result.plan->days[0].unreachableSlots.empty())
            continue;
        bool anyUnreachable = false;
        for (const auto &day : result.plan->days)
            anyUnreachable = anyUnreachable || !day.unreachableSlots.empty();
        if (anyUnreachable)
            continue;
        const std::optional<double> best = ExplicitOptimum(week, types, tours);
        QVERIFY(best);
        QCOMPARE(result.plan->paidHours * 60, *best);
        QVERIFY(result.plan->solver.optimal());
        ++compared;
    }
    QVERIFY2(compared >= 15, qPrintable(QString::number(compared)));
}

// A week of long weekdays and a short weekend staffed by the two usual
// tours: each agent keeps every rule of its tour, and the plan is proven.
void TestWeekPlanner::defaultToursStaffAWeekByTheRules()
{
    std::array<std::vector<int>, 7> requirement;
    std::array<int, 7> start{};
    for (int d = 0; d < 7; ++d) {
        const int hours = d < 5 ? 16 : d == 5 ? 10 : 8;
        start[static_cast<std::size_t>(d)] = (d < 5 ? 6 : d == 5 ? 8 : 9) * H;
        for (int s = 0; s < 2 * hours; ++s)
            requirement[static_cast<std::size_t>(d)].push_back(2 + (s * 7 + d * 3) % 9);
    }
    const ShiftWeek week = Week(30, requirement, start);
    ShiftDay widest;
    widest.slotMinutes = 30;
    widest.startMinuteOfDay = 6 * H;
    widest.requirement.assign(32, 0);
    const std::vector<ShiftType> types = ShiftType::defaultSet(widest);
    const std::vector<TourType> tours = TourType::defaultSet();
    const WeekPlanResult result = PlanWeek(week, types, tours, Settings());
    QVERIFY2(result.plan, qPrintable(result.failure + (result.problem ? result.problem->message : QString())));
    VerifyPlan(week, types, tours, *result.plan);
    QVERIFY(result.plan->solver.optimal());
    QCOMPARE(result.plan->shortfall, 0);
    QCOMPARE(result.plan->requirementMet(), 1.0);
    int headcount = 0;
    for (const WeekPlan::TourTotal &total : result.plan->tours)
        headcount += total.headcount;
    QCOMPARE(headcount, static_cast<int>(result.plan->agents.size()));
}

void TestWeekPlanner::refusesWeeksNoTourCanWork_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("hours no week reaches") << 0 << QStringLiteral("Tour \"Short\": no week of 5 to 5 days of its shift types is paid 37:30 to 40:00 hours.");
    QTest::newRow("band narrower than a slot") << 1 << QStringLiteral("Tour \"Short\": a start band of 30 minutes is narrower than a 60-minute slot.");
    QTest::newRow("maximum of 0") << 2 << QStringLiteral("Tour \"Short\": the maximum of 0 agents leaves the tour unused; leave it empty for no maximum.");
    QTest::newRow("no tour") << 3 << QStringLiteral("There is no tour type to plan with.");
    QTest::newRow("no requirement") << 4 << QStringLiteral("No slot of the week needs an agent: there is nothing to plan.");
    QTest::newRow("unknown shift type") << 5 << QStringLiteral("Tour \"Short\": there is no shift type \"Long\".");
    QTest::newRow("day past midnight") << 6 << QStringLiteral("Mon runs past midnight (22:00 to 04:00): the week planner "
                                                              "staffs days that end by 24:00; end the day at 24:00 and open the next at 00:00.");
}

// Each input no week can be planned from is refused, naming the tour and
// its field.
void TestWeekPlanner::refusesWeeksNoTourCanWork()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    std::array<std::vector<int>, 7> requirement;
    for (auto &day : requirement)
        day = std::vector<int>(6, kind == 4 ? 0 : 1);
    const ShiftWeek week = Week(60, requirement, {(kind == 6 ? 22 : 8) * H, 8 * H, 8 * H, 8 * H, 8 * H, 8 * H, 8 * H});
    const std::vector<ShiftType> types = {Type("Four", 4, 8 * H, 10 * H)};
    std::vector<TourType> tours = {Tour("Short", 5, 5, true, {QStringLiteral("Four")}, std::nullopt, 37 * H + 30, 40 * H)};
    if (kind != 0)
        tours[0].maxPaidMinutes = tours[0].minPaidMinutes = 20 * H;
    if (kind == 1)
        tours[0].bandMinutes = 30;
    if (kind == 2)
        tours[0].maxAgents = 0;
    if (kind == 3)
        tours.clear();
    if (kind == 5)
        tours[0].shiftTypes = {QStringLiteral("Long")};
    const WeekPlanResult result = PlanWeek(week, types, tours, Settings());
    QVERIFY(!result.plan && result.problem);
    QCOMPARE(result.problem->message, message);
}

// With a tour's maximum too small for the week the plan leaves the least
// shortfall, then pays the fewest hours for it.
void TestWeekPlanner::maximumsGiveTheLeastShortfall()
{
    std::array<std::vector<int>, 7> requirement;
    for (auto &day : requirement)
        day = {3, 3, 3, 3};
    const ShiftWeek week = Week(60, requirement, {8 * H, 8 * H, 8 * H, 8 * H, 8 * H, 8 * H, 8 * H});
    const std::vector<ShiftType> types = {Type("Four", 4, 8 * H, 8 * H), Type("Two", 2, 8 * H, 10 * H)};
    std::vector<TourType> tours = {Tour("Full", 5, 5, true, {QStringLiteral("Four")}, 60, 20 * H, 20 * H)};
    tours[0].maxAgents = 4;
    const WeekPlanResult result = PlanWeek(week, types, tours, Settings());
    QVERIFY(result.plan);
    VerifyPlan(week, types, tours, *result.plan);
    // Four agents on five days give 20 agent-days of the 21 needed (three a
    // day): one day is short by one agent in each of its four slots.
    QCOMPARE(result.plan->shortfall, 4);
    QCOMPARE(result.plan->agents.size(), std::size_t(4));
    QCOMPARE(result.plan->paidHours, 80.0);
    QVERIFY(result.plan->coversShort());
}

void TestWeekPlanner::lpFileGivesTheSameOptimumInGlpk()
{
    if (!GlpsolInstalled())
        QSKIP("glpsol is not installed");
    std::array<std::vector<int>, 7> requirement;
    for (int d = 0; d < 6; ++d)
        requirement[static_cast<std::size_t>(d)] = {1, 2, 3, 3, 2, 1 + d % 2};
    const ShiftWeek week = Week(60, requirement, {8 * H, 8 * H, 8 * H, 8 * H, 8 * H, 8 * H, 8 * H});
    const std::vector<ShiftType> types = {Type("Four", 4, 8 * H, 10 * H), Type("Two", 2, 8 * H, 12 * H)};
    const std::vector<TourType> tours = {Tour("Full", 4, 4, true, {QStringLiteral("Four")}, 60, 16 * H, 16 * H),
                                         Tour("Part", 2, 3, false, {QStringLiteral("Four"), QStringLiteral("Two")},
                                              std::nullopt, 6 * H, 8 * H)};
    const WeekPlanResult result = PlanWeek(week, types, tours, Settings());
    QVERIFY(result.plan && result.plan->solver.optimal());
    // The objective counts units of two hours here: the paid times' common
    // step.
    VerifyGlpsolOptimum(LpFormatText(result.model), result.plan->paidHours / 2);
}

// Random small weeks with service curves of any shape, some slots under a
// floor: the cheapest week whose every day reaches the goal (or the most
// its slots give) is the one of the model of every agent's week, and each
// day of the plan reaches its target by the curves.
void TestWeekPlanner::serviceGoalMatchesEveryWeekWrittenOut()
{
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> calls(0, 20), lowest(1, 2), steps(1, 4), open(0, 5), length(3, 5);
    std::uniform_real_distribution<double> rise(0.05, 0.5);
    int compared = 0;
    for (int round = 0; round < 30; ++round) {
        std::array<std::vector<int>, 7> requirement;
        std::array<int, 7> start{};
        for (int d = 0; d < 7; ++d) {
            if (open(random) == 0)
                continue;
            start[static_cast<std::size_t>(d)] = 8 * H;
            requirement[static_cast<std::size_t>(d)].assign(static_cast<std::size_t>(length(random)), 1);
        }
        ShiftWeek week = Week(60, requirement, start);
        const double goal = 0.5 + 0.1 * (round % 4);
        for (auto &day : week.days) {
            if (!day.open())
                continue;
            ServiceDay service;
            service.goal = goal;
            for (int s = 0; s < day.shifts->slotCount(); ++s) {
                ServiceCurve curve{static_cast<double>(calls(random)), lowest(random), {}};
                double level = 0;
                for (int k = steps(random); k > 0; --k)
                    curve.levels.push_back(level = std::min(1.0, level + rise(random)));
                if (round % 3 == 1 && s == 0 && curve.calls > 0)
                    curve.floor = curve.highest();
                service.curves.push_back(curve);
            }
            day.service = service;
        }
        const std::vector<ShiftType> types = {Type("Long", 3, 8 * H, 10 * H), Type("Short", 2, 8 * H, 11 * H)};
        const std::vector<TourType> tours = {
            Tour("Steady", 2, 3, round % 2 == 0, {QStringLiteral("Long")}, std::nullopt, 0, 24 * 60),
            Tour("Mixed", 1, 2, false, {QStringLiteral("Long"), QStringLiteral("Short")}, std::nullopt, 2 * H, 5 * H)};
        if (CheckWeekInput(week, types, tours))
            continue;
        const WeekPlanResult result = PlanWeek(week, types, tours, Settings(), goal);
        if (result.problem)
            continue; // a week without calls
        QVERIFY2(result.plan, qPrintable(result.failure));
        VerifyPlan(week, types, tours, *result.plan);
        QVERIFY(result.plan->solver.optimal());
        for (int d = 0; d < 7; ++d) {
            const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
            if (!day.open() || day.service->calls() <= 0)
                continue;
            const std::vector<bool> every(day.service->curves.size(), true);
            const double target = std::min(goal, ServiceLevels::highestLevel(*day.service, every) - 2e-6);
            QVERIFY(ServiceLevels::curveLevel(*day.service, result.plan->days[static_cast<std::size_t>(d)].staffedPerSlot())
                    >= target);
        }
        const std::optional<double> best = ExplicitServiceOptimum(week, types, tours, goal);
        QVERIFY(best);
        QCOMPARE(result.plan->paidHours * 60, *best);
        ++compared;
    }
    QVERIFY2(compared >= 15, qPrintable(QString::number(compared)));
}

QTEST_GUILESS_MAIN(TestWeekPlanner)
#include "test_weekplanner.moc"
