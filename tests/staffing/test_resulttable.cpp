// SPDX-License-Identifier: MIT
#include "resulttable.h"

#include <QTest>

class ResultTableTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cellsOutsideTheTable_data();
    void cellsOutsideTheTable();
    void rowCountKeepsAtLeastTheHeader();
    void clearRowEmptiesOnlyThatRow();
    void currentCellStaysInTheEditableCells_data();
    void currentCellStaysInTheEditableCells();
};

namespace {

// Every cell holds "column.row".
ResultTable filled(int rows)
{
    ResultTable table;
    table.setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < ResultTable::ColumnCount; ++c)
            table.setCell(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    return table;
}

} // namespace

void ResultTableTest::cellsOutsideTheTable_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("inside");
    // A table of 3 rows and 9 columns: the first and last cells are in,
    // one step beyond each edge is out.
    QTest::newRow("first cell") << 0 << 0 << true;
    QTest::newRow("last cell") << 8 << 2 << true;
    QTest::newRow("left of the table") << -1 << 1 << false;
    QTest::newRow("right of the table") << 9 << 1 << false;
    QTest::newRow("above the table") << 1 << -1 << false;
    QTest::newRow("below the table") << 1 << 3 << false;
}

void ResultTableTest::cellsOutsideTheTable()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, inside);
    ResultTable table = filled(3);
    const QString before = inside ? QStringLiteral("%1.%2").arg(column).arg(row) : QString();
    QCOMPARE(table.cell(column, row), before);
    table.setCell(column, row, QStringLiteral("new"));
    QCOMPARE(table.cell(column, row), inside ? QStringLiteral("new") : QString());
    // A write outside changes no cell inside.
    if (!inside) {
        const ResultTable untouched = filled(3);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(table.row(r), untouched.row(r));
    }
}

void ResultTableTest::rowCountKeepsAtLeastTheHeader()
{
    ResultTable table;
    QCOMPARE(table.rowCount(), 2);
    table = filled(4);
    table.setRowCount(2);
    table.setRowCount(4);
    QCOMPARE(table.cell(1, 1), QStringLiteral("1.1"));
    QCOMPARE(table.cell(1, 2), QString()); // dropped rows come back empty
    table.setRowCount(0);
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(table.cell(0, 0), QStringLiteral("0.0"));
    table.setRowCount(-5);
    QCOMPARE(table.rowCount(), 1);

    // A write one row below a new table (two rows, no room for more) must
    // not reach the memory past its rows.
    ResultTable fresh;
    fresh.setCell(0, 2, QStringLiteral("x"));
    fresh.setRowCount(3);
    QCOMPARE(fresh.cell(0, 2), QString());
}

void ResultTableTest::clearRowEmptiesOnlyThatRow()
{
    ResultTable table = filled(3);
    table.clearRow(1);
    table.clearRow(-1);
    table.clearRow(3);
    QCOMPARE(table.row(1), ResultTable::Row());
    QCOMPARE(table.cell(8, 0), QStringLiteral("8.0"));
    QCOMPARE(table.cell(0, 2), QStringLiteral("0.2"));
    table.clearRow(0);
    QCOMPARE(table.cell(8, 0), QString());
}

void ResultTableTest::currentCellStaysInTheEditableCells_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("fixed");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("currentColumn");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("inside") << 5 << 1 << 3 << 2 << 3 << 2;
    QTest::newRow("last row and column") << 5 << 0 << 8 << 4 << 8 << 4;
    QTest::newRow("past the last row and column") << 5 << 0 << 9 << 5 << 8 << 4;
    QTest::newRow("header row and fixed column") << 5 << 1 << 0 << 0 << 1 << 1;
    QTest::newRow("two fixed columns") << 5 << 2 << 1 << 1 << 2 << 1;
    QTest::newRow("fixed columns held below the column count") << 5 << 12 << 0 << 1 << 8 << 1;
    QTest::newRow("header only: row 1") << 1 << 0 << 0 << 3 << 0 << 1;
    QTest::newRow("one row below the header") << 2 << 0 << 0 << 3 << 0 << 1;
}

void ResultTableTest::currentCellStaysInTheEditableCells()
{
    QFETCH(int, rows);
    QFETCH(int, fixed);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, currentColumn);
    QFETCH(int, currentRow);
    ResultTable table;
    table.setRowCount(rows);
    table.setFixedColumns(fixed);
    table.setCurrentCell(column, row);
    QCOMPARE(table.currentColumn(), currentColumn);
    QCOMPARE(table.currentRow(), currentRow);
    QCOMPARE(table.fixedColumns(), std::min(fixed, ResultTable::ColumnCount - 1));

    // Shrinking the table or fixing more columns moves the current cell in.
    ResultTable big;
    big.setRowCount(10);
    big.setCurrentCell(4, 9);
    big.setRowCount(rows);
    QCOMPARE(big.currentRow(), std::max(1, rows - 1));
    big.setFixedColumns(fixed);
    QCOMPARE(big.currentColumn(), std::max(4, std::min(fixed, ResultTable::ColumnCount - 1)));
}

QTEST_GUILESS_MAIN(ResultTableTest)
#include "test_resulttable.moc"
