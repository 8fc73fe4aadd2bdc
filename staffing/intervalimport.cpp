// SPDX-License-Identifier: MIT
#include "intervalimport.h"

#include "field.h"

std::optional<QString> IntervalImport::apply(ScenarioInputs &scenario, const IntervalFile &file)
{
    if (!file.accepted())
        return file.refusal()->text();
    if (file.slotMinutes() != TimeSlots::lengthMinutes(true) && file.slotMinutes() != TimeSlots::lengthMinutes(false))
        return QStringLiteral("the file's intervals are %1 minutes long; the Schedule holds 30- or 60-minute slots")
            .arg(file.slotMinutes());
    const bool halfHours = file.slotMinutes() == TimeSlots::lengthMinutes(true);
    scenario.setText(Field::MaskEdit1, file.startText());
    scenario.setText(Field::MaskEdit7, file.endText());
    scenario.setSlotLength(halfHours);
    scenario.updateTotalTime();
    scenario.SlotCalls.fill(0);
    scenario.SlotTalkSeconds.fill(std::nullopt);
    scenario.SlotWrapSeconds.fill(std::nullopt);
    std::size_t index = 1;
    for (const IntervalSlot &slot : file.daySlots()) {
        scenario.SlotCalls[index] = slot.calls;
        scenario.SlotTalkSeconds[index] = slot.talkSeconds;
        scenario.SlotWrapSeconds[index] = slot.wrapSeconds;
        ++index;
    }
    scenario.SlotCallsEdited = true;
    scenario.setText(Field::Edit1, QString::number(file.totalCalls()));
    return std::nullopt;
}
