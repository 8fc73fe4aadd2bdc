// SPDX-License-Identifier: MIT
#include "slottimeentry.h"

#include "agentscenario.h"
#include "intervalcells.h"
#include "intervalfile.h"

std::optional<QString> SlotTimeEntry::enter(AgentScenario &scenario, int column, int slot, const QString &text)
{
    const bool talk = column == ResultTable::SlotTalkColumn;
    if ((!talk && column != ResultTable::SlotWrapColumn) || !scenario.ScheduleMode
        || !scenario.StringGrid1().isShown(column) || slot < 1 || slot > scenario.timeSlots().count
        || slot > AgentScenario::SlotCapacity)
        return QStringLiteral("Slot times are typed into the Talk and ACW columns of the Schedule.");
    const IntervalCells::CellRead read =
        IntervalCells::parseDuration(text.trimmed(), 1, false, IntervalFile::LongestSeconds);
    if (!read.problem.isEmpty()) {
        return QStringLiteral("\"%1\" for the %2 slot is not a %3: a time is mm:ss or seconds, at most 23:59. "
                              "Nothing was changed.")
            .arg(text.trimmed().left(40), scenario.StringGrid1().cell(ResultTable::TimeColumn, slot),
                 talk ? QStringLiteral("talk time") : QStringLiteral("after-call time"));
    }
    auto &times = talk ? scenario.SlotTalkSeconds : scenario.SlotWrapSeconds;
    times[static_cast<std::size_t>(slot)] = read.value;
    scenario.Recalculate();
    return std::nullopt;
}
