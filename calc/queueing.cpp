// SPDX-License-Identifier: MIT
#include "queueing.h"

#include <cmath>
#include <limits>

namespace Calc {

LossRecursion::LossRecursion(double load)
    : m_load(load)
    , m_blocking(load / (1 + load))
    , m_servers(1)
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
    return recursion.at(static_cast<long long>(std::trunc(servers)));
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
    // The threshold is compared in extended precision, as it is held.
    constexpr long double threshold = 0.001L;
    LossRecursion recursion(rate * duration);
    for (int k = static_cast<int>(first); k < 256; ++k) {
        if (static_cast<long double>(recursion.at(k)) < threshold)
            return k;
    }
    return 256;
}

} // namespace Calc
