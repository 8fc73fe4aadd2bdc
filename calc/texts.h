// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The texts of the result tables: times as "hh:mm", durations as "mm:ss",
// shares as whole percentages.
namespace Calc {

// Minutes in a day: the longest arrival period, and the clock's wrap.
constexpr int MinutesPerDay = 24 * 60;
// The end of the day as an arrival end time.
inline const QString EndOfDayText = QStringLiteral("24:00");
// The longest duration an "mm:ss" text holds: 23 minutes 59 seconds, in
// seconds and in hours (the unit the calculation gives durations in).
inline const QString LongestDurationText = QStringLiteral("23:59");
constexpr int LongestDurationSeconds = 23 * 60 + 59;
constexpr double LongestDurationHours = LongestDurationSeconds / 3600.0;
// The character the Enter key types into the grid.
constexpr QChar CarriageReturn = QChar(13);

// Hours to whole seconds: trunc(hours * 3600 + 0.5) in plain double
// arithmetic, so half a second rounds up. Results beyond the 32-bit range are
// held at its ends; not-a-number gives 0.
int HoursToSeconds(double hours);

// Decimal text of `value` with zeros put in front up to `width` characters.
QString PadNumber(int value, int width);

// A duration in hours as "mm:ss"; below 0 (or not a number) is "00:00", and
// 24 minutes or more is "23:59", the largest an "mm:ss" field accepts.
QString DurationText(double hours);

// A time of day, `minuteOfDay` minutes after midnight (0..1440), as
// "hh:mm"; 1440 is the end of the day, "24:00". The one clock text every
// table, file and plan writes.
QString ClockText(int minuteOfDay);

// Minutes since midnight of an "hh:mm" time of day, 00:00 to 23:59 (a third
// ":ss" part is read and ignored). Empty when the text is not a valid time of
// day.
std::optional<int> ClockTextToMinutes(const QString &text);
// Seconds of an "mm:ss" duration. The fields hold durations in the same
// masked form as times of day and are read by the same rule, so 23:59 (1439
// seconds) is the longest; empty when the text is not valid.
std::optional<int> DurationTextToSeconds(const QString &text);

// A fraction, limited to 0..1, as a percentage with `decimals` decimals and a
// "%" sign. The product by 100 is exact and rounded once, halves away from
// zero: 0.125 gives "13%", 0.855 (just below it as a double) gives "85%".
QString PercentText(double fraction, int decimals);

} // namespace Calc
