// SPDX-License-Identifier: MIT
#include "servicelevels.h"

#include "serviceday.h"

namespace ServiceLevels {

double curveLevel(const ServiceDay &service, const std::vector<int> &staffed)
{
    const double calls = service.calls();
    double answered = 0;
    for (std::size_t s = 0; s < staffed.size() && s < service.curves.size(); ++s)
        answered += service.curves[s].calls * service.curves[s].at(service.answering(staffed[s]));
    return calls > 0 ? answered / calls : 0;
}

ShiftServiceModel::Held heldSlots(const ServiceDay &service, const std::vector<bool> &reachable)
{
    ShiftServiceModel::Held held{std::vector<bool>(reachable.size()), std::vector<bool>(reachable.size())};
    for (std::size_t s = 0; s < reachable.size() && s < service.curves.size(); ++s) {
        held.lowest[s] = reachable[s] && service.curves[s].calls > 0 && !service.curves[s].levels.empty();
        held.floor[s] = held.lowest[s] && service.curves[s].floor > 0;
    }
    return held;
}

double highestLevel(const ServiceDay &service, const std::vector<bool> &held)
{
    const double calls = service.calls();
    double answered = 0;
    for (std::size_t s = 0; s < held.size() && s < service.curves.size(); ++s) {
        if (held[s])
            answered += service.curves[s].calls * service.curves[s].levels.back();
    }
    return calls > 0 ? answered / calls : 0;
}

void holdWhatPlanReaches(ShiftServiceModel::Held &held, const ServiceDay &service, const std::vector<int> &staffed)
{
    for (std::size_t s = 0; s < staffed.size() && s < held.lowest.size(); ++s) {
        const int answering = service.answering(staffed[s]);
        held.lowest[s] = held.lowest[s] && answering >= service.curves[s].lowest;
        held.floor[s] = held.floor[s] && answering >= service.curves[s].floor;
    }
}

double target(double reached, double goal)
{
    return shortOfGoal(reached, goal) ? reached - 2 * ShiftServiceModel::TargetMargin : goal;
}

bool shortOfGoal(double reached, double goal)
{
    return reached < goal + ShiftServiceModel::TargetMargin;
}

std::vector<int> floorOutOfReach(const ServiceDay &service)
{
    std::vector<int> outOfReach;
    for (std::size_t s = 0; s < service.curves.size(); ++s) {
        if (service.curves[s].floorOutOfReach)
            outOfReach.push_back(static_cast<int>(s));
    }
    return outOfReach;
}

bool keptWithOneLess(const ServiceCurve &curve, const ServiceDay &service, int staffed)
{
    const int now = service.answering(staffed);
    const int after = service.answering(staffed - 1);
    if (curve.floor > 0 && now >= curve.floor && after < curve.floor)
        return false;
    return curve.calls <= 0 || curve.at(after) >= curve.at(now);
}

} // namespace ServiceLevels
