// SPDX-License-Identifier: MIT
#include "tableoutput.h"

#include "daytotalslines.h"
#include "goalrownotes.h"
#include "planningoptiontexts.h"
#include "staffingmodelinfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace TableOutput {

namespace {

const char *const goalMark = "  <- goal";

bool isSchedule(const AgentScenario &scenario) { return scenario.tab() == Tab::Schedule; }

// The figures of one row as JSON numbers; none (null) when not evaluated.
void putFigures(QJsonObject &v, const AgentFigures &f, bool evaluated)
{
    auto figure = [evaluated](double value) { return evaluated ? QJsonValue(value) : QJsonValue(); };
    v[QLatin1String("serviceLevel")] = figure(f.serviceLevel);
    v[QLatin1String("waitProbability")] = figure(f.waitProbability);
    v[QLatin1String("abandonRate")] = figure(f.abandonRate);
    v[QLatin1String("usage")] = figure(f.usage);
    v[QLatin1String("answerSeconds")] = figure(f.answerTime * 3600);
    v[QLatin1String("queueSeconds")] = figure(f.queueTime * 3600);
    v[QLatin1String("queueLength")] = figure(f.queueLength);
}

// What a slot's roster gives: null without a roster value; figures null
// for a slot without calls, as in "values"; an overloaded roster answers
// nothing in time and has no other figures.
QJsonValue rosterFigures(const RowValues &row)
{
    if (!row.have)
        return QJsonValue();
    QJsonObject v;
    putFigures(v, row.haveFigures, row.evaluated && row.haveCarries);
    if (row.evaluated && !row.haveCarries) {
        v[QLatin1String("serviceLevel")] = 0.0;
        v[QLatin1String("overloaded")] = true;
    }
    return v;
}

QJsonValue secondsOrNull(const std::optional<int> &seconds)
{
    return seconds ? QJsonValue(*seconds) : QJsonValue();
}

// `slot`: the row's slot (1-based) on a schedule.
QJsonObject rowObject(const AgentScenario &scenario, const RowValues &row, int slot)
{
    const ScenarioInputs &inputs = scenario.inputs();
    const bool schedule = isSchedule(scenario);
    QJsonObject v;
    if (schedule) {
        v[QLatin1String("slot")] = row.slot;
        v[QLatin1String("calls")] = row.calls;
    }
    v[QLatin1String("agents")] = row.agents;
    putFigures(v, row.figures, row.evaluated);
    v[QLatin1String("trunks")] = row.trunks;
    if (inputs.Planning.hasShrinkage())
        v[QLatin1String("sched")] = row.scheduled;
    if (schedule && inputs.hasRoster()) {
        v[QLatin1String("have")] = row.have ? QJsonValue(*row.have) : QJsonValue();
        v[QLatin1String("haveValues")] = rosterFigures(row);
        v[QLatin1String("gap")] = row.have ? QJsonValue(*row.rosterGap()) : QJsonValue();
    }
    if (schedule && inputs.hasSlotTimes() && slot <= ScenarioInputs::SlotCapacity) {
        v[QLatin1String("talkSeconds")] = secondsOrNull(inputs.SlotTalkSeconds[static_cast<std::size_t>(slot)]);
        v[QLatin1String("wrapSeconds")] = secondsOrNull(inputs.SlotWrapSeconds[static_cast<std::size_t>(slot)]);
    }
    return v;
}

// The planning options that differ from their defaults, as JSON values.
void putPlanningInputs(QJsonObject &inputs, const PlanningOptions &options)
{
    for (const ShownPlanningOption &shown : ShownPlanningOptions(options)) {
        switch (shown.option) {
        case PlanningOption::Model:
            inputs[QLatin1String("model")] = StaffingModelInfo::of(options.model).key;
            break;
        case PlanningOption::Shrinkage:
            inputs[QLatin1String("shrinkage")] = options.shrinkagePercent;
            break;
        case PlanningOption::MaxOccupancy:
            inputs[QLatin1String("maxOccupancy")] = *options.maxOccupancyPercent;
            break;
        case PlanningOption::MaxAbandon:
            inputs[QLatin1String("maxAbandon")] = *options.maxAbandonPercent;
            break;
        case PlanningOption::PaidHours:
            inputs[QLatin1String("paidHours")] = PaidHoursText(options.paidMinutes);
            break;
        }
    }
}

void putDayFigures(QJsonObject &object, const AgentScenario &scenario)
{
    const ScenarioInputs &inputs = scenario.inputs();
    if (!inputs.Planning.isDefault()) {
        const DayTotals day = ScheduleDayTotals(scenario);
        QJsonObject totals;
        totals[QLatin1String("requiredAgentHours")] = day.requiredAgentHours;
        totals[QLatin1String("scheduledAgentHours")] = day.scheduledAgentHours;
        totals[QLatin1String("fte")] = day.fte;
        totals[QLatin1String("peakSlot")] = day.peakSlot.isEmpty() ? QJsonValue() : QJsonValue(day.peakSlot);
        totals[QLatin1String("peakAgents")] = day.peakAgents;
        object[QLatin1String("totals")] = totals;
    }
    if (inputs.hasRoster()) {
        const RosterDay day = ScheduleRosterDay(scenario);
        QJsonObject roster;
        roster[QLatin1String("serviceLevel")] = day.serviceLevel ? QJsonValue(*day.serviceLevel) : QJsonValue();
        roster[QLatin1String("shortSlots")] = day.shortSlotCount;
        roster[QLatin1String("shortfallAgentHours")] = day.shortfallAgentHours;
        roster[QLatin1String("agentHours")] = day.agentHours;
        object[QLatin1String("roster")] = roster;
    }
}

} // namespace

QString table(const AgentScenario &scenario)
{
    const ResultTable &grid = scenario.StringGrid1();
    const std::vector<int> columns = grid.shownColumns();
    std::vector<qsizetype> widths(columns.size(), 0);
    for (int r = 0; r < grid.rowCount(); ++r)
        for (std::size_t i = 0; i < columns.size(); ++i)
            widths[i] = std::max(widths[i], grid.cell(columns[i], r).size());

    QString out;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QString line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                line += QLatin1String("  ");
            line += grid.cell(columns[i], r).rightJustified(widths[i]);
        }
        if (r > 0 && r == scenario.results().goalRow)
            line += QLatin1String(goalMark);
        out += line + QLatin1Char('\n');
    }
    if (isSchedule(scenario)) {
        out += QStringLiteral("Total calls: %1\n").arg(scenario.inputs().text(Field::Edit1));
        out += QStringLiteral("Total time: %1\n").arg(scenario.inputs().totalTimeText());
        for (const TotalsLine &total : DayTotalsLines(scenario))
            out += QStringLiteral("%1: %2\n").arg(total.caption, total.value);
    } else if (scenario.results().goalRow == 0) {
        out += QStringLiteral("No row meets the service level goal.\n");
    } else {
        for (const QString &note : GoalRowNotes(scenario))
            out += note.left(1).toUpper() + note.mid(1) + QStringLiteral(".\n");
    }
    return out;
}

QString csv(const AgentScenario &scenario)
{
    const ResultTable &grid = scenario.StringGrid1();
    const std::vector<int> columns = grid.shownColumns();
    QString out;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                out += QLatin1Char(',');
            out += csvField(grid.cell(columns[i], r));
        }
        out += QLatin1String("\r\n");
    }
    // The day's figures as two-cell rows under the table.
    for (const TotalsLine &total : DayTotalsLines(scenario))
        out += csvField(total.caption) + QLatin1Char(',') + csvField(total.value) + QLatin1String("\r\n");
    return out;
}

QString json(const AgentScenario &scenario)
{
    const ScenarioInputs &scenarioInputs = scenario.inputs();
    QJsonObject inputs;
    inputs[QLatin1String("serviceLevelGoal")] = scenarioInputs.text(Field::MaskEdit5);
    inputs[QLatin1String("goalSeconds")] = scenarioInputs.text(Field::MaskEdit6);
    inputs[QLatin1String("calls")] = scenarioInputs.text(Field::Edit1);
    inputs[QLatin1String("arrivalStart")] = scenarioInputs.text(Field::MaskEdit1);
    inputs[QLatin1String("arrivalEnd")] = scenarioInputs.text(Field::MaskEdit7);
    inputs[QLatin1String("talkTime")] = scenarioInputs.text(Field::MaskEdit2);
    inputs[QLatin1String("afterCallWork")] = scenarioInputs.text(Field::MaskEdit3);
    inputs[QLatin1String("waitBeforeAbandon")] = scenarioInputs.text(Field::MaskEdit4);
    putPlanningInputs(inputs, scenarioInputs.Planning);

    const ResultTable &grid = scenario.StringGrid1();
    QJsonArray rows;
    const std::vector<int> columns = grid.shownColumns();
    for (int r = 0; r < grid.rowCount(); ++r) {
        QJsonArray cells;
        for (int column : columns)
            cells.append(grid.cell(column, r));
        rows.append(cells);
    }

    // The figures behind the rows at full precision: fractions, seconds and
    // counts as JSON numbers, so that scripts need not read "87%" or "00:17".
    const bool schedule = isSchedule(scenario);
    QJsonArray values;
    int slot = 0;
    for (const RowValues &row : scenario.results().rowValues)
        values.append(rowObject(scenario, row, ++slot));

    QJsonObject object;
    object[QLatin1String("inputs")] = inputs;
    object[QLatin1String("tab")] = isSchedule(scenario) ? QLatin1String("schedule") : QLatin1String("agents");
    const int goalRow = scenario.results().goalRow;
    object[QLatin1String("goalRow")] = goalRow > 0 ? QJsonValue(goalRow) : QJsonValue();
    object[QLatin1String("table")] = rows;
    object[QLatin1String("values")] = values;
    if (schedule) {
        object[QLatin1String("totalTime")] = scenarioInputs.totalTimeText();
        object[QLatin1String("halfHourSlots")] = scenarioInputs.slotLength() == SlotLength::HalfHour;
        // Kept beside halfHourSlots, which reads false for quarter hours too;
        // written only for them, so 30- and 60-minute output stays as it was.
        if (scenarioInputs.slotLength() == SlotLength::Quarter)
            object[QLatin1String("slotMinutes")] = minutesOf(scenarioInputs.slotLength());
        QJsonArray volumes;
        const int count = scenarioInputs.timeSlots().count;
        for (int slot = 1; slot <= count; ++slot)
            volumes.append(scenarioInputs.SlotCalls[static_cast<std::size_t>(slot)]);
        object[QLatin1String("slotCalls")] = volumes;
        putDayFigures(object, scenario);
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString format(const AgentScenario &scenario, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Csv:
        return csv(scenario);
    case OutputFormat::Json:
        return json(scenario);
    case OutputFormat::Table:
        break;
    }
    return table(scenario);
}

} // namespace TableOutput
