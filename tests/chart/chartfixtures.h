// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"

#include <QString>

#include <cmath>

// Charts shaped like the staffing graphs, built in one place for the tests.
namespace ChartFixtures {

// n series of `points` points each; series k is coloured from a fixed list
// and its values rise and fall differently from the others.
inline ChartModel series(int n, int points, ChartSeriesStyle style = ChartSeriesStyle::Line)
{
    static const QColor colours[] = {QColor(255, 0, 0),   QColor(0, 0, 255),   QColor(0, 128, 0),
                                     QColor(128, 0, 128), QColor(0, 128, 128), QColor(192, 192, 192),
                                     QColor(0, 255, 255), QColor(255, 0, 255), QColor(128, 0, 0)};
    ChartModel model;
    model.title = QStringLiteral("Varnook");
    model.view3D = false;
    for (int k = 0; k < n; ++k) {
        ChartSeries s;
        s.title = QStringLiteral("Series %1").arg(k + 1);
        s.style = style;
        s.colour = colours[k % 9];
        s.marksVisible = false;
        for (int i = 0; i < points; ++i) {
            ChartPoint p;
            p.x = i;
            p.y = 10 + 8 * k + 30 * (1 + std::sin(i * 0.3 + k)) / 2;
            p.label = QStringLiteral("%1:%2").arg(8 + i / 2, 2, 10, QLatin1Char('0')).arg(i % 2 ? 30 : 0, 2, 10,
                                                                                          QLatin1Char('0'));
            p.colour = s.colour;
            s.points.push_back(p);
        }
        model.series.push_back(s);
    }
    model.bottomAxis.title = QStringLiteral("Schedule");
    model.leftAxis.title = QStringLiteral("Percent");
    model.leftAxis.automatic = false;
    model.leftAxis.minimum = 0;
    model.leftAxis.maximum = 100;
    model.leftAxis.increment = 10;
    return model;
}

// n series in separate bands of the left axis (0 to 100): series k keeps
// between 12 + 25k and 20 + 25k, so no two lines cross. Pure colours whose
// hues differ: red, blue, green, purple.
inline ChartModel bands(int n, int points, ChartSeriesStyle style, bool view3D)
{
    static const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 160, 0), QColor(160, 0, 160)};
    ChartModel model = series(n, points, style);
    model.view3D = view3D;
    for (int k = 0; k < n; ++k) {
        ChartSeries &s = model.series[std::size_t(k)];
        s.colour = colours[k % 4];
        for (std::size_t i = 0; i < s.points.size(); ++i) {
            s.points[i].y = 16 + 25 * k + 4 * std::sin(double(i));
            s.points[i].colour = s.colour;
        }
    }
    return model;
}

} // namespace ChartFixtures
