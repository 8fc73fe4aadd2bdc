// SPDX-License-Identifier: MIT
#pragma once

#include "mipstatus.h"
#include "solvetimelimit.h"

#include <atomic>
#include <vector>

class MipProgress;
struct MipModel;


struct MipSolution
{
    MipStatus status = MipStatus::NoSolution;
    bool cancelled = false;     // the cancel flag stopped the search
    std::vector<double> values; // per column; empty without a solution
    double objective = 0;
    double bound = 0; // no solution has a smaller objective
    double seconds = 0;
};

struct MipSettings
{
    double timeLimitSeconds = SolveTimeLimit::DefaultSeconds;
    // Set from another thread to stop the solve. It is seen while the solve
    // waits for CBC's driver and at the branch and bound's events, not in
    // the phases before the search; a solution found by then is returned.
    // May be null.
    const std::atomic<bool> *cancel = nullptr;
    // CBC's proximity search, which looks for cheaper solutions near the
    // best one found: the service-level model, whose relaxation spreads
    // fractions of shifts over the day, finds its optimum and proves it
    // many times sooner with it; the cover model needs none.
    bool proximitySearch = false;
    // Told the best plan's objective and the bound at the search's events,
    // for a window to show while it runs. May be null.
    MipProgress *progress = nullptr;
    // A solution to start from, one value per column, that keeps every row:
    // CBC's heuristics may find none on a large model with many equality
    // rows. Empty: none.
    std::vector<double> start;
};

// Solves `model` with COIN-OR CBC (presolve, cuts and heuristics as its
// stand-alone solver applies them). CBC's driver keeps state of its own, so
// solves in one process take turns; the wait for a turn counts against the
// time limit and ends on a cancel. CBC's errors are thrown as
// std::runtime_error.
MipSolution SolveMip(const MipModel &model, const MipSettings &settings);
