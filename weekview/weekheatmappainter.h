// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QRect;
struct WeekHeatMapLayout;
struct WeekPlan;

// Draws the week's heat map into rect on any painter: the widget, a
// printer page, an image. Texts are sized in points for the painter's
// device (as the chart's are), so the map looks alike on a screen and on a
// page. Nothing is drawn outside rect; the painter's state is left as it
// was found.
void PaintWeekHeatMap(QPainter &painter, const QRect &rect, const WeekPlan &plan);

// The layout PaintWeekHeatMap draws in that rectangle on a device of the
// given resolution (dots per inch); the widget's tool tips find cells in it.
WeekHeatMapLayout WeekHeatMapLayoutFor(double dpi, const QRect &rect, const WeekPlan &plan);
