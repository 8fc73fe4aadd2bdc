// SPDX-License-Identifier: MIT
#include "weekserviceaims.h"

#include "serviceday.h"
#include "servicelevels.h"
#include "shiftweek.h"
#include "tourspace.h"

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
        const std::vector<int> agents = layout.staffed(week, space, values, d);
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

void WeekServiceAims::setTargets()
{
    for (std::size_t d = 0; d < m_reached.size(); ++d)
        if (m_reached[d])
            m_aims.target[d] = ServiceLevels::target(*m_reached[d], m_aims.goal);
}
