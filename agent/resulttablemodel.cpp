// SPDX-License-Identifier: MIT
#include "resulttablemodel.h"

#include "resulttable.h"
#include "spokenheader.h"

ResultTableModel::ResultTableModel(ResultTable &table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_shownRows(rowCount())
    , m_shownFixedColumns(table.fixedColumns())
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
    return parent.isValid() ? 0 : ResultTable::ColumnCount;
}

QVariant ResultTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_table.cell(index.column(), tableRow(index));
    return {};
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Horizontal) {
        const QString shown = m_table.cell(section, 0);
        return role == Qt::AccessibleTextRole ? SpokenHeader(shown) : shown;
    }
    // A row is known by its first cell: the number of agents, or the slot's
    // start time. The grid hides this header; screen readers read it with
    // each cell of the row.
    return m_table.cell(0, section + 1);
}

bool ResultTableModel::isFixedColumn(int column) const
{
    return column < m_table.fixedColumns();
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) || isFixedColumn(index.column()))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_editingAllowed)
        result |= Qt::ItemIsEditable;
    return result;
}

bool ResultTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_table.setCell(index.column(), tableRow(index), value.toString());
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
    if (rowCount() != m_shownRows || m_table.fixedColumns() != m_shownFixedColumns) {
        beginResetModel();
        m_shownRows = rowCount();
        m_shownFixedColumns = m_table.fixedColumns();
        endResetModel();
        return;
    }
    if (m_shownRows > 0)
        emit dataChanged(index(0, 0), index(m_shownRows - 1, ResultTable::ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ResultTable::ColumnCount - 1);
    if (m_shownRows > 0)
        emit headerDataChanged(Qt::Vertical, 0, m_shownRows - 1);
}

void ResultTableModel::cellChanged(int column, int tableRow)
{
    const QModelIndex changed = indexOfCell(column, tableRow);
    if (changed.isValid())
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}
