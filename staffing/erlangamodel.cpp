// SPDX-License-Identifier: MIT
#include "erlangamodel.h"

#include "erlanga.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The largest agent number passed on to the formulas: far beyond any table,
// and safely inside a long long.
constexpr double LargestAgentNumber = 1e15;

class ErlangAEvaluation : public LoadEvaluation
{
public:
    ErlangAEvaluation(const CallLoad &load, const ServiceInputs &inputs)
        : m_load(load)
        , m_inputs(inputs)
        , m_traffic{load.arrivalRate, inputs.handleSeconds, inputs.abandonWaitSeconds}
    {
    }

    bool carries(double agents) const override { return agents >= 1; }

    // Any agent number, in any order: each is computed on its own.
    AgentFigures evaluate(double agents) override
    {
        std::optional<Calc::ErlangAFigures> exact;
        if (agents >= 1 && agents <= LargestAgentNumber)
            exact = Calc::ErlangA(m_traffic, static_cast<long long>(agents), m_inputs.goalSeconds);
        AgentFigures f;
        if (exact) {
            f.serviceLevel = exact->serviceLevel;
            f.waitProbability = exact->waitProbability;
            f.abandonRate = exact->abandonProbability;
            f.usage = exact->usage;
            f.answerTime = exact->answerSeconds / 3600;
            f.queueTime = exact->queueSeconds / 3600;
            f.queueLength = exact->queueLength;
        } else {
            // Input the formulas refuse (the input check refuses it first):
            // figures that meet no goal and are all numbers.
            f.serviceLevel = 0;
            f.waitProbability = 1;
            f.abandonRate = 1;
        }
        f.trunkLoad = TrunkLoad(m_load, m_inputs, f.answerTime);
        return f;
    }

    double firstAgents(const CallLoad &, const GoalRule &goal) override
    {
        if (const std::optional<long long> n = goalAgents(goal))
            return static_cast<double>(std::max(1LL, *n - ErlangAModel::RowsAboveGoal));
        return std::max(1.0, m_load.startAgents - ErlangAModel::RowsAboveGoal);
    }

private:
    bool meets(const GoalRule &goal, long long agents) { return goal.met(evaluate(static_cast<double>(agents))); }

    // The first agent number from 1 up that meets the rule. The service
    // level only rises with the agents, usage and abandonment only fall, so
    // whether an agent number meets the rule changes once: steps that double
    // from the load's agent number find an agent number on either side, and
    // halving the gap between them finds the change.
    std::optional<long long> goalAgents(const GoalRule &goal)
    {
        const double load = m_load.trafficLoad;
        const long long start = load >= 1 && load < ErlangAModel::MaxAgentsSearched ? std::llround(load) : 1;
        // The goal row mostly lies within a few square roots of the load from
        // it: the first step is a quarter of one, which saves half the
        // evaluations at large loads.
        const long long firstStep = start > 16 ? std::llround(std::sqrt(static_cast<double>(start)) / 4) : 1;
        long long missed = 0; // an agent number that misses the rule; 0: none found
        long long met = 0;    // one that meets it
        if (meets(goal, start)) {
            met = start;
            for (long long step = firstStep; met > 1; step *= 2) {
                const long long n = std::max(1LL, met - step);
                if (!meets(goal, n)) {
                    missed = n;
                    break;
                }
                met = n;
            }
            if (missed == 0)
                return met;
        } else {
            missed = start;
            for (long long step = firstStep;; step *= 2) {
                const long long n = std::min(missed + step, ErlangAModel::MaxAgentsSearched);
                if (meets(goal, n)) {
                    met = n;
                    break;
                }
                if (n == ErlangAModel::MaxAgentsSearched)
                    return std::nullopt;
                missed = n;
            }
        }
        while (met - missed > 1) {
            const long long middle = missed + (met - missed) / 2;
            if (meets(goal, middle))
                met = middle;
            else
                missed = middle;
        }
        return met;
    }

    CallLoad m_load;
    ServiceInputs m_inputs;
    Calc::ErlangATraffic m_traffic;
};

} // namespace

std::vector<std::unique_ptr<LoadEvaluation>> ErlangAModel::evaluations(const std::vector<CallLoad> &loads,
                                                                       const ServiceInputs &inputs) const
{
    // Each agent number is a closed form of its own: the loads share no work.
    std::vector<std::unique_ptr<LoadEvaluation>> result;
    result.reserve(loads.size());
    for (const CallLoad &load : loads)
        result.push_back(std::make_unique<ErlangAEvaluation>(load, inputs));
    return result;
}
