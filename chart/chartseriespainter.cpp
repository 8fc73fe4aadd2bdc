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

// An edge pen one screen pixel wide. Cosmetic, so the rasteriser draws it
// without stroking a path: the faces are filled without a pen and their
// edges drawn at once afterwards.
QPen edgePen(const QColor &colour, double unit)
{
    QPen pen(colour, std::max(1.0, std::round(unit)), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

// A polyline `width` device pixels wide. On screen it is drawn as a few
// one-pixel antialiased lines side by side: the rasteriser strokes those
// without building an outline, many times faster than a wide pen, which
// keeps a resize smooth. On a fine device (a printer) the wide pen is used.
void drawThickLine(QPainter &painter, const QPolygonF &line, const QColor &colour, double width)
{
    if (width > 3.0) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
        return;
    }
    painter.setPen(edgePen(colour, 1));
    const int strands = std::max(1, int(std::ceil(width)));
    QVector<QLineF> lines;
    lines.reserve(std::max(0, int(line.size()) - 1) * strands);
    for (int i = 1; i < line.size(); ++i) {
        const QLineF segment(line.at(i - 1), line.at(i));
        const double length = segment.length();
        if (length <= 0)
            continue;
        // Unit normal of the segment; the strands spread across the width.
        const QPointF normal(-segment.dy() / length, segment.dx() / length);
        for (int k = 0; k < strands; ++k) {
            const double offset = strands == 1 ? 0 : (k / double(strands - 1) - 0.5) * (width - 1);
            lines << segment.translated(normal * offset);
        }
    }
    painter.drawLines(lines);
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
    drawThickLine(painter, line, series.colour, 2 * u);
    // Dots at the points when there is room to tell them apart.
    if (layout.slotWidth < 10 * u && line.size() > 1)
        return;
    const double radius = 2.5 * u;
    painter.setPen(edgePen(series.colour.darker(130), u));
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
// The faces are filled without antialiasing; the edges drawn over them
// smooth the outline.
void paintRibbon(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, QPointF front,
                 QPointF depth)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    QPolygonF line;
    for (const ChartPoint &point : series.points) {
        if (usable(point))
            line << pointAt(layout, axis, point) + front;
    }
    if (line.isEmpty())
        return;
    const QColor edge = series.colour.darker(150);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    QPointF face[4];
    for (int i = 1; i < line.size(); ++i) {
        const QPointF a = line.at(i - 1);
        const QPointF b = line.at(i);
        face[0] = a;
        face[1] = b;
        face[2] = b + depth;
        face[3] = a + depth;
        const double rise = a.y() - b.y();
        const double run = std::max(1e-9, std::fabs(b.x() - a.x()));
        const double steep = std::atan(rise / run) / (M_PI / 2); // -1 falling .. 1 climbing
        painter.setBrush(steep >= 0 ? series.colour.lighter(100 + int(30 * steep))
                                    : series.colour.darker(100 + int(-45 * steep)));
        painter.drawConvexPolygon(face, 4);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(edgePen(edge, layout.unit));
    painter.drawPolyline(line.translated(depth));
    painter.drawLine(line.first(), line.first() + depth);
    painter.drawLine(line.last(), line.last() + depth);
    drawThickLine(painter, line, edge, 1.5 * layout.unit);
}

// Bars as boxes: the front face in the point's colour, the top lighter and
// the side darker. Faces are filled without antialiasing and their edges
// drawn over them, all edges of a series in one call.
void paintBoxes(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, QPointF front,
                QPointF depth)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    const double width = layout.slotWidth * 0.6;
    const double base = baseline(axis, layout) + front.y();
    const bool outlined = width >= 4 * layout.unit;
    QVector<QLineF> edges;
    QColor edgeColour = series.colour.darker(170);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    QPointF face[4];
    for (const ChartPoint &point : series.points) {
        if (!usable(point))
            continue;
        const QPointF at = pointAt(layout, axis, point) + front;
        const QRectF body(QPointF(std::round(at.x() - width / 2), std::round(std::min(at.y(), base))),
                          QPointF(std::round(at.x() + width / 2), std::round(std::max(at.y(), base))));
        const QColor colour = pointColour(series, point);
        face[0] = body.topRight();
        face[1] = face[0] + depth;
        face[2] = body.bottomRight() + depth;
        face[3] = body.bottomRight();
        painter.setBrush(colour.darker(140));
        painter.drawConvexPolygon(face, 4);
        face[0] = body.topLeft();
        face[1] = body.topRight();
        face[2] = face[1] + depth;
        face[3] = face[0] + depth;
        painter.setBrush(colour.lighter(130));
        painter.drawConvexPolygon(face, 4);
        painter.fillRect(body, colour);
        if (!outlined)
            continue;
        if (colour != series.colour)
            edgeColour = colour.darker(170);
        const QPointF topLeftBack = body.topLeft() + depth;
        const QPointF topRightBack = body.topRight() + depth;
        const QPointF bottomRightBack = body.bottomRight() + depth;
        edges << QLineF(body.topLeft(), body.topRight()) << QLineF(body.topRight(), body.bottomRight())
              << QLineF(body.bottomRight(), body.bottomLeft()) << QLineF(body.bottomLeft(), body.topLeft())
              << QLineF(body.topLeft(), topLeftBack) << QLineF(topLeftBack, topRightBack)
              << QLineF(topRightBack, body.topRight()) << QLineF(topRightBack, bottomRightBack)
              << QLineF(bottomRightBack, body.bottomRight());
    }
    painter.setBrush(Qt::NoBrush);
    if (edges.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(edgePen(edgeColour, layout.unit));
    painter.drawLines(edges);
}

} // namespace

void PaintSeries(QPainter &painter, const ChartLayout &layout, const ChartModel &model)
{
    const int count = int(model.series.size());
    if (layout.is3D()) {
        // Back to front, so nearer lanes cover farther ones.
        const QPointF depth = layout.laneDepth() * 0.8;
        for (int i = 0; i < count; ++i) {
            const ChartSeries &series = model.series[std::size_t(i)];
            const int lane = layout.laneOf(i);
            const QPointF front = layout.laneOffset(lane) + layout.laneDepth() * 0.1;
            if (series.style == ChartSeriesStyle::Bar)
                paintBoxes(painter, layout, series, front, depth);
            else
                paintRibbon(painter, layout, series, front, depth);
        }
        for (int i = 0; i < count; ++i)
            paintMarks(painter, layout, model.series[std::size_t(i)], layout.laneOffset(layout.laneOf(i)));
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
