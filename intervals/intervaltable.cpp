// SPDX-License-Identifier: MIT
#include "intervaltable.h"

#include "texts.h"

#include <QStringList>

#include <array>

using namespace IntervalCells;

namespace {

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

} // namespace

IntervalTable IntervalTable::read(const QString &text, DayColumn days)
{
    IntervalTable table;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = body.split(QLatin1Char('\n'));
    bool headerRead = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        const bool ok = headerRead ? table.readRow(lines.at(i), i + 1) : table.readHeader(lines.at(i), days);
        if (!ok)
            return table;
        headerRead = true;
    }
    if (!headerRead)
        table.refuse(0, QStringLiteral("the file is empty"));
    else if (table.m_rows.empty())
        table.refuse(0, QStringLiteral("the file holds no intervals below its header"));
    return table;
}

void IntervalTable::refuse(int line, const QString &reason)
{
    m_refusal = IntervalRefusal{line, reason};
    m_rows.clear();
}

int IntervalTable::columnOf(IntervalColumn::Role role) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns.at(c).role == role && m_columns.at(c).used)
            return c;
    }
    return -1;
}

bool IntervalTable::readHeader(const QString &line, DayColumn days)
{
    if (line.contains(QLatin1Char('\t')))
        m_separator = QLatin1Char('\t');
    else if (line.contains(QLatin1Char(';')))
        m_separator = QLatin1Char(';');
    else
        m_separator = QLatin1Char(',');
    using Role = IntervalColumn::Role;
    std::array<bool, IntervalColumn::RoleCount> seen{};
    for (const QString &cell : splitCells(line, m_separator)) {
        IntervalColumn column = IntervalColumn::recognise(cell);
        const auto role = static_cast<std::size_t>(column.role);
        column.used = column.role != Role::None && !seen[role]
            && (column.role != Role::Day || days == DayColumn::Read);
        seen[role] = true;
        column.use = QStringLiteral("not used");
        m_columns << column;
    }
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
        case Role::Day: column.use = QStringLiteral("day: a date or a weekday"); break;
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

bool IntervalTable::readRow(const QString &line, int lineNumber)
{
    using Role = IntervalColumn::Role;
    const QStringList cells = splitCells(line, m_separator);
    auto cellOf = [&cells](int column) { return column >= 0 && column < cells.size() ? cells.at(column) : QString(); };
    auto refuseCell = [&](int column, const QString &problem) {
        refuse(lineNumber, QStringLiteral("%1 in the column %2 %3")
                               .arg(quoted(cellOf(column)), quoted(m_columns.at(column).header), problem));
        return false;
    };
    IntervalTableRow row;
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
    row.values.fromRow = true;
    row.dayText = cellOf(columnOf(Role::Day));

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
    m_rows.push_back(row);
    return true;
}
