// SPDX-License-Identifier: MIT
#include "staffingmodel.h"

namespace {

bool sameInputs(const ServiceInputs &a, const ServiceInputs &b)
{
    return a.handleSeconds == b.handleSeconds && a.talkSeconds == b.talkSeconds
        && a.abandonWaitSeconds == b.abandonWaitSeconds && a.goalSeconds == b.goalSeconds;
}

} // namespace

std::vector<std::unique_ptr<LoadEvaluation>> StaffingModel::slotEvaluations(const std::vector<CallLoad> &loads,
                                                                            const std::vector<ServiceInputs> &inputs) const
{
    std::vector<std::unique_ptr<LoadEvaluation>> result(loads.size());
    std::vector<bool> done(loads.size());
    for (std::size_t first = 0; first < loads.size(); ++first) {
        if (done[first])
            continue;
        std::vector<CallLoad> group;
        std::vector<std::size_t> at;
        for (std::size_t i = first; i < loads.size(); ++i) {
            if (!done[i] && sameInputs(inputs[i], inputs[first])) {
                group.push_back(loads[i]);
                at.push_back(i);
                done[i] = true;
            }
        }
        std::vector<std::unique_ptr<LoadEvaluation>> evaluated = evaluations(group, inputs[first]);
        for (std::size_t k = 0; k < at.size(); ++k)
            result[at[k]] = std::move(evaluated[k]);
    }
    return result;
}
