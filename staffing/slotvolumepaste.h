// SPDX-License-Identifier: MIT
#pragma once

#include "volumecolumn.h"

#include <QLocale>
#include <QString>

#include <optional>

class AgentScenario;

// Puts a list of volumes into a scenario's time slots, from one slot down,
// as typing them into the Calls column would: the volumes are stored and
// count as set by hand. A list that does not fit changes nothing.
class SlotVolumePaste
{
public:
    // Refused when the volumes run past the last of `slotCount` slots
    // counting from `firstSlot`; names the first value without a slot.
    // `firstSlotLabel`: the start time of `firstSlot`, for the message.
    static std::optional<VolumeRefusal> checkFit(const VolumeColumn &column, int firstSlot, int slotCount,
                                                 const QString &firstSlotLabel);
    // Stores volumes that fit (see checkFit) and marks the slot volumes as
    // set by hand. No recalculation.
    static void store(AgentScenario &scenario, int firstSlot, const VolumeColumn &column);

    // Ctrl+V in the Schedule: the clipboard's text into the slots from the
    // current row down, then one recalculation. Refused as a whole, with
    // nothing changed and no recalculation, when the current cell is not a
    // Calls cell of the Schedule, the text is no list of volumes, or the
    // list does not fit.
    static std::optional<VolumeRefusal> paste(AgentScenario &scenario, const QString &text,
                                              const QLocale &locale = QLocale::system());
    // A refused paste in the window's words: the refusal as a sentence,
    // saying that nothing was pasted.
    static QString message(const VolumeRefusal &refusal);
};
