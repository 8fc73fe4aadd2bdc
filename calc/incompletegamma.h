// SPDX-License-Identifier: MIT
#pragma once

// Logarithms of the regularized incomplete gamma functions, for arguments
// whose values lie far below the smallest double (P(a, x) for x well under a
// is e^-(millions) at the loads of a large call centre). Each function takes
// a > 0 and x >= 0; other arguments give not-a-number. Computed in long
// double; the relative error of the value is a few units of 1e-16 wherever it
// is representable in log form.
namespace Calc {

// log(x^a e^-x / Gamma(a + 1)): the log of the Poisson-like weight that
// scales the incomplete gamma series. x = 0 gives minus infinity.
long double LogGammaPrefix(long double a, long double x);

// log P(a, x), P the regularized lower incomplete gamma function
// gamma(a, x) / Gamma(a). x = 0 gives minus infinity.
long double LogGammaP(long double a, long double x);

// Sum over k >= 0 of x^k / ((a + 1)(a + 2)...(a + k)) for x < a + 1, the
// series with P(a, x) = exp(LogGammaPrefix(a, x)) * GammaSeries(a, x).
// Its cost is about one step per term: see GammaSeriesTerms.
long double GammaSeries(long double a, long double x);

// About how many terms GammaSeries(a, x) takes to reach full precision
// (x < a + 1).
double GammaSeriesTerms(long double a, long double x);

// Whether GammaSeries is the method of choice for (a, x): x below a + 1 and
// either few terms or a value too small for any other method.
bool UseGammaSeries(long double a, long double x, long double logPrefix);

// log(Q(n, x) / exp(LogGammaPrefix(n, x))) for a whole n >= 1, that is the
// log of the sum over j < n of n! / (j! x^(n - j)). In queueing terms: the
// weight of the states with fewer than n busy servers against the state
// with exactly n busy, at an offered load of x. x = 0 gives infinity.
long double LogUpperGammaRatio(long long n, long double x);

// The loss formula's blocking probability at `servers` servers for an offered
// load `load`, A^n / n! over the sum of A^k / k! for k <= n, evaluated
// directly instead of by the recursion from one server: for servers above
// 200 lying within four standard deviations (sqrt(load)) of the load, where
// Temme's expansion holds to long double precision (relative error a few
// units of 1e-18). Elsewhere not-a-number.
long double LossProbabilityNearLoad(long long servers, long double load);

} // namespace Calc
