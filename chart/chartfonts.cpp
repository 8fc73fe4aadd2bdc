// SPDX-License-Identifier: MIT
#include "chartfonts.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

double pointSize(ChartTextRole role)
{
    switch (role) {
    case ChartTextRole::Title:
        return 11;
    case ChartTextRole::AxisTitle:
        return 8.5;
    case ChartTextRole::TickLabel:
    case ChartTextRole::Legend:
        return 8;
    case ChartTextRole::Mark:
        return 7;
    }
    return 8;
}

} // namespace

double ChartUnit(double dpi)
{
    if (!std::isfinite(dpi) || dpi <= 0)
        return 1.0;
    return dpi / 96.0;
}

QFont ChartFont(ChartTextRole role, double dpi)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    const double pixels = pointSize(role) * ChartUnit(dpi) * 96.0 / 72.0;
    font.setPixelSize(qMax(1, qRound(pixels)));
    if (role == ChartTextRole::Title || role == ChartTextRole::AxisTitle)
        font.setBold(true);
    return font;
}

double ChartDpi(const QPainter &painter)
{
    return painter.device() ? painter.device()->logicalDpiY() : 96;
}
