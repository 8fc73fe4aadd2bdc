// SPDX-License-Identifier: MIT
#include "chartscale.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds v to a whole number when it is one but for floating-point noise.
double snap(double v)
{
    const double r = std::round(v);
    return std::fabs(v - r) < 1e-9 * std::max(1.0, std::fabs(v)) ? r : v;
}

} // namespace

QString ChartValueText(double value, double increment)
{
    int decimals = 0;
    if (increment > 0 && std::isfinite(increment) && increment < 1)
        decimals = std::min(6, int(std::ceil(-std::log10(increment) - 1e-9)));
    if (std::fabs(value) < increment * 1e-9)
        value = 0; // no "-0"
    return QString::number(value, 'f', decimals);
}

double NiceStep(double rough)
{
    if (!std::isfinite(rough) || rough <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        const double step = factor * power;
        if (step >= rough * (1 - 1e-12))
            return step;
    }
    return 10 * power;
}

ChartScale AutomaticScale(double dataMin, double dataMax, int maxDivisions)
{
    ChartScale scale;
    if (!std::isfinite(dataMin) || !std::isfinite(dataMax) || dataMin > dataMax)
        return scale;
    maxDivisions = std::clamp(maxDivisions, 1, 100);
    double low = std::min(0.0, dataMin);
    double high = std::max(0.0, dataMax);
    if (high - low <= 0)
        high = low + 10;
    // A step chosen for the span may still leave one division too many
    // once both ends are rounded out to it; take the next nice step then.
    // Zero is always a tick, so values on both sides of it need two
    // divisions at least: after four steps the last one is kept, with the
    // ends it gave, rather than a step the ends were not rounded to.
    double step = NiceStep((high - low) / maxDivisions);
    for (int tries = 1;; ++tries) {
        scale.minimum = std::floor(snap(low / step)) * step;
        scale.maximum = std::ceil(snap(high / step)) * step;
        if (std::round((scale.maximum - scale.minimum) / step) <= maxDivisions || tries == 4)
            break;
        step = NiceStep(step * 1.5);
    }
    scale.increment = step;
    return scale;
}

ChartScale ResolveScale(const ChartAxis &axis, bool hasData, double dataMin, double dataMax, int maxDivisions)
{
    const bool ownRange = std::isfinite(axis.minimum) && std::isfinite(axis.maximum) && axis.maximum > axis.minimum;
    if (axis.automatic || !ownRange) {
        if (!hasData)
            return AutomaticScale(0, 10, maxDivisions);
        // The span counts from zero, which the automatic scale always covers.
        const double span = std::max(dataMax, 0.0) - std::min(dataMin, 0.0);
        const double room = axis.headroom > 0 && std::isfinite(span) ? axis.headroom * span : 0;
        return AutomaticScale(dataMin, dataMax + (std::isfinite(dataMax + room) ? room : 0), maxDivisions);
    }
    ChartScale scale;
    scale.minimum = axis.minimum;
    scale.maximum = axis.maximum;
    const double span = axis.maximum - axis.minimum;
    const bool ownStep = std::isfinite(axis.increment) && axis.increment > 0
        && span / axis.increment < ChartScale::MaximumTicks;
    scale.increment = ownStep ? axis.increment : NiceStep(span / std::clamp(maxDivisions, 1, 100));
    return scale;
}

std::vector<double> ChartScale::ticks() const
{
    std::vector<double> values;
    if (!(increment > 0) || !std::isfinite(minimum) || !std::isfinite(maximum) || maximum < minimum)
        return values;
    const double count = std::floor(snap((maximum - minimum) / increment));
    const int last = static_cast<int>(std::min(count, double(MaximumTicks - 1)));
    values.reserve(std::size_t(last) + 1);
    for (int i = 0; i <= last; ++i)
        values.push_back(snap(minimum / increment + i) * increment);
    return values;
}

int ChartScale::divisions() const
{
    if (!(increment > 0) || !std::isfinite(minimum) || !std::isfinite(maximum))
        return 0;
    const double steps = snap((maximum - minimum) / increment);
    if (steps != std::round(steps) || steps < 1 || steps >= MaximumTicks)
        return 0;
    return int(steps);
}
