// SPDX-License-Identifier: MIT
#include "erlanga.h"

#include "incompletegamma.h"

#include <algorithm>
#include <cmath>

// The number in system N is a birth-death chain: arrivals at rate lambda,
// departures at rate j mu for j <= n and n mu + k theta with k callers
// waiting. Relative to the state N = n (pi_n):
//   below n:       sum_{j<n} pi_j / pi_n = sum_{j<n} n! / (j! A^(n-j)),  A = lambda / mu,
//                  = Q(n, A) / prefix(n, A);
//   n and above:   w_k = pi_{n+k} / pi_n = x^k / ((a+1)(a+2)...(a+k)),
//                  S = sum_k w_k = 1F1(1; a+1; x) = P(a, x) / prefix(a, x),
// with a = n mu / theta, x = lambda / theta, P and Q the regularized
// incomplete gamma functions and prefix(a, x) = x^a e^-x / Gamma(a+1)
// (Garnett, Mandelbaum & Reiman, "Designing a call center with impatient
// customers", M&SOM 4 (2002): their E and lambda J are these two sums up to
// the factor A / n). Further, relative to pi_n:
//   mean number waiting   sum_k k w_k = x S - a (S - 1) = ((x - a) P(a, x) + a prefix) / prefix,
//   answered after a wait              (a / x) P(a+1, x) / prefix,
//   answered after waiting beyond t    (a / x) P(a+1, x e^(-theta t)) / prefix.
// The last two integrate the density lambda exp(lambda H(s) - n mu s), H(s) =
// (1 - e^(-theta s)) / theta, of the offered wait against the patience's
// survival e^(-theta s) (Mandelbaum & Zeltyn, "The M/M/n+G queue: summary of
// performance measures", 2009, with G exponential; substitute u = e^(-theta
// s)). Abandonment is theta E[queue] / lambda, and by Little's law the mean
// wait over all calls is E[queue] / lambda = P(abandon) / theta.
//
// For x well below a (more agents than load) the mean number waiting is a
// difference of nearly equal terms, and P(a, x) is far below the smallest
// double: there the w_k are summed directly, which is short exactly then.
namespace Calc {

namespace {

// The queue in dimensionless terms (rates against mu or theta).
struct Shape
{
    long double agents;  // n
    long double load;    // A = lambda / mu
    long double a;       // n mu / theta
    long double x;       // lambda / theta
    long double thetaT;  // theta times the goal time
};

// The states with all agents busy, relative to their total weight S (in
// units of pi_n): the conditional figures of a call that waits.
struct BusyStates
{
    long double logWeight;     // log S
    long double inverseWeight; // 1 / S = P(exactly n in system | all busy)
    long double queue;         // E[queue | all busy]
    long double abandon;       // P(abandon | waits)
    long double answeredInTime; // P(answered within t | waits)
};

// For x < a + 1 where the series is short (or nothing else reaches the
// value): the w_k summed directly. u_k = w_k / x keeps a vanishing x exact.
BusyStates busyStatesBySeries(const Shape &q)
{
    long double u = 1 / (q.a + 1);
    long double sumU = u;       // sum_{k>=1} u_k
    long double sumKU = u;      // sum_{k>=1} k u_k
    for (long double k = 2;; ++k) {
        const long double r = q.x / (q.a + k);
        u *= r;
        sumU += u;
        sumKU += k * u;
        // The ratios only fall: the rest of sum k u_k is at most
        // u (k r / (1 - r) + r / (1 - r)^2).
        const long double rest = u * (k * r / (1 - r) + r / ((1 - r) * (1 - r)));
        if (rest <= sumKU * 1e-20L || u == 0)
            break;
    }
    const long double s = 1 + q.x * sumU;
    // Answered after waiting beyond t, in units of pi_n: the prefix ratio of
    // (a+1, x e^(-theta t)) against (a, x) written out, so that no large
    // logarithms cancel.
    const long double v = std::exp(-q.thetaT);
    const long double y = q.x * v;
    const long double exponent = -q.x * std::expm1(-q.thetaT) - (q.a + 1) * q.thetaT;
    const long double late = q.a / (q.a + 1) * std::exp(exponent) * GammaSeries(q.a + 1, y);
    BusyStates b;
    b.logWeight = std::log(s);
    b.inverseWeight = 1 / s;
    b.queue = q.x * sumKU / s;
    b.abandon = sumKU / s;
    b.answeredInTime = std::max(0.0L, q.a * sumU - late) / s;
    return b;
}

// Elsewhere: through P(a, x), P(a+1, x) and P(a+1, x e^(-theta t)), whose
// ratios are all that the figures need.
BusyStates busyStatesByGamma(const Shape &q, long double logPrefix)
{
    const long double logP = LogGammaP(q.a, q.x);
    const long double inverseS = std::exp(logPrefix - logP);
    const long double y = q.x * std::exp(-q.thetaT);
    const long double late = std::exp(LogGammaP(q.a + 1, y) - logP);
    BusyStates b;
    b.logWeight = logP - logPrefix;
    b.inverseWeight = inverseS;
    b.queue = (q.x - q.a) + q.a * inverseS;
    b.abandon = b.queue / q.x;
    b.answeredInTime = std::max(0.0L, q.a / q.x * ((1 - inverseS) - late));
    return b;
}

} // namespace

std::optional<ErlangAFigures> ErlangA(const ErlangATraffic &traffic, long long agents, double goalSeconds)
{
    const double lambda = traffic.callsPerHour;
    const double handle = traffic.handleSeconds;
    const double patience = traffic.patienceSeconds;
    if (!(lambda >= 0) || !(handle > 0) || !(patience > 0) || agents < 1 || !(goalSeconds >= 0))
        return std::nullopt;
    if (!std::isfinite(lambda) || !std::isfinite(handle) || !std::isfinite(patience) || !std::isfinite(goalSeconds))
        return std::nullopt;

    Shape q;
    q.agents = static_cast<long double>(agents);
    q.load = static_cast<long double>(lambda) * handle / 3600;
    q.a = q.agents * patience / handle;
    q.x = static_cast<long double>(lambda) * patience / 3600;
    q.thetaT = static_cast<long double>(goalSeconds) / patience;
    if (!std::isfinite(static_cast<double>(q.a)) || !std::isfinite(static_cast<double>(q.x)))
        return std::nullopt;
    if (q.load == 0 || q.x == 0)
        return ErlangAFigures(); // no calls: an idle queue

    const long double logPrefix = LogGammaPrefix(q.a, q.x);
    const BusyStates busy = UseGammaSeries(q.a, q.x, logPrefix) ? busyStatesBySeries(q) : busyStatesByGamma(q, logPrefix);
    const long double logIdle = LogUpperGammaRatio(agents, q.load);
    // P(all busy) = S / (idle + S), P(not all busy) = idle / (idle + S), each
    // from the difference of the logs so that neither overflows.
    const long double wait = 1 / (1 + std::exp(logIdle - busy.logWeight));
    const long double noWait = 1 / (1 + std::exp(busy.logWeight - logIdle));

    ErlangAFigures f;
    f.waitProbability = static_cast<double>(wait);
    f.abandonProbability = static_cast<double>(wait * busy.abandon);
    f.serviceLevel = static_cast<double>(std::min(1.0L, noWait + wait * busy.answeredInTime));
    // lambda (1 - abandon) / (n mu) is the mean share of busy agents: by
    // detailed balance below n, (A / n) P(N < n) + P(N > n). Written so, it
    // keeps its precision when nearly every call abandons.
    f.usage = static_cast<double>(std::min(1.0L, q.load / q.agents * noWait + wait * (1 - busy.inverseWeight)));
    f.queueLength = static_cast<double>(wait * busy.queue);
    f.answerSeconds = static_cast<double>(wait * busy.abandon * patience);
    f.queueSeconds = static_cast<double>(busy.abandon * patience);
    return f;
}

} // namespace Calc
