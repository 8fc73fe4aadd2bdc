// SPDX-License-Identifier: MIT
#include "chartbottomaxis.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The label steps of the bottom axis: with half-hour slots every step is a
// whole number of hours; past 48 the steps double. With a label group, every
// position is labelled or whole groups are skipped: 1, 2, 3, 4, 6, ... groups.
int labelStep(double slotWidth, double labelWidth, int group)
{
    if (group > 1) {
        if (slotWidth >= labelWidth)
            return 1;
        static const int groups[] = {1, 2, 3, 4, 6, 8, 12, 24};
        for (const int count : groups) {
            if (count * group * slotWidth >= labelWidth)
                return count * group;
        }
    }
    static const int steps[] = {1, 2, 4, 6, 8, 12, 16, 24, 48};
    for (const int step : steps) {
        if (step * slotWidth >= labelWidth)
            return step;
    }
    int step = 96;
    while (step * slotWidth < labelWidth && step < (1 << 28))
        step *= 2;
    return step;
}

constexpr int MaximumSlots = 100000;

struct BottomRange
{
    bool any = false; // false: no point and no range of the axis' own
    double first = 0;
    int slotCount = 1;
};

BottomRange bottomRange(const ChartModel &model)
{
    const ChartAxis &axis = model.bottomAxis;
    BottomRange result;
    double low = 0, high = 0;
    if (!axis.automatic && std::isfinite(axis.minimum) && std::isfinite(axis.maximum) && axis.maximum >= axis.minimum) {
        result.any = true;
        low = axis.minimum;
        high = axis.maximum;
    } else {
        for (const ChartSeries &series : model.series) {
            for (const ChartPoint &point : series.points) {
                if (!std::isfinite(point.x))
                    continue;
                low = result.any ? std::min(low, point.x) : point.x;
                high = result.any ? std::max(high, point.x) : point.x;
                result.any = true;
            }
        }
    }
    if (!result.any)
        return result;
    result.first = low;
    // One slot per whole step of x; a range too wide to draw is cut short.
    result.slotCount = int(std::min(std::floor(high - low + 1e-9) + 1, double(MaximumSlots)));
    return result;
}

// The label of each x position: the first point's label found there, or
// the x itself.
std::vector<QString> bottomLabels(const ChartModel &model, const BottomRange &range)
{
    std::vector<QString> labels(std::size_t(range.slotCount));
    std::vector<bool> found(labels.size(), false);
    for (const ChartSeries &series : model.series) {
        for (const ChartPoint &point : series.points) {
            const double slot = std::round(point.x - range.first);
            if (!(slot >= 0 && slot < range.slotCount) || found[std::size_t(slot)])
                continue;
            found[std::size_t(slot)] = true;
            labels[std::size_t(slot)] = point.label;
        }
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!found[i] && labels[i].isEmpty())
            labels[i] = ChartValueText(range.first + double(i), 1);
    }
    return labels;
}

void placeBottomTicks(ChartLayout &layout, const std::vector<QString> &labels, int labelGroup,
                      const QFontMetricsF &metrics, double labelTop)
{
    ChartAxisGeometry &axis = layout.bottom;
    const double gap = 8 * layout.unit;
    double widest = 0;
    for (const QString &label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const int step = labelStep(layout.slotWidth, widest + gap, labelGroup);
    double lastRight = std::numeric_limits<double>::lowest();
    for (std::size_t i = 0; i < labels.size(); i += std::size_t(step)) {
        ChartTick tick;
        tick.value = axis.scale.minimum + double(i);
        tick.position = axis.map(tick.value);
        tick.text = labels[i];
        const double width = metrics.horizontalAdvance(tick.text);
        double left = tick.position - width / 2;
        left = std::clamp(left, layout.bounds.left(), std::max(layout.bounds.left(), layout.bounds.right() - width));
        if (left >= lastRight + gap / 2) {
            tick.labelRect = QRectF(left, labelTop, width, metrics.height());
            lastRight = left + width;
        }
        axis.ticks.push_back(tick);
    }
}

} // namespace

double LayOutBottomAxis(ChartLayout &layout, const ChartModel &model, const QFontMetricsF &metrics, double labelTop)
{
    const BottomRange range = bottomRange(model);
    ChartAxisGeometry &axis = layout.bottom;
    axis.shown = true;
    axis.grid = model.bottomAxis.grid;
    axis.scale.minimum = range.first;
    axis.scale.maximum = range.first + range.slotCount - 1;
    axis.scale.increment = 1;
    layout.slotWidth = double(layout.plotFront.width()) / range.slotCount;
    axis.origin = layout.plotFront.left() + layout.slotWidth / 2;
    axis.pixelsPerUnit = layout.slotWidth;
    if (range.any)
        placeBottomTicks(layout, bottomLabels(model, range), model.bottomAxis.labelGroup, metrics, labelTop);
    if (!axis.title.isEmpty()) {
        axis.titleRect.setLeft(layout.plotFront.left());
        axis.titleRect.setWidth(layout.plotFront.width());
    }
    return layout.slotWidth;
}
