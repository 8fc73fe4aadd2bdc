// SPDX-License-Identifier: MIT
#include "intervalfile.h"

#include "intervalcells.h"
#include "intervalslotlength.h"
#include "texts.h"
#include "timeslots.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <set>

using namespace IntervalCells;

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

QString quoted(const QString &text)
{
    return IntervalRefusal::quoted(text);
}

// A slot's talk and after-call seconds from its handle, talk and
// after-call cells (each empty when not given): with a handle time, the part
// not given is the rest of it; given neither part, it is all talk.
void splitHandleTime(const std::optional<int> &handle, const std::optional<int> &talk,
                     const std::optional<int> &wrap, IntervalSlot &slot)
{
    slot.talkSeconds = talk;
    slot.wrapSeconds = wrap;
    if (!handle || (talk && wrap))
        return;
    if (talk) {
        slot.wrapSeconds = *handle - *talk;
    } else {
        slot.talkSeconds = *handle - wrap.value_or(0);
        slot.wrapSeconds = wrap.value_or(0);
    }
}

QString clockText(int second)
{
    return Calc::ClockText(second / 60 % Calc::MinutesPerDay);
}

} // namespace

struct IntervalFile::Row
{
    int line = 0;
    QString timeText;
    ClockTime time;
    IntervalSlot values;
};

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
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = body.split(QLatin1Char('\n'));
    std::vector<Row> rows;
    bool headerRead = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        const bool ok = headerRead ? file.readRow(lines.at(i), i + 1, rows) : file.readHeader(lines.at(i));
        if (!ok)
            return file;
        headerRead = true;
    }
    if (!headerRead) {
        file.refuse(0, QStringLiteral("the file is empty"));
        return file;
    }
    if (rows.empty()) {
        file.refuse(0, QStringLiteral("the file holds no intervals below its header"));
        return file;
    }
    file.placeRows(rows, slotMinutes);
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

int IntervalFile::columnOf(IntervalColumn::Role role) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns.at(c).role == role && m_columns.at(c).used)
            return c;
    }
    return -1;
}

bool IntervalFile::readHeader(const QString &line)
{
    if (line.contains(QLatin1Char('\t')))
        m_separator = QLatin1Char('\t');
    else if (line.contains(QLatin1Char(';')))
        m_separator = QLatin1Char(';');
    else
        m_separator = QLatin1Char(',');
    std::array<bool, IntervalColumn::RoleCount> seen{};
    for (const QString &cell : splitCells(line, m_separator)) {
        IntervalColumn column = IntervalColumn::recognise(cell);
        const auto role = static_cast<std::size_t>(column.role);
        column.used = column.role != IntervalColumn::Role::None && !seen[role];
        seen[role] = true;
        column.use = QStringLiteral("not used");
        m_columns << column;
    }
    using Role = IntervalColumn::Role;
    const bool talk = seen[static_cast<std::size_t>(Role::Talk)];
    const bool wrap = seen[static_cast<std::size_t>(Role::Wrap)];
    for (IntervalColumn &column : m_columns) {
        if (!column.used)
            continue;
        switch (column.role) {
        case Role::Time: column.use = QStringLiteral("interval start"); break;
        case Role::Calls: column.use = QStringLiteral("calls"); break;
        case Role::Talk: column.use = QStringLiteral("talk time"); break;
        case Role::Wrap: column.use = QStringLiteral("after-call work"); break;
        case Role::HandleTime:
            if (talk && wrap) {
                column.used = false;
                column.use = QStringLiteral("not used (talk and after-call work are given)");
            } else if (talk)
                column.use = QStringLiteral("handle time: after-call work is the rest after talk");
            else if (wrap)
                column.use = QStringLiteral("handle time: talk is the rest after after-call work");
            else
                column.use = QStringLiteral("talk time, no after-call work");
            break;
        case Role::None: break;
        }
    }
    if (columnOf(Role::Time) < 0) {
        refuse(1, QStringLiteral("no column of interval start times (a header \"time\", \"interval\" or \"start\")"));
        return false;
    }
    if (columnOf(Role::Calls) < 0) {
        refuse(1, QStringLiteral("no column of calls (a header \"calls\", \"offered\" or \"volume\")"));
        return false;
    }
    for (const IntervalColumn &column : m_columns) {
        if (column.isDuration() && column.secondsPerNumber == 0 && column.used) {
            refuse(1, QStringLiteral("the unit of the column %1 is not seconds, minutes, mm:ss or hh:mm:ss")
                          .arg(quoted(column.header)));
            return false;
        }
    }
    return true;
}

bool IntervalFile::readRow(const QString &line, int lineNumber, std::vector<Row> &rows)
{
    using Role = IntervalColumn::Role;
    const QStringList cells = splitCells(line, m_separator);
    auto cellOf = [&cells](int column) { return column >= 0 && column < cells.size() ? cells.at(column) : QString(); };
    auto refuseCell = [&](int column, const QString &problem) {
        refuse(lineNumber, QStringLiteral("%1 in the column %2 %3")
                               .arg(quoted(cellOf(column)), quoted(m_columns.at(column).header), problem));
        return false;
    };
    Row row;
    row.line = lineNumber;
    const int timeColumn = columnOf(Role::Time);
    row.timeText = cellOf(timeColumn);
    const std::optional<ClockTime> time = parseClock(row.timeText);
    if (!time)
        return refuseCell(timeColumn, QStringLiteral("is not a time of day hh:mm"));
    row.time = *time;
    const int callsColumn = columnOf(Role::Calls);
    const Calc::CellRead calls = parseCalls(cellOf(callsColumn), m_separator != QLatin1Char(','));
    if (!calls.problem.isEmpty())
        return refuseCell(callsColumn, calls.problem);
    row.values.calls = *calls.value;

    // Each duration column read on its own first, then talk and after-call
    // work made of them.
    std::optional<int> read[3];
    const Role durations[3] = {Role::HandleTime, Role::Talk, Role::Wrap};
    for (int d = 0; d < 3; ++d) {
        const int column = columnOf(durations[d]);
        if (column < 0)
            continue;
        const Calc::CellRead cell = Calc::ParseDuration(cellOf(column), m_columns.at(column).secondsPerNumber,
                                                        m_separator != QLatin1Char(','), Calc::LongestDurationSeconds);
        if (!cell.problem.isEmpty())
            return refuseCell(column, cell.problem);
        read[d] = cell.value;
    }
    splitHandleTime(read[0], read[1], read[2], row.values);
    if (row.values.talkSeconds.value_or(0) < 0 || row.values.wrapSeconds.value_or(0) < 0)
        return refuseCell(columnOf(Role::HandleTime), QStringLiteral("is shorter than the %1 beside it")
                                                          .arg(read[1] ? QStringLiteral("talk time")
                                                                       : QStringLiteral("after-call work")));
    rows.push_back(row);
    return true;
}

bool IntervalFile::placeRows(const std::vector<Row> &rows, int chosenMinutes)
{
    // Each row's second counted from midnight of the first row's day: a
    // date says the day; without one a time below the one above passes
    // midnight.
    std::vector<long long> at(rows.size());
    std::set<int> seen;
    const std::optional<QDate> firstDate = rows.front().time.date;
    int day = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
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
