// SPDX-License-Identifier: MIT
#include "intervalimport.h"

#include "field.h"
#include "slotvolumes.h"

#include <QStringList>

std::optional<QString> IntervalImport::check(const IntervalFile &file)
{
    if (!file.accepted())
        return file.refusal()->text();
    return std::nullopt;
}

QString IntervalImport::preview(const IntervalFile &file)
{
    QStringList lines;
    for (const IntervalColumn &column : file.columns())
        lines << QStringLiteral("%1: %2").arg(column.header.isEmpty() ? QStringLiteral("(no name)") : column.header,
                                              column.use);
    lines << QString()
          << QStringLiteral("%1 slots of %2 minutes from %3 to %4, %5 calls%6.")
                 .arg(file.daySlots().size())
                 .arg(file.slotMinutes())
                 .arg(file.startText(), file.endText())
                 .arg(file.totalCalls())
                 .arg(file.hasTimes() ? QStringLiteral(", with the slots' own times") : QString());
    QString length = QStringLiteral("Slot length %1 minutes: %2.").arg(file.slotMinutes()).arg(file.slotLengthReason());
    QStringList others;
    for (int minutes : file.otherSlotMinutes())
        others << QString::number(minutes);
    if (!others.isEmpty())
        length += QStringLiteral(" %1 minutes fit%2 as well (each row a slot, no calls between).")
                      .arg(others.join(QStringLiteral(" and ")), others.size() == 1 ? QStringLiteral("s") : QString());
    lines << length;
    return lines.join(QLatin1Char('\n'));
}

std::optional<QString> IntervalImport::apply(ScenarioInputs &scenario, const IntervalFile &file, int *rosterDropped)
{
    if (auto refusal = check(file))
        return refusal;
    const TimeSlots oldSlots = scenario.timeSlots();
    const RosterValues oldRoster(scenario.SlotHave.begin() + 1, scenario.SlotHave.begin() + 1 + oldSlots.count);
    scenario.setText(Field::MaskEdit1, file.startText());
    scenario.setText(Field::MaskEdit7, file.endText());
    // The reader gives 15, 30 or 60 minutes, each a length the Schedule holds.
    scenario.setSlotLength(slotLengthOfMinutes(file.slotMinutes()).value_or(SlotLength::Hour));
    scenario.updateTotalTime();
    const TimeSlots newSlots = scenario.timeSlots();
    const RosterValues newRoster = SlotVolumes::convertRoster(oldSlots, oldRoster, newSlots);
    if (rosterDropped)
        *rosterDropped = SlotVolumes::droppedRosterValues(oldSlots, oldRoster, newSlots);
    scenario.SlotHave.fill(std::nullopt);
    std::copy(newRoster.begin(), newRoster.end(), scenario.SlotHave.begin() + 1);
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
