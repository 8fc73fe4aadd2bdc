// SPDX-License-Identifier: MIT
#pragma once

#include "volumecolumn.h"

#include <QLocale>
#include <QString>

#include <optional>

class AgentScenario;

// The roster's agents typed or pasted into the Schedule's "Have" column.
// A value is a whole number from 0 up; an emptied cell clears the slot's
// value. A refused entry changes nothing and is named with its slot.
class RosterEntry
{
public:
    // A Have cell left with `text`: the slot's value set (or cleared when the
    // text is blank) and one recalculation; or, for a text that is no roster
    // value, the refusal in the window's words with the scenario untouched.
    // Also refused outside a shown Have cell of the day's slots.
    static std::optional<QString> enter(AgentScenario &scenario, int slot, const QString &text);

    // Ctrl+V in a Have cell: the clipboard's column of roster values into the
    // slots from the current row down, then one recalculation, by the rules
    // and with the messages of pasting call volumes. Refused as a whole, with
    // nothing changed, when the current cell is not a Have cell, a value is
    // not a whole number from 0 up, or the list runs past the last slot.
    static std::optional<VolumeRefusal> paste(AgentScenario &scenario, const QString &text,
                                              const QLocale &locale = QLocale::system());
};
