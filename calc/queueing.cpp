// SPDX-License-Identifier: MIT
#include "queueing.h"

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

int TrunksNeeded(double firstLines, double rate, double duration)
{
    if (!(firstLines >= 0) || !(rate >= 0) || !(duration >= 0))
        return 0;
    const double first = std::trunc(firstLines);
    if (first > 255)
        return first >= static_cast<double>(std::numeric_limits<int>::max())
            ? std::numeric_limits<int>::max()
            : static_cast<int>(first);
    const double load = rate * duration;
    return TrunksNeededFrom(static_cast<int>(first), load, LossRecursion(load).at(static_cast<int>(first)));
}

int TrunksNeededFrom(int lines, double load, double blocking)
{
    if (lines > 255)
        return lines;
    // The threshold is compared in extended precision, as it is held.
    constexpr long double threshold = 0.001L;
    LossRecursion recursion(load, lines, blocking);
    for (int k = lines; k < 256; ++k) {
        if (static_cast<long double>(recursion.at(k)) < threshold)
            return k;
    }
    return 256;
}

} // namespace Calc
