// SPDX-License-Identifier: MIT
#include "weekheatmappainter.h"

#include "chartfonts.h"
#include "weekheatmaplayout.h"

#include <QPainter>

namespace {

const QColor TextColour(0, 0, 0);
const QColor FrameColour(160, 160, 160);

// White text on the deep fills, black on the pale ones.
QColor textOn(const QColor &fill)
{
    return fill.lightnessF() < 0.5 ? QColor(Qt::white) : TextColour;
}

void paintCells(QPainter &painter, const WeekHeatMapLayout &layout)
{
    for (const WeekHeatMapLayout::Cell &cell : layout.cells) {
        painter.fillRect(cell.rect, cell.colour);
        if (cell.text.isEmpty())
            continue;
        painter.setPen(textOn(cell.colour));
        painter.drawText(cell.rect, Qt::AlignCenter, cell.text);
    }
}

void paintLabels(QPainter &painter, const WeekHeatMapLayout &layout)
{
    painter.setPen(TextColour);
    for (const WeekHeatMapLayout::Label &label : layout.dayLabels)
        painter.drawText(label.rect, Qt::AlignHCenter | Qt::AlignBottom, label.text);
    for (const WeekHeatMapLayout::Label &label : layout.timeLabels)
        painter.drawText(label.rect, Qt::AlignRight | Qt::AlignTop, label.text);
}

void paintLegend(QPainter &painter, const WeekHeatMapLayout &layout, double unit)
{
    for (const WeekHeatMapLayout::LegendEntry &entry : layout.legend) {
        if (!entry.swatch.isEmpty()) {
            painter.setPen(QPen(FrameColour, unit));
            painter.setBrush(entry.colour.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(entry.colour));
            painter.drawRect(entry.swatch);
        }
        painter.setPen(TextColour);
        painter.drawText(entry.label.rect, Qt::AlignLeft | Qt::AlignVCenter, entry.label.text);
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace

WeekHeatMapLayout WeekHeatMapLayoutFor(double dpi, const QRect &rect, const WeekPlan &plan)
{
    return LayOutWeekHeatMap(plan, QRectF(rect), HeatMapMeasure::of(ChartFont(ChartTextRole::TickLabel, dpi)),
                             ChartUnit(dpi));
}

void PaintWeekHeatMap(QPainter &painter, const QRect &rect, const WeekPlan &plan)
{
    if (rect.isEmpty())
        return;
    const double dpi = ChartDpi(painter);
    const WeekHeatMapLayout layout = WeekHeatMapLayoutFor(dpi, rect, plan);
    const double unit = ChartUnit(dpi);

    painter.save();
    painter.setClipRect(rect, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(ChartFont(ChartTextRole::TickLabel, dpi));
    painter.fillRect(rect, Qt::white);
    if (layout.grid.isEmpty()) {
        painter.setPen(TextColour);
        painter.drawText(layout.emptyNote.rect, Qt::AlignCenter | Qt::TextWordWrap, layout.emptyNote.text);
        painter.restore();
        return;
    }
    paintCells(painter, layout);
    painter.setPen(QPen(FrameColour, unit));
    painter.drawRect(layout.grid);
    paintLabels(painter, layout);
    paintLegend(painter, layout, unit);
    painter.restore();
}
