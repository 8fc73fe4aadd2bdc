// SPDX-License-Identifier: MIT
#pragma once

#include "intervalcolumn.h"

struct IntervalTableRow;

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// Why an interval file was refused: the line (1-based, 0 for the file as a
// whole) and the reason, beginning with the value where there is one.
struct IntervalRefusal
{
    int line = 0;
    QString reason;
    // "line 4: \"08:10\" is not on a 30-minute slot boundary".
    QString text() const;
    // A cell's text as a reason quotes it: in double quotes, cut after 24
    // characters.
    static QString quoted(const QString &text);
};

// One time slot of an interval file, in the file's slot length. A slot
// without a row of its own has no calls and no times of its own; to a
// history it is no data, not a slot without calls.
struct IntervalSlot
{
    int calls = 0;
    std::optional<int> talkSeconds; // whole seconds, 0..Calc::LongestDurationSeconds
    std::optional<int> wrapSeconds;
    bool fromRow = false; // a row of the file gave the slot
};

// A planner's interval forecast as telephone systems and spreadsheets export
// it: a header row, then one row per interval, cells separated by tabs,
// semicolons or commas (the first of these in the header). The header names
// say which column is what (IntervalColumn); times of day may carry an ISO
// date before them and an interval's end after them ("08:00 - 08:30").
// Durations are seconds (with decimals), mm:ss or hh:mm:ss, rounded to whole
// seconds. A file with anything wrong is refused as a whole. A day column
// ("date", "weekday") is not used: a file of several days is read by
// IntervalDays.
class IntervalFile
{
public:
    // Texts beyond this many characters are refused unread.
    static constexpr int MaxTextLength = 1 << 20;

    // With `slotMinutes` 0 the file decides the slot length (slotMinutes());
    // 15, 30 or 60 asks for that length, refused where the rows do not fit
    // it (off its boundaries, or intervals of another length).
    static IntervalFile read(const QString &text, int slotMinutes = 0);
    // The same from a file's bytes in UTF-8, read up to MaxTextLength + 1
    // bytes: more is refused as too long.
    static IntervalFile fromBytes(const QByteArray &bytes, int slotMinutes = 0);

    bool accepted() const { return !m_refusal.has_value(); }
    const std::optional<IntervalRefusal> &refusal() const { return m_refusal; }
    // Every column of the header, with what it was taken for.
    const QList<IntervalColumn> &columns() const { return m_columns; }
    // 15, 30 or 60: the length asked for; else the intervals' own length
    // where a time cell gives its end ("08:00 - 08:15"), else the longest
    // that the rows' closest spacing allows (one row alone: the longest
    // slot its time starts).
    int slotMinutes() const { return m_slotMinutes; }
    // Why the file has that length, for the planner to see ("the rows'
    // closest spacing").
    QString slotLengthReason() const { return m_slotLengthReason; }
    // The other lengths the rows fit as well, shortest first: none where the
    // intervals' ends or the planner decided. A row of a longer length then
    // stands for one slot, and the slots between rows have no calls.
    const std::vector<int> &otherSlotMinutes() const { return m_otherSlotMinutes; }
    // The slots from the first interval to the last, gaps included.
    const std::vector<IntervalSlot> &daySlots() const { return m_slots; }
    // "hh:mm" of the first interval's start and of the last one's end
    // ("24:00" when it ends at midnight).
    QString startText() const;
    QString endText() const;
    // Whether some slot has a talk or after-call time of its own.
    bool hasTimes() const;
    // The rows' calls added up.
    long long totalCalls() const;

private:
    bool placeRows(const std::vector<IntervalTableRow> &rows, int chosenMinutes);
    void refuse(int line, const QString &reason);

    std::optional<IntervalRefusal> m_refusal;
    QList<IntervalColumn> m_columns;
    int m_slotMinutes = 60;
    int m_firstMinute = 0;
    QString m_slotLengthReason;
    std::vector<int> m_otherSlotMinutes;
    std::vector<IntervalSlot> m_slots;
};
