// SPDX-License-Identifier: MIT
#include "chartdescription.h"

#include <QStringList>

#include <cmath>

namespace {

QString seriesName(const ChartSeries &series)
{
    return series.name.isEmpty() ? series.title : series.name;
}

// Whole values without decimals; others with up to six significant digits.
QString valueText(double value)
{
    if (std::fabs(value) < 1e15 && value == std::round(value))
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 6);
}

QString withUnit(double value, const QString &unit)
{
    if (unit.isEmpty())
        return valueText(value);
    if (unit == QLatin1String("%"))
        return valueText(value) + QLatin1String(" %");
    return valueText(value) + QLatin1Char(' ') + unit;
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return QStringList(names.mid(0, names.size() - 1)).join(QLatin1String(", ")) + QLatin1String(" and ")
           + names.constLast();
}

QString axisSentence(const QString &which, const ChartAxis &axis)
{
    QString text = which + QLatin1String(" axis");
    if (!axis.title.isEmpty())
        text += QLatin1String(": ") + axis.title;
    if (!axis.automatic)
        text += QLatin1String(", ") + valueText(axis.minimum) + QLatin1String(" to ") + valueText(axis.maximum);
    return text + QLatin1Char('.');
}

QString styleWord(const std::vector<ChartSeries> &series)
{
    const ChartSeriesStyle first = series.front().style;
    for (const ChartSeries &s : series) {
        if (s.style != first)
            return QStringLiteral("Chart");
    }
    return first == ChartSeriesStyle::Bar ? QStringLiteral("Bar chart") : QStringLiteral("Line chart");
}

// "Service Level: highest 99 % at 14, lowest 21 % at 5." Points whose value
// is not a number are passed over; a series without one says so.
QString extremesSentence(const ChartSeries &series)
{
    const ChartPoint *highest = nullptr;
    const ChartPoint *lowest = nullptr;
    for (const ChartPoint &point : series.points) {
        if (!std::isfinite(point.y))
            continue;
        if (!highest || point.y > highest->y)
            highest = &point;
        if (!lowest || point.y < lowest->y)
            lowest = &point;
    }
    const QString name = seriesName(series);
    if (!highest)
        return name + QLatin1String(": no values.");
    auto at = [](const ChartPoint &point) {
        return point.label.isEmpty() ? QString() : QLatin1String(" at ") + point.label;
    };
    return name + QLatin1String(": highest ") + withUnit(highest->y, series.unit) + at(*highest)
           + QLatin1String(", lowest ") + withUnit(lowest->y, series.unit) + at(*lowest) + QLatin1Char('.');
}

bool hasPoints(const ChartModel &chart)
{
    for (const ChartSeries &series : chart.series) {
        if (!series.points.empty())
            return true;
    }
    return false;
}

} // namespace

QString ChartDescription(const ChartModel &chart)
{
    if (!hasPoints(chart))
        return QStringLiteral("The chart shows no values.");
    QStringList names;
    bool onLeft = false;
    bool onRight = false;
    for (const ChartSeries &series : chart.series) {
        names.append(seriesName(series));
        (series.axis == ChartVerticalAxis::Right ? onRight : onLeft) = true;
    }
    QStringList sentences;
    QString opening = styleWord(chart.series) + QLatin1String(" of ") + listed(names);
    if (!chart.bottomAxis.title.isEmpty())
        opening += QLatin1String(" by ") + chart.bottomAxis.title;
    sentences.append(opening + QLatin1Char('.'));

    // The bottom axis runs from the first point's label to the last one's,
    // in the first series that has points.
    const std::vector<ChartPoint> *points = nullptr;
    for (const ChartSeries &series : chart.series) {
        if (!series.points.empty()) {
            points = &series.points;
            break;
        }
    }
    QString bottom = QStringLiteral("Bottom axis");
    if (!chart.bottomAxis.title.isEmpty())
        bottom += QLatin1String(": ") + chart.bottomAxis.title;
    if (!points->front().label.isEmpty())
        bottom += QLatin1String(", ") + points->front().label + QLatin1String(" to ") + points->back().label;
    sentences.append(bottom + QLatin1Char('.'));
    if (onLeft)
        sentences.append(axisSentence(QStringLiteral("Left"), chart.leftAxis));
    if (onRight)
        sentences.append(axisSentence(QStringLiteral("Right"), chart.rightAxis));
    for (const ChartSeries &series : chart.series)
        sentences.append(extremesSentence(series));
    return sentences.join(QLatin1Char(' '));
}
