// SPDX-License-Identifier: MIT
#include "chartdescription.h"

#include <QtTest>

#include <cmath>
#include <limits>

// The chart in words, as a screen reader gets it.
class ChartDescriptionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void describesSeriesAxesAndExtremes_data();
    void describesSeriesAxesAndExtremes();
};

Q_DECLARE_METATYPE(ChartModel)

namespace {

// A series over the labels "5", "6", ... with the given values.
ChartSeries seriesOf(const QString &name, const QString &unit, std::initializer_list<double> values,
                     ChartVerticalAxis axis = ChartVerticalAxis::Left,
                     ChartSeriesStyle style = ChartSeriesStyle::Line)
{
    ChartSeries series;
    series.title = name.left(3) + QStringLiteral(" - x");
    series.name = name;
    series.unit = unit;
    series.axis = axis;
    series.style = style;
    int x = 0;
    for (double value : values) {
        series.points.push_back({double(x), value, QString::number(5 + x), Qt::red});
        ++x;
    }
    return series;
}

ChartModel agentsChart(std::vector<ChartSeries> series)
{
    ChartModel chart;
    chart.series = std::move(series);
    chart.bottomAxis.title = QStringLiteral("Agents");
    chart.leftAxis = {QStringLiteral("Percent"), false, 0, 100, 10, ChartGridStyle::Default};
    chart.rightAxis = {QStringLiteral("Time"), false, 0, 300, 30, ChartGridStyle::Default};
    return chart;
}

} // namespace

void ChartDescriptionTest::describesSeriesAxesAndExtremes_data()
{
    QTest::addColumn<ChartModel>("chart");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no series") << ChartModel() << "The chart shows no values.";
    QTest::newRow("series without points") << agentsChart({seriesOf(QStringLiteral("Usage"), QStringLiteral("%"), {})})
                                           << "The chart shows no values.";

    QTest::newRow("two percentages, left axis only")
        << agentsChart({seriesOf(QStringLiteral("Service Level"), QStringLiteral("%"), {21, 64, 87, 99}),
                        seriesOf(QStringLiteral("Queued"), QStringLiteral("%"), {80, 40, 13, 1})})
        << "Line chart of Service Level and Queued by Agents. Bottom axis: Agents, 5 to 8. Left axis: Percent, "
           "0 to 100. Service Level: highest 99 % at 8, lowest 21 % at 5. Queued: highest 80 % at 5, lowest 1 % "
           "at 8.";

    QTest::newRow("times on the right axis, in bars")
        << agentsChart({seriesOf(QStringLiteral("Usage"), QStringLiteral("%"), {90, 80}, ChartVerticalAxis::Left,
                                 ChartSeriesStyle::Bar),
                        seriesOf(QStringLiteral("Average Answer"), QStringLiteral("seconds"), {125, 20},
                                 ChartVerticalAxis::Right, ChartSeriesStyle::Bar)})
        << "Bar chart of Usage and Average Answer by Agents. Bottom axis: Agents, 5 to 6. Left axis: Percent, 0 "
           "to 100. Right axis: Time, 0 to 300. Usage: highest 90 % at 5, lowest 80 % at 6. Average Answer: "
           "highest 125 seconds at 5, lowest 20 seconds at 6.";

    // A tie names the first point; a series without a name goes by its title.
    ChartSeries untitled = seriesOf(QStringLiteral("Trunks"), QString(), {14, 20, 20, 14});
    untitled.name.clear();
    QTest::newRow("ties and the title as name")
        << agentsChart({untitled}) << "Line chart of Tru - x by Agents. Bottom axis: Agents, 5 to 8. Left axis: "
                                      "Percent, 0 to 100. Tru - x: highest 20 at 6, lowest 14 at 5.";

    ChartModel mixed = agentsChart({seriesOf(QStringLiteral("A"), QString(), {1.5, 2}),
                                    seriesOf(QStringLiteral("B"), QString(), {3, 4}, ChartVerticalAxis::Left,
                                             ChartSeriesStyle::Bar),
                                    seriesOf(QStringLiteral("C"), QString(), {0, 0})});
    mixed.leftAxis.automatic = true;
    QTest::newRow("mixed styles, a fraction, an automatic axis")
        << mixed << "Chart of A, B and C by Agents. Bottom axis: Agents, 5 to 6. Left axis: Percent. A: highest 2 "
                    "at 6, lowest 1.5 at 5. B: highest 4 at 6, lowest 3 at 5. C: highest 0 at 5, lowest 0 at 5.";

    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("values that are not numbers are passed over")
        << agentsChart({seriesOf(QStringLiteral("Usage"), QStringLiteral("%"), {nan, 50, 70}),
                        seriesOf(QStringLiteral("Queued"), QStringLiteral("%"), {nan})})
        << "Line chart of Usage and Queued by Agents. Bottom axis: Agents, 5 to 7. Left axis: Percent, 0 to 100. "
           "Usage: highest 70 % at 7, lowest 50 % at 6. Queued: no values.";

    // The bottom axis is read from the first series that has points.
    ChartModel empty = agentsChart({seriesOf(QStringLiteral("Usage"), QStringLiteral("%"), {}),
                                    seriesOf(QStringLiteral("Queued"), QStringLiteral("%"), {3, 2, 1})});
    QTest::newRow("a series without points first")
        << empty << "Line chart of Usage and Queued by Agents. Bottom axis: Agents, 5 to 7. Left axis: Percent, 0 "
                    "to 100. Usage: no values. Queued: highest 3 % at 5, lowest 1 % at 7.";
}

void ChartDescriptionTest::describesSeriesAxesAndExtremes()
{
    QFETCH(ChartModel, chart);
    QFETCH(QString, expected);
    QCOMPARE(ChartDescription(chart), expected);
}

QTEST_GUILESS_MAIN(ChartDescriptionTest)

#include "test_chartdescription.moc"
