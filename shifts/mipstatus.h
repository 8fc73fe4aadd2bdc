// SPDX-License-Identifier: MIT
#pragma once

// How the solve of a plan ended.
enum class MipStatus {
    Optimal,    // proven optimal
    Stopped,    // the time limit or a cancel stopped it with a solution
    NoSolution, // stopped, or the model is infeasible, before any solution
};
