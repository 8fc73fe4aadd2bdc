// SPDX-License-Identifier: MIT
#pragma once

#include "weekplan.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QFont;

// How a slot's staffing stands against its requirement: staffed minus
// required, short by 1, 2 or 3 and more, exact, or over by 1, 2 or 3 and
// more. A closed day's slots are not drawn at all.
enum class HeatLevel { Short3, Short2, Short1, Exact, Over1, Over2, Over3 };

// The level of a difference (staffed minus required agents).
HeatLevel HeatLevelOf(int difference);
// The level's fill: reds for short, blues for over, deeper the further
// off; a pale grey for exact cover.
QColor HeatLevelColour(HeatLevel level);
// "Short by 3 or more", …, "Exact", …, "Over by 3 or more".
QString HeatLevelText(HeatLevel level);

// What the layout measures texts with: the height of a line and the width
// of a text, in the target's pixels. of() measures with a font; tests give
// fixed sizes.
struct HeatMapMeasure
{
    double lineHeight = 12;
    std::function<double(const QString &)> width;
    static HeatMapMeasure of(const QFont &font);
};

// The geometry of a week's heat map: a column per day (Monday first), a
// row per clock time that some open day has a slot at (earliest first), a
// cell per open slot. Day names head the columns, clock times label the
// rows (as many as fit, on whole steps of time), the legend runs along the
// bottom. Every rectangle lies inside bounds.
struct WeekHeatMapLayout
{
    struct Cell
    {
        int day = 0;
        int slot = 0; // from 0, in the day's coverage
        int row = 0;
        QRectF rect;
        int difference = 0; // staffed minus required
        QColor colour;
        QString text; // the signed difference where it fits, else empty
    };
    struct Label
    {
        QRectF rect;
        QString text;
    };
    struct LegendEntry
    {
        QColor colour;
        QRectF swatch;
        Label label;
    };

    QRectF bounds;
    QRectF grid;           // the area of the cells; empty without an open day
    std::vector<int> rows; // the clock time (minutes) of each row
    double rowHeight = 0;
    double columnWidth = 0;
    std::vector<Cell> cells;
    std::vector<Label> dayLabels;
    std::vector<Label> timeLabels;
    std::vector<LegendEntry> legend;
    Label emptyNote; // "No open day to show" for a week without slots

    // The cell under a point, or null.
    const Cell *cellAt(const QPointF &point) const;
};

// Lays the heat map out in rect. Pure: the same plan, rectangle and
// measure give the same geometry; nothing is drawn. `unit` is one screen
// pixel in the target's pixels (gaps and the cells' spacing).
WeekHeatMapLayout LayOutWeekHeatMap(const WeekPlan &plan, const QRectF &rect, const HeatMapMeasure &measure,
                                    double unit = 1);
