// SPDX-License-Identifier: MIT
#pragma once

#include "intervalfile.h"
#include "scenarioinputs.h"

#include <QString>

#include <optional>

// Puts an accepted interval file's day into a scenario's inputs: the
// arrival start and end from the first and last interval, the slot length
// from the file, each slot's calls and own talk and after-call times (a
// slot without a row: no calls, the fields' times), and the day's calls as
// the number of calls. The roster follows its slots by clock time as on a
// change of the slot length; values outside the new day are dropped. No
// recalculation.
class IntervalImport
{
public:
    // Why the scenario cannot take the file, with nothing changed; empty
    // when the file was applied.
    // `rosterDropped`, where given, counts the roster values dropped.
    static std::optional<QString> apply(ScenarioInputs &scenario, const IntervalFile &file,
                                        int *rosterDropped = nullptr);
    // Why the file cannot be applied, as apply says it; empty when it can.
    static std::optional<QString> check(const IntervalFile &file);
    // What the file gives, for the planner to see before it is applied:
    // each column and what it is taken for, the slots and the calls, the
    // slot length and why, and the other lengths that fit.
    static QString preview(const IntervalFile &file);
};
