// SPDX-License-Identifier: MIT
#include "chartlayout.h"

#include "chartfonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct DataRange
{
    bool any = false;
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();

    void add(double v)
    {
        if (!std::isfinite(v))
            return;
        any = true;
        low = std::min(low, v);
        high = std::max(high, v);
    }
};

bool usesRightAxis(const ChartModel &model)
{
    return std::any_of(model.series.begin(), model.series.end(),
                       [](const ChartSeries &s) { return s.axis == ChartVerticalAxis::Right; });
}

DataRange valueRange(const ChartModel &model, ChartVerticalAxis axis, bool rightShown)
{
    DataRange range;
    for (const ChartSeries &series : model.series) {
        const bool onRight = series.axis == ChartVerticalAxis::Right && rightShown;
        if (onRight != (axis == ChartVerticalAxis::Right))
            continue;
        for (const ChartPoint &point : series.points)
            range.add(point.y);
    }
    return range;
}

QString valueText(double value, double increment)
{
    int decimals = 0;
    if (increment > 0 && std::isfinite(increment) && increment < 1)
        decimals = std::min(6, int(std::ceil(-std::log10(increment) - 1e-9)));
    if (std::fabs(value) < increment * 1e-9)
        value = 0; // no "-0"
    return QString::number(value, 'f', decimals);
}

// The label steps of the bottom axis: with half-hour slotCount 2, 4, 6, 8 and 12
// are whole hours; past 48 the steps double.
int labelStep(double slotWidth, double labelWidth)
{
    static const int steps[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 48};
    for (const int step : steps) {
        if (step * slotWidth >= labelWidth)
            return step;
    }
    int step = 96;
    while (step * slotWidth < labelWidth && step < (1 << 28))
        step *= 2;
    return step;
}

// Ticks and labels of a vertical axis; labels that would touch the one
// below are left out.
void placeVerticalTicks(ChartAxisGeometry &axis, const QFontMetricsF &metrics, double labelEdge, bool alignRight,
                        double gap)
{
    axis.ticks.clear();
    const double lineHeight = metrics.height();
    double lastLabelTop = std::numeric_limits<double>::max();
    for (const double value : axis.scale.ticks()) {
        ChartTick tick;
        tick.value = value;
        tick.position = std::round(axis.map(value));
        tick.text = valueText(value, axis.scale.increment);
        const double width = metrics.horizontalAdvance(tick.text);
        const double top = tick.position - lineHeight / 2;
        if (top + lineHeight + gap / 2 <= lastLabelTop) {
            const double x = alignRight ? labelEdge - width : labelEdge;
            tick.labelRect = QRectF(x, top, width, lineHeight);
            lastLabelTop = top;
        }
        axis.ticks.push_back(tick);
    }
}

double widestLabel(const ChartScale &scale, const QFontMetricsF &metrics)
{
    double widest = 0;
    for (const double value : scale.ticks())
        widest = std::max(widest, metrics.horizontalAdvance(valueText(value, scale.increment)));
    return widest;
}

// Legend entries flow in rows under the title, each row centred.
double placeLegend(ChartLayout &layout, const ChartModel &model, const QRectF &area, const QFontMetricsF &metrics)
{
    if (model.series.empty())
        return 0;
    const double u = layout.unit;
    const double lineHeight = metrics.height();
    const double swatch = std::round(metrics.ascent() * 0.8);
    const double spacing = 14 * u;
    std::vector<std::vector<std::size_t>> rows(1);
    std::vector<double> rowWidths(1, 0);
    std::vector<double> widths;
    for (std::size_t i = 0; i < model.series.size(); ++i) {
        const double width = swatch + 5 * u + metrics.horizontalAdvance(model.series[i].title);
        widths.push_back(width);
        const double needed = rows.back().empty() ? width : rowWidths.back() + spacing + width;
        if (!rows.back().empty() && needed > area.width()) {
            rows.emplace_back();
            rowWidths.push_back(width);
        } else {
            rowWidths.back() = needed;
        }
        rows.back().push_back(i);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double x = area.left() + std::max(0.0, (area.width() - rowWidths[r]) / 2);
        const double y = area.top() + r * lineHeight;
        for (const std::size_t i : rows[r]) {
            const ChartSeries &series = model.series[i];
            ChartLegendEntry entry;
            entry.title = series.title;
            entry.colour = series.colour;
            entry.style = series.style;
            entry.swatch = QRectF(std::round(x), std::round(y + (lineHeight - swatch) / 2), swatch, swatch);
            entry.textRect = QRectF(x + swatch + 5 * u, y, widths[i] - swatch - 5 * u, lineHeight);
            layout.legend.push_back(entry);
            x += widths[i] + spacing;
        }
    }
    return rows.size() * lineHeight;
}

struct BottomRange
{
    double first = 0;
    int slotCount = 1;
};

BottomRange bottomRange(const ChartModel &model)
{
    const ChartAxis &axis = model.bottomAxis;
    DataRange range;
    for (const ChartSeries &series : model.series)
        for (const ChartPoint &point : series.points)
            range.add(point.x);
    BottomRange result;
    const bool ownRange = !axis.automatic && std::isfinite(axis.minimum) && std::isfinite(axis.maximum)
        && axis.maximum >= axis.minimum;
    if (ownRange) {
        range.any = true;
        range.low = axis.minimum;
        range.high = axis.maximum;
    }
    if (!range.any)
        return result;
    result.first = range.low;
    // One slot per whole step of x; a range too wide to draw is cut short.
    result.slotCount = int(std::min(std::floor(range.high - range.low + 1e-9) + 1, 100000.0));
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
            labels[i] = valueText(range.first + double(i), 1);
    }
    return labels;
}

void placeBottomTicks(ChartLayout &layout, const std::vector<QString> &labels, const QFontMetricsF &metrics,
                      double labelTop)
{
    ChartAxisGeometry &axis = layout.bottom;
    const double gap = 8 * layout.unit;
    double widest = 0;
    for (const QString &label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const int step = labelStep(layout.slotWidth, widest + gap);
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

QPointF ChartLayout::laneOffset(int lane) const
{
    if (seriesCount <= 0)
        return {};
    return QPointF(depth) * (double(lane) / seriesCount);
}

QPointF ChartLayout::laneDepth() const
{
    if (seriesCount <= 0)
        return {};
    return QPointF(depth) * (1.0 / seriesCount);
}

QPolygonF ChartLayout::plotOutline() const
{
    const QRectF front(plotFront);
    if (!is3D())
        return QPolygonF(front);
    const QRectF back(backWall);
    QPolygonF outline;
    outline << front.bottomLeft() << front.topLeft() << back.topLeft() << back.topRight() << back.bottomRight()
            << front.bottomRight() << front.bottomLeft();
    return outline;
}

ChartLayout LayOutChart(const ChartModel &model, const QRectF &rect, double dpi)
{
    ChartLayout layout;
    layout.bounds = rect;
    layout.dpi = dpi > 0 && std::isfinite(dpi) ? dpi : 96;
    layout.unit = ChartUnit(layout.dpi);
    const double u = layout.unit;
    layout.seriesCount = int(model.series.size());

    const QFontMetricsF titleMetrics(ChartFont(ChartTextRole::Title, layout.dpi));
    const QFontMetricsF axisTitleMetrics(ChartFont(ChartTextRole::AxisTitle, layout.dpi));
    const QFontMetricsF tickMetrics(ChartFont(ChartTextRole::TickLabel, layout.dpi));
    const QFontMetricsF legendMetrics(ChartFont(ChartTextRole::Legend, layout.dpi));

    const double margin = 8 * u;
    const double gap = 6 * u;
    const double tickLength = 4 * u;
    QRectF inner = rect.adjusted(margin, margin, -margin, -margin);

    if (!model.title.isEmpty()) {
        layout.titleRect = QRectF(inner.left(), inner.top(), inner.width(), titleMetrics.height());
        inner.setTop(layout.titleRect.bottom() + gap / 2);
    }
    const double legendHeight = placeLegend(layout, model, inner, legendMetrics);
    if (legendHeight > 0)
        inner.setTop(inner.top() + legendHeight + gap);

    // The 3D depth depends on the space only, never on the labels, so the
    // labels can be measured once the scales are known.
    if (model.view3D) {
        const double lanes = std::max(1, layout.seriesCount);
        const double wanted = std::max(12.0, 9.0 * lanes) * u;
        const double room = 0.15 * std::min(inner.width(), inner.height());
        const int d = int(std::max(0.0, std::floor(std::min(wanted, room))));
        layout.depth = QPoint(d, -int(std::round(d * 0.6)));
        if (d < 2)
            layout.depth = QPoint();
    }

    // Bottom edge: axis title, labels, tick marks.
    layout.bottom.title = model.bottomAxis.title;
    double plotBottom = inner.bottom();
    if (!layout.bottom.title.isEmpty()) {
        layout.bottom.titleRect = QRectF(inner.left(), inner.bottom() - axisTitleMetrics.height(), inner.width(),
                                         axisTitleMetrics.height());
        plotBottom = layout.bottom.titleRect.top() - gap / 2;
    }
    const double bottomLabelTop = plotBottom - tickMetrics.height();
    plotBottom = std::floor(bottomLabelTop - tickLength - gap / 2);
    double plotTop = std::ceil(inner.top() + tickMetrics.height() / 2 - layout.depth.y());
    const double frontHeight = std::max(1.0, plotBottom - plotTop);

    // Vertical scales, then the room their labels take.
    const int maxDivisions = std::clamp(int(frontHeight / (tickMetrics.height() * 1.6)), 1, 10);
    layout.right.shown = usesRightAxis(model);
    layout.left.shown = true;
    const DataRange leftRange = valueRange(model, ChartVerticalAxis::Left, layout.right.shown);
    layout.left.scale = ResolveScale(model.leftAxis, leftRange.any, leftRange.low, leftRange.high, maxDivisions);
    layout.left.grid = model.leftAxis.grid;
    layout.left.title = model.leftAxis.title;
    if (layout.right.shown) {
        const DataRange rightRange = valueRange(model, ChartVerticalAxis::Right, true);
        layout.right.scale =
            ResolveScale(model.rightAxis, rightRange.any, rightRange.low, rightRange.high, maxDivisions);
        layout.right.grid = model.rightAxis.grid;
        layout.right.title = model.rightAxis.title;
    }

    // The plot's height a whole number of the left axis' steps, so every
    // tick lands on a pixel row.
    const int divisions = layout.left.scale.divisions();
    int height = int(frontHeight);
    if (divisions > 0 && height >= divisions)
        height -= height % divisions;
    plotTop = plotBottom - height;

    double left = inner.left();
    if (!layout.left.title.isEmpty()) {
        layout.left.titleRect = QRectF(left, plotTop, axisTitleMetrics.height(), height);
        left += axisTitleMetrics.height() + gap / 2;
    }
    const double leftLabelEdge = left + widestLabel(layout.left.scale, tickMetrics);
    left = std::ceil(leftLabelEdge + gap / 2 + tickLength);

    double right = inner.right();
    double rightLabelEdge = right;
    if (layout.right.shown) {
        if (!layout.right.title.isEmpty()) {
            layout.right.titleRect =
                QRectF(right - axisTitleMetrics.height(), plotTop, axisTitleMetrics.height(), height);
            right -= axisTitleMetrics.height() + gap / 2;
        }
        right -= widestLabel(layout.right.scale, tickMetrics);
        rightLabelEdge = right;
        right -= gap / 2 + tickLength;
    } else {
        right -= gap; // room for the last bottom label to stand centred
    }
    right = std::floor(right - layout.depth.x());
    const int width = std::max(1, int(right - left));
    layout.plotFront = QRect(int(left), int(plotTop), width, height);
    layout.backWall = layout.plotFront.translated(layout.depth);

    // Vertical mapping: the front plane for the left axis, the back wall's
    // right edge for the right axis, where their labels stand.
    const auto mapVertical = [&](ChartAxisGeometry &axis, const QRect &plane) {
        const double span = axis.scale.maximum - axis.scale.minimum;
        axis.origin = plane.top() + plane.height();
        axis.pixelsPerUnit = span > 0 ? -plane.height() / span : 0;
    };
    mapVertical(layout.left, layout.plotFront);
    placeVerticalTicks(layout.left, tickMetrics, leftLabelEdge, true, gap);
    if (layout.right.shown) {
        mapVertical(layout.right, layout.backWall);
        placeVerticalTicks(layout.right, tickMetrics, layout.backWall.right() + 1 + tickLength + gap / 2, false, gap);
        Q_UNUSED(rightLabelEdge);
    }
    layout.left.shown = true;

    // Bottom axis: one slot per x position across the front plane.
    const BottomRange range = bottomRange(model);
    layout.bottom.shown = true;
    layout.bottom.grid = model.bottomAxis.grid;
    layout.bottom.scale.minimum = range.first;
    layout.bottom.scale.maximum = range.first + range.slotCount - 1;
    layout.bottom.scale.increment = 1;
    layout.slotWidth = double(width) / range.slotCount;
    layout.bottom.origin = layout.plotFront.left() + layout.slotWidth / 2;
    layout.bottom.pixelsPerUnit = layout.slotWidth;
    placeBottomTicks(layout, bottomLabels(model, range), tickMetrics, bottomLabelTop);
    if (!layout.bottom.title.isEmpty())
        layout.bottom.titleRect.setLeft(layout.plotFront.left()), layout.bottom.titleRect.setWidth(width);
    return layout;
}
