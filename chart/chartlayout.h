// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"
#include "chartscale.h"

#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <vector>

// One tick of an axis: its value, its pixel coordinate along the axis (a row
// for the vertical axes, a column for the bottom axis) and where its label
// goes. labelRect is empty for a tick whose label is left out.
struct ChartTick
{
    double value = 0;
    double position = 0;
    QString text;
    QRectF labelRect;
};

// Where one axis stands. The vertical axes map values onto rows, the bottom
// axis maps x onto the column at the centre of the x's slot.
struct ChartAxisGeometry
{
    bool shown = false;
    ChartScale scale;
    ChartGridStyle grid = ChartGridStyle::Default;
    double origin = 0;     // pixel coordinate of scale.minimum
    double pixelsPerUnit = 0;
    std::vector<ChartTick> ticks;
    QString title;
    QRectF titleRect; // for the vertical axes the rectangle before rotation
    double map(double value) const { return origin + (value - scale.minimum) * pixelsPerUnit; }
};

struct ChartLegendEntry
{
    QString title;
    QColor colour;
    ChartSeriesStyle style = ChartSeriesStyle::Line;
    QRectF swatch;
    QRectF textRect;
};

// The geometry of a whole chart in the target's device pixels.
struct ChartLayout
{
    QRectF bounds;
    double unit = 1; // one screen pixel in device pixels
    double dpi = 96;

    QRectF titleRect; // empty without a title
    std::vector<ChartLegendEntry> legend;

    // The plot's front plane. In the flat view the back wall is the same
    // rectangle; in 3D it lies depth further right and up, and the series
    // stand one behind the other in lanes between the two.
    QRect plotFront;
    QRect backWall;
    QPoint depth;
    int seriesCount = 0;

    ChartAxisGeometry bottom;
    ChartAxisGeometry left;
    ChartAxisGeometry right;
    double slotWidth = 0; // the width given to one x position

    bool is3D() const { return !depth.isNull(); }
    // The front of lane i (0 is the front lane, whole pixels) and the
    // lane's depth. The series with the tallest values on average stands in
    // the back lane, the lowest in front, so each stays in sight over the
    // ones in front of it; equal ones keep their order, the first behind.
    QPointF laneOffset(int lane) const;
    std::vector<int> lanes; // lanes[i]: the lane of series i
    int laneOf(int series) const
    {
        return series >= 0 && std::size_t(series) < lanes.size() ? lanes[std::size_t(series)] : 0;
    }
    // Flat bars of several series stand side by side, `bar` of `bars`,
    // within 0.8 of their x's slot; a 3D box takes 0.6 of it.
    double flatBarWidth(int bars) const { return bars > 0 ? slotWidth * 0.8 / bars : 0; }
    double flatBarLeft(double x, int bar, int bars) const
    {
        return bottom.map(x) - slotWidth * 0.4 + bar * flatBarWidth(bars);
    }
    double boxWidth() const { return slotWidth * 0.6; }
    QPointF laneDepth() const;
    // Everything a series draws is clipped to this outline.
    QPolygonF plotOutline() const;
    const ChartAxisGeometry &verticalAxis(ChartVerticalAxis axis) const
    {
        return axis == ChartVerticalAxis::Right && right.shown ? right : left;
    }
};

// Lays the chart out in rect for a device of the given resolution (dots per
// inch). Pure: the same model, rectangle and resolution give the same
// geometry; nothing is drawn.
ChartLayout LayOutChart(const ChartModel &model, const QRectF &rect, double dpi);
