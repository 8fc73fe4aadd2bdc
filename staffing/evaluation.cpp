// SPDX-License-Identifier: MIT
#include "evaluation.h"

#include "queueing.h"
#include "texts.h"

#include <cmath>

namespace {

// Half an agent added to the load before it is rounded to the first agent
// number tried. A queue keeps up only with more agents than the load (usage
// below 1), so the search starts at about the first whole number above the
// load instead of at one agent: the numbers below it could not carry the
// calls, and the tables' few rows would be spent on them.
constexpr double StartAgentsMargin = 0.5;
// Half a percent added to the abandonment estimate, so that its whole
// percentage shows a share that is not yet 1 % as 1 %.
constexpr double AbandonRateAllowance = 0.005;

// TrunkLoad's rule, here where EvaluateAgents inlines it: it is asked for
// at every agent number a table tries.
inline double trunkLoadOf(const CallLoad &load, const ServiceInputs &inputs, double answerTime)
{
    // The lines are held while the caller waits and talks; after-call work
    // needs no line.
    const double holdingSeconds = Calc::HoursToSeconds(answerTime) + inputs.talkSeconds;
    const double lineRate = holdingSeconds > 0 ? 3600 / holdingSeconds : 0;
    return lineRate > 0 ? load.arrivalRate / lineRate : 0;
}

} // namespace

CallLoad ComputeCallLoad(double calls, double periodMinutes, double handleSeconds)
{
    CallLoad load;
    load.arrivalRate = calls / (periodMinutes / 60);
    load.serviceRate = 3600 / handleSeconds;
    load.trafficLoad = load.arrivalRate / load.serviceRate;
    // The load plus half an agent, rounded to the nearest whole number (exact
    // halves to the even one): about the first whole agent number above the
    // load, where a queue can start to keep up.
    load.startAgents = std::nearbyint(load.arrivalRate * handleSeconds / 3600 + StartAgentsMargin);
    return load;
}

namespace {

// The two halves of EvaluateAgents, inlined into it and into the functions
// that give each half alone.
inline AgentFigures goalFiguresOf(double agents, const CallLoad &load, const ServiceInputs &inputs, double blocking)
{
    const double n = agents;
    const double a = load.trafficLoad;
    const double mu = load.serviceRate;
    AgentFigures f;
    f.usage = a / n;
    const double rho = f.usage;
    f.waitProbability = Calc::WaitProbabilityFromLoss(n, a, blocking);
    const double pw = f.waitProbability;
    f.queueTime = 1 / (n * mu * (1 - rho));
    double level = 1 - pw * std::exp(-(n - a) * inputs.goalSeconds / inputs.handleSeconds);
    if (level < 0)
        level = 0;
    if (level > 1)
        level = 1;
    f.serviceLevel = level;
    f.abandonRate = pw - pw * inputs.abandonWaitSeconds / (f.queueTime * 3600) + AbandonRateAllowance;
    return f;
}

inline void completeFiguresOf(double agents, const CallLoad &load, const ServiceInputs &inputs, AgentFigures &f)
{
    const double n = agents;
    const double mu = load.serviceRate;
    const double rho = f.usage;
    const double pw = f.waitProbability;
    f.queueLength = rho * pw / (1 - rho);
    f.answerTime = pw / (n * mu * (1 - rho));
    f.trunkLoad = trunkLoadOf(load, inputs, f.answerTime);
}

} // namespace

AgentFigures EvaluateAgents(double agents, const CallLoad &load, const ServiceInputs &inputs, double blocking)
{
    AgentFigures f = goalFiguresOf(agents, load, inputs, blocking);
    completeFiguresOf(agents, load, inputs, f);
    return f;
}

AgentFigures EvaluateGoalFigures(double agents, const CallLoad &load, const ServiceInputs &inputs, double blocking)
{
    return goalFiguresOf(agents, load, inputs, blocking);
}

void CompleteFigures(double agents, const CallLoad &load, const ServiceInputs &inputs, AgentFigures &figures)
{
    completeFiguresOf(agents, load, inputs, figures);
}

double TrunkLoad(const CallLoad &load, const ServiceInputs &inputs, double answerTime)
{
    return trunkLoadOf(load, inputs, answerTime);
}

bool MeetsGoal(double serviceLevel, int goalPercent)
{
    return std::nearbyint(serviceLevel * 100) >= goalPercent;
}
