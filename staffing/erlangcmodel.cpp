// SPDX-License-Identifier: MIT
#include "erlangcmodel.h"

#include "queueing.h"

namespace {

class ErlangCEvaluation : public LoadEvaluation
{
public:
    ErlangCEvaluation(const CallLoad &load, const ServiceInputs &inputs, long long servers, double blocking)
        : m_load(load)
        , m_inputs(inputs)
        , m_loss(load.trafficLoad, servers, blocking)
    {
    }

    bool carries(double agents) const override { return m_load.trafficLoad / agents < 1; }

    AgentFigures evaluate(double agents) override
    {
        return EvaluateAgents(agents, m_load, m_inputs, m_loss.at(static_cast<long long>(agents)));
    }

private:
    CallLoad m_load;
    ServiceInputs m_inputs;
    // Kept open: consecutive agent numbers cost one step each.
    Calc::LossRecursion m_loss;
};

} // namespace

std::vector<std::unique_ptr<LoadEvaluation>> ErlangCModel::evaluations(const std::vector<CallLoad> &loads,
                                                                       const ServiceInputs &inputs) const
{
    // The recursions of all loads up to their first agent number run side
    // by side; each load's search then goes on from there.
    const auto count = loads.size();
    std::vector<double> trafficLoads(count);
    std::vector<long long> servers(count);
    for (std::size_t i = 0; i < count; ++i) {
        trafficLoads[i] = loads[i].trafficLoad;
        servers[i] = static_cast<long long>(loads[i].startAgents);
    }
    std::vector<double> blocking(count);
    Calc::LossProbabilities(trafficLoads.data(), servers.data(), blocking.data(), static_cast<int>(count));

    std::vector<std::unique_ptr<LoadEvaluation>> result;
    result.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        result.push_back(std::make_unique<ErlangCEvaluation>(loads[i], inputs, servers[i], blocking[i]));
    return result;
}
