// SPDX-License-Identifier: MIT
#pragma once

#include "intervaldays.h"
#include "weekscenario.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// Puts one week of an interval file of several days into a week's days, as
// IntervalImport puts a day into a scenario: the slot length from the
// file; each day the file holds open from its first interval's start to its
// last one's end, with each slot's calls and own talk and after-call times
// (a slot without a row: no calls, the settings' times); a day the file
// does not hold closed. With dates every day of the week gets its own,
// closed days too. The call settings, planning options, shift and tour
// types stay as they are.
class IntervalWeekImport
{
public:
    // The week of an accepted file that starts on `monday` (ignored for a
    // file of weekdays). Why it cannot be taken, with nothing changed;
    // empty when it was applied.
    static std::optional<QString> apply(WeekScenario &week, const IntervalDays &file, const QDate &monday);
    // The same for a week's days already at hand (a forecast's), Monday
    // first, in slots of `slotMinutes`; with a valid `monday` every day gets
    // its date.
    static std::optional<QString> applyDays(WeekScenario &week, const IntervalWeek &days, int slotMinutes,
                                            const QDate &monday);

    // Which week of an accepted file to take: the one holding `dateInWeek`, else the
    // file's only one; none (and why, in *reason) when the date lies in no
    // week of the file or the file holds several and none was asked for.
    // A file of weekdays is one week whatever the date: an invalid date.
    static std::optional<QDate> chooseWeek(const IntervalDays &file, const std::optional<QDate> &dateInWeek,
                                           QString *reason);
};
