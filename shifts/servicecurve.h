// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The service level one slot gives over its answering agents, as the
// roster check computes it: levels[k] at lowest + k agents answering. Below
// `lowest` the slot counts as answering nothing in time; above the last
// level (practically full service) more agents add nothing.
struct ServiceCurve
{
    // The most answering agents a curve runs over: far beyond the few dozen
    // from the load to practically full service of any real slot.
    static constexpr int MaxSteps = 200;

    double calls = 0; // the slot's weight in the day's service level
    int lowest = 0;
    std::vector<double> levels;
    // Under a slot floor: the fewest answering agents (from `lowest` on)
    // whose slot meets it, 0 without a floor. A floor that no agent number
    // within MaxSteps of `lowest` meets leaves 0 and sets floorOutOfReach.
    int floor = 0;
    bool floorOutOfReach = false;

    int highest() const { return lowest + static_cast<int>(levels.size()) - 1; }
    // The level at `answering` agents; 0 below the lowest, the last level
    // above the highest, 0 for a curve without levels.
    double at(int answering) const;
    // The first added agent (from 1) from which the added levels never rise
    // again to the highest: from there a linear model that may take any
    // added agent in any order still gives the true level, as it takes the
    // largest steps first. Added agents before it must be taken in order
    // (1 when every step is at most the one before it).
    int concaveFrom() const;
};
