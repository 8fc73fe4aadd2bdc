// SPDX-License-Identifier: MIT
#include "neldermead.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

std::vector<double> clamped(std::vector<double> x)
{
    for (double &v : x)
        v = std::clamp(v, 0.0, 1.0);
    return x;
}

// centroid + t * (centroid - worst), in the box.
std::vector<double> along(const std::vector<double> &centroid, const std::vector<double> &worst, double t)
{
    std::vector<double> x(centroid.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = centroid[i] + t * (centroid[i] - worst[i]);
    return clamped(x);
}

} // namespace

NelderMead::Result NelderMead::minimise(const Function &f, std::vector<double> start, double step, int maxEvaluations,
                                        double tolerance)
{
    const std::size_t n = start.size();
    Result result;
    auto evaluate = [&](const std::vector<double> &x) {
        ++result.evaluations;
        const double value = f(x);
        return std::isnan(value) ? HUGE_VAL : value;
    };
    std::vector<std::vector<double>> points{clamped(start)};
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<double> x = points.front();
        x[i] = x[i] + step <= 1.0 ? x[i] + step : x[i] - step;
        points.push_back(clamped(x));
    }
    std::vector<double> values;
    for (const auto &x : points)
        values.push_back(evaluate(x));
    std::vector<std::size_t> order(n + 1);
    while (true) {
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
        const std::size_t best = order.front();
        const std::size_t worst = order.back();
        const std::size_t secondWorst = order[n - 1];
        if (result.evaluations >= maxEvaluations
            || values[worst] - values[best] <= tolerance * std::abs(values[best]) + 1e-12)
            break;
        std::vector<double> centroid(n, 0.0);
        for (std::size_t p = 0; p <= n; ++p) {
            if (p == worst)
                continue;
            for (std::size_t i = 0; i < n; ++i)
                centroid[i] += points[p][i] / static_cast<double>(n);
        }
        const std::vector<double> reflected = along(centroid, points[worst], 1.0);
        const double reflectedValue = evaluate(reflected);
        if (reflectedValue < values[best]) {
            const std::vector<double> expanded = along(centroid, points[worst], 2.0);
            const double expandedValue = evaluate(expanded);
            if (expandedValue < reflectedValue) {
                points[worst] = expanded;
                values[worst] = expandedValue;
            } else {
                points[worst] = reflected;
                values[worst] = reflectedValue;
            }
            continue;
        }
        if (reflectedValue < values[secondWorst]) {
            points[worst] = reflected;
            values[worst] = reflectedValue;
            continue;
        }
        // Contract towards the better of the worst and its reflection.
        const bool outside = reflectedValue < values[worst];
        const std::vector<double> contracted = along(centroid, points[worst], outside ? 0.5 : -0.5);
        const double contractedValue = evaluate(contracted);
        if (contractedValue < (outside ? reflectedValue : values[worst])) {
            points[worst] = contracted;
            values[worst] = contractedValue;
            continue;
        }
        for (std::size_t p = 0; p <= n; ++p) {
            if (p == best)
                continue;
            for (std::size_t i = 0; i < n; ++i)
                points[p][i] = points[best][i] + 0.5 * (points[p][i] - points[best][i]);
            values[p] = evaluate(points[p]);
        }
    }
    const std::size_t best = order.front();
    result.x = points[best];
    result.value = values[best];
    return result;
}
