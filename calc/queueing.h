// SPDX-License-Identifier: MIT
#pragma once

// The queueing formulas of a multi-server queue with Poisson arrivals and
// exponential handle times. Every caller passes the offered load A (in
// agent-hours per hour) as the rate and 1.0 as the duration.
namespace Calc {

// Blocking probability of the loss-formula recursion for the integer part of
// `servers`. Negative arguments give 0.
double LossProbability(double servers, double rate, double duration);

// Probability that an arriving call has to wait. Negative arguments and any
// floating-point error of the final division (zero servers included) give 0.
double WaitProbability(double servers, double rate, double duration);

// Smallest line count from the integer part of `firstLines` up whose
// blocking probability is under 0.001 (the start itself when it already is);
// a count beyond a 32-bit integer gives its largest value. Negative arguments
// give 0.
int TrunksNeeded(double firstLines, double rate, double duration);

// TrunksNeeded(firstLines[i], loads[i], 1.0) written to lines[i] for
// several searches at once, their recursions advancing side by side.
void TrunksNeededSideBySide(const double *firstLines, const double *loads, int *lines, int count);

// The loss-formula recursion kept open, so that consecutive server counts
// cost one step each. The values are the very doubles LossProbability gives:
// each step is the same operation on the same operands.
class LossRecursion
{
public:
    // `load` is rate times duration; it must not be negative.
    explicit LossRecursion(double load);
    // Resumes a recursion whose value at `servers` is known (from
    // LossProbabilities).
    LossRecursion(double load, long long servers, double blocking);

    // Blocking probability for `servers` servers (integer part only). Moving
    // backwards restarts the recursion.
    double at(long long servers);

    double load() const { return m_load; }

private:
    double m_load;
    double m_blocking; // value for m_servers servers
    long long m_servers;
};

// Blocking probabilities of several independent recursions: loads[i] at
// servers[i] servers, written to blocking[i]. The recursions advance side by
// side, so the processor overlaps their divisions; each value is the very
// double LossProbability gives. Loads must not be negative.
void LossProbabilities(const double *loads, const long long *servers, double *blocking, int count);

// WaitProbability with the blocking probability already known.
double WaitProbabilityFromLoss(double servers, double rate, double blocking);

} // namespace Calc
