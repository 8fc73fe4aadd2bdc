// SPDX-License-Identifier: MIT
#include "weekserviceaims.h"

#include "serviceday.h"
#include "servicelevels.h"
#include "shiftweek.h"
#include "tourspace.h"

#include <cmath>

WeekServiceAims::WeekServiceAims(const ShiftWeek &week, const TourSpace &space, double goal)
{
    m_aims.goal = goal;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const auto index = static_cast<std::size_t>(d);
        const ShiftWeek::Day &day = week.days[index];
        if (!day.open() || !day.service || day.service->calls() <= 0)
            continue;
        m_aims.held[index] = ServiceLevels::heldSlots(*day.service, space.reachable(week, d));
        m_reached[index] = ServiceLevels::highestLevel(*day.service, m_aims.held[index].lowest);
    }
    setTargets();
}

void WeekServiceAims::reachedBy(const ShiftWeek &week, const WeekTourModel &layout, const TourSpace &space,
                                const std::vector<double> &values)
{
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const auto index = static_cast<std::size_t>(d);
        if (!m_reached[index])
            continue;
        const ServiceDay &service = *week.days[index].service;
        const std::vector<int> agents = staffed(week, layout, space, values, d);
        m_reached[index] = ServiceLevels::curveLevel(service, agents);
        ServiceLevels::holdWhatPlanReaches(m_aims.held[index], service, agents);
    }
    setTargets();
}

std::array<std::optional<double>, 7> WeekServiceAims::shortOfGoal() const
{
    std::array<std::optional<double>, 7> levels;
    for (std::size_t d = 0; d < levels.size(); ++d)
        if (m_reached[d] && ServiceLevels::shortOfGoal(*m_reached[d], m_aims.goal))
            levels[d] = m_reached[d];
    return levels;
}

std::vector<int> WeekServiceAims::staffed(const ShiftWeek &week, const WeekTourModel &layout, const TourSpace &space,
                                          const std::vector<double> &values, int day)
{
    const auto index = static_cast<std::size_t>(day);
    const ShiftWeek::Day &shifts = week.days[index];
    std::vector<int> agents(static_cast<std::size_t>(shifts.open() ? shifts.shifts->slotCount() : 0), 0);
    const auto &variants = space.variants[index];
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const auto column = static_cast<std::size_t>(layout.firstVariant[index]) + i;
        const auto count = column < values.size() ? static_cast<int>(std::llround(values[column])) : 0;
        for (std::size_t s = 0; s < agents.size(); ++s)
            if (variants[i].works(static_cast<int>(s)))
                agents[s] += count;
    }
    return agents;
}

void WeekServiceAims::setTargets()
{
    for (std::size_t d = 0; d < m_reached.size(); ++d)
        if (m_reached[d])
            m_aims.target[d] = ServiceLevels::target(*m_reached[d], m_aims.goal);
}
