// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <vector>

struct MipModel;

// How a solve ended.
enum class MipStatus {
    Optimal,    // proven optimal
    Stopped,    // the time limit or a cancel stopped it with a solution
    NoSolution, // stopped, or the model is infeasible, before any solution
};

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
    double timeLimitSeconds = 10;
    // Set from another thread to stop the search; the best solution found so
    // far is returned. May be null.
    const std::atomic<bool> *cancel = nullptr;
    // CBC's proximity search, which looks for cheaper solutions near the
    // best one found: the service-level model, whose relaxation spreads
    // fractions of shifts over the day, finds its optimum and proves it
    // many times sooner with it; the cover model needs none.
    bool proximitySearch = false;
};

// Solves `model` with COIN-OR CBC (presolve, cuts and heuristics as its
// stand-alone solver applies them). CBC's driver keeps state of its own, so
// solves in one process take turns; each still honours its cancel flag.
MipSolution SolveMip(const MipModel &model, const MipSettings &settings);
