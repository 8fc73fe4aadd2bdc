// SPDX-License-Identifier: MIT
#pragma once

#include "celltext.h"

#include <QString>

#include <array>
#include <vector>

// The result grid of an agent window as plain data: 9 columns of cell texts,
// row 0 the headers, a number of fixed (header) columns and a current cell.
// Every table of the window is written here as text; reports, graphs, files
// and the on-screen grid read these texts.
class ResultTable
{
public:
    static constexpr int ColumnCount = 9;
    // The Schedule tab's columns: "Time", "Calls", "Agents", "Srv Lvl",
    // "Queued", "Abndon", "Usage", "Ave Ans", "Trunks".
    enum ScheduleColumn { TimeColumn, CallsColumn, SlotAgentsColumn, SlotServiceColumn, SlotQueuedColumn,
                          SlotAbandonColumn, SlotUsageColumn, SlotAnswerColumn, SlotTrunksColumn };
    // The Agents tab's columns: "Agents", "Srv Lvl", "Queued", "Abndon",
    // "Usage", "Ave Ans", "Q Time", "Avg Q", "Trunks".
    enum AgentsColumn { AgentsColumn, ServiceColumn, QueuedColumn, AbandonColumn, UsageColumn, AnswerColumn,
                        QueueTimeColumn, QueueLengthColumn, TrunksColumn };
    using Row = std::array<QString, ColumnCount>;
    // Columns beyond the nine, shown only while a planning option or a
    // roster asks for them; they never move the nine's own numbers.
    // "Sched" stands after the agents column; the roster's columns ("Have",
    // "Gap" and what the roster gives) follow the nine; the slots' own talk
    // and after-call times ("Talk", "ACW") and the handle time each slot
    // is computed with ("AHT") stand after the calls.
    enum ExtraColumn { SchedColumn = ColumnCount, HaveColumn, GapColumn, HaveServiceColumn, HaveQueuedColumn,
                       HaveAbandonColumn, HaveUsageColumn, HaveAnswerColumn, SlotTalkColumn, SlotWrapColumn,
                       SlotHandleColumn, EndOfColumns };
    static constexpr int ExtraColumnCount = EndOfColumns - ColumnCount;

    ResultTable();

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Rows beyond a smaller count are dropped with their texts; new rows are
    // empty. The current row is kept within the rows below the header.
    void setRowCount(int count);

    int fixedColumns() const { return m_fixedColumns; }
    void setFixedColumns(int count);

    // The extra columns shown, in ExtraColumn order, and the column that
    // "Sched" follows; none at first.
    void setShownExtraColumns(const std::vector<int> &columns, int schedAfter);
    const std::vector<int> &shownExtraColumns() const { return m_shownExtra; }
    bool isShown(int column) const;
    // Whether `column` is an extra column that takes typing: "Have",
    // "Talk" or "ACW" while shown.
    bool isTypedExtraColumn(int column) const;
    // Every column shown, in the order shown: the nine, with the extra ones
    // in their places.
    std::vector<int> shownColumns() const;

    // Out-of-range cells read as empty and ignore writes; an extra column is
    // in range while it is shown.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    // The same without allocating when the cell's string is its own and
    // long enough: the tables' figures go in this way.
    void setCell(int column, int row, const Calc::CellText &text);
    void clearRow(int row);

    const Row &row(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    int currentColumn() const { return m_currentColumn; }
    int currentRow() const { return m_currentRow; }
    // Clamped to the non-fixed cells of the table.
    void setCurrentCell(int column, int row);

private:
    void clampCurrentCell();

    using ExtraRow = std::array<QString, ExtraColumnCount>;
    // The nine, which every table writes, here where the compiler can
    // inline them; the extra columns in extraCellText.
    QString *cellText(int column, int row)
    {
        if (column < 0 || row < 0 || row >= rowCount())
            return nullptr;
        // Checked access as well: a wrong range test throws instead of
        // reading past the rows.
        if (column < ColumnCount)
            return &m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
        return extraCellText(column, row);
    }
    QString *extraCellText(int column, int row);

    std::vector<Row> m_rows;
    std::vector<ExtraRow> m_extraRows;
    std::vector<int> m_shownExtra;
    int m_schedAfter = 0;
    int m_fixedColumns = 0;
    int m_currentColumn = 0;
    int m_currentRow = 1;
};
