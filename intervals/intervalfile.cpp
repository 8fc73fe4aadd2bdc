// SPDX-License-Identifier: MIT
#include "intervalfile.h"

#include "intervalslotlength.h"
#include "intervaltable.h"
#include "texts.h"
#include "timeslots.h"

#include <QDate>

#include <set>

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

QString quoted(const QString &text)
{
    return IntervalRefusal::quoted(text);
}

QString clockText(int second)
{
    return Calc::ClockText(second / 60 % Calc::MinutesPerDay);
}

} // namespace

QString IntervalRefusal::quoted(const QString &text)
{
    return QLatin1Char('"') + text.left(24) + (text.size() > 24 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

QString IntervalRefusal::text() const
{
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(reason) : reason;
}

IntervalFile IntervalFile::read(const QString &text, int slotMinutes)
{
    IntervalFile file;
    if (text.size() > MaxTextLength) {
        file.refuse(0, QStringLiteral("the file is longer than an interval file can be"));
        return file;
    }
    const IntervalTable table = IntervalTable::read(text, IntervalTable::DayColumn::Ignored);
    file.m_columns = table.columns();
    if (table.refusal()) {
        file.refuse(table.refusal()->line, table.refusal()->reason);
        return file;
    }
    file.placeRows(table.rows(), slotMinutes);
    return file;
}

IntervalFile IntervalFile::fromBytes(const QByteArray &bytes, int slotMinutes)
{
    if (bytes.size() > MaxTextLength) {
        IntervalFile file;
        file.refuse(0, QStringLiteral("the file is longer than an interval file can be"));
        return file;
    }
    return read(QString::fromUtf8(bytes), slotMinutes);
}

void IntervalFile::refuse(int line, const QString &reason)
{
    m_refusal = IntervalRefusal{line, reason};
    m_slots.clear();
    m_otherSlotMinutes.clear();
}

bool IntervalFile::placeRows(const std::vector<IntervalTableRow> &rows, int chosenMinutes)
{
    // Each row's second counted from midnight of the first row's day: a
    // date says the day; without one a time below the one above passes
    // midnight.
    std::vector<long long> at(rows.size());
    std::set<int> seen;
    const std::optional<QDate> firstDate = rows.front().time.date;
    int day = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const IntervalTableRow &row = rows[i];
        auto refuseRow = [&](const QString &problem) {
            refuse(row.line, quoted(row.timeText) + QLatin1Char(' ') + problem);
            return false;
        };
        if (!seen.insert(row.time.second).second)
            return refuseRow(QStringLiteral("repeats a time given above"));
        if (row.time.date && firstDate) {
            at[i] = firstDate->daysTo(*row.time.date) * SecondsPerDay + row.time.second;
        } else {
            at[i] = static_cast<long long>(day) * SecondsPerDay + row.time.second;
            if (i > 0 && at[i] <= at[i - 1]) {
                ++day;
                at[i] += SecondsPerDay;
            }
        }
        if (i > 0 && at[i] <= at[i - 1])
            return refuseRow(QStringLiteral("comes before the time above it: the rows must follow the day in order"));
        if (at[i] < at[0] || at[i] - at[0] >= SecondsPerDay)
            return refuseRow(QStringLiteral("falls outside the day of 24 hours from %1").arg(clockText(rows.front().time.second)));
    }

    std::vector<IntervalSlotLength::Row> times;
    for (std::size_t i = 0; i < rows.size(); ++i)
        times.push_back({rows[i].line, rows[i].timeText, at[i], rows[i].time.second, rows[i].time.endSecond});
    const IntervalSlotLength length = IntervalSlotLength::decide(times, chosenMinutes);
    if (length.refusal) {
        refuse(length.refusal->line, length.refusal->reason);
        return false;
    }
    m_slotMinutes = length.minutes;
    m_slotLengthReason = length.reason;
    m_otherSlotMinutes = length.otherMinutes;
    const long long slotSeconds = m_slotMinutes * 60LL;
    m_firstMinute = static_cast<int>(at[0] / 60 % (24 * 60));
    m_slots.assign(static_cast<std::size_t>((at.back() - at[0]) / slotSeconds + 1), IntervalSlot());
    for (std::size_t i = 0; i < rows.size(); ++i)
        m_slots[static_cast<std::size_t>((at[i] - at[0]) / slotSeconds)] = rows[i].values;
    return true;
}

QString IntervalFile::startText() const
{
    return Calc::ClockText(m_firstMinute);
}

QString IntervalFile::endText() const
{
    // An end at midnight is the end of the day, 24:00; a later one wraps.
    const int end = m_firstMinute + static_cast<int>(m_slots.size()) * m_slotMinutes;
    return Calc::ClockText(end == Calc::MinutesPerDay ? end : end % Calc::MinutesPerDay);
}

bool IntervalFile::hasTimes() const
{
    for (const IntervalSlot &slot : m_slots) {
        if (slot.talkSeconds || slot.wrapSeconds)
            return true;
    }
    return false;
}

long long IntervalFile::totalCalls() const
{
    long long total = 0;
    for (const IntervalSlot &slot : m_slots)
        total += slot.calls;
    return total;
}
