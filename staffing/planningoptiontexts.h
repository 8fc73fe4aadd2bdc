// SPDX-License-Identifier: MIT
#pragma once

#include "planningoptions.h"

#include <QString>

#include <optional>
#include <vector>

// The planning options as a planner types and reads them, checked and shown
// with the names, ranges and refusals of the options' table
// (PlanningOptionInfo) and the models' list (StaffingModelInfo).

// The option in a planner's words: "queueing model", "shrinkage"...
QString PlanningOptionDescription(PlanningOption option);

// The options as a planner types them: a percentage left empty is not set;
// empty paid hours are the default 08:00.
struct PlanningOptionTexts
{
    QueueModel model = QueueModel::ErlangC;
    QString shrinkage;
    QString maxOccupancy;
    QString maxAbandon;
    QString paidHours;

    // The texts that give `options` back.
    static PlanningOptionTexts of(const PlanningOptions &options);
};

// What checking typed options found: the options, or the first option (in
// list order) whose text is refused, with what it must be.
struct PlanningOptionsCheck
{
    std::optional<PlanningOptions> options;
    PlanningOption failing = PlanningOption::Model;
    QString requirement; // "a percentage from 0 to 95", with a refusal
};
PlanningOptionsCheck CheckPlanningOptions(const PlanningOptionTexts &texts);

// The options that differ from their defaults, as the window's line under
// the inputs and the report's inputs block show them: caption and value,
// e.g. {"Shrinkage", "30%"}, {"Max occupancy", "85%"}, {"Model", "Erlang A"}.
struct ShownPlanningOption
{
    PlanningOption option;
    QString caption;
    QString value;
};
std::vector<ShownPlanningOption> ShownPlanningOptions(const PlanningOptions &options);
