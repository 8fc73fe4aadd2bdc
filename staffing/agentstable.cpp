// SPDX-License-Identifier: MIT
#include "agentstable.h"

#include "conversions.h"
#include "queueing.h"
#include "texts.h"

#include <memory>

namespace {

const char *const agentsHeaders[ResultTable::ColumnCount] = {
    "Agents", "Srv Lvl", "Queued", "Abndon", "Usage", "Ave Ans", "Q Time", "Avg Q", "Trunks"};

} // namespace

AgentsTable::AgentsTable(const ScenarioInputs &inputs, const StaffingModel &model)
    : m_inputs(inputs)
    , m_model(model)
{
}

void AgentsTable::prepareLayout(ResultTable &grid)
{
    grid.setRowCount(2);
    grid.setFixedColumns(0);
    grid.clearRow(1);
    // A header already in place is kept: every recalculation lays out the
    // table again, and a new text costs an allocation.
    for (int c = 0; c < ResultTable::ColumnCount; ++c) {
        if (grid.row(0)[static_cast<std::size_t>(c)] != QLatin1String(agentsHeaders[c]))
            grid.setCell(c, 0, QString::fromLatin1(agentsHeaders[c]));
    }
}

int AgentsTable::fill(ResultTable &grid, std::vector<RowValues> &values, unsigned *decidedBy) const
{
    const CallLoad load = ComputeCallLoad(m_inputs.CallCount, m_inputs.PeriodMinutes, m_inputs.HandleSeconds);
    const std::unique_ptr<LoadEvaluation> evaluation =
        std::move(m_model.evaluations({load}, m_inputs.serviceInputs()).front());
    const GoalRule rule = m_inputs.goalRule();
    values.clear();
    values.reserve(LastRow);

    double n = evaluation->firstAgents(load, rule);
    int row = 1;
    int goalRow = 0;
    while (row <= LastRow) {
        grid.setRowCount(row + 1);
        grid.setCell(ResultTable::AgentsColumn, row, Calc::NumberCellText(static_cast<long long>(n)));
        if (!evaluation->carries(n)) {
            // This agent number cannot carry the load: it gets no row.
            n = n + 1;
            continue;
        }
        values.push_back(rowValuesOf(n, evaluation->evaluate(n)));
        RowValues &rowValues = values.back();
        rowValues.scheduled = m_inputs.Planning.scheduledAgents(n);
        writeRow(grid, row, rowValues);
        if (goalRow == 0 && rule.met(rowValues.figures)) {
            goalRow = row;
            if (decidedBy)
                *decidedBy = row > 1 ? rule.decidedBy(values[values.size() - 2].figures) : 0u;
        }
        ++row;
        n = n + 1;
        // A cap or an abandonment limit may put the goal row beyond the
        // practically full service level: the table goes on to it.
        if (rowValues.figures.serviceLevel > PracticallyFullService && (goalRow > 0 || !rule.hasLimits()))
            break;
    }
    writeTrunks(grid, values);
    if (goalRow > 0)
        grid.setCurrentCell(grid.currentColumn(), goalRow);
    return goalRow;
}

RowValues AgentsTable::rowValuesOf(double agents, const AgentFigures &figures)
{
    RowValues values;
    values.agents = agents;
    values.evaluated = true;
    values.figures = figures;
    return values;
}

void AgentsTable::writeTrunks(ResultTable &grid, std::vector<RowValues> &values)
{
    // The rows' line searches run side by side.
    std::vector<double> firstLines;
    std::vector<double> loads;
    firstLines.reserve(values.size());
    loads.reserve(values.size());
    for (const RowValues &row : values) {
        firstLines.push_back(row.agents);
        loads.push_back(row.figures.trunkLoad);
    }
    std::vector<int> trunks(values.size());
    Calc::TrunksNeededSideBySide(firstLines.data(), loads.data(), trunks.data(), static_cast<int>(trunks.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i].trunks = trunks[i];
        grid.setCell(ResultTable::TrunksColumn, static_cast<int>(i) + 1, Calc::NumberCellText(trunks[i]));
    }
}

void AgentsTable::writeRow(ResultTable &grid, int row, const RowValues &values)
{
    const AgentFigures &f = values.figures;
    grid.setCell(ResultTable::ServiceColumn, row, Calc::WholePercentCellText(f.serviceLevel));
    grid.setCell(ResultTable::QueuedColumn, row, Calc::WholePercentCellText(f.waitProbability));
    grid.setCell(ResultTable::AbandonColumn, row, Calc::WholePercentCellText(f.abandonRate));
    grid.setCell(ResultTable::UsageColumn, row, Calc::WholePercentCellText(f.usage));
    grid.setCell(ResultTable::AnswerColumn, row, Calc::DurationCellText(f.answerTime));
    grid.setCell(ResultTable::QueueTimeColumn, row, Calc::DurationCellText(f.queueTime));
    grid.setCell(ResultTable::QueueLengthColumn, row, Calc::FormatNumber(f.queueLength, 0));
    // Without extra columns shown the text would only be dropped.
    if (!grid.shownExtraColumns().empty())
        grid.setCell(ResultTable::SchedColumn, row, Calc::NumberCellText(static_cast<long long>(values.scheduled)));
}
