// SPDX-License-Identifier: MIT
#include "reportcontent.h"

#include "agentscenario.h"

QString ReportContent::cell(int column, int row) const
{
    if (column < 0 || column >= ColumnCount || row < 0 || row > lastRow())
        return {};
    return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

ReportContent ReportContent::fromScenario(const AgentScenario &scenario, const QString &scenarioFileName,
                                          const QString &caption)
{
    ReportContent content;
    content.caption = caption;
    content.scenarioFileName = scenarioFileName;
    content.totalCalls = scenario.text(Field::Edit1);
    content.startTime = scenario.text(Field::MaskEdit1);
    content.endTime = scenario.text(Field::MaskEdit7);
    content.callLength = scenario.text(Field::MaskEdit2);
    content.afterCall = scenario.text(Field::MaskEdit3);
    content.maxWait = scenario.text(Field::MaskEdit4);
    content.goalPercent = scenario.text(Field::MaskEdit5);
    content.goalSeconds = scenario.text(Field::MaskEdit6);
    content.scheduleMode = scenario.ScheduleMode;
    const ResultTable &grid = scenario.StringGrid1();
    content.cells.reserve(static_cast<std::size_t>(grid.rowCount()));
    for (int r = 0; r < grid.rowCount(); ++r)
        content.cells.push_back(grid.row(r));
    return content;
}
