// SPDX-License-Identifier: MIT
#include "rosterentry.h"

#include "agentscenario.h"
#include "roster.h"
#include "scenarioevents.h"
#include "slotvolumepaste.h"

namespace {

// Whether `slot` is a Have cell of the day's slots that takes a value now.
bool takesRoster(const AgentScenario &scenario, int slot)
{
    const ResultTable &grid = scenario.StringGrid1();
    return scenario.inputs().ScheduleMode && grid.isShown(ResultTable::HaveColumn) && slot >= 1
           && slot <= scenario.inputs().timeSlots().count && slot <= ScenarioInputs::SlotCapacity;
}

QString shortened(const QString &text)
{
    constexpr int shown = 40;
    return text.size() <= shown ? text : text.left(shown) + QStringLiteral("...");
}

} // namespace

std::optional<QString> RosterEntry::enter(AgentScenario &scenario, int slot, const QString &text)
{
    if (!takesRoster(scenario, slot))
        return QStringLiteral("Roster values are typed into the Have column of the Schedule.");
    if (!text.trimmed().isEmpty() && !ParseRosterValue(text)) {
        return QStringLiteral("\"%1\" for the %2 slot is not a roster value: a roster value is a whole number "
                              "of agents from 0 up. Nothing was changed.")
            .arg(shortened(text.trimmed()), scenario.StringGrid1().cell(ResultTable::TimeColumn, slot));
    }
    ScenarioEvents(scenario).StringGrid1SetEditText(ResultTable::HaveColumn, slot, text.trimmed());
    scenario.Recalculate();
    return std::nullopt;
}

std::optional<VolumeRefusal> RosterEntry::paste(AgentScenario &scenario, const QString &text, const QLocale &locale)
{
    const ResultTable &grid = scenario.StringGrid1();
    const int row = grid.currentRow();
    if (grid.currentColumn() != ResultTable::HaveColumn || !takesRoster(scenario, row))
        return VolumeRefusal(VolumeRefusal::Reason::NotInCallsCell);
    const VolumeColumn column =
        VolumeColumn::read(text, VolumeColumn::Source::Clipboard, locale, VolumeRefusal::Subject::Roster);
    if (column.refusal())
        return column.refusal();
    const int slotCount = scenario.inputs().timeSlots().count;
    if (auto refusal = SlotVolumePaste::checkFit(column, row, slotCount, grid.cell(ResultTable::TimeColumn, row)))
        return refusal;
    int slot = row;
    for (const SlotVolume &value : column.volumes()) {
        // checkFit keeps the slots within the day's; this within the array.
        if (slot <= ScenarioInputs::SlotCapacity)
            scenario.setSlotHave(slot, value.calls);
        ++slot;
    }
    scenario.Recalculate();
    return std::nullopt;
}
