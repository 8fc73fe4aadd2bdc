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
    // The extra columns' rows are made when first written (most tables
    // show none); those of dropped rows go with them.
    if (m_extraRows.size() > m_rows.size())
        m_extraRows.resize(m_rows.size());
    clampCurrentCell();
}

void ResultTable::setFixedColumns(int count)
{
    m_fixedColumns = std::clamp(count, 0, ColumnCount - 1);
    clampCurrentCell();
}

void ResultTable::setShownExtraColumns(const std::vector<int> &columns, int schedAfter)
{
    m_shownExtra.clear();
    for (int column = ColumnCount; column < EndOfColumns; ++column) {
        if (std::find(columns.begin(), columns.end(), column) != columns.end())
            m_shownExtra.push_back(column);
    }
    m_schedAfter = schedAfter;
    clampCurrentCell();
}

bool ResultTable::isShown(int column) const
{
    if (column >= 0 && column < ColumnCount)
        return true;
    return std::find(m_shownExtra.begin(), m_shownExtra.end(), column) != m_shownExtra.end();
}

bool ResultTable::isTypedExtraColumn(int column) const
{
    const bool typed = column == HaveColumn || column == SlotTalkColumn || column == SlotWrapColumn;
    return typed && isShown(column);
}

std::vector<int> ResultTable::shownColumns() const
{
    std::vector<int> columns;
    // The slots' own times follow the calls they go with.
    for (int column = 0; column < ColumnCount; ++column) {
        columns.push_back(column);
        if (column == CallsColumn && isShown(SlotTalkColumn))
            columns.insert(columns.end(), {SlotTalkColumn, SlotWrapColumn, SlotHandleColumn});
        if (column == m_schedAfter && isShown(SchedColumn))
            columns.push_back(SchedColumn);
    }
    for (int column : m_shownExtra) {
        if (column != SchedColumn && column != SlotTalkColumn && column != SlotWrapColumn && column != SlotHandleColumn)
            columns.push_back(column);
    }
    return columns;
}

QString *ResultTable::extraCellText(int column, int row)
{
    if (!isShown(column))
        return nullptr;
    if (m_extraRows.size() < m_rows.size())
        m_extraRows.resize(m_rows.size());
    return &m_extraRows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column - ColumnCount));
}

QString ResultTable::cell(int column, int row) const
{
    if (column < 0 || row < 0 || row >= rowCount())
        return QString();
    if (column < ColumnCount)
        return m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    // An extra row not made yet holds no text.
    if (!isShown(column) || static_cast<std::size_t>(row) >= m_extraRows.size())
        return QString();
    return m_extraRows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column - ColumnCount));
}

void ResultTable::setCell(int column, int row, const QString &text)
{
    if (QString *cell = cellText(column, row))
        *cell = text;
}

void ResultTable::setCell(int column, int row, const Calc::CellText &text)
{
    // Assigning Latin-1 text reuses a string buffer that is not shared.
    if (QString *cell = cellText(column, row))
        *cell = text.view();
}

void ResultTable::clearRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_rows.at(static_cast<std::size_t>(row)).fill(QString());
    if (static_cast<std::size_t>(row) < m_extraRows.size())
        m_extraRows.at(static_cast<std::size_t>(row)).fill(QString());
}

void ResultTable::setCurrentCell(int column, int row)
{
    m_currentColumn = column;
    m_currentRow = row;
    clampCurrentCell();
}

void ResultTable::clampCurrentCell()
{
    // A shown extra column (the roster's "Have" cells take typing) may hold
    // the current cell; a hidden one gives it back to the nine.
    const bool shownExtra = m_currentColumn >= ColumnCount && isShown(m_currentColumn);
    if (!shownExtra)
        m_currentColumn = std::clamp(m_currentColumn, m_fixedColumns, ColumnCount - 1);
    m_currentRow = std::clamp(m_currentRow, 1, std::max(1, rowCount() - 1));
}
