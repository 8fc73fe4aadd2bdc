// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include <vector>

class ResultTable;

// Shows a result table in a view. The table's row 0 (its headers) is the
// horizontal header; table row r is model row r - 1. The model's columns are
// the table's shown columns in display order (ResultTable::shownColumns): the
// nine first, "Sched" after the agents column and the roster's columns at the
// end while they are shown; without them model column c is table column c.
// Cells of the fixed columns can be neither selected nor edited; while
// editing is allowed (the Schedule tab) the nine's other cells and the
// roster's "Have" cells are editable, the other extra columns read-only. Each
// row's vertical header is its first cell (agents or slot time), and the
// accessible text of a column header spells the short header out, so that a
// screen reader reads a cell with its row and column.
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
    // `column`: a model column.
    bool isFixedColumn(int column) const;

    // The table column a model column shows (-1 outside the model), and the
    // model column that shows a table column (-1 while it is hidden).
    int tableColumn(int modelColumn) const;
    int modelColumn(int tableColumn) const;
    static int tableRow(const QModelIndex &index) { return index.row() + 1; }
    int tableColumn(const QModelIndex &index) const { return tableColumn(index.column()); }
    // The index of a cell in the table's numbering; invalid while its column
    // is hidden.
    QModelIndex indexOfCell(int tableColumn, int tableRow) const;

    // Tells the views that the table was rewritten: a reset when its shape
    // changed (rows, fixed or shown columns), otherwise a change of every
    // cell and header.
    void tableChanged();
    // Tells the views that one cell's text changed (table numbering).
    void cellChanged(int tableColumn, int tableRow);

private:
    ResultTable &m_table;
    bool m_editingAllowed = false;
    int m_shownRows = 0;
    int m_shownFixedColumns = 0;
    // The table columns the views were last told of, in display order.
    std::vector<int> m_columns;
};
