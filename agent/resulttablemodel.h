// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

class ResultTable;

// Shows a result table in a view. The table's row 0 (its headers) is the
// horizontal header; table row r is model row r - 1. Cells of the fixed
// columns can be neither selected nor edited; the other cells are editable
// while editing is allowed (the Schedule tab). Each row's vertical header is
// its first cell (agents or slot time), and the accessible text of a column
// header spells the short header out, so that a screen reader reads a cell
// with its row and column.
class ResultTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ResultTableModel(ResultTable &table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    void setEditingAllowed(bool allowed);
    bool editingAllowed() const { return m_editingAllowed; }
    bool isFixedColumn(int column) const;

    // Tells the views that the table was rewritten: a reset when its shape
    // changed, otherwise a change of every cell and header.
    void tableChanged();
    // Tells the views that one cell's text changed.
    void cellChanged(int column, int tableRow);

    static int tableRow(const QModelIndex &index) { return index.row() + 1; }
    QModelIndex indexOfCell(int column, int tableRow) const { return index(tableRow - 1, column); }

private:
    ResultTable &m_table;
    bool m_editingAllowed = false;
    int m_shownRows = 0;
    int m_shownFixedColumns = 0;
};
