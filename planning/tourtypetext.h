// SPDX-License-Identifier: MIT
#pragma once

#include "tourtype.h"
#include "weekinputproblem.h"

#include <QString>

#include <optional>

// A tour type as one line of text, as the command line, a tours file and a
// week file hold it:
//   NAME,DAYS,OFF,BAND,HOURS,SHIFTS[,max=N]
// DAYS "5" or a range "3-4"; OFF "consecutive" or "any"; BAND whole minutes
// or "free"; HOURS the week's paid hours "37:30-40:00" (h:mm or whole hours,
// one value for a fixed number); SHIFTS the shift type names joined by "+".
// The name may not hold a comma, and a shift type named in a tour may not
// hold a "+".
QString TourTypeText(const TourType &tour);

// What reading a line found: the tour type, or the field that is not
// readable and why (the message names the tour and the field).
struct TourTypeRead
{
    std::optional<TourType> type;
    TourField field = TourField::Name;
    QString message;
};
TourTypeRead ParseTourTypeText(const QString &text);
