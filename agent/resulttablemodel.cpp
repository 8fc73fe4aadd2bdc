// SPDX-License-Identifier: MIT
#include "resulttablemodel.h"

#include "resulttable.h"
#include "spokenheader.h"

#include <algorithm>

ResultTableModel::ResultTableModel(ResultTable &table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_shownRows(rowCount())
    , m_shownFixedColumns(table.fixedColumns())
    , m_columns(table.shownColumns())
{
}

int ResultTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(0, m_table.rowCount() - 1);
}

int ResultTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

int ResultTableModel::tableColumn(int modelColumn) const
{
    if (modelColumn < 0 || modelColumn >= columnCount())
        return -1;
    return m_columns[static_cast<std::size_t>(modelColumn)];
}

int ResultTableModel::modelColumn(int tableColumn) const
{
    const auto found = std::find(m_columns.begin(), m_columns.end(), tableColumn);
    return found == m_columns.end() ? -1 : static_cast<int>(found - m_columns.begin());
}

QModelIndex ResultTableModel::indexOfCell(int tableColumn, int tableRow) const
{
    const int column = modelColumn(tableColumn);
    return column < 0 ? QModelIndex() : index(tableRow - 1, column);
}

QVariant ResultTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_table.cell(tableColumn(index), tableRow(index));
    return {};
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Horizontal) {
        const QString shown = m_table.cell(tableColumn(section), 0);
        return role == Qt::AccessibleTextRole ? SpokenHeader(shown) : shown;
    }
    // A row is known by its first cell: the number of agents, or the slot's
    // start time. The grid hides this header; screen readers read it with
    // each cell of the row.
    return m_table.cell(0, section + 1);
}

bool ResultTableModel::isFixedColumn(int column) const
{
    const int shown = tableColumn(column);
    return shown >= 0 && shown < m_table.fixedColumns();
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) || isFixedColumn(index.column()))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    // What the roster gives, and "Sched", follow from other cells: only
    // "Have" and the slot times of the extra columns take typing.
    const int column = tableColumn(index);
    const bool typed = column < ResultTable::ColumnCount || column == ResultTable::HaveColumn
        || column == ResultTable::SlotTalkColumn || column == ResultTable::SlotWrapColumn;
    if (m_editingAllowed && typed)
        result |= Qt::ItemIsEditable;
    return result;
}

bool ResultTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_table.setCell(tableColumn(index), tableRow(index), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void ResultTableModel::setEditingAllowed(bool allowed)
{
    if (allowed == m_editingAllowed)
        return;
    beginResetModel();
    m_editingAllowed = allowed;
    endResetModel();
}

void ResultTableModel::tableChanged()
{
    const std::vector<int> columns = m_table.shownColumns();
    if (rowCount() != m_shownRows || m_table.fixedColumns() != m_shownFixedColumns || columns != m_columns) {
        beginResetModel();
        m_shownRows = rowCount();
        m_shownFixedColumns = m_table.fixedColumns();
        m_columns = columns;
        endResetModel();
        return;
    }
    const int lastColumn = columnCount() - 1;
    if (m_shownRows > 0)
        emit dataChanged(index(0, 0), index(m_shownRows - 1, lastColumn));
    emit headerDataChanged(Qt::Horizontal, 0, lastColumn);
    if (m_shownRows > 0)
        emit headerDataChanged(Qt::Vertical, 0, m_shownRows - 1);
}

void ResultTableModel::cellChanged(int tableColumn, int tableRow)
{
    const QModelIndex changed = indexOfCell(tableColumn, tableRow);
    if (changed.isValid())
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}
