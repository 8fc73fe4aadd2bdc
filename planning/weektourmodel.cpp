// SPDX-License-Identifier: MIT
#include "weektourmodel.h"

#include "shiftcovermodel.h"
#include "shifttype.h"
#include "shiftweek.h"
#include "tourspace.h"
#include "tourtype.h"

#include <cmath>
#include <map>
#include <numeric>
#include <tuple>

namespace {

std::string DayName(int day)
{
    return ShiftWeek::dayName(day).toStdString();
}

std::string SlotName(const ShiftWeek &week, int day, int slot)
{
    return ShiftCoverModel::slotName(*week.days[static_cast<std::size_t>(day)].shifts, slot);
}

std::string VariantName(const ShiftWeek &week, int day, const ShiftVariant &v)
{
    std::string name = "x_" + DayName(day) + "_t" + std::to_string(v.type + 1) + "_" + SlotName(week, day, v.startSlot);
    if (v.breakSlot >= 0)
        name += "_b" + SlotName(week, day, v.breakSlot);
    return name;
}

} // namespace

namespace {

std::string Comment(WeekTourModel::Goal goal)
{
    using Goal = WeekTourModel::Goal;
    switch (goal) {
    case Goal::Shortfall:
        return "Varnook week plan: the smallest shortfall in agent-slots";
    case Goal::ServiceLevel:
        return "Varnook week plan: each day's highest service level up to the goal";
    case Goal::PaidHoursWithService:
        return "Varnook week plan: the fewest paid agent-hours for each day's service level";
    case Goal::PaidHours:
    case Goal::PaidHoursWithShortfall:
        break;
    }
    return "Varnook week plan: the fewest paid agent-hours";
}

} // namespace

WeekTourModel WeekTourModel::build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                   const std::vector<TourType> &tours, const TourSpace &space, Goal goal,
                                   int shortfallCap)
{
    return build(week, types, tours, space, goal, shortfallCap, nullptr);
}

WeekTourModel WeekTourModel::build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                   const std::vector<TourType> &tours, const TourSpace &space, Goal goal,
                                   const ServiceAims &aims)
{
    return build(week, types, tours, space, goal, 0, &aims);
}

WeekTourModel WeekTourModel::build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                   const std::vector<TourType> &tours, const TourSpace &space, Goal goal,
                                   int shortfallCap, const ServiceAims *aims)
{
    WeekTourModel m;
    m.model.comments.push_back(Comment(goal));
    for (std::size_t k = 0; k < types.size(); ++k)
        m.model.comments.push_back("t" + std::to_string(k + 1) + " = " + types[k].name.simplified().toStdString());
    for (std::size_t t = 0; t < tours.size(); ++t)
        m.model.comments.push_back("r" + std::to_string(t + 1) + " = " + tours[t].name.simplified().toStdString());
    const bool costed = goal != Goal::Shortfall && goal != Goal::ServiceLevel;
    m.addVariantColumns(week, types, space, costed);
    if (costed && m.unitMinutes != 60)
        m.model.comments.push_back("objective in units of " + std::to_string(m.unitMinutes) + " paid minutes");
    m.addLinks(week, tours, space);
    if (aims)
        m.addService(week, space, goal, *aims);
    else
        m.addCover(week, space, goal, shortfallCap);
    m.addMaximums(types, tours, space);
    return m;
}

void WeekTourModel::addVariantColumns(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                      const TourSpace &space, bool costed)
{
    int unit = 0;
    for (const auto &day : space.variants)
        for (const ShiftVariant &v : day)
            unit = std::gcd(unit, v.paidMinutes);
    unitMinutes = unit > 0 ? unit : 1;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        firstVariant[static_cast<std::size_t>(d)] = static_cast<int>(model.columns.size());
        for (const ShiftVariant &v : space.variants[static_cast<std::size_t>(d)]) {
            MipModel::Column column{VariantName(week, d, v),
                                    costed ? static_cast<double>(v.paidMinutes / unitMinutes) : 0.0,
                                    MipModel::Infinity, true};
            if (const auto &most = types[static_cast<std::size_t>(v.type)].maxAgents)
                column.upper = *most;
            model.addColumn(column);
        }
    }
}

void WeekTourModel::addLinks(const ShiftWeek &week, const std::vector<TourType> &tours, const TourSpace &space)
{
    for (std::size_t t = 0; t < tours.size(); ++t)
        for (std::size_t w = 0; w < space.tours[t].weeks.size(); ++w)
            agents.push_back({model.addColumn({"y_r" + std::to_string(t + 1) + "_w" + std::to_string(w + 1), 0.0,
                                               tours[t].maxAgents ? *tours[t].maxAgents : MipModel::Infinity, true}),
                              static_cast<int>(t), static_cast<int>(w)});

    // Per day, type and start slot: the z columns that start there.
    std::map<std::tuple<int, int, int>, std::vector<int>> startsAt;
    for (std::size_t t = 0; t < tours.size(); ++t) {
        const TourSpace::Tour &tour = space.tours[t];
        for (std::size_t b = 0; b < tour.bands.size(); ++b)
            for (int d = 0; d < ShiftWeek::DayCount; ++d) {
                const std::string where = "r" + std::to_string(t + 1) + "_b" + std::to_string(b + 1) + "_" + DayName(d);
                MipModel::Row days{"days_" + where, {}, 0.0, 0.0};
                std::map<int, MipModel::Row> paid; // by paid minutes
                for (const AgentsColumn &a : agents) {
                    if (a.tour != static_cast<int>(t))
                        continue;
                    const TourSpace::Week &wk = tour.weeks[static_cast<std::size_t>(a.week)];
                    const TourSpace::Pattern &p = tour.patterns[static_cast<std::size_t>(wk.pattern)];
                    if (wk.band != static_cast<int>(b) || !p.works(d))
                        continue;
                    days.terms.emplace_back(a.column, -1.0);
                    if (const int minutes = p.paid[static_cast<std::size_t>(d)]) {
                        MipModel::Row &row = paid[minutes];
                        row.name = "paid_" + where + "_" + std::to_string(minutes);
                        row.lower = 0.0;
                        row.terms.emplace_back(a.column, -1.0);
                    }
                }
                if (days.terms.empty())
                    continue;
                std::map<std::pair<int, int>, int> made; // type, start slot -> column
                for (const ShiftVariant &v : space.variants[static_cast<std::size_t>(d)]) {
                    if (!space.fits(week, static_cast<int>(t), static_cast<int>(b), d, v, 0)
                        || made.count({v.type, v.startSlot}))
                        continue;
                    const int column = model.addColumn({"z_" + where + "_t" + std::to_string(v.type + 1) + "_"
                                                            + SlotName(week, d, v.startSlot),
                                                        0.0, MipModel::Infinity, true});
                    made[{v.type, v.startSlot}] = column;
                    starts.push_back({column, static_cast<int>(t), static_cast<int>(b), d, v.type, v.startSlot});
                    startsAt[{d, v.type, v.startSlot}].push_back(column);
                    days.terms.emplace_back(column, 1.0);
                    if (auto it = paid.find(v.paidMinutes); it != paid.end())
                        it->second.terms.emplace_back(column, 1.0);
                }
                model.rows.push_back(std::move(days));
                for (auto &entry : paid)
                    model.rows.push_back(std::move(entry.second));
            }
    }
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const auto &variants = space.variants[static_cast<std::size_t>(d)];
        std::map<std::pair<int, int>, MipModel::Row> rows;
        for (std::size_t i = 0; i < variants.size(); ++i) {
            const ShiftVariant &v = variants[i];
            MipModel::Row &row = rows[{v.type, v.startSlot}];
            if (row.terms.empty()) {
                row.name = "start_" + DayName(d) + "_t" + std::to_string(v.type + 1) + "_" + SlotName(week, d, v.startSlot);
                row.lower = row.upper = 0.0;
                for (int column : startsAt[{d, v.type, v.startSlot}])
                    row.terms.emplace_back(column, 1.0);
            }
            row.terms.emplace_back(firstVariant[static_cast<std::size_t>(d)] + static_cast<int>(i), -1.0);
        }
        for (auto &entry : rows)
            model.rows.push_back(std::move(entry.second));
    }
}

void WeekTourModel::addCover(const ShiftWeek &week, const TourSpace &space, Goal goal, int shortfallCap)
{
    MipModel::Row shortfallRow{"shortfall", {}, -MipModel::Infinity, static_cast<double>(shortfallCap)};
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
        if (!day.open())
            continue;
        const std::vector<bool> reachable = space.reachable(week, d);
        const auto &variants = space.variants[static_cast<std::size_t>(d)];
        for (int s = 0; s < day.shifts->slotCount(); ++s) {
            const int required = day.shifts->requirement[static_cast<std::size_t>(s)];
            if (required <= 0 || !reachable[static_cast<std::size_t>(s)])
                continue;
            const std::string name = DayName(d) + "_" + SlotName(week, d, s);
            MipModel::Row row{"cover_" + name, {}, static_cast<double>(required), MipModel::Infinity};
            for (std::size_t i = 0; i < variants.size(); ++i)
                if (variants[i].works(s))
                    row.terms.emplace_back(firstVariant[static_cast<std::size_t>(d)] + static_cast<int>(i), 1.0);
            if (goal != Goal::PaidHours) {
                // Continuous: at the optimum it equals a whole number of agents.
                const int slack = model.addColumn({"short_" + name, goal == Goal::Shortfall ? 1.0 : 0.0,
                                                   static_cast<double>(required), false});
                row.terms.emplace_back(slack, 1.0);
                shortColumns[{d, s}] = slack;
                shortfallRow.terms.emplace_back(slack, 1.0);
            }
            model.rows.push_back(std::move(row));
        }
    }
    if (goal == Goal::PaidHoursWithShortfall && !shortfallRow.terms.empty())
        model.rows.push_back(std::move(shortfallRow));
}

void WeekTourModel::addService(const ShiftWeek &week, const TourSpace &space, Goal goal, const ServiceAims &aims)
{
    using DayGoal = ShiftServiceModel::Goal;
    const DayGoal dayGoal = goal == Goal::ServiceLevel ? DayGoal::ServiceLevel : DayGoal::PaidHours;
    double weekCalls = 0;
    for (const ShiftWeek::Day &day : week.days)
        if (day.open() && day.service)
            weekCalls += day.service->calls();
    for (int d = 0; d < ShiftWeek::DayCount && weekCalls > 0; ++d) {
        const auto index = static_cast<std::size_t>(d);
        const ShiftWeek::Day &day = week.days[index];
        if (!day.open() || !day.service || day.service->calls() <= 0)
            continue;
        MipModel::Row row = ShiftServiceModel::addDay(model, *day.shifts, space.variants[index], firstVariant[index],
                                                      *day.service, dayGoal, aims.target[index], aims.held[index],
                                                      DayName(d) + "_");
        row.name = "service_" + DayName(d);
        if (goal == Goal::ServiceLevel) {
            // The day's level counts up to the goal: what lies beyond it
            // buys nothing that another day could use.
            const int counted = model.addColumn({"counted_" + DayName(d), -day.service->calls() / weekCalls,
                                                 aims.goal, false});
            row.terms.emplace_back(counted, -1.0);
            row.lower = 0;
        }
        model.rows.push_back(std::move(row));
    }
}

void WeekTourModel::addMaximums(const std::vector<ShiftType> &types, const std::vector<TourType> &tours,
                                const TourSpace &space)
{
    for (std::size_t t = 0; t < tours.size(); ++t) {
        if (!tours[t].maxAgents)
            continue;
        MipModel::Row row{"max_r" + std::to_string(t + 1), {}, -MipModel::Infinity,
                          static_cast<double>(*tours[t].maxAgents)};
        for (const AgentsColumn &a : agents)
            if (a.tour == static_cast<int>(t))
                row.terms.emplace_back(a.column, 1.0);
        model.rows.push_back(std::move(row));
    }
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const auto &variants = space.variants[static_cast<std::size_t>(d)];
        for (std::size_t k = 0; k < types.size(); ++k) {
            if (!types[k].maxAgents)
                continue;
            MipModel::Row row{"max_" + DayName(d) + "_t" + std::to_string(k + 1), {}, -MipModel::Infinity,
                              static_cast<double>(*types[k].maxAgents)};
            for (std::size_t i = 0; i < variants.size(); ++i)
                if (variants[i].type == static_cast<int>(k))
                    row.terms.emplace_back(firstVariant[static_cast<std::size_t>(d)] + static_cast<int>(i), 1.0);
            if (!row.terms.empty())
                model.rows.push_back(std::move(row));
        }
    }
}

std::vector<int> WeekTourModel::staffed(const ShiftWeek &week, const TourSpace &space,
                                        const std::vector<double> &values, int day) const
{
    const auto index = static_cast<std::size_t>(day);
    const ShiftWeek::Day &shifts = week.days[index];
    std::vector<int> agents(static_cast<std::size_t>(shifts.open() ? shifts.shifts->slotCount() : 0), 0);
    const auto &variants = space.variants[index];
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const auto column = static_cast<std::size_t>(firstVariant[index]) + i;
        const auto count = column < values.size() ? static_cast<int>(std::llround(values[column])) : 0;
        for (std::size_t s = 0; s < agents.size(); ++s)
            if (variants[i].works(static_cast<int>(s)))
                agents[s] += count;
    }
    return agents;
}
