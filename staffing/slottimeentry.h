// SPDX-License-Identifier: MIT
#pragma once

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
};
