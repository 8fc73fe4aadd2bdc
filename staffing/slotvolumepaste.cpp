// SPDX-License-Identifier: MIT
#include "slotvolumepaste.h"

#include "agentscenario.h"

std::optional<VolumeRefusal> SlotVolumePaste::checkFit(const VolumeColumn &column, int firstSlot, int slotCount,
                                                       const QString &firstSlotLabel)
{
    const QList<SlotVolume> &volumes = column.volumes();
    const int room = std::max(0, slotCount - firstSlot + 1);
    if (volumes.size() <= room)
        return std::nullopt;
    const SlotVolume &first = volumes.at(room);
    VolumeRefusal refusal(VolumeRefusal::Reason::NoSlot, first.text, first.line, first.column);
    refusal.number = room + 1;
    refusal.count = static_cast<int>(volumes.size());
    refusal.slotsLeft = room;
    refusal.firstSlot = firstSlotLabel;
    refusal.subject = column.subject();
    return refusal;
}

void SlotVolumePaste::store(AgentScenario &scenario, int firstSlot, const VolumeColumn &column)
{
    int slot = firstSlot;
    for (const SlotVolume &volume : column.volumes()) {
        // checkFit keeps the slots within the day's; this keeps them within
        // the array whatever the caller did.
        if (slot >= 1 && slot <= ScenarioInputs::SlotCapacity)
            scenario.setSlotCalls(slot, volume.calls);
        ++slot;
    }
    scenario.setSlotCallsEdited(true);
}

std::optional<VolumeRefusal> SlotVolumePaste::paste(AgentScenario &scenario, const QString &text,
                                                    const QLocale &locale)
{
    const ResultTable &grid = scenario.StringGrid1();
    const int row = grid.currentRow();
    const int slotCount = scenario.inputs().timeSlots().count;
    if (!scenario.inputs().ScheduleMode || grid.currentColumn() != 1 || row < 1 || row > slotCount)
        return VolumeRefusal(VolumeRefusal::Reason::NotInCallsCell);
    const VolumeColumn column = VolumeColumn::read(text, VolumeColumn::Source::Clipboard, locale);
    if (column.refusal())
        return column.refusal();
    if (auto refusal = checkFit(column, row, slotCount, grid.cell(0, row)))
        return refusal;
    store(scenario, row, column);
    scenario.Recalculate();
    return std::nullopt;
}

QString SlotVolumePaste::message(const VolumeRefusal &refusal)
{
    QString text = refusal.text();
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    text += QLatin1Char('.');
    if (refusal.reason != VolumeRefusal::Reason::NotInCallsCell)
        text += QStringLiteral(" Nothing was pasted.");
    return text;
}
