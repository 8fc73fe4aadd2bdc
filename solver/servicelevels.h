// SPDX-License-Identifier: MIT
#pragma once

#include "shiftservicemodel.h"

#include <vector>

struct ServiceCurve;
struct ServiceDay;

// What both the day's and the week's service-level plans read off a day's
// service curves.
namespace ServiceLevels {

// The day's service level by the curves for the agents staffed per slot:
// what the model counts (the roster check's own figure is the caller's).
double curveLevel(const ServiceDay &service, const std::vector<int> &staffed);
// The slots that hold their lowest level, those with calls that a shift
// reaches, and of them those with a floor.
ShiftServiceModel::Held heldSlots(const ServiceDay &service, const std::vector<bool> &reachable);
// The day's service level with every held slot at its highest level.
double highestLevel(const ServiceDay &service, const std::vector<bool> &held);
// After a plan of the highest level: a slot holds its lowest level and its
// floor only where that plan's staffing reaches them.
void holdWhatPlanReaches(ShiftServiceModel::Held &held, const ServiceDay &service, const std::vector<int> &staffed);
// The level the paid-hours model aims at: the goal, or where the most the
// shifts give (`reached`) falls short of it, that less the margin the day's
// row adds, so that the plan of that level stays feasible.
double target(double reached, double goal);
// Whether `reached` falls short of the goal.
bool shortOfGoal(double reached, double goal);
// The slots (from 0) where no agent number the curves weigh meets the floor.
std::vector<int> floorOutOfReach(const ServiceDay &service);
// Whether a slot staffed by `staffed` agents keeps its level, and its floor
// where it meets it, with one agent less.
bool keptWithOneLess(const ServiceCurve &curve, const ServiceDay &service, int staffed);

} // namespace ServiceLevels
