// SPDX-License-Identifier: MIT
#include "incompletegamma.h"

#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/special_functions/log1p.hpp>
#include <boost/version.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Calc {

namespace {

namespace bp = boost::math::policies;
// Never throw and never set errno: the callers keep the arguments inside the
// functions' domains, and a value out of range is handled by the log forms.
using QuietPolicy = bp::policy<bp::domain_error<bp::ignore_error>, bp::pole_error<bp::ignore_error>,
                               bp::overflow_error<bp::ignore_error>, bp::underflow_error<bp::ignore_error>,
                               bp::evaluation_error<bp::ignore_error>>;

// GammaSeries is taken while it needs at most this many terms. Below
// TemmeMinimum every argument with x < a + 1 stays within it (9 sqrt(a + 1)
// + 10 terms at most), so Temme's expansion only ever runs where its
// polynomials in (x - a) / a are accurate.
constexpr double SeriesBudget = 2100;
constexpr long double TemmeMinimum = 50000;
// Below this log, P(a, x) with x < a + 1 is computed as prefix times series
// whatever the cost (about sqrt(a) terms there): the value underflows any
// other method. For x >= a + 1 it bounds Q(a, x): below it P is 1 in double.
constexpr long double FarLog = -700;

// Stirling's series for lgamma(a + 1) - (a log a - a + log(2 pi a) / 2),
// a >= 20: the next term is below 2e-17 there.
long double stirlingTail(long double a)
{
    const long double r = 1 / a;
    const long double r2 = r * r;
    return r * (1.0L / 12 - r2 * (1.0L / 360 - r2 * (1.0L / 1260 - r2 * (1.0L / 1680 - r2 / 1188))));
}

// Temme's uniform asymptotic expansion for large a (N. M. Temme, "The
// asymptotic expansion of the incomplete gamma functions", SIAM J. Math.
// Anal. 10 (1979); DiDonato & Morris, ACM TOMS 12 (1986)), as Boost.Math
// implements it for 64-bit mantissas: P(a, x) for x < a, Q(a, x) for
// x >= a. Called directly because Boost 1.74's gamma_p/gamma_q choose a
// slowly converging asymptotic series for x > 1000 near x = a (about 1 ms at
// a = 4e8, against 1 us here). The expansion is a detail of Boost.Math, not
// its interface: it is called only on the version whose signature it was
// written and checked against; any other takes gamma_p and gamma_q, the
// same values to their accuracy at their own speed.
long double temmeSmallerTail(long double a, long double x)
{
#if BOOST_VERSION / 100 == 1074
    return boost::math::detail::igamma_temme_large(
        a, x, QuietPolicy(), static_cast<boost::integral_constant<int, 64> const *>(nullptr));
#else
    return x < a ? boost::math::gamma_p(a, x, QuietPolicy()) : boost::math::gamma_q(a, x, QuietPolicy());
#endif
}

// Q(a, x) for x >= a + 1 where Q is not negligible.
long double upperTail(long double a, long double x)
{
    if (a >= TemmeMinimum)
        return temmeSmallerTail(a, x);
    return boost::math::gamma_q(a, x, QuietPolicy());
}

// Sum over m = 1..n of n (n-1)...(n-m+1) / x^m, x >= n: the terms fall at
// ratios (n - m) / x < 1.
long double finiteUpperSum(long long n, long double x)
{
    const long double nl = static_cast<long double>(n);
    long double term = nl / x;
    long double sum = term;
    for (long long m = 1; m < n; ++m) {
        const long double r = (nl - static_cast<long double>(m)) / x;
        term *= r;
        sum += term;
        if (term * r <= sum * (1 - r) * 1e-20L || term == 0)
            break;
    }
    return sum;
}

} // namespace

long double LogGammaPrefix(long double a, long double x)
{
    if (x == 0)
        return -std::numeric_limits<long double>::infinity();
    if (a < 20)
        return a * std::log(x) - x - boost::math::lgamma(a + 1, QuietPolicy());
    // a log(x/a) - (x - a) through log1pmx, so that the large terms cancel
    // exactly rather than in rounding.
    const long double sigma = (x - a) / a;
    return a * boost::math::log1pmx(sigma, QuietPolicy()) - std::log(2 * boost::math::constants::pi<long double>() * a) / 2
        - stirlingTail(a);
}

double GammaSeriesTerms(long double a, long double x)
{
    const double r = static_cast<double>(x / (a + 1));
    // Geometric decay at ratio r, or Gaussian decay exp(-k^2 / 2a) near
    // x = a: 1e-19 is reached after 44 / (1 - r) or 9.3 sqrt(a) terms.
    const double gaussian = 9.3 * std::sqrt(static_cast<double>(a) + 1) + 10;
    if (r >= 1)
        return gaussian;
    return std::min(44 / (1 - r) + 10, gaussian);
}

bool UseGammaSeries(long double a, long double x, long double logPrefix)
{
    return x < a + 1 && (logPrefix < FarLog || GammaSeriesTerms(a, x) <= SeriesBudget);
}

long double GammaSeries(long double a, long double x)
{
    long double sum = 1;
    long double term = 1;
    for (long double k = 1;; ++k) {
        const long double r = x / (a + k);
        term *= r;
        sum += term;
        // The ratios only fall: the rest is at most term r / (1 - r).
        if (term * r <= sum * (1 - r) * 1e-20L || term == 0)
            return sum;
    }
}

long double LogGammaP(long double a, long double x)
{
    if (!(a > 0) || !(x >= 0))
        return std::numeric_limits<long double>::quiet_NaN();
    if (x == 0)
        return -std::numeric_limits<long double>::infinity();
    const long double logPrefix = LogGammaPrefix(a, x);
    if (x < a + 1) {
        if (UseGammaSeries(a, x, logPrefix))
            return logPrefix + std::log(GammaSeries(a, x));
        // Only a >= TemmeMinimum gets here, with |x - a| < 0.02 a.
        const long double tail = temmeSmallerTail(a, x);
        return x < a ? std::log(tail) : std::log1p(-tail);
    }
    // Q(a, x) <= prefix * a / (x + 1 - a) (the continued fraction of Q is
    // bounded by its first convergent): far out, P is 1 to double precision.
    if (logPrefix + std::log(a / (x + 1 - a)) < FarLog)
        return 0;
    return std::log1p(-upperTail(a, x));
}

long double LogUpperGammaRatio(long long n, long double x)
{
    const long double a = static_cast<long double>(n);
    if (n < 1 || !(x >= 0))
        return std::numeric_limits<long double>::quiet_NaN();
    const long double logPrefix = LogGammaPrefix(a, x);
    if (x < a) // Q(n, x) is not small here (about 1/2 near x = n): 1 - P loses nothing.
        return std::log1p(-std::exp(LogGammaP(a, x))) - logPrefix;
    const double r = static_cast<double>((a - 1) / x);
    const double terms = std::min({44 / (1 - r) + 10, 9.3 * std::sqrt(static_cast<double>(a)) + 10, static_cast<double>(a)});
    if (terms <= SeriesBudget || logPrefix + std::log(a / (x + 1 - a)) < FarLog)
        return std::log(finiteUpperSum(n, x));
    return std::log(upperTail(a, x)) - logPrefix;
}

long double LossProbabilityNearLoad(long long servers, long double load)
{
    // A^n e^-A / n! over P(a Poisson(A) count <= n) = Q(n + 1, A). Boost takes
    // Temme's expansion for a > 200 while (x - a)^2 < 20 a: four standard
    // deviations stay inside that.
    const long double a = static_cast<long double>(servers) + 1;
    if (!(servers > 200) || !(load > 0) || std::fabs(load - a) > 4 * std::sqrt(a))
        return std::numeric_limits<long double>::quiet_NaN();
    const long double tail = temmeSmallerTail(a, load);
    const long double atMost = load < a ? 1 - tail : tail;
    return std::exp(LogGammaPrefix(static_cast<long double>(servers), load)) / atMost;
}

} // namespace Calc
