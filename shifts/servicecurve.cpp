// SPDX-License-Identifier: MIT
#include "servicecurve.h"

namespace {

// Steps that rise by less than this count as level: a linear model that
// takes them out of order then errs by less than it, far below what the day's
// service level shows.
constexpr double RiseTolerance = 1e-12;

} // namespace

double ServiceCurve::at(int answering) const
{
    if (levels.empty() || answering < lowest)
        return 0;
    if (answering >= highest())
        return levels.back();
    return levels[static_cast<std::size_t>(answering - lowest)];
}

int ServiceCurve::concaveFrom() const
{
    auto step = [this](std::size_t k) { return levels[k] - levels[k - 1]; };
    std::size_t from = levels.size() > 1 ? levels.size() - 1 : 1;
    while (from > 1 && step(from - 1) + RiseTolerance >= step(from))
        --from;
    return static_cast<int>(from);
}
