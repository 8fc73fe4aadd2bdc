// SPDX-License-Identifier: MIT
#include "intervalslotlength.h"

#include "slotlength.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

// The length the intervals' ends give, 0 without ends, -1 with a refusal.
int rangeMinutes(const std::vector<IntervalSlotLength::Row> &rows, std::optional<IntervalRefusal> &refusal)
{
    // Every interval that gives its end must be as long as the first such:
    // 15, 30 or 60 minutes.
    int minutes = 0;
    for (const IntervalSlotLength::Row &row : rows) {
        if (!row.endSecond)
            continue;
        const int seconds = ((*row.endSecond - row.second) % SecondsPerDay + SecondsPerDay) % SecondsPerDay;
        if (seconds % 60 != 0 || !slotLengthOfMinutes(seconds / 60)) {
            refusal = IntervalRefusal{row.line, QStringLiteral("%1 is an interval of %2 minutes: slots are %3 "
                                                               "minutes long")
                                                    .arg(IntervalRefusal::quoted(row.timeText))
                                                    .arg(seconds / 60.0)
                                                    .arg(SlotMinutesListText())};
            return -1;
        }
        if (minutes != 0 && seconds / 60 != minutes) {
            refusal = IntervalRefusal{row.line, QStringLiteral("%1 is an interval of %2 minutes, where the "
                                                               "intervals above are %3")
                                                    .arg(IntervalRefusal::quoted(row.timeText))
                                                    .arg(seconds / 60)
                                                    .arg(minutes)};
            return -1;
        }
        minutes = seconds / 60;
    }
    return minutes;
}

// The minutes of the longest slot length that `fits`; the shortest's when
// none does.
template <typename Fits>
int LongestLength(const Fits &fits)
{
    for (auto info = std::rbegin(SlotLengthTable); info != std::rend(SlotLengthTable); ++info) {
        if (fits(*info))
            return info->minutes();
    }
    return SlotLengthTable[0].minutes();
}

} // namespace

IntervalSlotLength IntervalSlotLength::decide(const std::vector<Row> &rows, int chosenMinutes)
{
    IntervalSlotLength length;
    long long gap = SecondsPerDay;
    std::size_t closest = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].at - rows[i - 1].at < gap) {
            gap = rows[i].at - rows[i - 1].at;
            closest = i;
        }
    }
    if (gap < SlotLengthTable[0].spacingSeconds()) {
        length.refusal = IntervalRefusal{rows[closest].line,
                                         QStringLiteral("%1 is only %2 minutes after the time above it: slots are "
                                                        "%3 minutes long")
                                             .arg(IntervalRefusal::quoted(rows[closest].timeText))
                                             .arg(gap / 60.0)
                                             .arg(SlotMinutesListText())};
        return length;
    }
    const int ranged = rangeMinutes(rows, length.refusal);
    if (ranged < 0)
        return length;
    // The intervals' ends settle the length; else the rows' closest spacing
    // gives the longest length it allows, and each shorter one fits too
    // (a 60-minute boundary is a 30- and a 15-minute one).
    int fitted = 0;
    if (ranged > 0) {
        fitted = ranged;
        length.reason = QStringLiteral("the intervals' ends");
    } else if (rows.size() == 1) {
        fitted = LongestLength([&](const SlotLengthInfo &info) { return rows[0].at % info.spacingSeconds() == 0; });
        length.reason = QStringLiteral("one interval alone, the longest slot its start begins");
    } else {
        fitted = LongestLength([&](const SlotLengthInfo &info) { return gap >= info.spacingSeconds(); });
        length.reason = QStringLiteral("the rows' closest spacing");
    }
    length.minutes = fitted;
    if (chosenMinutes > 0) {
        if (ranged > 0 && chosenMinutes != ranged) {
            const Row &row = *std::find_if(rows.begin(), rows.end(), [](const Row &r) { return r.endSecond; });
            length.refusal = IntervalRefusal{row.line, QStringLiteral("%1 is an interval of %2 minutes, not of %3")
                                                           .arg(IntervalRefusal::quoted(row.timeText))
                                                           .arg(ranged)
                                                           .arg(chosenMinutes)};
            return length;
        }
        length.minutes = chosenMinutes;
        length.reason = QStringLiteral("as asked");
    } else if (ranged == 0) {
        for (SlotLength shorter : SlotLengths) {
            if (minutesOf(shorter) < fitted)
                length.otherMinutes.push_back(minutesOf(shorter));
        }
    }
    const long long slotSeconds = length.minutes * 60LL;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].at % slotSeconds != 0) {
            length.refusal = IntervalRefusal{rows[i].line, QStringLiteral("%1 is not on a %2-minute slot boundary")
                                                               .arg(IntervalRefusal::quoted(rows[i].timeText))
                                                               .arg(length.minutes)};
            return length;
        }
    }
    return length;
}

