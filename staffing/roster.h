// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <vector>

// The agents on a day's roster, per time slot: slot 1 first; a slot without
// a value has no roster figure.
using RosterValues = std::vector<std::optional<int>>;

// A roster value: a whole number from 0 up, written in decimal digits,
// blanks around it allowed; empty when the text is not one.
std::optional<int> ParseRosterValue(const QString &text);

// "0,3,,20": the values in slot order, an empty entry for a slot without
// one, without the empty entries at the end.
QString RosterListText(const RosterValues &roster);

// What reading a list of roster values found.
struct RosterListRead
{
    RosterValues values;
    // Empty when every entry is a roster value or empty; else the first
    // entry that is not (1-based) and its text.
    int badEntry = 0;
    QString badText;
    bool ok() const { return badEntry == 0; }
};

// The entries of "0,3,,20" (split at commas): an empty entry is a slot
// without a value.
RosterListRead ParseRosterList(const QString &text);
