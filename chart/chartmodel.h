// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include <vector>

// The chart as plain data. Whoever fills it (the graph build, tests) never
// touches pixels: the layout turns it into geometry and the painter draws it.

// How an axis draws its grid lines. Default is the engine's own pen (a thin
// solid light grey line); Dotted and Clear are the two styles the graph window
// switches between.
enum class ChartGridStyle { Default, Dotted, Clear };

enum class ChartSeriesStyle { Line, Bar };

// The vertical axis a series is measured against.
enum class ChartVerticalAxis { Left, Right };

// The legend lists one entry per series (title and colour swatch), in series
// order. It is the only style the graphs use.
enum class ChartLegendStyle { Series };

struct ChartPoint
{
    double x = 0;
    double y = 0;
    QString label; // shown on the bottom axis at x
    QColor colour;
};

struct ChartSeries
{
    QString title;
    // The series in words ("Service Level") and its values' unit ("%",
    // "seconds"; empty for counts), for the chart's text description. An
    // empty name falls back on the title.
    QString name;
    QString unit;
    ChartSeriesStyle style = ChartSeriesStyle::Line;
    QColor colour;
    bool marksVisible = true; // value labels at the points
    ChartVerticalAxis axis = ChartVerticalAxis::Left;
    std::vector<ChartPoint> points;
    // A line held level across each point's slot (half a step either side
    // of its x) that rises or falls at the slot's edges: a value per slot,
    // such as the agents staffed. Otherwise the points are joined straight.
    bool steps = false;
};

struct ChartAxis
{
    QString title;
    bool automatic = true; // scale from the data with nice steps
    double minimum = 0;
    double maximum = 0;
    double increment = 0; // 0 or less: the engine chooses
    ChartGridStyle grid = ChartGridStyle::Default;
    // The bottom axis: when its labels would collide they skip whole groups
    // of this many positions (4 quarter hours make an hour); 1 keeps the
    // engine's own steps.
    int labelGroup = 1;
    // An automatic scale reaches at least this share of the data's span
    // above its highest value (0.1: a tenth), so that the peak stays clear
    // of the top edge.
    double headroom = 0;
};

struct ChartWall
{
    QColor colour = Qt::white;
    bool solid = false; // false: the brush is clear, only the frame is drawn
};

struct ChartModel
{
    QString name = QStringLiteral("Chart1"); // the print job's title
    QString title;
    ChartLegendStyle legendStyle = ChartLegendStyle::Series;
    std::vector<ChartSeries> series;
    ChartAxis bottomAxis;
    ChartAxis leftAxis;
    ChartAxis rightAxis;
    bool view3D = true;
    ChartWall backWall;
    QColor background = Qt::white;
};
