// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The queue whose callers hang up (Erlang A, M/M/n+M): Poisson arrivals,
// exponential handling times, one queue served first come first served, and
// callers who leave the queue after an exponentially distributed patience.
// Unlike Erlang C it is stable for every agent number, also at or below the
// offered load.
namespace Calc {

// The offered traffic.
struct ErlangATraffic
{
    double callsPerHour = 0;    // arrival rate lambda, >= 0
    double handleSeconds = 0;   // mean handling time 1/mu, > 0
    double patienceSeconds = 0; // callers' mean patience 1/theta, > 0
};

// Every figure at full double precision. Shares are fractions (0..1) of all
// offered calls.
struct ErlangAFigures
{
    double serviceLevel = 1;       // answered within the goal time (an abandoned call never is)
    double waitProbability = 0;    // found all agents busy on arrival
    double abandonProbability = 0; // hung up before an answer: theta E[queue] / lambda
    double usage = 0;              // agent occupancy: lambda (1 - abandon) / (n mu)
    double answerSeconds = 0;      // mean time in queue over all offered calls: E[queue] / lambda
    double queueSeconds = 0;       // mean time in queue of the calls that wait
    double queueLength = 0;        // mean number of calls waiting
};

// The figures for `agents` agents and a goal of `goalSeconds` (>= 0).
// Empty when an argument is out of range or not finite: a negative rate, a
// handling time or patience of 0 or less, fewer than one agent, a negative
// goal, or a patience so long against the handling time that agents times
// patience / handling time overflows a double. A rate of 0 gives the
// figures of an idle queue (service level 1, everything else 0).
//
// Every figure is within 1e-9 (absolute for shares, relative for times and
// the queue length) of the exact value at any load, and measured within a
// few 1e-16 against 40-digit sums of the chain up to 100,000 agent-hours per
// hour: the state weights and incomplete gamma values are kept as
// logarithms, so nothing overflows or underflows (a time or length below the
// smallest double is 0). One call costs a few microseconds; agent numbers
// some hundred above a load of 100,000 with a patience far longer than the
// handling time sum up to about sqrt(agents * patience / handling time)
// terms (about 0.1 ms).
std::optional<ErlangAFigures> ErlangA(const ErlangATraffic &traffic, long long agents, double goalSeconds);

} // namespace Calc
