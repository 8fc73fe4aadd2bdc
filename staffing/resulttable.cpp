// SPDX-License-Identifier: MIT
#include "resulttable.h"

#include <algorithm>

ResultTable::ResultTable()
    : m_rows(2)
{
}

void ResultTable::setRowCount(int count)
{
    m_rows.resize(static_cast<std::size_t>(std::max(count, 1)));
    clampCurrentCell();
}

void ResultTable::setFixedColumns(int count)
{
    m_fixedColumns = std::clamp(count, 0, ColumnCount - 1);
    clampCurrentCell();
}

QString ResultTable::cell(int column, int row) const
{
    if (column < 0 || column >= ColumnCount || row < 0 || row >= rowCount())
        return QString();
    // Checked access as well: a wrong range test throws instead of reading
    // past the rows.
    return m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void ResultTable::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= ColumnCount || row < 0 || row >= rowCount())
        return;
    m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = text;
}

void ResultTable::clearRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_rows.at(static_cast<std::size_t>(row)).fill(QString());
}

void ResultTable::setCurrentCell(int column, int row)
{
    m_currentColumn = column;
    m_currentRow = row;
    clampCurrentCell();
}

void ResultTable::clampCurrentCell()
{
    m_currentColumn = std::clamp(m_currentColumn, m_fixedColumns, ColumnCount - 1);
    m_currentRow = std::clamp(m_currentRow, 1, std::max(1, rowCount() - 1));
}
