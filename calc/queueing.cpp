// SPDX-License-Identifier: MIT
#include "queueing.h"

#include "incompletegamma.h"

#include <algorithm>
#include <cmath>
#include <vector>
#include <limits>

namespace Calc {

LossRecursion::LossRecursion(double load)
    : m_load(load)
    , m_blocking(load / (1 + load))
    , m_servers(1)
{
}

LossRecursion::LossRecursion(double load, long long servers, double blocking)
    : m_load(load)
    , m_blocking(blocking)
    , m_servers(servers < 1 ? 1 : servers)
{
}

double LossRecursion::at(long long servers)
{
    if (servers < m_servers) {
        m_blocking = m_load / (1 + m_load);
        m_servers = 1;
    }
    // 0 and 1 server share the one-server value: there is no zero-server case.
    const double a = m_load;
    double b = m_blocking;
    for (long long k = m_servers + 1; k <= servers; ++k)
        b = (a * b) / (a * b + static_cast<double>(k));
    if (servers > m_servers)
        m_servers = servers;
    m_blocking = b;
    return b;
}

double LossProbability(double servers, double rate, double duration)
{
    // Not-a-number arguments count as negative. Callers keep `servers` within
    // the documented load bound: the recursion costs one step per server.
    if (!(servers >= 0) || !(rate >= 0) || !(duration >= 0))
        return 0;
    LossRecursion recursion(rate * duration);
    // Held within the range of the step counter (the count is bounded far
    // lower by the callers anyway).
    const double steps = std::min(std::trunc(servers), 9.0e18);
    return recursion.at(static_cast<long long>(steps));
}

void LossProbabilities(const double *loads, const long long *servers, double *blocking, int count)
{
    // One recursion alone runs as its plain loop: its value then stays in a
    // register instead of going through memory at every step.
    if (count == 1) {
        blocking[0] = LossRecursion(loads[0]).at(servers[0]);
        return;
    }
    // Longest recursion first, so that the recursions still running at step
    // k are always the first `active` ones.
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        order[static_cast<std::size_t>(i)] = i;
    std::sort(order.begin(), order.end(), [&](int x, int y) { return servers[x] > servers[y]; });
    std::vector<double> a(static_cast<std::size_t>(count));
    std::vector<double> b(static_cast<std::size_t>(count));
    std::vector<long long> n(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j) {
        const int i = order[static_cast<std::size_t>(j)];
        a[static_cast<std::size_t>(j)] = loads[i];
        b[static_cast<std::size_t>(j)] = loads[i] / (1 + loads[i]);
        n[static_cast<std::size_t>(j)] = servers[i];
    }
    int active = count;
    for (long long k = 2; active > 0; ++k) {
        while (active > 0 && n[static_cast<std::size_t>(active - 1)] < k)
            --active;
        const double kd = static_cast<double>(k);
        for (int j = 0; j < active; ++j) {
            const double t = a[static_cast<std::size_t>(j)] * b[static_cast<std::size_t>(j)];
            b[static_cast<std::size_t>(j)] = t / (t + kd);
        }
    }
    for (int j = 0; j < count; ++j)
        blocking[order[static_cast<std::size_t>(j)]] = b[static_cast<std::size_t>(j)];
}

double WaitProbabilityFromLoss(double servers, double rate, double blocking)
{
    // A floating-point error (division by zero, invalid operation, overflow)
    // anywhere in the two divisions means "no wait": result 0.
    if (servers == 0)
        return 0;
    const double r = rate / servers;
    if (!std::isfinite(r))
        return 0;
    const double denominator = r * blocking + (1 - r);
    if (!std::isfinite(denominator) || denominator == 0)
        return 0;
    const double result = blocking / denominator;
    return std::isfinite(result) ? result : 0;
}

double WaitProbability(double servers, double rate, double duration)
{
    if (!(servers >= 0) || !(rate >= 0) || !(duration >= 0))
        return 0;
    return WaitProbabilityFromLoss(servers, rate, LossProbability(servers, rate, duration));
}

namespace {

// Fewer than one call in a thousand blocked. The threshold is held in
// extended precision; a double compares below it exactly when it compares
// below the double 0.001, which lies above 0.001L while the double before it
// lies below, so the comparison is made in doubles.
constexpr double TrunkBlockingThreshold = 0.001;
static_assert(static_cast<long double>(TrunkBlockingThreshold) >= 0.001L, "no double between the two thresholds");

// The most lines a count can hold.
constexpr long long MostLines = std::numeric_limits<int>::max();

// Where the lines of a large load are searched from. The blocking
// probability at k lines is the Poisson(load) probability of k calls over
// that of at most k; a recursion started at s with the value 1 leaves out
// the probability of fewer than s calls. At s = load - 9 sqrt(load) that is
// below 1e-18 of the whole, far under a double's precision, so the values
// from there on are the recursion's own. No count below s can be the answer:
// the blocking there is at least 1 - s/load (the lines carry no more calls
// than their number), which the start keeps at 0.001 or more. Loads whose
// start would lie below 2048 keep the recursion from one server, so their
// line counts are exactly those of the plain recursion.
long long FreshStart(double load)
{
    const double start = std::floor(load - std::max(9 * std::sqrt(load), load / 1000));
    return start >= 2048 ? static_cast<long long>(start) : 0;
}

// The line count the normal approximation gives for `load`: load + c
// sqrt(load), with c solving phi(c) / Phi(c) = 0.001 sqrt(load) (the blocking
// of a load's lines near the load, the Poisson count taken as normal). Off
// the exact count by less than two lines from 2048 erlangs up.
double NormalLinesEstimate(double load)
{
    const double target = std::log(TrunkBlockingThreshold * std::sqrt(load));
    const double rootTwo = std::sqrt(2.0);
    const double rootTwoPi = std::sqrt(2 * 3.14159265358979323846);
    double c = 0;
    // Four steps from 0 bring c within 1e-3 of its value from 2048 erlangs up.
    for (int i = 0; i < 4; ++i) {
        const double density = std::exp(-c * c / 2) / rootTwoPi;
        const double below = std::erfc(-c / rootTwo) / 2;
        const double ratio = density / below;
        // Newton's step on log(phi / Phi) - target, whose slope is -c - phi / Phi.
        c += (std::log(ratio) - target) / (c + ratio);
    }
    return load + c * std::sqrt(load);
}

// Where the search of a large load starts: a few lines below the estimate,
// the blocking there evaluated directly (to long double precision, so the
// recursion on from it gives the recursion's values to within a double's
// rounding). The search then costs a few steps instead of ten standard
// deviations' worth. Falls back to FreshStart with the value 1 where the
// direct evaluation does not hold (count 0 when the load takes the plain
// recursion).
struct SearchStart
{
    long long lines = 0;
    double blocking = 1;
};

SearchStart LargeLoadStart(double load)
{
    const long long fresh = FreshStart(load);
    if (fresh == 0)
        return {};
    const double estimate = NormalLinesEstimate(load);
    for (double margin = 4; margin < 1024; margin *= 4) {
        const long long lines = static_cast<long long>(std::floor(estimate - margin));
        if (lines < fresh)
            break;
        const double blocking = static_cast<double>(LossProbabilityNearLoad(lines, load));
        if (std::isnan(blocking))
            break;
        // At or over the threshold: the answer lies further up, so the
        // search starts here; under it, the start moves further down.
        if (blocking >= TrunkBlockingThreshold)
            return {lines, std::min(blocking, 1.0)};
    }
    return {fresh, 1.0};
}

// The first line count from `lines` on whose blocking is under the
// threshold; `recursion` is positioned at `lines` or below.
int SearchLines(LossRecursion &recursion, long long lines)
{
    for (long long k = lines; k < MostLines; ++k) {
        if (recursion.at(k) < TrunkBlockingThreshold)
            return static_cast<int>(k);
    }
    return static_cast<int>(MostLines);
}

// A search's first line count as a count: its whole part, at most MostLines.
int FirstLines(double firstLines)
{
    return static_cast<int>(std::min(std::trunc(firstLines), static_cast<double>(MostLines)));
}

// The fewest lines for `load` at all. The blocking falls with every line
// added, so the fewest from any start on are the larger of the start and
// this count, and a search costs steps of the load, never of the start.
int FewestLines(double load)
{
    if (!(load < static_cast<double>(MostLines)))
        return static_cast<int>(MostLines);
    const SearchStart start = LargeLoadStart(load);
    if (start.lines == 0) {
        LossRecursion recursion(load);
        return SearchLines(recursion, 0);
    }
    LossRecursion recursion(load, start.lines, start.blocking);
    return SearchLines(recursion, start.lines);
}

} // namespace

int TrunksNeeded(double firstLines, double rate, double duration)
{
    if (!(firstLines >= 0) || !(rate >= 0) || !(duration >= 0))
        return 0;
    return std::max(FirstLines(firstLines), FewestLines(rate * duration));
}

void TrunksNeededSideBySide(const double *firstLines, const double *loads, int *lines, int count)
{
    // A load taking the plain recursion runs it up to its first line count
    // without looking (LossProbabilities, side by side), as its lines are
    // rarely far beyond it; a first count far above any such load is left to
    // the search from one server. A large load starts a few lines below its
    // answer. Each search then walks its last few steps alone. The blocking
    // falls with every line, so the answer is the larger of the first count
    // and the count where the walk stops.
    constexpr long long MostPlainFirstLines = 4096;
    std::vector<double> plainLoads;
    std::vector<long long> plainFirst;
    std::vector<int> plainIndex;
    for (int i = 0; i < count; ++i) {
        const double load = loads[i];
        if (!(firstLines[i] >= 0) || !(load >= 0)) {
            lines[i] = 0;
        } else if (!(load < static_cast<double>(MostLines))) {
            lines[i] = static_cast<int>(MostLines);
        } else if (const SearchStart start = LargeLoadStart(load); start.lines > 0) {
            LossRecursion recursion(load, start.lines, start.blocking);
            lines[i] = std::max(FirstLines(firstLines[i]), SearchLines(recursion, start.lines));
        } else {
            const double first = std::trunc(firstLines[i]);
            plainLoads.push_back(load);
            plainFirst.push_back(first < MostPlainFirstLines ? static_cast<long long>(first) : 0);
            plainIndex.push_back(i);
        }
    }
    std::vector<double> plainBlocking(plainLoads.size());
    LossProbabilities(plainLoads.data(), plainFirst.data(), plainBlocking.data(), static_cast<int>(plainLoads.size()));
    for (std::size_t p = 0; p < plainLoads.size(); ++p) {
        LossRecursion recursion(plainLoads[p], plainFirst[p], plainBlocking[p]);
        const int i = plainIndex[p];
        lines[i] = std::max(FirstLines(firstLines[i]), SearchLines(recursion, plainFirst[p]));
    }
}

} // namespace Calc
