// SPDX-License-Identifier: MIT
#pragma once

#include "intervalcells.h"
#include "intervalcolumn.h"
#include "intervalfile.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

// One row of an interval file, its cells read.
struct IntervalTableRow
{
    int line = 0; // 1-based
    QString timeText;
    IntervalCells::ClockTime time;
    IntervalSlot values; // fromRow set
    QString dayText;     // the day column's cell; empty without one
};

// An interval file's header and rows read cell by cell, before any row is
// placed on a day: what IntervalFile (one day) and IntervalDays (several)
// share. The first line that is not blank is the header; its separator (tab,
// else semicolon, else comma) splits every line. A cell that does not read
// refuses the whole file, naming its line, column and reason.
class IntervalTable
{
public:
    // Whether the day column ("date", "weekday") is read. A reader of one
    // day leaves it alone, as any column it does not use.
    enum class DayColumn { Ignored, Read };

    static IntervalTable read(const QString &text, DayColumn days);

    const std::optional<IntervalRefusal> &refusal() const { return m_refusal; }
    // Every column of the header, with what it was taken for; kept when a
    // row is refused.
    const QList<IntervalColumn> &columns() const { return m_columns; }
    // The rows in file order; none once refused.
    const std::vector<IntervalTableRow> &rows() const { return m_rows; }
    // The column the file reads for `role`, or -1.
    int columnOf(IntervalColumn::Role role) const;

private:
    bool readHeader(const QString &line, DayColumn days);
    bool readRow(const QString &line, int lineNumber);
    void refuse(int line, const QString &reason);

    std::optional<IntervalRefusal> m_refusal;
    QList<IntervalColumn> m_columns;
    QChar m_separator;
    std::vector<IntervalTableRow> m_rows;
};
