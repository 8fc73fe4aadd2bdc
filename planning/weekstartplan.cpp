// SPDX-License-Identifier: MIT
#include "weekstartplan.h"

#include "shifttype.h"
#include "tourspace.h"
#include "tourtype.h"
#include "weektourmodel.h"

#include <map>
#include <tuple>

namespace {

// The greedy plan's state: what each day still lacks and how many agents
// each tour and each day's shift type has.
class Greedy
{
public:
    Greedy(const ShiftWeek &week, const std::vector<ShiftType> &types, const std::vector<TourType> &tours,
           const TourSpace &space)
        : m_week(week), m_types(types), m_tours(tours), m_space(space), m_tourAgents(tours.size(), 0)
    {
        for (int d = 0; d < ShiftWeek::DayCount; ++d) {
            const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
            if (!day.open())
                continue;
            const std::vector<bool> reachable = space.reachable(week, d);
            auto &lack = m_lack[static_cast<std::size_t>(d)];
            for (int s = 0; s < day.shifts->slotCount(); ++s)
                lack.push_back(reachable[static_cast<std::size_t>(s)] ? day.shifts->requirement[static_cast<std::size_t>(s)] : 0);
            m_typeAgents[static_cast<std::size_t>(d)].assign(types.size(), 0);
        }
    }

    // Adds the best agent's week; false when no week covers a short slot.
    bool addAgent(std::vector<double> &values, const WeekTourModel &model);
    const std::array<std::vector<int>, ShiftWeek::DayCount> &lack() const { return m_lack; }

private:
    struct Choice
    {
        int gain = -1;
        int variant = -1;
    };

    Choice bestVariant(int tour, int band, int day, int paid) const;

    const ShiftWeek &m_week;
    const std::vector<ShiftType> &m_types;
    const std::vector<TourType> &m_tours;
    const TourSpace &m_space;
    std::array<std::vector<int>, ShiftWeek::DayCount> m_lack;
    std::array<std::vector<int>, ShiftWeek::DayCount> m_typeAgents;
    std::vector<int> m_tourAgents;
};

Greedy::Choice Greedy::bestVariant(int tour, int band, int day, int paid) const
{
    Choice best;
    const auto &variants = m_space.variants[static_cast<std::size_t>(day)];
    const auto &lack = m_lack[static_cast<std::size_t>(day)];
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const ShiftVariant &v = variants[i];
        const auto &most = m_types[static_cast<std::size_t>(v.type)].maxAgents;
        if (!m_space.fits(m_week, tour, band, day, v, paid)
            || (most && m_typeAgents[static_cast<std::size_t>(day)][static_cast<std::size_t>(v.type)] >= *most))
            continue;
        int gain = 0;
        for (int s = v.startSlot; s < v.startSlot + v.lengthSlots; ++s)
            gain += v.works(s) && lack[static_cast<std::size_t>(s)] > 0 ? 1 : 0;
        if (gain > best.gain)
            best = {gain, static_cast<int>(i)};
    }
    return best;
}

bool Greedy::addAgent(std::vector<double> &values, const WeekTourModel &model)
{
    double bestRate = 0;
    int bestAgents = -1;
    std::array<Choice, ShiftWeek::DayCount> bestDays{};
    std::map<std::tuple<int, int, int>, Choice> memo; // (band, day, paid)
    for (std::size_t a = 0; a < model.agents.size(); ++a) {
        const WeekTourModel::AgentsColumn &column = model.agents[a];
        const auto &most = m_tours[static_cast<std::size_t>(column.tour)].maxAgents;
        if (most && m_tourAgents[static_cast<std::size_t>(column.tour)] >= *most)
            continue;
        if (a == 0 || model.agents[a - 1].tour != column.tour)
            memo.clear();
        const TourSpace::Tour &tour = m_space.tours[static_cast<std::size_t>(column.tour)];
        const TourSpace::Week &w = tour.weeks[static_cast<std::size_t>(column.week)];
        const TourSpace::Pattern &p = tour.patterns[static_cast<std::size_t>(w.pattern)];
        std::array<Choice, ShiftWeek::DayCount> days{};
        int gain = 0;
        int paid = 0;
        bool possible = true;
        for (int d = 0; d < ShiftWeek::DayCount && possible; ++d) {
            if (!p.works(d))
                continue;
            const int need = p.paid[static_cast<std::size_t>(d)];
            const auto key = std::make_tuple(w.band, d, need);
            auto it = memo.find(key);
            if (it == memo.end())
                it = memo.emplace(key, bestVariant(column.tour, w.band, d, need)).first;
            days[static_cast<std::size_t>(d)] = it->second;
            possible = it->second.variant >= 0;
            if (possible) {
                gain += it->second.gain;
                paid += m_space.variants[static_cast<std::size_t>(d)][static_cast<std::size_t>(it->second.variant)].paidMinutes;
            }
        }
        const double rate = possible && paid > 0 ? static_cast<double>(gain) / paid : 0;
        if (gain > 0 && rate > bestRate) {
            bestRate = rate;
            bestAgents = static_cast<int>(a);
            bestDays = days;
        }
    }
    if (bestAgents < 0)
        return false;
    const WeekTourModel::AgentsColumn &column = model.agents[static_cast<std::size_t>(bestAgents)];
    const int band = m_space.tours[static_cast<std::size_t>(column.tour)].weeks[static_cast<std::size_t>(column.week)].band;
    values[static_cast<std::size_t>(column.column)] += 1;
    ++m_tourAgents[static_cast<std::size_t>(column.tour)];
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const Choice &choice = bestDays[static_cast<std::size_t>(d)];
        if (choice.variant < 0)
            continue;
        const ShiftVariant &v = m_space.variants[static_cast<std::size_t>(d)][static_cast<std::size_t>(choice.variant)];
        values[static_cast<std::size_t>(model.firstVariant[static_cast<std::size_t>(d)] + choice.variant)] += 1;
        ++m_typeAgents[static_cast<std::size_t>(d)][static_cast<std::size_t>(v.type)];
        for (int s = v.startSlot; s < v.startSlot + v.lengthSlots; ++s)
            if (v.works(s))
                --m_lack[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
        for (const WeekTourModel::StartColumn &z : model.starts)
            if (z.tour == column.tour && z.band == band && z.day == d && z.type == v.type && z.startSlot == v.startSlot) {
                values[static_cast<std::size_t>(z.column)] += 1;
                break;
            }
    }
    return true;
}

} // namespace

std::vector<double> WeekStartPlan::values(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                          const std::vector<TourType> &tours, const TourSpace &space,
                                          const WeekTourModel &model)
{
    std::vector<double> values(model.model.columns.size(), 0.0);
    Greedy greedy(week, types, tours, space);
    while (greedy.addAgent(values, model)) {
    }
    for (const auto &[slot, column] : model.shortColumns)
        values[static_cast<std::size_t>(column)] =
            std::max(0, greedy.lack()[static_cast<std::size_t>(slot.first)][static_cast<std::size_t>(slot.second)]);
    return values;
}
