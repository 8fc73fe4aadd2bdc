// SPDX-License-Identifier: MIT
#pragma once

#include "rowvalues.h"

#include <vector>

// What a recalculation leaves beside the table's cell texts.
struct TableResults
{
    // The Agents table's first row meeting the goal, 0 when none.
    int goalRow = 0;
    // Which goals decided the goal row (GoalRule flags; 0 without a goal
    // row or when the first row shown is the goal row).
    unsigned goalDecidedBy = 0;
    // The figures of the table's rows 1, 2, ... at full precision: one per
    // agent number of the Agents table, one per slot of the Schedule; none
    // until a table was filled.
    std::vector<RowValues> rowValues;
    // How many recalculations ran, refused ones included: a new number is
    // a new table.
    int recalculations = 0;
};
