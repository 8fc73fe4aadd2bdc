// SPDX-License-Identifier: MIT
#pragma once

#include "intervalfile.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class IntervalTable;

// One day of an interval file of several days: its slots from its first
// row to its last, in the file's slot length. A slot between rows has no
// row (IntervalSlot::fromRow false): no data, not a slot without calls.
struct IntervalDay
{
    std::optional<QDate> date; // none in a file of weekdays
    int weekday = 1;           // 1 = Monday ... 7 = Sunday
    int firstMinute = 0;       // minute of the day the first slot starts
    std::vector<IntervalSlot> slotValues; // not "slots": a Qt keyword
};

// The seven days of a week, Monday first; a day the file does not hold is
// closed (none).
using IntervalWeek = std::array<std::optional<IntervalDay>, 7>;

// An interval file of several days, as telephone systems export history:
// the columns of IntervalFile and a day column (IntervalColumn::Role::Day)
// of dates or of weekdays (IntervalDayColumn); without one, the dates
// before the times ("2026-12-14 08:30") give the days. The rows of a day
// stand together, its times in order within the day (no row passes
// midnight: the next day is a date of its own); dated days follow in
// order, and no day comes twice. One slot length serves every day: the
// intervals' ends where the time cells give them, else the rows' closest
// spacing, which every day of more than one row must share. Anything wrong
// refuses the whole file, naming the line.
class IntervalDays
{
public:
    // A history of several years at quarter hours fits.
    static constexpr int MaxTextLength = 1 << 25;

    // With `slotMinutes` 0 the file decides the slot length; 15, 30 or 60
    // asks for that length (the days' spacings then need not agree).
    static IntervalDays read(const QString &text, int slotMinutes = 0);
    // The same from a file's bytes in UTF-8; more than MaxTextLength is
    // refused as too long.
    static IntervalDays fromBytes(const QByteArray &bytes, int slotMinutes = 0);

    bool accepted() const { return !m_refusal.has_value(); }
    const std::optional<IntervalRefusal> &refusal() const { return m_refusal; }
    const QList<IntervalColumn> &columns() const { return m_columns; }
    int slotMinutes() const { return m_slotMinutes; }
    // Days by date, else by weekday.
    bool dated() const { return m_dated; }
    // The days in file order.
    const std::vector<IntervalDay> &days() const { return m_days; }

    // The Mondays of the weeks that hold a day of the file, in order; none
    // for a file of weekdays.
    std::vector<QDate> weeks() const;
    // The week that starts on `monday`; a file of weekdays is one week
    // whatever the date.
    IntervalWeek week(const QDate &monday) const;

private:
    void refuse(int line, const QString &reason);
    bool placeDays(const IntervalTable &table, int chosenMinutes);

    std::optional<IntervalRefusal> m_refusal;
    QList<IntervalColumn> m_columns;
    int m_slotMinutes = 60;
    bool m_dated = true;
    std::vector<IntervalDay> m_days;
};
