// SPDX-License-Identifier: MIT
#include "graphbuild.h"
#include "graphfixtures.h"
#include "seriescolourtable.h"
#include "serieskinds.h"

#include "conversions.h"

#include <QtTest>

class BuildTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void agentsDefaultIsTwoPercentagesOnTheLeft();
    void scheduleDefaultPutsAgentsOnTheRight();
    void scheduleRightAxisFromTheLargerNumberColumn();
    void emptySelectionDrawsTheDefaultPairOnTheLeft_data();
    void emptySelectionDrawsTheDefaultPairOnTheLeft();
    void allEightAgentsItemsDropTheNumbers();
    void timesOnlyScaleFromBothTimeColumns();
    void percentagesWithTimesAreCompatible();
    void timesWithNumbersMoveTheNumbersRight();
    void numbersOnlyShareTheLeftAxis();
    void averageQueueAloneIsScaledByTheTrunks();
    void timeJustAboveARoundTopKeepsThatTop();
    void lineAndBarDifferOnlyInStyle();
    void kindsTheTabDoesNotOfferAreIgnored();
    void noDataRowsEmptiesTheChartOnly();
    void tableWithoutResultsGivesAnEmptyChartSilently();
    void averageQueueWithThousandsSeparatorsIsDrawn();
    void unreadableCellLeavesNoSeries();
    void whatABuildKeeps();
    void everyPointTakesItsKindsColour();
    void eachKindHasItsColumnCaptionAndColour();
    void extraColumnsOfferSchedAndHave_data();
    void extraColumnsOfferSchedAndHave();
    void handleTimeIsDrawnWhereTheSlotsHaveTimes();
};

namespace {

const SeriesColourTable colours;

ChartModel build(const ResultTable &table, bool schedule, SeriesSelectionWord selection, bool bar = false,
                 GraphBuildResult *result = nullptr)
{
    ChartModel chart;
    const GraphBuildResult r = BuildGraph(chart, table, GraphRequest{schedule, selection, bar}, colours);
    if (result)
        *result = r;
    return chart;
}

QStringList titles(const ChartModel &chart)
{
    QStringList list;
    for (const ChartSeries &s : chart.series)
        list << s.title;
    return list;
}

QList<ChartVerticalAxis> axes(const ChartModel &chart)
{
    QList<ChartVerticalAxis> list;
    for (const ChartSeries &s : chart.series)
        list << s.axis;
    return list;
}

QList<double> ys(const ChartSeries &series)
{
    QList<double> list;
    for (const ChartPoint &p : series.points)
        list << p.y;
    return list;
}

QStringList labels(const ChartSeries &series)
{
    QStringList list;
    for (const ChartPoint &p : series.points)
        list << p.label;
    return list;
}

void verifyFixed(const ChartAxis &axis, const QString &title, double maximum, double increment)
{
    QCOMPARE(axis.title, title);
    QVERIFY(!axis.automatic);
    QCOMPARE(axis.minimum, 0.0);
    QCOMPARE(axis.maximum, maximum);
    QCOMPARE(axis.increment, increment);
}

bool untouched(const ChartAxis &axis)
{
    const ChartAxis fresh;
    return axis.title == fresh.title && axis.automatic == fresh.automatic && axis.maximum == fresh.maximum
        && axis.increment == fresh.increment;
}

// Agents-tab rows: agents, four percentages, answer, queue time, average
// queue, trunks.
QStringList agentsRow(int agents, const QString &answer, const QString &queueTime, const QString &queue, int trunks)
{
    return {QString::number(agents), "80%", "20%", "10%", "60%", answer, queueTime, queue, QString::number(trunks)};
}

using Kind = SeriesKind;
constexpr SeriesSelectionWord bit(Kind kind) { return SeriesKinds::Bit(kind); }

} // namespace

void BuildTest::agentsDefaultIsTwoPercentagesOnTheLeft()
{
    GraphBuildResult result;
    const ChartModel chart = build(agentsWorkedTable(), false, SeriesKinds::AgentsDefault, false, &result);
    QVERIFY(!result.incompatible);
    QVERIFY(result.conversionError.isEmpty());
    QCOMPARE(titles(chart), (QStringList{"Srv Lvl - %", "Queued - %"}));
    QCOMPARE(chart.series[0].colour, QColor(0, 0, 255));
    QCOMPARE(chart.series[1].colour, QColor(0, 128, 0));
    QCOMPARE(axes(chart), (QList<ChartVerticalAxis>{ChartVerticalAxis::Left, ChartVerticalAxis::Left}));
    verifyFixed(chart.leftAxis, "Percent", 100, 10);
    QVERIFY(untouched(chart.rightAxis));
    QCOMPARE(chart.bottomAxis.title, QStringLiteral("Agents"));
    QVERIFY(chart.bottomAxis.automatic);
    QCOMPARE(labels(chart.series[0]), (QStringList{"6", "7", "8", "9", "10", "11", "12", "13", "14", "15"}));
    QCOMPARE(ys(chart.series[0]), (QList<double>{9, 50, 74, 87, 94, 97, 99, 100, 100, 100}));
    QCOMPARE(ys(chart.series[1]), (QList<double>{92, 56, 32, 17, 9, 4, 2, 1, 0, 0}));
    QCOMPARE(chart.series[1].points.back().x, 9.0);
    for (const ChartSeries &s : chart.series) {
        QCOMPARE(s.style, ChartSeriesStyle::Line);
        QVERIFY(!s.marksVisible);
    }
    QCOMPARE(chart.legendStyle, ChartLegendStyle::Series);
    QCOMPARE(chart.title, QStringLiteral("Varnook"));
}

void BuildTest::scheduleDefaultPutsAgentsOnTheRight()
{
    // Agents up to 20, trunks up to 26: NumberIncrement(26) = 5.
    const ChartModel chart = build(scheduleWorkedTable(), true, SeriesKinds::ScheduleDefault);
    QCOMPARE(titles(chart), (QStringList{"Agents - n", "Abandn - %"}));
    QCOMPARE(chart.series[0].colour, QColor(255, 0, 0));
    QCOMPARE(chart.series[1].colour, QColor(128, 0, 128));
    QCOMPARE(axes(chart), (QList<ChartVerticalAxis>{ChartVerticalAxis::Right, ChartVerticalAxis::Left}));
    verifyFixed(chart.leftAxis, "Percent", 100, 10);
    verifyFixed(chart.rightAxis, "Number", 50, 5);
    QCOMPARE(chart.bottomAxis.title, QStringLiteral("Schedule"));
    QCOMPARE(labels(chart.series[1]), (QStringList{"08:00", "08:30", "09:00", "09:30"}));
    QCOMPARE(ys(chart.series[0]), (QList<double>{0, 3, 10, 20}));
    QCOMPARE(ys(chart.series[1]), (QList<double>{0, 15, 11, 13}));
}

void BuildTest::scheduleRightAxisFromTheLargerNumberColumn()
{
    // Agents needed up to 14, trunks up to 23: axis 0 to 50 in steps of 5.
    const ResultTable table = tableOf({{"08:00", "40", "9", "85%", "20%", "8%", "60%", "00:10", "15"},
                                       {"09:00", "70", "14", "82%", "22%", "9%", "70%", "00:12", "23"}});
    verifyFixed(build(table, true, SeriesKinds::ScheduleDefault).rightAxis, "Number", 50, 5);
    // Trunks below the agents: the agents column sets the maximum.
    const ResultTable few = tableOf({{"08:00", "40", "12", "85%", "20%", "8%", "60%", "00:10", "3"}});
    verifyFixed(build(few, true, SeriesKinds::ScheduleDefault).rightAxis, "Number", 20, 2);
}

void BuildTest::emptySelectionDrawsTheDefaultPairOnTheLeft_data()
{
    QTest::addColumn<bool>("schedule");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("agents") << false << QStringList{"Srv Lvl - %", "Queued - %"};
    QTest::newRow("schedule") << true << QStringList{"Agents - n", "Abandn - %"};
}

void BuildTest::emptySelectionDrawsTheDefaultPairOnTheLeft()
{
    QFETCH(bool, schedule);
    QFETCH(QStringList, expected);
    GraphBuildResult result;
    const ChartModel chart =
        build(schedule ? scheduleWorkedTable() : agentsWorkedTable(), schedule, 0, false, &result);
    QVERIFY(!result.incompatible);
    QCOMPARE(titles(chart), expected);
    // The agents too are drawn against the percentage axis.
    QCOMPARE(axes(chart), (QList<ChartVerticalAxis>{ChartVerticalAxis::Left, ChartVerticalAxis::Left}));
    verifyFixed(chart.leftAxis, "Percent", 100, 10);
    QVERIFY(untouched(chart.rightAxis));
}

void BuildTest::allEightAgentsItemsDropTheNumbers()
{
    GraphBuildResult result;
    // Queue times up to 21:00 = 1260 s: TimeIncrement 180.
    const ChartModel chart = build(agentsWorkedTable(), false, SeriesKinds::AgentsOffer, false, &result);
    QVERIFY(result.incompatible);
    QCOMPARE(IncompatibleSelectionMessage(), QStringLiteral("Incompatible series selection, only percentages and times shown."));
    QCOMPARE(titles(chart), (QStringList{"Srv Lvl - %", "Queued - %", "Abandn - %", "Usage - %", "Ave Ans - s", "Q Time - s"}));
    QCOMPARE(axes(chart), (QList<ChartVerticalAxis>{ChartVerticalAxis::Left, ChartVerticalAxis::Left,
                                                    ChartVerticalAxis::Left, ChartVerticalAxis::Left,
                                                    ChartVerticalAxis::Right, ChartVerticalAxis::Right}));
    verifyFixed(chart.leftAxis, "Percent", 100, 10);
    verifyFixed(chart.rightAxis, "Time", 1800, 180);
    QCOMPARE(ys(chart.series[4]).first(), 19 * 60 + 25.0);
    QCOMPARE(ys(chart.series[5]).first(), 21 * 60.0);
    // Said again at the next build of the same selection.
    build(agentsWorkedTable(), false, SeriesKinds::AgentsOffer, false, &result);
    QVERIFY(result.incompatible);
}

void BuildTest::timesOnlyScaleFromBothTimeColumns()
{
    // "Average Answer" alone: the larger of answer (19:25) and queue time
    // (21:00) scales the axis.
    ChartModel chart = build(agentsWorkedTable(), false, bit(Kind::AverageAnswer));
    QCOMPARE(titles(chart), QStringList{"Ave Ans - s"});
    QCOMPARE(axes(chart), QList<ChartVerticalAxis>{ChartVerticalAxis::Left});
    verifyFixed(chart.leftAxis, "Time", 1800, 180);
    QVERIFY(untouched(chart.rightAxis));

    const ResultTable zeros = tableOf({agentsRow(3, "00:00", "00:00", "0", 4), agentsRow(4, "00:00", "00:00", "0", 4)});
    chart = build(zeros, false, bit(Kind::AverageAnswer));
    verifyFixed(chart.leftAxis, "Time", 10, 1);
    // On the Schedule tab only the answer column counts.
    const ResultTable slotTable = tableOf({{"08:00", "10", "3", "84%", "18%", "15%", "44%", "00:26", "6"}});
    verifyFixed(build(slotTable, true, bit(Kind::AverageAnswer)).leftAxis, "Time", 100, 10);
}

void BuildTest::percentagesWithTimesAreCompatible()
{
    // Only numbers beside both percentages and times are dropped.
    for (const bool schedule : {false, true}) {
        GraphBuildResult result;
        const ResultTable &table = schedule ? scheduleWorkedTable() : agentsWorkedTable();
        const ChartModel chart = build(table, schedule, bit(Kind::ServiceLevel) | bit(Kind::AverageAnswer), false, &result);
        QVERIFY(!result.incompatible);
        QCOMPARE(titles(chart), (QStringList{"Srv Lvl - %", "Ave Ans - s"}));
    }
}

void BuildTest::timesWithNumbersMoveTheNumbersRight()
{
    const ChartModel chart = build(agentsWorkedTable(), false, bit(Kind::AverageAnswer) | bit(Kind::QueueTime) | bit(Kind::Trunks));
    QCOMPARE(titles(chart), (QStringList{"Ave Ans - s", "Q Time - s", "Trunks - n"}));
    QCOMPARE(axes(chart), (QList<ChartVerticalAxis>{ChartVerticalAxis::Left, ChartVerticalAxis::Left, ChartVerticalAxis::Right}));
    verifyFixed(chart.leftAxis, "Time", 1800, 180);
    // Trunks up to 56, average queue up to 32: NumberIncrement(56) = 10.
    verifyFixed(chart.rightAxis, "Number", 100, 10);
}

void BuildTest::numbersOnlyShareTheLeftAxis()
{
    const ChartModel chart = build(agentsWorkedTable(), false, bit(Kind::AverageQueue) | bit(Kind::Trunks));
    QCOMPARE(titles(chart), (QStringList{"Ave Q - n", "Trunks - n"}));
    QCOMPARE(axes(chart), (QList<ChartVerticalAxis>{ChartVerticalAxis::Left, ChartVerticalAxis::Left}));
    verifyFixed(chart.leftAxis, "Number", 100, 10);
    QVERIFY(untouched(chart.rightAxis));
    QCOMPARE(ys(chart.series[0]).first(), 32.0);
}

void BuildTest::averageQueueAloneIsScaledByTheTrunks()
{
    const ResultTable table = tableOf({agentsRow(5, "00:20", "00:40", "3", 60), agentsRow(6, "00:10", "00:30", "1", 41)});
    const ChartModel chart = build(table, false, bit(Kind::AverageQueue));
    QCOMPARE(titles(chart), QStringList{"Ave Q - n"});
    verifyFixed(chart.leftAxis, "Number", 100, 10);
    QCOMPARE(ys(chart.series[0]), (QList<double>{3, 1}));
}

void BuildTest::timeJustAboveARoundTopKeepsThatTop()
{
    const ResultTable table = tableOf({agentsRow(5, "10:05", "02:00", "3", 9)});
    verifyFixed(build(table, false, bit(Kind::AverageAnswer)).leftAxis, "Time", 600, 60);
    // With percentages the time goes right, scaled alike.
    verifyFixed(build(table, false, bit(Kind::ServiceLevel) | bit(Kind::AverageAnswer)).rightAxis, "Time", 600, 60);
}

void BuildTest::lineAndBarDifferOnlyInStyle()
{
    const ResultTable table = scheduleWorkedTable();
    for (SeriesSelectionWord selection : {SeriesKinds::ScheduleDefault, SeriesKinds::ScheduleOffer, SeriesKinds::Bits(SeriesKind::AverageAnswer, SeriesKind::Trunks)}) {
        const ChartModel line = build(table, true, selection, false);
        ChartModel bar = build(table, true, selection, true);
        QCOMPARE(bar.series.size(), line.series.size());
        for (std::size_t i = 0; i < bar.series.size(); ++i) {
            QCOMPARE(line.series[i].style, ChartSeriesStyle::Line);
            QCOMPARE(bar.series[i].style, ChartSeriesStyle::Bar);
            QCOMPARE(bar.series[i].title, line.series[i].title);
            QCOMPARE(bar.series[i].colour, line.series[i].colour);
            QCOMPARE(bar.series[i].axis, line.series[i].axis);
            QCOMPARE(ys(bar.series[i]), ys(line.series[i]));
        }
        QCOMPARE(bar.leftAxis.maximum, line.leftAxis.maximum);
        QCOMPARE(bar.rightAxis.title, line.rightAxis.title);
        QCOMPARE(bar.rightAxis.maximum, line.rightAxis.maximum);
    }
}

void BuildTest::kindsTheTabDoesNotOfferAreIgnored()
{
    // Queue Time and Average Queue are not offered on the Schedule tab: with
    // nothing else selected the selection counts as empty.
    const ChartModel chart = build(scheduleWorkedTable(), true, bit(Kind::QueueTime) | bit(Kind::AverageQueue));
    QCOMPARE(titles(chart), (QStringList{"Agents - n", "Abandn - %"}));
    // And the agents are not offered on the Agents tab.
    QCOMPARE(titles(build(agentsWorkedTable(), false, bit(Kind::Agents) | bit(Kind::Trunks))), QStringList{"Trunks - n"});
}

void BuildTest::noDataRowsEmptiesTheChartOnly()
{
    ChartModel chart;
    BuildGraph(chart, agentsWorkedTable(), GraphRequest{false, bit(Kind::ServiceLevel) | bit(Kind::AverageAnswer), false}, colours);
    const ChartModel before = chart;
    ResultTable headerOnly = agentsWorkedTable();
    headerOnly.setRowCount(1);
    GraphBuildResult result = BuildGraph(chart, headerOnly, GraphRequest{false, bit(Kind::AverageQueue), true}, colours);
    QVERIFY(result.conversionError.isEmpty());
    QVERIFY(chart.series.empty());
    QCOMPARE(chart.leftAxis.title, before.leftAxis.title);
    QCOMPARE(chart.leftAxis.maximum, before.leftAxis.maximum);
    QCOMPARE(chart.rightAxis.title, before.rightAxis.title);
    QCOMPARE(chart.title, before.title);
    // The selection message is still given.
    result = BuildGraph(chart, headerOnly, GraphRequest{false, SeriesKinds::AgentsOffer, false}, colours);
    QVERIFY(result.incompatible);
    QVERIFY(chart.series.empty());
}

void BuildTest::tableWithoutResultsGivesAnEmptyChartSilently()
{
    // A refused recalculation leaves the tab's layout with empty result
    // cells: on the Agents tab one empty row, on the Schedule tab the slots.
    for (const bool schedule : {false, true}) {
        AgentScenario s;
        if (schedule)
            setScheduleWorkedExample(s);
        else
            setAgentsWorkedExample(s);
        QVERIFY(ScenarioEvents(s).TabSet1Click(schedule ? Tab::Schedule : Tab::Agents).valid);
        ChartModel chart;
        BuildGraph(chart, s.StringGrid1(), GraphRequest{schedule, SeriesKinds::DefaultSelection(schedule), false}, colours);
        QVERIFY(!chart.series.empty());
        const QString leftTitle = chart.leftAxis.title;

        s.setText(Field::MaskEdit5, QStringLiteral("x"));
        QVERIFY(!s.Recalculate().valid);
        for (SeriesSelectionWord selection : {SeriesSelectionWord(0), SeriesKinds::DefaultSelection(schedule), SeriesKinds::TimeKinds}) {
            for (bool bar : {false, true}) {
                const GraphBuildResult result = BuildGraph(chart, s.StringGrid1(), GraphRequest{schedule, selection, bar}, colours);
                QVERIFY2(result.conversionError.isEmpty(), qPrintable(result.conversionError));
                QVERIFY(chart.series.empty());
                QCOMPARE(chart.leftAxis.title, leftTitle);
            }
        }
        // The next good table draws again.
        s.setText(Field::MaskEdit5, QStringLiteral("80"));
        QVERIFY(s.Recalculate().valid);
        BuildGraph(chart, s.StringGrid1(), GraphRequest{schedule, 0, false}, colours);
        QCOMPARE(chart.series.size(), std::size_t(2));
    }
}

void BuildTest::averageQueueWithThousandsSeparatorsIsDrawn()
{
    const QString separated = Calc::FormatNumber(1234, 0);
    QVERIFY(separated.size() == 5); // "1,234" in the machine's own separator
    const ResultTable table = tableOf({agentsRow(30, "10:00", "12:00", separated, 40),
                                       agentsRow(31, "05:00", "07:00", Calc::FormatNumber(123456789, 0), 40),
                                       agentsRow(32, "02:00", "03:00", "17", 40)});
    GraphBuildResult result;
    const ChartModel chart = build(table, false, bit(Kind::AverageQueue) | bit(Kind::Trunks), false, &result);
    QVERIFY2(result.conversionError.isEmpty(), qPrintable(result.conversionError));
    QCOMPARE(chart.series.size(), std::size_t(2));
    QCOMPARE(chart.series[0].points[0].y, 1234.0);
    QCOMPARE(chart.series[0].points[1].y, 123456790.0);
    // The number maximum takes the large queue: NumberIncrement(123456790).
    verifyFixed(chart.leftAxis, "Number", 123457000, 12345700);
}

void BuildTest::unreadableCellLeavesNoSeries()
{
    ChartModel chart;
    BuildGraph(chart, agentsWorkedTable(), GraphRequest{false, 6, false}, colours);
    const QString title = chart.leftAxis.title;
    ResultTable table = agentsWorkedTable();
    table.setCell(8, 3, QStringLiteral("lots"));
    GraphBuildResult result = BuildGraph(chart, table, GraphRequest{false, SeriesKinds::AgentsOffer, false}, colours);
    QCOMPARE(result.conversionError, QStringLiteral("'lots' is not a valid integer value"));
    // The cell ended the build before the selection was judged.
    QVERIFY(!result.incompatible);
    QVERIFY(chart.series.empty());
    QCOMPARE(chart.leftAxis.title, title);

    table = agentsWorkedTable();
    table.setCell(6, 2, QStringLiteral("3 min"));
    result = BuildGraph(chart, table, GraphRequest{false, 6, false}, colours);
    QCOMPARE(result.conversionError, QStringLiteral("'3 min' is not a valid time"));
    // A percentage of a selected kind, read before any series is made.
    table = agentsWorkedTable();
    table.setCell(2, 5, QStringLiteral("n/a"));
    result = BuildGraph(chart, table, GraphRequest{false, 6, false}, colours);
    QCOMPARE(result.conversionError, QStringLiteral("'n/' is not a valid integer value"));
    QVERIFY(chart.series.empty());
}

void BuildTest::whatABuildKeeps()
{
    ChartModel chart;
    chart.view3D = false;
    chart.leftAxis.grid = ChartGridStyle::Dotted;
    chart.rightAxis.grid = ChartGridStyle::Clear;
    chart.bottomAxis.grid = ChartGridStyle::Dotted;
    const ResultTable table = agentsWorkedTable();
    // Percentages with times: the right axis is set for the times.
    BuildGraph(chart, table, GraphRequest{false, bit(Kind::ServiceLevel) | bit(Kind::QueueTime), false}, colours);
    verifyFixed(chart.rightAxis, "Time", 1800, 180);
    // Percentages alone leave the right axis as the last build set it.
    BuildGraph(chart, table, GraphRequest{false, bit(Kind::ServiceLevel), true}, colours);
    verifyFixed(chart.rightAxis, "Time", 1800, 180);
    QCOMPARE(chart.series.size(), std::size_t(1));
    // Numbers alone set the left axis anew.
    BuildGraph(chart, table, GraphRequest{false, bit(Kind::Trunks), false}, colours);
    verifyFixed(chart.leftAxis, "Number", 100, 10);
    QVERIFY(!chart.view3D);
    QCOMPARE(chart.leftAxis.grid, ChartGridStyle::Dotted);
    QCOMPARE(chart.rightAxis.grid, ChartGridStyle::Clear);
    QCOMPARE(chart.bottomAxis.grid, ChartGridStyle::Dotted);
    QVERIFY(chart.bottomAxis.automatic);
}

void BuildTest::everyPointTakesItsKindsColour()
{
    SeriesColourTable custom;
    for (int k = 0; k < SeriesColourTable::Count; ++k)
        custom.set(k, QColor(10 * k, 20, 30));
    ChartModel chart;
    BuildGraph(chart, scheduleWorkedTable(), GraphRequest{true, SeriesKinds::ScheduleOffer, false}, custom);
    // Percentages, times and numbers together: the agents and trunks are
    // left out.
    QCOMPARE(chart.series.size(), std::size_t(5));
    const int kinds[] = {1, 2, 3, 4, 5}; // service level to average answer
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        QCOMPARE(chart.series[i].colour, custom[kinds[i]]);
        for (const ChartPoint &p : chart.series[i].points)
            QCOMPARE(p.colour, custom[kinds[i]]);
    }
}

void BuildTest::eachKindHasItsColumnCaptionAndColour()
{
    // The heading of each kind's column on the Agents and the Schedule tab;
    // empty where the tab does not offer the kind (nor its menu item).
    const char *const headings[SeriesKinds::Count][2] = {
        {"", "Agents"},       {"Srv Lvl", "Srv Lvl"}, {"Queued", "Queued"},
        {"Abndon", "Abndon"}, {"Usage", "Usage"},     {"Ave Ans", "Ave Ans"},
        {"Q Time", ""},       {"Avg Q", ""},          {"Trunks", "Trunks"}};
    const ResultTable tables[2] = {agentsWorkedTable(), scheduleWorkedTable()};
    for (int kind = 0; kind < SeriesKinds::Count; ++kind) {
        for (const bool schedule : {false, true}) {
            const QString heading = QLatin1String(headings[kind][schedule]);
            const int column = SeriesKinds::Column(kind, schedule);
            QCOMPARE(SeriesKinds::Holds(SeriesKinds::Offer(schedule), kind), !heading.isEmpty());
            if (heading.isEmpty())
                QCOMPARE(column, -1);
            else
                QCOMPARE(tables[schedule].cell(column, 0), heading);
        }
        QCOMPARE(SeriesKinds::KindByCaption(SeriesKinds::MenuCaption(kind).toUpper()), std::optional<int>(kind));
        // Each kind lies in the one group selection that matches its group.
        const SeriesGroup group = SeriesKinds::Group(kind);
        QCOMPARE(SeriesKinds::Holds(SeriesKinds::PercentageKinds, kind), group == SeriesGroup::Percentage);
        QCOMPARE(SeriesKinds::Holds(SeriesKinds::TimeKinds, kind), group == SeriesGroup::Time);
        QCOMPARE(SeriesKinds::Holds(SeriesKinds::NumberKinds, kind), group == SeriesGroup::Number);
    }
    QCOMPARE(SeriesKinds::Bit(-1), SeriesSelectionWord(0));
    QCOMPARE(SeriesKinds::Bit(SeriesKinds::Count), SeriesSelectionWord(0));
    QCOMPARE(SeriesKinds::KindByCaption(QStringLiteral(" queue time ")), std::optional<int>(6));
    QVERIFY(!SeriesKinds::KindByCaption(QStringLiteral("Calls")));
    QCOMPARE(SeriesKinds::Column(SeriesKinds::Count, false), -1);
    // The series colours by kind; outside the table black, and writes ignored.
    const QColor defaults[SeriesColourTable::Count] = {
        QColor(255, 0, 0),   QColor(0, 0, 255),   QColor(0, 128, 0), QColor(128, 0, 128), QColor(0, 128, 128),
        QColor(192, 192, 192), QColor(0, 255, 255), QColor(255, 0, 255), QColor(128, 0, 0)};
    SeriesColourTable table;
    for (int kind = 0; kind < SeriesColourTable::Count; ++kind)
        QCOMPARE(table[kind], defaults[kind]);
    table.set(-1, Qt::white);
    table.set(SeriesColourTable::Count, Qt::white);
    QCOMPARE(table[-1], QColor(Qt::black));
    QCOMPARE(table[SeriesColourTable::Count], QColor(Qt::black));
    table.set(0, Qt::white);
    QCOMPARE(table[0], QColor(Qt::white));
    QCOMPARE(table[1], defaults[1]);
}

void BuildTest::extraColumnsOfferSchedAndHave_data()
{
    QTest::addColumn<bool>("schedule");
    QTest::addColumn<bool>("shrinkage");
    QTest::addColumn<bool>("roster");
    QTest::addColumn<QStringList>("drawn"); // asked for: Agents (Schedule) or Trunks, Sched, Have
    QTest::newRow("schedule, nothing set") << true << false << false << QStringList{"Agents - n"};
    QTest::newRow("schedule, shrinkage") << true << true << false << QStringList{"Agents - n", "Sched - n"};
    QTest::newRow("schedule, roster") << true << false << true << QStringList{"Agents - n", "Have - n"};
    QTest::newRow("schedule, both") << true << true << true << QStringList{"Agents - n", "Sched - n", "Have - n"};
    QTest::newRow("agents, shrinkage") << false << true << false << QStringList{"Trunks - n", "Sched - n"};
    QTest::newRow("agents, nothing set") << false << false << false << QStringList{"Trunks - n"};
}

void BuildTest::extraColumnsOfferSchedAndHave()
{
    QFETCH(bool, schedule);
    QFETCH(bool, shrinkage);
    QFETCH(bool, roster);
    QFETCH(QStringList, drawn);
    AgentScenario s;
    if (schedule)
        setScheduleWorkedExample(s);
    else
        setAgentsWorkedExample(s);
    if (shrinkage) {
        PlanningOptions planning = s.inputs().Planning;
        planning.shrinkagePercent = 50;
        s.setPlanning(planning);
    }
    if (roster)
        s.setSlotHave(3, 9); // the 09:00 slot only
    QVERIFY(ScenarioEvents(s).TabSet1Click(schedule ? Tab::Schedule : Tab::Agents).valid);
    const ResultTable &table = s.StringGrid1();

    // Without the extra columns the offer is exactly the tab's nine.
    const SeriesSelectionWord extras = SeriesKinds::Offer(schedule, table) & SeriesKinds::ExtraKinds;
    QCOMPARE(SeriesKinds::Holds(extras, SeriesKind::Sched), shrinkage);
    QCOMPARE(SeriesKinds::Holds(extras, SeriesKind::Have), roster && schedule);
    QCOMPARE(SeriesKinds::Offer(schedule, table) & ~SeriesKinds::ExtraKinds, SeriesKinds::Offer(schedule));

    const SeriesSelectionWord asked = SeriesKinds::Bits(schedule ? SeriesKind::Agents : SeriesKind::Trunks,
                                                        SeriesKind::Sched, SeriesKind::Have);
    const ChartModel chart = build(table, schedule, asked);
    QCOMPARE(titles(chart), drawn);
    for (const ChartSeries &series : chart.series) {
        QCOMPARE(series.axis, ChartVerticalAxis::Left);
        if (series.title == QLatin1String("Sched - n")) {
            // Sched at 50 %: twice the agents, and the scale reaches it.
            QCOMPARE(series.colour, QColor(128, 128, 0));
            QCOMPARE(series.points.size(), std::size_t(table.rowCount() - 1));
            QVERIFY(chart.leftAxis.maximum >= series.points.back().y);
            if (schedule)
                QCOMPARE(series.points.back().y, 40.0);
        }
        if (series.title == QLatin1String("Have - n")) {
            // A slot without a roster value has no point.
            QCOMPARE(series.colour, QColor(0, 0, 128));
            QCOMPARE(series.points.size(), std::size_t(1));
            QCOMPARE(series.points[0].label, QStringLiteral("09:00"));
            QCOMPARE(series.points[0].x, 2.0);
            QCOMPARE(series.points[0].y, 9.0);
        }
    }
    QCOMPARE(SeriesKinds::KindByCaption(QStringLiteral("sched")), std::optional<int>(SeriesKinds::Index(SeriesKind::Sched)));
    QCOMPARE(SeriesKinds::MayOffer(SeriesKinds::Index(SeriesKind::Have), false), false);
}

void BuildTest::handleTimeIsDrawnWhereTheSlotsHaveTimes()
{
    AgentScenario s;
    setScheduleWorkedExample(s);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    const int handleTime = SeriesKinds::Index(SeriesKind::HandleTime);
    QVERIFY(!SeriesKinds::Holds(SeriesKinds::Offer(true, s.StringGrid1()), handleTime));
    s.setSlotTimes(2, 200, s.inputs().SlotWrapSeconds[2]);
    QVERIFY(s.Recalculate().valid);
    const ChartModel chart =
        build(s.StringGrid1(), true, SeriesKinds::Bits(SeriesKind::AverageAnswer, SeriesKind::HandleTime));
    QCOMPARE(titles(chart), (QStringList{"Ave Ans - s", "AHT - s"}));
    // Each slot's own handle time, or the fields' 03:00 and 01:00, in
    // seconds on the times' scale.
    QCOMPARE(ys(chart.series[1]), (QList<double>{240, 260, 240, 240}));
    QVERIFY(chart.leftAxis.maximum >= 260);
}

QTEST_GUILESS_MAIN(BuildTest)
#include "test_build.moc"
