// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QPainter;

// The texts of a chart. Each has a size in points; ChartFont turns it into a
// pixel size for a device of the given resolution, so the layout can measure
// without a device and a 1200-dpi page shows the same type as the screen.
enum class ChartTextRole { Title, AxisTitle, TickLabel, Legend, Mark };

QFont ChartFont(ChartTextRole role, double dpi);

// One screen pixel (1/96 inch) in device pixels: the unit of pens, gaps and
// the 3D depth.
double ChartUnit(double dpi);

// The resolution a painter draws a chart at: its device's (vertical), or
// the screen's 96 dpi for a painter without a device.
double ChartDpi(const QPainter &painter);
