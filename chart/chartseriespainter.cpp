// SPDX-License-Identifier: MIT
#include "chartseriespainter.h"

#include "chartfonts.h"
#include "chartseriesgeometry.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

QColor pointColour(const ChartSeries &series, const ChartPoint &point)
{
    return point.colour.isValid() ? point.colour : series.colour;
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
        if (!ChartPointShown(layout, axis, point))
            continue;
        const QPointF at = ChartPointPosition(layout, axis, point) + offset;
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
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF &run : ChartVisibleRuns(layout, axis, series))
        drawThickLine(painter, run, series.colour, 2 * u);
    // Dots at the points when there is room to tell them apart.
    if (layout.slotWidth < 10 * u && series.points.size() > 1)
        return;
    const double radius = 2.5 * u;
    painter.setPen(edgePen(series.colour.darker(130), u));
    for (const ChartPoint &point : series.points) {
        if (!ChartPointShown(layout, axis, point))
            continue;
        painter.setBrush(pointColour(series, point));
        painter.drawEllipse(ChartPointPosition(layout, axis, point), radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
}

void paintFlatBars(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, int bar, int bars)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    const double width = layout.flatBarWidth(bars);
    const double base = ChartBaseline(axis, layout);
    const bool outlined = width >= 4 * layout.unit;
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPointF at;
    for (const ChartPoint &point : series.points) {
        if (!ChartBarEnd(layout, axis, point, at))
            continue;
        const double left = layout.flatBarLeft(point.x, bar, bars);
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
void paintRibbonRun(QPainter &painter, const ChartLayout &layout, const QColor &colour, const QPolygonF &line,
                    QPointF depth)
{
    const QColor edge = colour.darker(150);
    if (line.size() == 1) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        drawThickLine(painter, QPolygonF({line.first(), line.first() + depth}), edge, 3 * layout.unit);
        return;
    }
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
        painter.setBrush(steep >= 0 ? colour.lighter(100 + int(30 * steep))
                                    : colour.darker(100 + int(-45 * steep)));
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

void paintRibbon(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, QPointF front,
                 QPointF depth)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    for (const QPolygonF &run : ChartVisibleRuns(layout, axis, series))
        paintRibbonRun(painter, layout, series.colour, run.translated(front), depth);
}

// The side face of a box whose right edge is the pixel column `right`, from
// row top to row bottom, seen depth (whole pixels, x > 0, y < 0) deep. Most
// of it is a rectangle filled at once; the triangle its slanted top edge
// leaves is covered by the lid drawn next, and only the triangle under its
// slanted bottom edge needs the polygon rasteriser.
void fillSide(QPainter &painter, double right, double top, double bottom, QPointF depth, const QColor &colour)
{
    const double dx = depth.x(), dy = depth.y();
    if (bottom + dy <= top || dx <= 0 || dy >= 0) {
        const QPointF face[] = {{right, top}, {right + dx, top + dy}, {right + dx, bottom + dy}, {right, bottom}};
        painter.setBrush(colour);
        painter.drawConvexPolygon(face, 4);
        return;
    }
    painter.fillRect(QRectF(right, top + dy, dx, bottom - top), colour);
    const QPointF corner[] = {{right, bottom + dy}, {right + dx, bottom + dy}, {right, bottom}};
    painter.setBrush(colour);
    painter.drawConvexPolygon(corner, 3);
}

// Bars as boxes: the front face in the point's colour, the top lighter and
// the side darker, each with a darker edge. The corners lie on whole pixels,
// so faces and edges are filled without antialiasing but for the three
// slanted edges, which are drawn for the whole series at once (a box's side
// never reaches the next box of its lane, so no edge crosses a nearer face).
void paintBoxes(QPainter &painter, const ChartLayout &layout, const ChartSeries &series, QPointF front,
                QPointF depth)
{
    const ChartAxisGeometry &axis = layout.verticalAxis(series.axis);
    const double width = layout.boxWidth();
    const double base = std::round(ChartBaseline(axis, layout) + front.y());
    const double pen = std::max(1.0, std::round(layout.unit));
    const bool outlined = width >= 4 * layout.unit;
    QVector<QLineF> slanted;
    QColor edgeColour = series.colour.darker(170);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    QPointF lid[4];
    QPointF at;
    for (const ChartPoint &point : series.points) {
        if (!ChartBarEnd(layout, axis, point, at))
            continue;
        at += front;
        const QRectF body(QPointF(std::round(at.x() - width / 2), std::round(std::min(at.y(), base))),
                          QPointF(std::round(at.x() + width / 2), std::round(std::max(at.y(), base))));
        const QColor colour = pointColour(series, point);
        const double l = body.left(), t = body.top(), r = body.right(), b = body.bottom();
        const double dx = depth.x(), dy = depth.y();
        fillSide(painter, r, t, b, depth, colour.darker(140));
        lid[0] = QPointF(l, t);
        lid[1] = QPointF(r, t);
        lid[2] = lid[1] + depth;
        lid[3] = lid[0] + depth;
        painter.setBrush(colour.lighter(130));
        painter.drawConvexPolygon(lid, 4);
        if (!outlined || body.height() < 2 * pen) {
            painter.fillRect(body, colour);
            continue;
        }
        if (colour != series.colour)
            edgeColour = colour.darker(170);
        painter.fillRect(body, edgeColour);
        painter.fillRect(body.adjusted(pen, pen, -pen, -pen), colour);
        painter.fillRect(QRectF(l + dx, t + dy, r - l, pen), edgeColour);
        painter.fillRect(QRectF(r + dx - pen, t + dy, pen, b - t), edgeColour);
        slanted << QLineF(QPointF(l, t), QPointF(l + dx, t + dy)) << QLineF(QPointF(r, t), QPointF(r + dx, t + dy))
                << QLineF(QPointF(r, b), QPointF(r + dx, b + dy));
    }
    painter.setBrush(Qt::NoBrush);
    if (slanted.isEmpty())
        return;
    painter.setPen(edgePen(edgeColour, layout.unit));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawLines(slanted);
}

} // namespace

void PaintSeries(QPainter &painter, const ChartLayout &layout, const ChartModel &model)
{
    const int count = int(model.series.size());
    if (layout.is3D()) {
        // Back to front, so nearer lanes cover farther ones.
        const QPointF lane = layout.laneDepth();
        const QPointF depth(std::round(lane.x() * 0.8), std::round(lane.y() * 0.8));
        const QPointF inset(std::round(lane.x() * 0.1), std::round(lane.y() * 0.1));
        std::vector<int> backToFront(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            backToFront[std::size_t(i)] = i;
        std::stable_sort(backToFront.begin(), backToFront.end(),
                         [&](int a, int b) { return layout.laneOf(a) > layout.laneOf(b); });
        for (const int i : backToFront) {
            const ChartSeries &series = model.series[std::size_t(i)];
            const QPointF front = layout.laneOffset(layout.laneOf(i)) + inset;
            if (series.style == ChartSeriesStyle::Bar)
                paintBoxes(painter, layout, series, front, depth);
            else
                paintRibbon(painter, layout, series, front, depth);
        }
        for (const int i : backToFront)
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
