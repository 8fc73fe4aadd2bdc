// SPDX-License-Identifier: MIT
#include "erlangcmodel.h"

#include "agentsearch.h"
#include "queueing.h"

#include <algorithm>
#include <cmath>

namespace {

class ErlangCEvaluation : public LoadEvaluation
{
public:
    ErlangCEvaluation(const CallLoad &load, const ServiceInputs &inputs, long long servers, double blocking)
        : m_load(load)
        , m_inputs(inputs)
        , m_loss(load.trafficLoad, servers, blocking)
        , m_reached(servers)
    {
    }

    bool carries(double agents) const override { return m_load.trafficLoad / agents < 1; }

    AgentFigures evaluate(double agents) override
    {
        const auto servers = static_cast<long long>(agents);
        settleFarAhead(servers);
        m_reached = std::max(m_reached, servers);
        return EvaluateAgents(agents, m_load, m_inputs, m_loss.at(servers));
    }

    // Usage is the load over the agents, exactly: with a cap the first
    // agent number within it is known without evaluating. A table starts
    // where it always has unless that number lies beyond the agent numbers
    // it tries; then a few rows above it.
    double firstAgents(const CallLoad &load, const GoalRule &goal) override
    {
        if (!goal.maxOccupancyPercent)
            return load.startAgents;
        auto withinCap = [&](double agents) {
            AgentFigures usageOnly;
            usageOnly.usage = load.trafficLoad / agents;
            return (goal.missed(usageOnly) & GoalRule::OccupancyCap) == 0;
        };
        double capped = std::max(1.0, std::ceil(load.trafficLoad * 100 / *goal.maxOccupancyPercent));
        while (capped > 1 && withinCap(capped - 1))
            capped -= 1;
        while (!withinCap(capped))
            capped += 1;
        if (capped < load.startAgents + AgentSearch::AgentNumbersTried - RowsAboveGoal)
            return load.startAgents;
        return capped - RowsAboveGoal;
    }

private:
    // A tight cap can put the first agent number far above the load. The
    // recursion forgets where it started by a factor of load / agents per
    // step, so from far enough ahead it restarts a few settling steps below
    // the agents asked for: the value it reaches is the one the whole walk
    // gives, at a cost that does not grow with the cap.
    void settleFarAhead(long long servers)
    {
        const double load = m_load.trafficLoad;
        const double target = static_cast<double>(servers);
        if (!(target > load * 1.001))
            return;
        // Each step forgets at least load / (its agents): the steps are
        // counted at the lowest agent number they start from.
        double settlingSteps = 0;
        for (int refinement = 0; refinement < 4; ++refinement) {
            if (!(target - settlingSteps > load * 1.001))
                return;
            settlingSteps = std::ceil(ForgetNaturalLogs / std::log((target - settlingSteps) / load));
        }
        if (settlingSteps + 1 >= target - static_cast<double>(m_reached) || target - settlingSteps <= load)
            return;
        m_loss = Calc::LossRecursion(load, servers - static_cast<long long>(settlingSteps), 1.0);
    }

    // e^-45: the start's weight after settling, far below a double's precision.
    static constexpr double ForgetNaturalLogs = 45;

    CallLoad m_load;
    ServiceInputs m_inputs;
    // Kept open: consecutive agent numbers cost one step each.
    Calc::LossRecursion m_loss;
    long long m_reached = 0; // the highest agent number the recursion reached
};

} // namespace

std::vector<std::unique_ptr<LoadEvaluation>> ErlangCModel::evaluations(const std::vector<CallLoad> &loads,
                                                                       const ServiceInputs &inputs) const
{
    return slotEvaluations(loads, std::vector<ServiceInputs>(loads.size(), inputs));
}

std::vector<std::unique_ptr<LoadEvaluation>> ErlangCModel::slotEvaluations(const std::vector<CallLoad> &loads,
                                                                           const std::vector<ServiceInputs> &inputs) const
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
        result.push_back(std::make_unique<ErlangCEvaluation>(loads[i], inputs[i], servers[i], blocking[i]));
    return result;
}
