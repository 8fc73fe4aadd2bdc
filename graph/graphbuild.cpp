// SPDX-License-Identifier: MIT
#include "graphbuild.h"

#include "axisincrement.h"
#include "graphcells.h"
#include "resulttable.h"
#include "seriescolourtable.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int Divisions = 10;

enum class MovedGroup { None, Times, Numbers };

struct Groups
{
    bool percentages = false;
    bool times = false;
    bool numbers = false;
};

// The cells of the whole table, read before the chart gets any series, so
// that a cell that does not convert leaves the chart without series.
struct TableValues
{
    int numberMaximum = 0;
    int timeMaximum = 0;
    bool withoutResults = false; // an empty result cell: nothing to draw
    QString error;
    // values[kind][row - 1] for the kinds drawn; a "Have" cell left empty
    // (a slot without a roster value) is missing, not a missing result.
    std::array<std::vector<int>, SeriesKinds::AllCount> values;
    std::array<std::vector<bool>, SeriesKinds::AllCount> missing;
};

GraphCells::Value readCell(int kind, const QString &text)
{
    switch (SeriesKinds::Group(kind)) {
    case SeriesGroup::Percentage:
        return GraphCells::ReadPercentage(text);
    case SeriesGroup::Time:
        return GraphCells::ReadTime(text);
    case SeriesGroup::Number:
        break;
    }
    return GraphCells::ReadNumber(text);
}

// Reads one cell into *value; false when the build must stop at it.
bool readInto(TableValues &values, int kind, const QString &text, int *value)
{
    const GraphCells::Value cell = readCell(kind, text);
    switch (cell.status) {
    case GraphCells::Value::Status::Read:
        *value = cell.value;
        return true;
    case GraphCells::Value::Status::Empty:
        values.withoutResults = true;
        return true;
    case GraphCells::Value::Status::Invalid:
        values.error = cell.error;
        return false;
    }
    return false;
}

// Reads a cell of a kind that may be left empty ("Have"): an empty cell is
// marked missing; false when the build must stop at the cell.
bool readOptional(TableValues &values, int kind, const QString &text, int *value, bool *missing)
{
    *missing = text.isEmpty() && kind == SeriesKinds::Index(SeriesKind::Have);
    return *missing || readInto(values, kind, text, value);
}

// The extra columns' kinds that count toward the numbers' (or times')
// maximum: those the table shows.
void readExtraMaxima(TableValues &values, const ResultTable &table, int row, bool schedule)
{
    for (int kind = SeriesKinds::Count; kind < SeriesKinds::AllCount && values.error.isEmpty(); ++kind) {
        const int column = SeriesKinds::Column(kind, schedule, table);
        int value = 0;
        bool missing = false;
        if (column >= 0 && readOptional(values, kind, table.cell(column, row), &value, &missing) && !missing) {
            int &maximum = SeriesKinds::Group(kind) == SeriesGroup::Time ? values.timeMaximum : values.numberMaximum;
            maximum = std::max(maximum, value);
        }
    }
}

// The two maxima over every data row, whatever is selected: numbers from the
// agents (Schedule) or average-queue (Agents) column, the trunks column and
// the extra columns shown, times from the answer-time column and, on the
// Agents tab, the queue-time column. Then the cells of the kinds to draw.
TableValues readTable(const ResultTable &table, int rows, bool schedule, SeriesSelectionWord drawn)
{
    TableValues values;
    const std::array<SeriesKind, 2> numberKinds{schedule ? SeriesKind::Agents : SeriesKind::AverageQueue,
                                                SeriesKind::Trunks};
    const std::array<SeriesKind, 2> timeKinds{SeriesKind::AverageAnswer, SeriesKind::QueueTime};
    for (int row = 1; row <= rows; ++row) {
        for (SeriesKind kind : numberKinds) {
            const int k = SeriesKinds::Index(kind);
            int value = 0;
            if (!readInto(values, k, table.cell(SeriesKinds::Column(k, schedule), row), &value))
                return values;
            values.numberMaximum = std::max(values.numberMaximum, value);
        }
        for (SeriesKind kind : timeKinds) {
            const int k = SeriesKinds::Index(kind);
            const int column = SeriesKinds::Column(k, schedule);
            if (column < 0)
                continue;
            int value = 0;
            if (!readInto(values, k, table.cell(column, row), &value))
                return values;
            values.timeMaximum = std::max(values.timeMaximum, value);
        }
        readExtraMaxima(values, table, row, schedule);
        if (!values.error.isEmpty())
            return values;
    }
    for (int kind = 0; kind < SeriesKinds::AllCount; ++kind) {
        if (!SeriesKinds::Holds(drawn, kind))
            continue;
        std::vector<int> &column = values.values[static_cast<std::size_t>(kind)];
        std::vector<bool> &missing = values.missing[static_cast<std::size_t>(kind)];
        column.assign(static_cast<std::size_t>(rows), 0);
        missing.assign(static_cast<std::size_t>(rows), false);
        const int source = SeriesKinds::Column(kind, schedule, table);
        for (int row = 1; row <= rows; ++row) {
            bool gap = false;
            if (!readOptional(values, kind, table.cell(source, row), &column[static_cast<std::size_t>(row - 1)], &gap))
                return values;
            missing[static_cast<std::size_t>(row - 1)] = gap;
        }
    }
    return values;
}

int countKinds(SeriesSelectionWord selection)
{
    int count = 0;
    for (int kind = 0; kind < SeriesKinds::AllCount; ++kind)
        count += SeriesKinds::Holds(selection, kind) ? 1 : 0;
    return count;
}

bool inMovedGroup(int kind, MovedGroup moved)
{
    const SeriesGroup group = SeriesKinds::Group(kind);
    return (moved == MovedGroup::Times && group == SeriesGroup::Time)
        || (moved == MovedGroup::Numbers && group == SeriesGroup::Number);
}

// An axis fixed from 0 to maximum in ten steps.
void setFixedScale(ChartAxis &axis, long long maximum)
{
    axis.automatic = false;
    axis.minimum = 0;
    axis.maximum = static_cast<double>(maximum);
    axis.increment = static_cast<double>(maximum / Divisions);
}

// The unit of a kind's values in the chart's description (times are read
// into whole seconds).
QString unitOf(int kind)
{
    switch (SeriesKinds::Group(kind)) {
    case SeriesGroup::Percentage:
        return QStringLiteral("%");
    case SeriesGroup::Time:
        return QStringLiteral("seconds");
    case SeriesGroup::Number:
        break;
    }
    return {};
}

// What a selection draws: the kinds, how many, how many the left axis
// carries and which groups are present.
struct SeriesPlan
{
    SeriesSelectionWord selection = 0;
    int seriesCount = 0;
    int left = 0; // series on the left axis; the rest move to the right
    Groups present;
    bool incompatible = false;
};

SeriesPlan planSeries(SeriesSelectionWord selection, bool schedule)
{
    // Counted by group before the compatibility rule and the empty selection
    // change what is drawn.
    const int p = countKinds(selection & SeriesKinds::PercentageKinds);
    const int t = countKinds(selection & SeriesKinds::TimeKinds);
    const int n = countKinds(selection & SeriesKinds::NumberKinds);
    SeriesPlan plan;
    plan.selection = selection;
    plan.seriesCount = p + t + n;
    plan.left = p > 0 ? p : t;
    plan.present = Groups{p > 0, t > 0, n > 0};
    if (p > 0 && t > 0 && n > 0) {
        plan.incompatible = true;
        plan.selection &= static_cast<SeriesSelectionWord>(~SeriesKinds::NumberKinds);
        plan.seriesCount = p + t;
        plan.present.numbers = false;
    }
    if (plan.seriesCount == 0) {
        // The tab's default pair, all of it counted as percentages on the
        // left axis: on the Schedule tab the agents too.
        plan.selection = SeriesKinds::DefaultSelection(schedule);
        plan.seriesCount = 2;
        plan.present = Groups{true, false, false};
        plan.left = 0;
    }
    return plan;
}

// The group drawn on the right axis, when the left one does not carry every
// series.
MovedGroup movedGroup(const SeriesPlan &plan)
{
    if (plan.seriesCount - plan.left <= 0)
        return MovedGroup::None;
    if (plan.present.percentages) {
        if (plan.present.times)
            return MovedGroup::Times;
        if (plan.present.numbers)
            return MovedGroup::Numbers;
    } else if (plan.present.times && plan.present.numbers) {
        return MovedGroup::Numbers;
    }
    return MovedGroup::None;
}

long long timeScale(const TableValues &values)
{
    return Divisions * static_cast<long long>(TimeIncrement(values.timeMaximum, Divisions));
}

long long numberScale(const TableValues &values)
{
    return Divisions * static_cast<long long>(NumberIncrement(values.numberMaximum, Divisions));
}

// The axes' titles and fixed scales: percentages, else times, else numbers
// on the left, the moved group on the right.
void setAxes(ChartModel &chart, const Groups &present, MovedGroup moved, const TableValues &values)
{
    long long leftMaximum = 0;
    long long rightMaximum = 0;
    if (present.percentages) {
        leftMaximum = 100;
        rightMaximum = present.times ? timeScale(values) : numberScale(values);
    } else if (present.times) {
        leftMaximum = timeScale(values);
        if (present.numbers)
            rightMaximum = numberScale(values);
    } else {
        leftMaximum = numberScale(values);
    }
    if (present.percentages)
        chart.leftAxis.title = QStringLiteral("Percent");
    else if (present.times)
        chart.leftAxis.title = QStringLiteral("Time");
    else
        chart.leftAxis.title = QStringLiteral("Number");
    setFixedScale(chart.leftAxis, leftMaximum);
    if (moved != MovedGroup::None) {
        chart.rightAxis.title = moved == MovedGroup::Times ? QStringLiteral("Time") : QStringLiteral("Number");
        setFixedScale(chart.rightAxis, rightMaximum);
    }
}

// One kind's series over the first `rows` data rows, labelled by the
// table's first column.
ChartSeries makeSeries(int kind, const TableValues &values, const ResultTable &table, int rows, MovedGroup moved,
                       bool barChart, const SeriesColourTable &colours)
{
    ChartSeries series;
    series.style = barChart ? ChartSeriesStyle::Bar : ChartSeriesStyle::Line;
    series.marksVisible = false;
    series.colour = colours.ofKind(kind);
    series.title = SeriesKinds::SeriesTitle(kind);
    series.name = SeriesKinds::MenuCaption(kind);
    series.unit = unitOf(kind);
    series.axis = inMovedGroup(kind, moved) ? ChartVerticalAxis::Right : ChartVerticalAxis::Left;
    const std::vector<int> &column = values.values[static_cast<std::size_t>(kind)];
    const std::vector<bool> &missing = values.missing[static_cast<std::size_t>(kind)];
    series.points.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row) {
        // A slot without a roster value has no point.
        if (missing[static_cast<std::size_t>(row - 1)])
            continue;
        ChartPoint point;
        point.x = row - 1;
        point.y = column[static_cast<std::size_t>(row - 1)];
        point.label = table.cell(0, row);
        point.colour = series.colour;
        series.points.push_back(point);
    }
    return series;
}

} // namespace

QString IncompatibleSelectionMessage()
{
    return QStringLiteral("Incompatible series selection, only percentages and times shown.");
}

GraphBuildResult BuildGraph(ChartModel &chart, const ResultTable &table, const GraphRequest &request,
                            const SeriesColourTable &colours)
{
    GraphBuildResult result;
    const bool schedule = request.scheduleTab;
    int rows = table.rowCount() - 1;
    const SeriesPlan plan = planSeries(request.selection & SeriesKinds::Offer(schedule, table), schedule);

    chart.series.clear();
    const TableValues values = readTable(table, std::max(rows, 0), schedule, plan.selection);
    if (!values.error.isEmpty()) {
        result.conversionError = values.error;
        return result;
    }
    result.incompatible = plan.incompatible;
    if (values.withoutResults)
        rows = 0;
    if (rows < 1)
        return result;

    const MovedGroup moved = movedGroup(plan);
    chart.legendStyle = ChartLegendStyle::Series;
    chart.bottomAxis.title = schedule ? QStringLiteral("Schedule") : QStringLiteral("Agents");
    chart.bottomAxis.labelGroup = schedule && request.slotsPerHour > 2 ? request.slotsPerHour : 1;
    setAxes(chart, plan.present, moved, values);
    for (int kind = 0; kind < SeriesKinds::AllCount && static_cast<int>(chart.series.size()) < plan.seriesCount;
         ++kind) {
        if (SeriesKinds::Holds(plan.selection, kind))
            chart.series.push_back(makeSeries(kind, values, table, rows, moved, request.barChart, colours));
    }
    chart.title = QStringLiteral("Varnook");
    return result;
}
