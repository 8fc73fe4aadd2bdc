// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The part of the shift planner's input a problem lies in, so that the
// window can put the cursor there.
enum class ShiftField {
    Name,
    Length,
    EarliestStart,
    LatestStart,
    BreakLength,
    BreakEarliest,
    BreakLatest,
    BreakPaid,
    MaxAgents,
    ShiftList, // the list of shift types as a whole (empty)
    Day,       // the day's slots or requirements
    SlotFloor, // the floor under the slots of a plan for the day's service level
};

// The first thing wrong with the shift planner's input.
struct ShiftInputProblem
{
    int shift = -1; // index of the shift type at fault; -1 for the list or the day
    ShiftField field = ShiftField::ShiftList;
    QString message; // a sentence naming the shift and the field
};
