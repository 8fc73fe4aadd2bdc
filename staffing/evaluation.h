// SPDX-License-Identifier: MIT
#pragma once

// The service figures of one agent number at a given call load, as both the
// Agents table and the Schedule compute them. All arithmetic is in double,
// in the order written.
struct CallLoad
{
    double arrivalRate = 0;   // calls per hour
    double serviceRate = 0;   // calls one agent handles per hour
    double trafficLoad = 0;   // offered load A, agent-hours per hour
    double startAgents = 0;   // first agent number tried (a whole number)
};

struct ServiceInputs
{
    double handleSeconds = 0;
    double talkSeconds = 0;
    double abandonWaitSeconds = 0;
    int goalSeconds = 0;
};

struct AgentFigures
{
    double usage = 0;        // share of time the agents are busy: A / n when nobody hangs up
    double waitProbability = 0;
    double queueLength = 0;  // average calls waiting
    double answerTime = 0;   // hours, over all calls
    double queueTime = 0;    // hours, of the calls that wait
    double serviceLevel = 1; // share answered within the goal time, 0..1
    double abandonRate = 0;  // share of calls that hang up, as displayed; not limited
    double trunkLoad = 0;    // offered load of the lines
};

// Arrival rate, service rate, load and the first agent number for `calls`
// arriving over `periodMinutes` with `handleSeconds` of work each.
CallLoad ComputeCallLoad(double calls, double periodMinutes, double handleSeconds);

// Figures for `agents` (usage below 1) given the blocking probability of the
// loss recursion at that agent number.
AgentFigures EvaluateAgents(double agents, const CallLoad &load, const ServiceInputs &inputs, double blocking);

// EvaluateAgents in two halves, for a search that keeps one agent number of
// many: the figures a goal rule reads (usage, waiting probability, time in
// queue, service level, abandonment), with the average queue, the answer
// time and the line load left at 0; CompleteFigures then adds those three.
// Together they give EvaluateAgents' very doubles.
AgentFigures EvaluateGoalFigures(double agents, const CallLoad &load, const ServiceInputs &inputs, double blocking);
void CompleteFigures(double agents, const CallLoad &load, const ServiceInputs &inputs, AgentFigures &figures);

// The offered load of the lines (for the trunk rule) when the mean time in
// queue over all calls is `answerTime` hours: a line is held while its
// caller waits and talks, counted in whole seconds.
double TrunkLoad(const CallLoad &load, const ServiceInputs &inputs, double answerTime);

// Whether the service level, as a whole percentage rounded half to even,
// meets the goal.
bool MeetsGoal(double serviceLevel, int goalPercent);
