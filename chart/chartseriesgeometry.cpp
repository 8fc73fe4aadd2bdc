// SPDX-License-Identifier: MIT
#include "chartseriesgeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// A value beyond the axis is drawn at most this far outside the plot (and
// clipped there), which keeps huge numbers out of the rasteriser.
double bounded(double pixel, const ChartLayout &layout)
{
    const double reach = 2 * (layout.bounds.width() + layout.bounds.height());
    return std::clamp(pixel, layout.bounds.top() - reach, layout.bounds.bottom() + reach);
}

// The values the plot shows: x within the slots of the bottom axis, y within
// the vertical axis' range.
struct ValueWindow
{
    double left, right, low, high;

    ValueWindow(const ChartLayout &layout, const ChartAxisGeometry &axis)
        : left(layout.bottom.scale.minimum - 0.5)
        , right(layout.bottom.scale.maximum + 0.5)
        , low(std::min(axis.scale.minimum, axis.scale.maximum))
        , high(std::max(axis.scale.minimum, axis.scale.maximum))
    {
    }
    bool holds(double x, double y) const { return x >= left && x <= right && y >= low && y <= high; }
};

// Cuts the segment a-b (values) to the window; false when nothing is left.
// Ends far beyond the window are first brought within a million windows of
// it, which moves the cut by far less than a pixel and keeps the arithmetic
// finite for values up to the largest double.
bool clipSegment(const ValueWindow &window, QPointF &a, QPointF &b)
{
    const double reachX = 1e6 * std::max(1.0, window.right - window.left);
    const double reachY = 1e6 * std::max(1.0, window.high - window.low);
    for (QPointF *end : {&a, &b}) {
        end->setX(std::clamp(end->x(), window.left - reachX, window.right + reachX));
        end->setY(std::clamp(end->y(), window.low - reachY, window.high + reachY));
    }
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - window.left, window.right - a.x(), a.y() - window.low, window.high - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

} // namespace

QPointF ChartPointPosition(const ChartLayout &layout, const ChartAxisGeometry &axis, const ChartPoint &point)
{
    const double x = std::clamp(layout.bottom.map(point.x), layout.bounds.left() - layout.bounds.width(),
                                layout.bounds.right() + layout.bounds.width());
    return {x, bounded(axis.map(point.y), layout)};
}

bool ChartPointUsable(const ChartPoint &point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

double ChartBaseline(const ChartAxisGeometry &axis, const ChartLayout &layout)
{
    const double zero = std::clamp(0.0, axis.scale.minimum, axis.scale.maximum);
    return bounded(axis.map(zero), layout);
}

// Where a bar ends: its value, cut at the axis' ends. False when its x lies
// outside the bottom axis' slots.
bool ChartBarEnd(const ChartLayout &layout, const ChartAxisGeometry &axis, const ChartPoint &point, QPointF &end)
{
    if (!ChartPointUsable(point))
        return false;
    const double slot = point.x - layout.bottom.scale.minimum;
    if (!(slot > -0.5 && point.x - layout.bottom.scale.maximum < 0.5))
        return false;
    const double low = std::min(axis.scale.minimum, axis.scale.maximum);
    const double high = std::max(axis.scale.minimum, axis.scale.maximum);
    end = QPointF(layout.bottom.map(point.x), axis.map(std::clamp(point.y, low, high)));
    return true;
}

// The parts of a series' line that lie within the axes' ranges, in pixels.
// Values beyond an axis end are cut where the line crosses it, so in 3D a
// ribbon stays inside its lane rather than running over the walls.
std::vector<QPolygonF> ChartVisibleRuns(const ChartLayout &layout, const ChartAxisGeometry &axis,
                                        const ChartSeries &series)
{
    const ValueWindow window(layout, axis);
    const auto toPixels = [&](QPointF v) { return QPointF(layout.bottom.map(v.x()), axis.map(v.y())); };
    // A stepped line is the straight line through each slot's two edges.
    std::vector<ChartPoint> edges;
    if (series.steps) {
        edges.reserve(2 * series.points.size());
        for (const ChartPoint &point : series.points) {
            edges.push_back({point.x - 0.5, point.y, QString(), QColor()});
            edges.push_back({point.x + 0.5, point.y, QString(), QColor()});
        }
    }
    std::vector<QPolygonF> runs;
    QPolygonF run;
    const ChartPoint *previous = nullptr;
    for (const ChartPoint &point : series.steps ? edges : series.points) {
        if (!ChartPointUsable(point)) {
            previous = nullptr;
            continue;
        }
        if (!previous) {
            if (!run.isEmpty())
                runs.push_back(run);
            run.clear();
            if (window.holds(point.x, point.y))
                run << toPixels(QPointF(point.x, point.y));
            previous = &point;
            continue;
        }
        QPointF a(previous->x, previous->y), b(point.x, point.y);
        previous = &point;
        if (!clipSegment(window, a, b)) {
            continue;
        }
        const QPointF from = toPixels(a);
        if (run.isEmpty() || run.last() != from) {
            if (!run.isEmpty())
                runs.push_back(run);
            run.clear();
            run << from;
        }
        run << toPixels(b);
    }
    if (!run.isEmpty())
        runs.push_back(run);
    return runs;
}

bool ChartPointShown(const ChartLayout &layout, const ChartAxisGeometry &axis, const ChartPoint &point)
{
    return ChartPointUsable(point) && ValueWindow(layout, axis).holds(point.x, point.y);
}
