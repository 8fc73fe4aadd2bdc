// SPDX-License-Identifier: MIT
#include "erlangcmodel.h"

#include "agentsearch.h"
#include "queueing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The blocks of the evaluations that ended, kept for the next ones: a
// Schedule makes one evaluation per slot at every recalculation, and the
// allocator took longer over those dozens of small blocks than the
// evaluations took to set up. Each thread keeps its own and frees them when
// it ends; after that its evaluations use the allocator again.
struct FreeBlocks
{
    // More than a Schedule of any slot length has slots.
    static constexpr int MostKept = 128;
    void *blocks[MostKept];
    int count = 0; // -1 once the thread's blocks were freed
};
thread_local FreeBlocks freeBlocks;

struct FreeBlocksRelease
{
    ~FreeBlocksRelease()
    {
        for (int i = 0; i < freeBlocks.count; ++i)
            ::operator delete(freeBlocks.blocks[i]);
        freeBlocks.count = -1;
    }
};

FreeBlocks &freeBlocksOfThisThread()
{
    // Touching the release object has it run when the thread ends.
    thread_local FreeBlocksRelease release;
    (void)release;
    return freeBlocks;
}

void *takeBlock(std::size_t size)
{
    FreeBlocks &kept = freeBlocksOfThisThread();
    if (kept.count <= 0)
        return ::operator new(size);
    return kept.blocks[--kept.count];
}

void giveBlock(void *block)
{
    FreeBlocks &kept = freeBlocksOfThisThread();
    if (kept.count >= 0 && kept.count < FreeBlocks::MostKept)
        kept.blocks[kept.count++] = block;
    else
        ::operator delete(block);
}

class ErlangCEvaluation final : public LoadEvaluation
{
public:
    // Every block is of this final class's size.
    static void *operator new(std::size_t size) { return takeBlock(size); }
    static void operator delete(void *block) { giveBlock(block); }

    ErlangCEvaluation(const CallLoad &load, const ServiceInputs &inputs, long long servers, double blocking)
        : m_load(load)
        , m_inputs(inputs)
        , m_loss(load.trafficLoad, servers, blocking)
    {
    }

    bool carries(double agents) const override { return m_load.trafficLoad / agents < 1; }

    AgentFigures evaluate(double agents) override
    {
        return EvaluateAgents(agents, m_load, m_inputs, blockingAt(agents));
    }

    // The queue length, answer time and line load are left out.
    AgentFigures goalFigures(double agents) override
    {
        return EvaluateGoalFigures(agents, m_load, m_inputs, blockingAt(agents));
    }

    void complete(double agents, AgentFigures &figures) override
    {
        CompleteFigures(agents, m_load, m_inputs, figures);
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
    double blockingAt(double agents)
    {
        const auto servers = static_cast<long long>(agents);
        if (servers > m_loss.servers() + 1)
            walkFarAhead(servers);
        return m_loss.at(servers);
    }

    // A tight cap or a roster can ask for an agent number far above the
    // recursion. The recursion walks there step by step, as from the start,
    // so every value is the one the whole walk gives; but the blocking
    // probability falls with every agent, and once it is below the smallest
    // normal double the agents asked for get 0 without walking on: further
    // steps only lead through numbers a double cannot hold to a precision
    // worth the time (with a 1 % cap at the load bound, a hundred times the
    // load's own walk).
    void walkFarAhead(long long servers)
    {
        long long reached = m_loss.servers();
        while (reached < servers) {
            reached = std::min(servers, reached + StepsBetweenChecks);
            if (m_loss.at(reached) < std::numeric_limits<double>::min()) {
                m_loss = Calc::LossRecursion(m_load.trafficLoad, servers, 0.0);
                return;
            }
        }
    }

    // Steps of the recursion between two looks at its value.
    static constexpr long long StepsBetweenChecks = 64;

    CallLoad m_load;
    ServiceInputs m_inputs;
    // Kept open: consecutive agent numbers cost one step each.
    Calc::LossRecursion m_loss;
};

} // namespace

std::vector<std::unique_ptr<LoadEvaluation>> ErlangCModel::evaluations(const std::vector<CallLoad> &loads,
                                                                       const ServiceInputs &inputs) const
{
    if (loads.size() == 1) {
        // The Agents table's one load: its recursion alone, as a plain loop.
        std::vector<std::unique_ptr<LoadEvaluation>> result;
        const auto servers = static_cast<long long>(loads[0].startAgents);
        const double blocking = Calc::LossRecursion(loads[0].trafficLoad).at(servers);
        result.push_back(std::make_unique<ErlangCEvaluation>(loads[0], inputs, servers, blocking));
        return result;
    }
    return slotEvaluations(loads, std::vector<ServiceInputs>(loads.size(), inputs));
}

std::vector<std::unique_ptr<LoadEvaluation>> ErlangCModel::slotEvaluations(const std::vector<CallLoad> &loads,
                                                                           const std::vector<ServiceInputs> &inputs) const
{
    std::vector<std::unique_ptr<LoadEvaluation>> result;
    const auto count = loads.size();
    // The recursions of all loads up to their first agent number run side
    // by side; each load's search then goes on from there.
    std::vector<double> trafficLoads(count);
    std::vector<long long> servers(count);
    for (std::size_t i = 0; i < count; ++i) {
        trafficLoads[i] = loads[i].trafficLoad;
        servers[i] = static_cast<long long>(loads[i].startAgents);
    }
    std::vector<double> blocking(count);
    Calc::LossProbabilities(trafficLoads.data(), servers.data(), blocking.data(), static_cast<int>(count));

    result.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        result.push_back(std::make_unique<ErlangCEvaluation>(loads[i], inputs[i], servers[i], blocking[i]));
    return result;
}
