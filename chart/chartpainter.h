// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"

class QPainter;
class QRect;

// Draws the chart into rect on any painter: the widget, a printer page, an
// image. Fonts and pens are sized in points for the painter's device, so a
// chart looks alike on a screen and on a 1200-dpi page. Nothing is drawn
// outside rect; the painter's state is left as it was found.
void PaintChart(QPainter &painter, const QRect &rect, const ChartModel &model);
