// SPDX-License-Identifier: MIT
#pragma once

#include "planningoptions.h"

#include <QString>

#include <vector>

// One planning option as the program offers it. all() is the one table of
// the options: the dialog, the scenario file's option lines, varnook-calc,
// the planning line and the report read their names, ranges and refusals
// from it.
struct PlanningOptionInfo
{
    PlanningOption option;
    QString description; // "shrinkage": the option in a planner's words, in messages
    QString caption;     // "Shrinkage": the planning line's and the report's caption
    QString fileKey;     // "shrinkage": the key of its line in a scenario file
    QString commandLineOption; // "--shrinkage"
    QString dialogLabel;       // "&Shrinkage %:", with its access key
    QString dialogHint;
    // "a percentage from 0 to 95": what a refused value must be (the model's
    // words come from the list of staffing models).
    QString requirement;
    // The accepted range: percent, or minutes for the paid hours.
    double minimum = 0;
    double maximum = 0;

    // Every option in the order the window and the report list them.
    static const std::vector<PlanningOptionInfo> &all();
    static const PlanningOptionInfo &of(PlanningOption option);
};
