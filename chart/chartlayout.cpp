// SPDX-License-Identifier: MIT
#include "chartlayout.h"

#include "chartbottomaxis.h"
#include "chartfonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The fonts' measures and the spacing, all in device pixels.
struct Measures
{
    explicit Measures(double dpi)
        : title(ChartFont(ChartTextRole::Title, dpi))
        , axisTitle(ChartFont(ChartTextRole::AxisTitle, dpi))
        , tick(ChartFont(ChartTextRole::TickLabel, dpi))
        , legend(ChartFont(ChartTextRole::Legend, dpi))
        , margin(8 * ChartUnit(dpi))
        , gap(6 * ChartUnit(dpi))
        , tickLength(4 * ChartUnit(dpi))
    {
    }
    QFontMetricsF title, axisTitle, tick, legend;
    double margin, gap, tickLength;
};

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
        tick.text = ChartValueText(value, axis.scale.increment);
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
        widest = std::max(widest, metrics.horizontalAdvance(ChartValueText(value, scale.increment)));
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

// The title and the legend across the top; returns the room left below.
QRectF placeHeader(ChartLayout &layout, const ChartModel &model, QRectF inner, const Measures &m)
{
    if (!model.title.isEmpty()) {
        layout.titleRect = QRectF(inner.left(), inner.top(), inner.width(), m.title.height());
        inner.setTop(layout.titleRect.bottom() + m.gap / 2);
    }
    const double legendHeight = placeLegend(layout, model, inner, m.legend);
    if (legendHeight > 0)
        inner.setTop(inner.top() + legendHeight + m.gap);
    return inner;
}

// The 3D depth: about 9 screen pixels a series, at most 15 % of the room.
// It depends on the room only, never on the labels, so the labels can be
// measured once the scales are known.
QPoint chooseDepth(const ChartModel &model, const QRectF &room, double unit)
{
    if (!model.view3D)
        return {};
    const double lanes = std::max<std::size_t>(1, model.series.size());
    const double wanted = std::max(12.0, 9.0 * lanes) * unit;
    const double most = 0.15 * std::min(room.width(), room.height());
    const int d = int(std::max(0.0, std::floor(std::min(wanted, most))));
    if (d < 2)
        return {};
    return {d, -int(std::round(d * 0.6))};
}

// The vertical scales for a plot of the given height. The right axis is laid
// out only when a series uses it.
void chooseScales(ChartLayout &layout, const ChartModel &model, double frontHeight, const Measures &m)
{
    const int maxDivisions = std::clamp(int(frontHeight / (m.tick.height() * 1.6)), 1, 10);
    layout.left.shown = true;
    layout.right.shown = usesRightAxis(model);
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
}

void mapVertical(ChartAxisGeometry &axis, const QRect &plane)
{
    const double span = axis.scale.maximum - axis.scale.minimum;
    axis.origin = plane.top() + plane.height();
    axis.pixelsPerUnit = span > 0 ? -plane.height() / span : 0;
}

// The plot between the vertical axes' titles and labels, its bottom at
// plotBottom, and the vertical axes' ticks. The left axis maps onto the
// front plane and the right axis onto the back wall's right edge, where
// their labels stand.
void placePlot(ChartLayout &layout, const QRectF &inner, double plotBottom, double frontHeight, const Measures &m)
{
    // A whole number of the left axis' steps high, so that every tick lands
    // on a pixel row.
    const int divisions = layout.left.scale.divisions();
    int height = int(frontHeight);
    if (divisions > 0 && height >= divisions)
        height -= height % divisions;
    const double plotTop = plotBottom - height;
    const double titleWidth = m.axisTitle.height();

    double left = inner.left();
    if (!layout.left.title.isEmpty()) {
        layout.left.titleRect = QRectF(left, plotTop, titleWidth, height);
        left += titleWidth + m.gap / 2;
    }
    const double leftLabelEdge = left + widestLabel(layout.left.scale, m.tick);
    left = std::ceil(leftLabelEdge + m.gap / 2 + m.tickLength);

    double right = inner.right();
    if (layout.right.shown) {
        if (!layout.right.title.isEmpty()) {
            layout.right.titleRect = QRectF(right - titleWidth, plotTop, titleWidth, height);
            right -= titleWidth + m.gap / 2;
        }
        right -= widestLabel(layout.right.scale, m.tick) + m.gap / 2 + m.tickLength;
    } else {
        right -= m.gap; // room for the last bottom label to stand centred
    }
    right = std::floor(right - layout.depth.x());
    layout.plotFront = QRect(int(left), int(plotTop), std::max(1, int(right - left)), height);
    layout.backWall = layout.plotFront.translated(layout.depth);

    mapVertical(layout.left, layout.plotFront);
    placeVerticalTicks(layout.left, m.tick, leftLabelEdge, true, m.gap);
    if (layout.right.shown) {
        mapVertical(layout.right, layout.backWall);
        const double rightLabelEdge = layout.backWall.left() + layout.backWall.width() + m.tickLength + m.gap / 2;
        placeVerticalTicks(layout.right, m.tick, rightLabelEdge, false, m.gap);
    }
}

// The series ordered from the tallest on average (share of its axis' range)
// to the lowest.
std::vector<int> lanesByHeight(const ChartModel &model, const ChartLayout &layout)
{
    const int count = int(model.series.size());
    std::vector<double> height(static_cast<std::size_t>(count), 0.0);
    for (int i = 0; i < count; ++i) {
        const ChartSeries &series = model.series[std::size_t(i)];
        const ChartScale &scale = layout.verticalAxis(series.axis).scale;
        const double span = scale.maximum - scale.minimum;
        double sum = 0;
        int n = 0;
        for (const ChartPoint &point : series.points) {
            if (!std::isfinite(point.y) || !(span > 0))
                continue;
            sum += std::clamp((point.y - scale.minimum) / span, 0.0, 1.0);
            ++n;
        }
        height[std::size_t(i)] = n > 0 ? sum / n : 0;
    }
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        order[std::size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return height[std::size_t(a)] > height[std::size_t(b)]; });
    std::vector<int> lanes(static_cast<std::size_t>(count));
    for (int position = 0; position < count; ++position)
        lanes[std::size_t(order[std::size_t(position)])] = count - 1 - position;
    return lanes;
}

} // namespace

QPointF ChartLayout::laneOffset(int lane) const
{
    if (seriesCount <= 0)
        return {};
    // Whole pixels, so the boxes' edges stay sharp.
    const QPointF offset = QPointF(depth) * (double(lane) / seriesCount);
    return {std::round(offset.x()), std::round(offset.y())};
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
    layout.seriesCount = int(model.series.size());
    const Measures m(layout.dpi);

    const QRectF inner = placeHeader(layout, model, rect.adjusted(m.margin, m.margin, -m.margin, -m.margin), m);
    layout.depth = chooseDepth(model, inner, layout.unit);

    // Up from the bottom edge: the axis title, the labels, the tick marks.
    layout.bottom.title = model.bottomAxis.title;
    double labelsBottom = inner.bottom();
    if (!layout.bottom.title.isEmpty()) {
        layout.bottom.titleRect =
            QRectF(inner.left(), inner.bottom() - m.axisTitle.height(), inner.width(), m.axisTitle.height());
        labelsBottom = layout.bottom.titleRect.top() - m.gap / 2;
    }
    const double labelTop = labelsBottom - m.tick.height();
    const double plotBottom = std::floor(labelTop - m.tickLength - m.gap / 2);
    // Half a label above the back wall's top, for its top tick label.
    const double plotTop = std::ceil(inner.top() + m.tick.height() / 2 - layout.depth.y());
    const double frontHeight = std::max(1.0, plotBottom - plotTop);

    chooseScales(layout, model, frontHeight, m);
    placePlot(layout, inner, plotBottom, frontHeight, m);
    LayOutBottomAxis(layout, model, m.tick, labelTop);
    layout.lanes = lanesByHeight(model, layout);
    return layout;
}
