// SPDX-License-Identifier: MIT
#include "slottimeentry.h"

#include "agentscenario.h"
#include "durationcell.h"
#include "slotvolumepaste.h"
#include "texts.h"

namespace {

// Sets one slot's talk or after-call time (slot 1 to SlotCapacity), keeping
// the other.
void setSlotTime(AgentScenario &scenario, bool talk, int slot, std::optional<int> seconds)
{
    const ScenarioInputs &inputs = scenario.inputs();
    const auto index = static_cast<std::size_t>(slot);
    scenario.setSlotTimes(slot, talk ? seconds : inputs.SlotTalkSeconds[index],
                          talk ? inputs.SlotWrapSeconds[index] : seconds);
}

} // namespace

std::optional<QString> SlotTimeEntry::enter(AgentScenario &scenario, int column, int slot, const QString &text)
{
    const bool talk = column == ResultTable::SlotTalkColumn;
    if ((!talk && column != ResultTable::SlotWrapColumn) || !scenario.inputs().ScheduleMode
        || !scenario.StringGrid1().isShown(column) || slot < 1 || slot > scenario.inputs().timeSlots().count
        || slot > ScenarioInputs::SlotCapacity)
        return QStringLiteral("Slot times are typed into the Talk and ACW columns of the Schedule.");
    const Calc::CellRead read = Calc::ParseDuration(text.trimmed(), 1, false, Calc::LongestDurationSeconds);
    if (!read.problem.isEmpty()) {
        return QStringLiteral("\"%1\" for the %2 slot is not a %3: a time is mm:ss or seconds, at most 23:59. "
                              "Nothing was changed.")
            .arg(text.trimmed().left(40), scenario.StringGrid1().cell(ResultTable::TimeColumn, slot),
                 talk ? QStringLiteral("talk time") : QStringLiteral("after-call time"));
    }
    setSlotTime(scenario, talk, slot, read.value);
    scenario.Recalculate();
    return std::nullopt;
}

std::optional<VolumeRefusal> SlotTimeEntry::paste(AgentScenario &scenario, const QString &text, const QLocale &locale)
{
    const ResultTable &grid = scenario.StringGrid1();
    const int column = grid.currentColumn();
    const int row = grid.currentRow();
    const bool talk = column == ResultTable::SlotTalkColumn;
    if ((!talk && column != ResultTable::SlotWrapColumn) || !scenario.inputs().ScheduleMode || !grid.isShown(column))
        return VolumeRefusal(VolumeRefusal::Reason::NotInCallsCell);
    const VolumeColumn times = VolumeColumn::read(text, VolumeColumn::Source::Clipboard, locale,
                                                  talk ? VolumeRefusal::Subject::Talk : VolumeRefusal::Subject::Wrap);
    if (times.refusal())
        return times.refusal();
    if (auto refusal = SlotVolumePaste::checkFit(times, row, scenario.inputs().timeSlots().count,
                                                 grid.cell(ResultTable::TimeColumn, row)))
        return refusal;
    int slot = row;
    for (const SlotVolume &value : times.volumes()) {
        // checkFit keeps the slots within the day's; this within the array.
        if (slot >= 1 && slot <= ScenarioInputs::SlotCapacity)
            setSlotTime(scenario, talk, slot, value.calls);
        ++slot;
    }
    scenario.Recalculate();
    return std::nullopt;
}
