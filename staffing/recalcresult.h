// SPDX-License-Identifier: MIT
#pragma once

#include "failinginput.h"

// What a handler's recalculation did.
struct RecalcResult
{
    bool ran = false;   // a recalculation ran
    bool valid = true;  // its input check passed (meaningful when it ran)
    FailingInput failing; // the field or the grid row's Calls cell refused
};
