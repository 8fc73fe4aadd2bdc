// SPDX-License-Identifier: MIT
#pragma once

#include "chartlayout.h"
#include "chartmodel.h"

#include <QPointF>
#include <QPolygonF>

#include <vector>

// Where the values of a series stand on a laid-out chart, in device pixels.
// The plot shows x within the bottom axis' slots and y within the series'
// vertical axis; what lies beyond is cut, not squeezed.

// A point with finite x and y; the others are left out of the drawing.
bool ChartPointUsable(const ChartPoint &point);
// A usable point within both axes' ranges.
bool ChartPointShown(const ChartLayout &layout, const ChartAxisGeometry &axis, const ChartPoint &point);
// The pixel of a point, held within a few chart sizes of the chart however
// large its values.
QPointF ChartPointPosition(const ChartLayout &layout, const ChartAxisGeometry &axis, const ChartPoint &point);
// The row of value 0, or of the axis end nearer to it.
double ChartBaseline(const ChartAxisGeometry &axis, const ChartLayout &layout);
// Where a bar ends: at its value, cut at the axis' ends. False for a point
// that is not usable or whose x lies outside the bottom axis' slots.
bool ChartBarEnd(const ChartLayout &layout, const ChartAxisGeometry &axis, const ChartPoint &point, QPointF &end);
// The pieces of a series' line within the axes' ranges: a line leaving the
// range is cut where it crosses the axis' end and a new piece starts where
// it comes back; a point that is not usable also breaks the line. A stepped
// series runs level across each slot and upright at the slots' edges.
std::vector<QPolygonF> ChartVisibleRuns(const ChartLayout &layout, const ChartAxisGeometry &axis,
                                        const ChartSeries &series);
