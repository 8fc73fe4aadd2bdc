// SPDX-License-Identifier: MIT
#pragma once

#include "shiftday.h"
#include "shifttype.h"
#include "shiftweek.h"
#include "tourtype.h"

#include <QString>

#include "slotfloor.h"

#include <optional>
#include <vector>

// What the tour types dialog edits: the week's tour types, the shift
// types their days are worked in, and the slot floor under a plan for
// each day's service level (set with the shift types).
struct TourTypesEdit
{
    std::vector<TourType> tours;
    std::vector<ShiftType> shiftTypes;
    SlotFloor floor;
};

// The tour types dialog as a week window calls it, so that a test can
// answer in its place.
class TourTypesEditor
{
public:
    virtual ~TourTypesEditor() = default;
    // The dialog over `current`, the tours checked against the open days
    // of `week` and the shift types against `shiftDay` (the week's widest
    // open period), captioned after `windowCaption`: what OK accepted, or
    // none when the planner cancelled.
    virtual std::optional<TourTypesEdit> editTourTypes(const TourTypesEdit &current, const ShiftWeek &week,
                                                       const ShiftDay &shiftDay, const QString &windowCaption) = 0;
};
