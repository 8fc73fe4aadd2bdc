// SPDX-License-Identifier: MIT
#pragma once

#include "staffingmodel.h"

// The classical model: Poisson arrivals, exponential handling, one queue of
// callers who never hang up (the waiting probability of the loss formula),
// with the abandonment estimate and service level of EvaluateAgents. An
// agent number carries the load while its usage stays below 1, so its
// tables start at the load's first agent number (the default firstAgents)
// and ask for agent numbers in rising order from there.
class ErlangCModel : public StaffingModel
{
public:
    std::vector<std::unique_ptr<LoadEvaluation>> evaluations(const std::vector<CallLoad> &loads,
                                                             const ServiceInputs &inputs) const override;
    // All loads' recursions side by side, whatever their inputs.
    std::vector<std::unique_ptr<LoadEvaluation>> slotEvaluations(const std::vector<CallLoad> &loads,
                                                                 const std::vector<ServiceInputs> &inputs) const override;
};
