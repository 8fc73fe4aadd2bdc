// SPDX-License-Identifier: MIT
#pragma once

#include "shiftinputproblem.h"
#include "shifttype.h"

#include <QString>

#include <optional>

// A shift type as one line of text, as the command line, a shifts file and
// a scenario file hold it:
//   NAME,LENGTH,EARLIEST,LATEST[,BREAK,FROM,TO[,paid]][,max=N]
// LENGTH, BREAK, FROM and TO are lengths "h:mm" (or whole hours), FROM and
// TO counted from the shift's start; EARLIEST and LATEST are times of day
// "hh:mm". The name may not hold a comma.
QString ShiftTypeText(const ShiftType &type);

// What reading a line found: the type, or the field that is not readable
// and why (the message names the shift and the field).
struct ShiftTypeRead
{
    std::optional<ShiftType> type;
    ShiftField field = ShiftField::Name;
    QString message;
};
ShiftTypeRead ParseShiftTypeText(const QString &text);

// The columns of a shift type as a table shows them: name, length,
// earliest, latest, break length, break from, break to, paid break ("yes"
// or empty), maximum agents (empty: none). A break is set by its length.
enum ShiftTypeColumn { NameColumn, LengthColumn, EarliestColumn, LatestColumn, BreakColumn, BreakFromColumn,
                       BreakToColumn, PaidColumn, MaxColumn, ShiftTypeColumnCount };
QStringList ShiftTypeCells(const ShiftType &type);
// The type a table row holds, read by the rules of a line; a name with a
// comma or a line break is refused, since a saved line could not hold it.
ShiftTypeRead ReadShiftTypeCells(const QStringList &cells);
// The table column of a field.
int ShiftTypeColumnOf(ShiftField field);
