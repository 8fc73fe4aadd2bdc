// SPDX-License-Identifier: MIT
#pragma once

#include "shiftinputproblem.h"

#include <QString>

// The part of a tour type a problem lies in, so that a dialog can put the
// cursor there.
enum class TourField {
    Name,
    Days,
    DaysOff,
    ShiftTypes,
    Band,
    PaidHours,
    MaxAgents,
    TourList, // the list of tour types as a whole
};

// The first thing wrong with the week planner's input: a shift type
// (`shift` >= 0, its field), a tour type (`tour` >= 0, its field), the
// lists, or the week itself (`week`).
struct WeekInputProblem
{
    int shift = -1;
    ShiftField shiftField = ShiftField::ShiftList;
    int tour = -1;
    TourField tourField = TourField::TourList;
    bool week = false;
    QString message; // a sentence naming the tour or shift and the field
};
