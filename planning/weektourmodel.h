// SPDX-License-Identifier: MIT
#pragma once

#include "mipmodel.h"
#include "shiftservicemodel.h"

#include <array>
#include <map>
#include <vector>

class TourSpace;
struct ShiftType;
struct ShiftWeek;
struct TourType;

// The tour model of a week, an implicit one as in the tour-scheduling
// literature, exact for every rule of a tour type:
// - x: agents on each day's shift variant (start and break), integer;
// - y: agents of a tour type on each of its weeks (days worked, their paid
//   times where the weekly hours need them, a start band), integer;
// - z: agents of a tour type in a band who start a shift type at a slot of
//   a day, integer, joining the two: a day's z of a band add up to that
//   band's weeks that work the day (those that need one paid time get at
//   least that many of it), and a start's z add up to its variants' x.
// Every solution thus splits into agents' weeks (WeekDecomposition). The
// paid hours are costed on x in whole units of the paid times' greatest
// common step, so that the objective is a whole number.
struct WeekTourModel
{
    enum class Goal {
        PaidHours, // the fewest paid hours; every reachable slot covered
        Shortfall, // the least shortfall in agent-slots
        PaidHoursWithShortfall, // the fewest paid hours, shortfall <= a cap
        // Each open day's service level by its curves, up to the goal and
        // weighted by the day's calls, as high as the tours allow; a slot
        // floor is a first aim, as in a day's model of the highest level.
        ServiceLevel,
        // The fewest paid hours with each open day's service level at its
        // target and the held slots at their lowest level and floor.
        PaidHoursWithService,
    };

    // What the service-level goals aim at, per day (Monday first): the
    // target and the held slots (Goal::PaidHoursWithService), and the goal
    // (Goal::ServiceLevel). Days without service curves are left out.
    struct ServiceAims
    {
        double goal = 0;
        std::array<double, 7> target{};
        std::array<ShiftServiceModel::Held, 7> held;
    };

    struct AgentsColumn
    {
        int column = 0;
        int tour = 0;
        int week = 0; // into the tour's weeks
    };
    struct StartColumn
    {
        int column = 0;
        int tour = 0;
        int band = 0;
        int day = 0;
        int type = 0;
        int startSlot = 0;
    };

    MipModel model;
    // Per day, the column of its first variant; the day's variants follow.
    std::array<int, 7> firstVariant{};
    std::vector<AgentsColumn> agents;
    std::vector<StartColumn> starts;
    // Per day and slot with a shortfall column, that column.
    std::map<std::pair<int, int>, int> shortColumns;
    // The paid minutes one unit of the objective stands for.
    int unitMinutes = 1;
    static WeekTourModel build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                               const std::vector<TourType> &tours, const TourSpace &space, Goal goal,
                               int shortfallCap = 0);
    static WeekTourModel build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                               const std::vector<TourType> &tours, const TourSpace &space, Goal goal,
                               const ServiceAims &aims);

    // Per slot of `day`, the agents a solution's values (of any model of
    // the week) staff.
    std::vector<int> staffed(const ShiftWeek &week, const TourSpace &space, const std::vector<double> &values,
                             int day) const;

private:
    static WeekTourModel build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                               const std::vector<TourType> &tours, const TourSpace &space, Goal goal,
                               int shortfallCap, const ServiceAims *aims);
    void addVariantColumns(const ShiftWeek &week, const std::vector<ShiftType> &types, const TourSpace &space,
                           bool costed);
    void addLinks(const ShiftWeek &week, const std::vector<TourType> &tours, const TourSpace &space);
    void addCover(const ShiftWeek &week, const TourSpace &space, Goal goal, int shortfallCap);
    void addService(const ShiftWeek &week, const TourSpace &space, Goal goal, const ServiceAims &aims);
    void addMaximums(const std::vector<ShiftType> &types, const std::vector<TourType> &tours,
                     const TourSpace &space);
};
