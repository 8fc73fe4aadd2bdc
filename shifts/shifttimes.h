// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// A length in minutes as "h:mm" ("8:00", "0:30").
QString ShiftDurationText(int minutes);
// "h:mm", "hh:mm" or whole hours ("8"), blanks around it allowed: minutes
// from 0 to 24 hours; empty when the text is not one.
std::optional<int> ParseShiftMinutes(const QString &text);
// The same with at most `hourDigits` digits of hours and at most
// `maxMinutes` in all ("168:00" for a week's).
std::optional<int> ParseHoursMinutes(const QString &text, int hourDigits, int maxMinutes);
// A whole number of digits only, at most `maxLength` of them, no sign and
// no blanks; empty when the text is not one.
std::optional<int> ParseDigits(const QString &text, int maxLength);
