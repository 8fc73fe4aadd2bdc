// SPDX-License-Identifier: MIT
#pragma once

#include "volumecolumn.h"

#include <QLocale>
#include <QString>

#include <optional>

class AgentScenario;

// A slot's own talk or after-call time typed into the Schedule's "Talk" or
// "ACW" column: seconds, mm:ss or hh:mm:ss up to 23:59, as the fields take
// them; an emptied cell gives the slot the fields' time again. A refused
// entry changes nothing and is named with its slot.
class SlotTimeEntry
{
public:
    // A Talk or ACW cell left with `text`: the slot's time set (or cleared)
    // and one recalculation; or the refusal in the window's words.
    static std::optional<QString> enter(AgentScenario &scenario, int column, int slot, const QString &text);

    // Ctrl+V in a Talk or ACW cell: the clipboard's column of times into the
    // slots from the current row down, then one recalculation, by the rules
    // and with the messages of pasting call volumes. Refused as a whole,
    // with nothing changed, outside a shown Talk or ACW cell, for a value
    // that is no time, or when the list runs past the last slot.
    static std::optional<VolumeRefusal> paste(AgentScenario &scenario, const QString &text,
                                              const QLocale &locale = QLocale::system());
};
