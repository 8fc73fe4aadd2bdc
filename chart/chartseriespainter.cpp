// SPDX-License-Identifier: MIT
#include "chartseriespainter.h"

#include "chartfonts.h"

#include <QPainter>
#include <QPolygonF>

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

QPointF pointAt(const ChartLayout &layout, const ChartAxisGeometry &axis, const ChartPoint &point)
{
    const double x = std::clamp(layout.bottom.map(point.x), layout.bounds.left() - layout.bounds.width(),
                                layout.bounds.right() + layout.bounds.width());
    return {x, bounded(axis.map(point.y), layout)};
}

double baseline(const ChartAxisGeometry &axis, const ChartLayout &layout)
{
    const double zero = std::clamp(0.0, axis.scale.minimum, axis.scale.maximum);
    return bounded(axis.map(zero), layout);
}

QColor pointColour(const ChartSeries &series, const ChartPoint &point)
{
    return point.colour.isValid() ? point.colour : series.colour;
}

bool usable(const ChartPoint &point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

void paintMarks(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, QPointF offset)
{
    if (!series.marksVisible)
        return;
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    const QFont font = ChartFont(ChartTextRole::Mark, layout.dpi);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double u = layout.unit;
    for (const ChartPoint &point : series.points) {
        if (!usable(point))
            continue;
        const QPointF at = pointAt(layout, axis, point) + offset;
        const QString text = QString::number(point.y, 'g', 6);
        const double width = metrics.horizontalAdvance(text) + 4 * u;
        const QRectF box(at.x() - width / 2, at.y() - metrics.height() - 6 * u, width, metrics.height());
        painter.setPen(QPen(QColor(128, 128, 128), 0));
        painter.setBrush(QColor(255, 255, 225));
        painter.drawRect(box);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.setBrush(Qt::NoBrush);
}

void paintFlatLine(QPainter &painter, const ChartLayout &layout, const ChartSeries &series)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    const double u = layout.unit;
    QPolygonF line;
    for (const ChartPoint &point : series.points) {
        if (usable(point))
            line << pointAt(layout, axis, point);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(series.colour, 2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    // Dots at the points when there is room to tell them apart.
    if (layout.slotWidth < 10 * u && line.size() > 1)
        return;
    const double radius = 2.5 * u;
    painter.setPen(QPen(series.colour.darker(130), u));
    std::size_t i = 0;
    for (const ChartPoint &point : series.points) {
        if (!usable(point))
            continue;
        painter.setBrush(pointColour(series, point));
        painter.drawEllipse(line.at(int(i++)), radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
}

void paintFlatBars(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, int bar, int bars)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    const double group = layout.slotWidth * 0.8;
    const double width = group / bars;
    const double base = baseline(axis, layout);
    const bool outlined = width >= 4 * layout.unit;
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const ChartPoint &point : series.points) {
        if (!usable(point))
            continue;
        const QPointF at = pointAt(layout, axis, point);
        const double left = at.x() - group / 2 + bar * width;
        const QRectF box = QRectF(QPointF(std::round(left), std::round(std::min(at.y(), base))),
                                  QPointF(std::round(left + width), std::round(std::max(at.y(), base))));
        const QColor colour = pointColour(series, point);
        painter.fillRect(box, colour);
        if (outlined) {
            painter.setPen(QPen(colour.darker(150), 0));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
}

// A line as a ribbon lying in its lane: one face per segment, lighter where
// the line climbs and darker where it falls, so the shape reads at a glance.
void paintRibbon(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, QPointF front,
                 QPointF depth)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    QPolygonF line;
    for (const ChartPoint &point : series.points) {
        if (usable(point))
            line << pointAt(layout, axis, point) + front;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor edge = series.colour.darker(150);
    painter.setPen(QPen(edge, 0.8 * layout.unit, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    for (int i = 1; i < line.size(); ++i) {
        const QPointF a = line.at(i - 1);
        const QPointF b = line.at(i);
        QPolygonF face;
        face << a << b << b + depth << a + depth;
        const double rise = a.y() - b.y();
        const double run = std::max(1e-9, std::fabs(b.x() - a.x()));
        const double steep = std::atan(rise / run) / (M_PI / 2); // -1 falling .. 1 climbing
        painter.setBrush(steep >= 0 ? series.colour.lighter(100 + int(30 * steep))
                                    : series.colour.darker(100 + int(-45 * steep)));
        painter.drawPolygon(face);
    }
    painter.setBrush(Qt::NoBrush);
    if (line.size() == 1) {
        painter.setPen(QPen(series.colour, 2 * layout.unit, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(line.at(0), line.at(0) + depth);
    }
    painter.setPen(QPen(edge, 1.2 * layout.unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
}

// Bars as boxes: the front face in the point's colour, the top lighter and
// the side darker.
void paintBoxes(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, QPointF front,
                QPointF depth)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    const double width = layout.slotWidth * 0.6;
    const double base = baseline(axis, layout) + front.y();
    const bool outlined = width >= 4 * layout.unit;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const ChartPoint &point : series.points) {
        if (!usable(point))
            continue;
        const QPointF at = pointAt(layout, axis, point) + front;
        const double left = at.x() - width / 2;
        const double right = left + width;
        const double top = std::min(at.y(), base);
        const double bottom = std::max(at.y(), base);
        const QColor colour = pointColour(series, point);
        painter.setPen(outlined ? QPen(colour.darker(170), 0.6 * layout.unit) : QPen(Qt::NoPen));
        QPolygonF side;
        side << QPointF(right, top) << QPointF(right, top) + depth << QPointF(right, bottom) + depth
             << QPointF(right, bottom);
        painter.setBrush(colour.darker(140));
        painter.drawPolygon(side);
        QPolygonF lid;
        lid << QPointF(left, top) << QPointF(right, top) << QPointF(right, top) + depth
            << QPointF(left, top) + depth;
        painter.setBrush(colour.lighter(130));
        painter.drawPolygon(lid);
        painter.setBrush(colour);
        painter.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace

void PaintSeries(QPainter &painter, const ChartLayout &layout, const ChartModel &model)
{
    const int count = int(model.series.size());
    if (layout.is3D()) {
        const QPointF depth = layout.laneDepth() * 0.8;
        for (int lane = count - 1; lane >= 0; --lane) {
            const ChartSeries &series = model.series[std::size_t(lane)];
            const QPointF front = layout.laneOffset(lane) + layout.laneDepth() * 0.1;
            if (series.style == ChartSeriesStyle::Bar)
                paintBoxes(painter, layout, series, front, depth);
            else
                paintRibbon(painter, layout, series, front, depth);
        }
        for (int lane = count - 1; lane >= 0; --lane)
            paintMarks(painter, layout, model.series[std::size_t(lane)], layout.laneOffset(lane));
        return;
    }
    const int bars = int(std::count_if(model.series.begin(), model.series.end(),
                                       [](const ChartSeries &s) { return s.style == ChartSeriesStyle::Bar; }));
    int bar = 0;
    for (const ChartSeries &series : model.series) {
        if (series.style == ChartSeriesStyle::Bar)
            paintFlatBars(painter, layout, series, bar++, bars);
    }
    for (const ChartSeries &series : model.series) {
        if (series.style == ChartSeriesStyle::Line)
            paintFlatLine(painter, layout, series);
    }
    for (const ChartSeries &series : model.series)
        paintMarks(painter, layout, series, {});
}
