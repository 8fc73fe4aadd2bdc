// SPDX-License-Identifier: MIT
#pragma once

#include "daytotalslines.h"
#include "resulttable.h"

#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;

// A cell of a result table: row 0 is the header row.
struct TableCell
{
    int column = 0;
    int row = 0;
};

// A block of a result table as it goes to a spreadsheet: the header row of
// its columns first, then its rows, every cell as the grid shows it. The
// columns are those shown (extra ones included), in the order shown.
class TableCopy
{
public:
    // Every row and column of the table, then the day's lines given (the
    // Schedule's totals, see DayTotalsLines) as two cells each.
    static TableCopy wholeTable(const ResultTable &table, const std::vector<TotalsLine> &dayLines = {});
    // The rows and columns that hold a selected cell, under those columns'
    // headers; a cell of that block that is not selected stays empty. Header
    // cells and cells outside the table are not selectable and are ignored.
    static TableCopy selectedCells(const ResultTable &table, const QList<TableCell> &cells);
    // What Copy takes from the grid: the selection when the planner chose
    // more than the grid selects by itself (its current cell, or with whole
    // rows selected its current row), else the whole table; a selection of
    // every cell outside the fixed columns is the whole table too.
    // `wholeRows`: the grid selects whole rows (the Agents tab).
    // A whole table ends with `dayLines`; a selection never does.
    static TableCopy forCopy(const ResultTable &table, const QList<TableCell> &selected, bool wholeRows,
                             const std::vector<TotalsLine> &dayLines = {});

    // Rows made elsewhere (a week's tables), the header row first.
    static TableCopy ofRows(QList<QStringList> rows);

    // The header row first.
    const QList<QStringList> &rows() const { return m_rows; }

    // Tab-separated: one line per row, each ended by a line feed. A tab or
    // line break inside a cell becomes a blank, so the columns stay whole.
    QString text() const;
    // An HTML table with the header row in <th> cells.
    QString html() const;
    // Both forms together, for the clipboard.
    QMimeData *mimeData() const;

private:
    QList<QStringList> m_rows;
};
