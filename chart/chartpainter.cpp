// SPDX-License-Identifier: MIT
#include "chartpainter.h"

#include "chartfonts.h"
#include "chartlayout.h"
#include "chartseriespainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor TextColour(0, 0, 0);
const QColor AxisColour(64, 64, 64);
const QColor FrameColour(160, 160, 160);
const QColor DefaultGridColour(210, 210, 210);
const QColor DottedGridColour(120, 120, 120);

// Grid pens are whole device pixels wide and drawn without antialiasing,
// so a grid line fills exactly its pixel row or column.
bool gridPen(ChartGridStyle style, double unit, QPen &pen)
{
    const int width = std::max(1, int(std::round(unit)));
    switch (style) {
    case ChartGridStyle::Clear:
        return false;
    case ChartGridStyle::Dotted:
        pen = QPen(DottedGridColour, width, Qt::DotLine, Qt::FlatCap);
        return true;
    case ChartGridStyle::Default:
        pen = QPen(DefaultGridColour, width, Qt::SolidLine, Qt::FlatCap);
        return true;
    }
    return false;
}

void paintWalls(QPainter &painter, const ChartLayout &layout, const ChartModel &model)
{
    const QRect &back = layout.backWall;
    const QRect &front = layout.plotFront;
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (model.backWall.solid)
        painter.fillRect(back, model.backWall.colour);
    if (!layout.is3D())
        return;
    const QPoint d = layout.depth;
    const QPoint frontBottomLeft(front.left(), front.top() + front.height());
    const QPoint frontBottomRight(front.left() + front.width(), front.top() + front.height());
    QPolygon floor;
    floor << frontBottomLeft << frontBottomRight << frontBottomRight + d << frontBottomLeft + d;
    QPolygon leftWall;
    leftWall << front.topLeft() << front.topLeft() + d << frontBottomLeft + d << frontBottomLeft;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const QColor wall = model.backWall.solid ? model.backWall.colour : model.background;
    painter.setBrush(wall.darker(106));
    painter.drawPolygon(leftWall);
    painter.setBrush(wall.darker(112));
    painter.drawPolygon(floor);
    painter.setBrush(Qt::NoBrush);
}

// Straight lines on whole pixels, drawn without antialiasing: a pen w
// device pixels wide drawn w/2 past a row fills exactly that row (from x1 up
// to x2), on a screen of any pixel density and on a page.
void drawRow(QPainter &painter, double y, double x1, double x2)
{
    const double half = painter.pen().widthF() / 2;
    painter.drawLine(QPointF(x1, y + half), QPointF(x2, y + half));
}

void drawColumn(QPainter &painter, double x, double y1, double y2)
{
    const double half = painter.pen().widthF() / 2;
    painter.drawLine(QPointF(x + half, y1), QPointF(x + half, y2));
}

void paintFrames(QPainter &painter, const ChartLayout &layout)
{
    const QRect &back = layout.backWall;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(FrameColour, std::max(1.0, std::round(layout.unit)), Qt::SolidLine, Qt::FlatCap));
    const int right = back.left() + back.width(), bottom = back.top() + back.height();
    drawRow(painter, back.top(), back.left(), right + 1);
    drawRow(painter, bottom, back.left(), right + 1);
    drawColumn(painter, back.left(), back.top(), bottom + 1);
    drawColumn(painter, right, back.top(), bottom + 1);
    if (!layout.is3D())
        return;
    // The slanted edges of the box, smoothed.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRect &front = layout.plotFront;
    const QPointF d = layout.depth;
    const QPointF bl(front.left(), front.top() + front.height());
    const QPointF br(front.left() + front.width(), front.top() + front.height());
    painter.drawLine(QPointF(front.topLeft()), QPointF(front.topLeft()) + d);
    painter.drawLine(bl, bl + d);
    painter.drawLine(br, br + d);
}

// Grid lines on the back wall at the vertical axes' ticks and the bottom
// axis' labels; in 3D they go on across the left wall and the floor.
void paintGrid(QPainter &painter, const ChartLayout &layout)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect &back = layout.backWall;
    const QRect &front = layout.plotFront;
    const QPoint d = layout.depth;
    const int right = back.left() + back.width(), bottom = back.top() + back.height();
    QPen pen;
    const auto horizontal = [&](const ChartAxisGeometry &axis, bool onBackPlane) {
        if (!axis.shown || !gridPen(axis.grid, layout.unit, pen))
            return;
        painter.setPen(pen);
        for (const ChartTick &tick : axis.ticks) {
            const int row = int(std::round(tick.position)) + (onBackPlane ? 0 : d.y());
            if (row <= back.top() || row >= bottom)
                continue; // the frame already stands there
            drawRow(painter, row, back.left() + 1, right);
            if (layout.is3D() && !onBackPlane) {
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.drawLine(QPointF(front.left(), row - d.y()), QPointF(back.left(), row));
                painter.setRenderHint(QPainter::Antialiasing, false);
            }
        }
    };
    horizontal(layout.left, false);
    horizontal(layout.right, true);
    if (!gridPen(layout.bottom.grid, layout.unit, pen))
        return;
    painter.setPen(pen);
    for (const ChartTick &tick : layout.bottom.ticks) {
        if (tick.labelRect.isEmpty())
            continue;
        const int column = int(std::floor(tick.position)) + d.x();
        drawColumn(painter, column, back.top() + 1, bottom);
        if (layout.is3D()) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            const double frontBottom = front.top() + front.height();
            painter.drawLine(QPointF(column - d.x(), frontBottom), QPointF(column, frontBottom + d.y()));
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
    }
}

void paintAxes(QPainter &painter, const ChartLayout &layout)
{
    const double tickLength = std::round(4 * layout.unit);
    const QRect &front = layout.plotFront;
    const QRect &back = layout.backWall;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(AxisColour, std::max(1.0, std::round(layout.unit)), Qt::SolidLine, Qt::FlatCap));
    const int bottom = front.top() + front.height();
    drawColumn(painter, front.left(), front.top(), bottom + 1);
    drawRow(painter, bottom, front.left(), front.left() + front.width() + 1);
    for (const ChartTick &tick : layout.left.ticks)
        drawRow(painter, std::round(tick.position), front.left() - tickLength, front.left());
    for (const ChartTick &tick : layout.bottom.ticks) {
        if (!tick.labelRect.isEmpty())
            drawColumn(painter, std::floor(tick.position), bottom, bottom + tickLength);
    }
    if (layout.right.shown) {
        const int x = back.left() + back.width();
        drawColumn(painter, x, back.top(), back.top() + back.height() + 1);
        for (const ChartTick &tick : layout.right.ticks)
            drawRow(painter, std::round(tick.position), x, x + tickLength + 1);
    }

    painter.setFont(ChartFont(ChartTextRole::TickLabel, layout.dpi));
    painter.setPen(TextColour);
    for (const ChartAxisGeometry *axis : {&layout.left, &layout.right, &layout.bottom}) {
        if (!axis->shown)
            continue;
        for (const ChartTick &tick : axis->ticks) {
            if (!tick.labelRect.isEmpty())
                painter.drawText(tick.labelRect, Qt::AlignCenter | Qt::TextDontClip, tick.text);
        }
    }
}

void paintVerticalTitle(QPainter &painter, const QRectF &rect, const QString &title, double angle)
{
    if (title.isEmpty() || rect.isEmpty())
        return;
    painter.save();
    painter.translate(rect.center());
    painter.rotate(angle);
    const QRectF turned(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width());
    painter.drawText(turned, Qt::AlignCenter | Qt::TextDontClip, title);
    painter.restore();
}

void paintTitles(QPainter &painter, const ChartLayout &layout, const ChartModel &model)
{
    painter.setPen(TextColour);
    if (!layout.titleRect.isEmpty()) {
        painter.setFont(ChartFont(ChartTextRole::Title, layout.dpi));
        painter.drawText(layout.titleRect, Qt::AlignCenter, model.title);
    }
    painter.setFont(ChartFont(ChartTextRole::AxisTitle, layout.dpi));
    if (!layout.bottom.title.isEmpty())
        painter.drawText(layout.bottom.titleRect, Qt::AlignCenter, layout.bottom.title);
    paintVerticalTitle(painter, layout.left.titleRect, layout.left.title, -90);
    if (layout.right.shown)
        paintVerticalTitle(painter, layout.right.titleRect, layout.right.title, 90);
}

void paintLegend(QPainter &painter, const ChartLayout &layout)
{
    painter.setFont(ChartFont(ChartTextRole::Legend, layout.dpi));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const ChartLegendEntry &entry : layout.legend) {
        painter.fillRect(entry.swatch, entry.colour);
        painter.setPen(QPen(entry.colour.darker(150), 0));
        painter.drawRect(entry.swatch.adjusted(0, 0, -1, -1));
        painter.setPen(TextColour);
        painter.drawText(entry.textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, entry.title);
    }
}

} // namespace

void PaintChart(QPainter &painter, const QRect &rect, const ChartModel &model)
{
    if (rect.isEmpty())
        return;
    const double dpi = ChartDpi(painter);
    const ChartLayout layout = LayOutChart(model, QRectF(rect), dpi);

    painter.save();
    painter.setClipRect(rect, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(rect, model.background);
    paintWalls(painter, layout, model);
    paintGrid(painter, layout);
    paintFrames(painter, layout);

    painter.save();
    QPainterPath outline;
    outline.addPolygon(layout.plotOutline());
    painter.setClipRect(outline.boundingRect(), Qt::IntersectClip);
    PaintSeries(painter, layout, model);
    painter.restore();

    paintAxes(painter, layout);
    paintTitles(painter, layout, model);
    paintLegend(painter, layout);
    painter.restore();
}
