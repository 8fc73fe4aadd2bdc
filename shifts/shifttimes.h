// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// A length in minutes as "h:mm" ("8:00", "0:30").
QString ShiftDurationText(int minutes);
// "h:mm", "hh:mm" or whole hours ("8"), blanks around it allowed: minutes
// from 0 to 24 hours; empty when the text is not one.
std::optional<int> ParseShiftMinutes(const QString &text);
