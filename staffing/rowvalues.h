// SPDX-License-Identifier: MIT
#pragma once

#include "evaluation.h"

#include <QString>

#include <optional>

// The figures behind one row of a result table at full precision, as the
// staffing model gave them before they were written as texts (the Schedule's
// answer time before it is held at 23:59).
struct RowValues
{
    double agents = 0;
    // False for a Schedule slot without calls: its figures are none.
    bool evaluated = false;
    AgentFigures figures;
    int trunks = 0;
    // The Schedule only: the slot's start ("08:30") and its calls.
    QString slot;
    double calls = 0;
    // The agents to put on the roster for `agents` (shrinkage applied);
    // `agents` itself without shrinkage.
    double scheduled = 0;
    // The Schedule with a roster: the slot's roster value and what those
    // agents give; a roster that cannot carry the slot's load is overloaded
    // and answers nothing in time.
    // With shrinkage the roster holds the agents rostered, whom `scheduled`
    // counts; its figures are those of the share of them on the phones.
    std::optional<int> have;
    bool haveCarries = false;
    AgentFigures haveFigures;

    // Roster less the agents to roster (the required agents without
    // shrinkage); none without a roster value.
    std::optional<double> rosterGap() const
    {
        return have ? std::optional<double>(*have - scheduled) : std::nullopt;
    }
};
