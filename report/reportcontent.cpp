// SPDX-License-Identifier: MIT
#include "reportcontent.h"

#include "agentscenario.h"
#include "planningoptiontexts.h"

QString ReportContent::cell(int column, int row) const
{
    if (column < 0 || column >= ColumnCount || row < 0 || row > lastRow())
        return {};
    return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::vector<QString> ReportContent::printedRow(int row) const
{
    std::vector<QString> texts;
    for (int column = 0; column < ColumnCount; ++column) {
        texts.push_back(cell(column, row));
        if (column == ResultTable::CallsColumn && scheduleMode && row >= 0 && row < static_cast<int>(slotTimes.size())) {
            for (const QString &time : slotTimes[static_cast<std::size_t>(row)])
                texts.push_back(time);
        }
        if (column == schedAfter && !sched.empty())
            texts.push_back(row >= 0 && row < static_cast<int>(sched.size()) ? sched[static_cast<std::size_t>(row)]
                                                                                : QString());
    }
    return texts;
}

namespace {

// The roster's table: the slot and its agents for reference, then the
// roster's seven columns.
void copyRosterTable(const ResultTable &grid, std::vector<ReportContent::Row> &rows)
{
    if (!grid.isShown(ResultTable::HaveColumn))
        return;
    for (int r = 0; r < grid.rowCount(); ++r) {
        ReportContent::Row row;
        row[0] = grid.cell(ResultTable::TimeColumn, r);
        row[1] = grid.cell(ResultTable::SlotAgentsColumn, r);
        for (int c = ResultTable::HaveColumn; c <= ResultTable::HaveAnswerColumn; ++c)
            row[static_cast<std::size_t>(c - ResultTable::HaveColumn + 2)] = grid.cell(c, r);
        rows.push_back(row);
    }
}

} // namespace

ReportContent ReportContent::fromScenario(const AgentScenario &scenario, const QString &scenarioFileName,
                                          const QString &caption)
{
    const ScenarioInputs &inputs = scenario.inputs();
    ReportContent content;
    content.caption = caption;
    content.scenarioFileName = scenarioFileName;
    content.totalCalls = inputs.text(Field::Edit1);
    content.startTime = inputs.text(Field::MaskEdit1);
    content.endTime = inputs.text(Field::MaskEdit7);
    content.callLength = inputs.text(Field::MaskEdit2);
    content.afterCall = inputs.text(Field::MaskEdit3);
    content.maxWait = inputs.text(Field::MaskEdit4);
    content.goalPercent = inputs.text(Field::MaskEdit5);
    content.goalSeconds = inputs.text(Field::MaskEdit6);
    content.scheduleMode = inputs.ScheduleMode;
    if (scenario.inputsChangedSinceTable())
        content.staleNote = QStringLiteral("The inputs were changed after the table was computed: "
                                           "Recalculate (F9) and print again.");
    const ResultTable &grid = scenario.StringGrid1();
    content.cells.reserve(static_cast<std::size_t>(grid.rowCount()));
    for (int r = 0; r < grid.rowCount(); ++r)
        content.cells.push_back(grid.row(r));

    for (const ShownPlanningOption &option : ShownPlanningOptions(inputs.Planning))
        content.options.push_back({option.caption, option.value});
    if (grid.isShown(ResultTable::SchedColumn)) {
        for (int r = 0; r < grid.rowCount(); ++r)
            content.sched.push_back(grid.cell(ResultTable::SchedColumn, r));
        content.schedAfter = content.scheduleMode ? int(ResultTable::SlotAgentsColumn) : int(ResultTable::AgentsColumn);
    }
    if (content.scheduleMode && grid.isShown(ResultTable::SlotTalkColumn)) {
        for (int r = 0; r < grid.rowCount(); ++r)
            content.slotTimes.push_back({grid.cell(ResultTable::SlotTalkColumn, r), grid.cell(ResultTable::SlotWrapColumn, r)});
    }
    copyRosterTable(grid, content.rosterCells);
    content.dayLines = DayTotalsLines(scenario);
    return content;
}

ReportContent::Row ReportContent::rowOf(const QStringList &texts)
{
    Row row;
    for (int i = 0; i < texts.size() && i < ColumnCount; ++i)
        row[static_cast<std::size_t>(i)] = texts[i];
    return row;
}
