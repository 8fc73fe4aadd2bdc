// SPDX-License-Identifier: MIT
#include "columnfit.h"
#include "resulttable.h"
#include "resulttablemodel.h"
#include "tlumstringgrid.h"

#include <QAbstractItemModelTester>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

class ResultGridTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modelPassesTheItemModelTesterThroughTableChanges();
    void headerRowIsTheHorizontalHeader();
    void fixedColumnsCanNeitherBeSelectedNorEdited();
    void editedTextIsStoredInTheTable();
    void columnsShareTheWidthOnEveryResize_data();
    void columnsShareTheWidthOnEveryResize();
    void columnsKeepRoomForTheirHeaders_data();
    void columnsKeepRoomForTheirHeaders();
    void rightAlignedTextKeepsAMarginOfThreeTimesWidthDiv40_data();
    void rightAlignedTextKeepsAMarginOfThreeTimesWidthDiv40();
    void tooWideTextIsClippedOnTheLeft();
    void typedCharacters_data();
    void typedCharacters();
    void extraColumnsShowInTheirPlacesBothWays_data();
    void extraColumnsShowInTheirPlacesBothWays();
    void onlyHaveOfTheExtraColumnsTakesTyping();
    void gridFollowsTheShownColumns();
};

namespace {

ResultTable sampleTable(int rows)
{
    ResultTable table;
    table.setRowCount(rows);
    for (int c = 0; c < ResultTable::ColumnCount; ++c) {
        table.setCell(c, 0, QStringLiteral("H%1").arg(c));
        for (int r = 1; r < rows; ++r)
            table.setCell(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    }
    return table;
}

// Leftmost and rightmost columns holding ink (a pixel darker than mid grey).
QPair<int, int> inkSpan(const QImage &image)
{
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

QImage drawn(const QRect &cell, const QString &text, TLumStringGrid::TextAlign align)
{
    QImage image(cell.right() + 40, cell.bottom() + 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    TLumStringGrid::DrawCell(painter, cell, text, align, QBrush(Qt::white), Qt::black);
    return image;
}

} // namespace

void ResultGridTest::modelPassesTheItemModelTesterThroughTableChanges()
{
    ResultTable table = sampleTable(2);
    ResultTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);

    table = sampleTable(20);
    model.tableChanged();
    QCOMPARE(model.rowCount(), 19);
    table.setCell(3, 4, QStringLiteral("changed"));
    model.tableChanged();
    QCOMPARE(model.index(3, 3).data().toString(), QStringLiteral("changed"));
    table.setFixedColumns(1);
    model.setEditingAllowed(true);
    model.tableChanged();
    table = sampleTable(1);
    model.tableChanged();
    QCOMPARE(model.rowCount(), 0);
}

void ResultGridTest::headerRowIsTheHorizontalHeader()
{
    ResultTable table = sampleTable(3);
    ResultTableModel model(table);
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(model.headerData(8, Qt::Horizontal).toString(), QStringLiteral("H8"));
    // Table row 1 is model row 0.
    QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("2.1"));
    QCOMPARE(model.indexOfCell(2, 2), model.index(1, 2));
    QCOMPARE(ResultTableModel::tableRow(model.index(1, 2)), 2);
}

void ResultGridTest::fixedColumnsCanNeitherBeSelectedNorEdited()
{
    ResultTable table = sampleTable(3);
    table.setFixedColumns(1);
    ResultTableModel model(table);
    QCOMPARE(model.flags(model.index(0, 0)), Qt::NoItemFlags);
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    model.setEditingAllowed(true);
    QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x")));
    QCOMPARE(table.cell(0, 1), QStringLiteral("0.1"));
}

void ResultGridTest::editedTextIsStoredInTheTable()
{
    ResultTable table = sampleTable(3);
    ResultTableModel model(table);
    QVERIFY(!model.setData(model.index(1, 1), QStringLiteral("12")));
    model.setEditingAllowed(true);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(1, 1), QStringLiteral("abc")));
    QCOMPARE(table.cell(1, 2), QStringLiteral("abc"));
    QCOMPARE(changed.count(), 1);
}

void ResultGridTest::columnsShareTheWidthOnEveryResize_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("603 wide") << 603;
    QTest::newRow("narrow") << 200;
    QTest::newRow("wide") << 1111;
}

void ResultGridTest::columnsShareTheWidthOnEveryResize()
{
    QFETCH(int, width);
    ResultTable table = sampleTable(4);
    ResultTableModel model(table);
    TLumStringGrid grid;
    grid.setResultModel(&model);
    grid.resize(width, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int client = grid.viewport()->width();
    for (int c = 0; c < 9; ++c) {
        // The drawn cell is (client width div 9) - 1 wide; the grid line
        // takes the remaining pixel.
        QCOMPARE(grid.visualRect(model.index(0, c)).width(), client / 9 - 1);
    }
}

void ResultGridTest::columnsKeepRoomForTheirHeaders_data()
{
    QTest::addColumn<int>("available");
    QTest::addColumn<std::vector<int>>("least");
    QTest::addColumn<std::vector<int>>("widths");
    using W = std::vector<int>;
    QTest::newRow("every header fits an equal share") << 901 << W{50, 60, 70} << W{300, 300, 300};
    QTest::newRow("a wide header keeps its room") << 300 << W{50, 150, 50} << W{75, 150, 75};
    QTest::newRow("keeping one makes another keep") << 300 << W{70, 150, 80} << W{70, 150, 80};
    QTest::newRow("leasts beyond the width scroll") << 300 << W{90, 150, 80} << W{90, 150, 80};
    QTest::newRow("the rest shared after the kept") << 301 << W{10, 10, 200} << W{50, 50, 200};
}

void ResultGridTest::columnsKeepRoomForTheirHeaders()
{
    QFETCH(int, available);
    QFETCH(std::vector<int>, least);
    QFETCH(std::vector<int>, widths);
    QCOMPARE(FitColumnWidths(available, least), widths);
}

void ResultGridTest::rightAlignedTextKeepsAMarginOfThreeTimesWidthDiv40_data()
{
    QTest::addColumn<int>("cellWidth");
    QTest::newRow("below 40: no margin") << 39;
    QTest::newRow("40..79: 3 pixels") << 66;
    QTest::newRow("120: 9 pixels") << 120;
    QTest::newRow("200: 15 pixels") << 200;
}

void ResultGridTest::rightAlignedTextKeepsAMarginOfThreeTimesWidthDiv40()
{
    QFETCH(int, cellWidth);
    const QRect cell(10, 2, cellWidth, 18);
    const QString text = QStringLiteral("11");
    const QPair<int, int> ink = inkSpan(drawn(cell, text, TLumStringGrid::TextAlign::Right));
    const int margin = 3 * (cellWidth / 40);
    const int textRightEdge = cell.left() + cellWidth - margin; // one past the text's advance
    // The glyphs' ink ends within a couple of pixels of their advance.
    QVERIFY2(ink.second < textRightEdge && ink.second >= textRightEdge - 3,
             qPrintable(QStringLiteral("ink ends at %1, text ends at %2").arg(ink.second).arg(textRightEdge)));

    const QPair<int, int> left = inkSpan(drawn(cell, text, TLumStringGrid::TextAlign::Left));
    QVERIFY(left.first >= cell.left() + cellWidth / 40);
    QVERIFY(left.first <= cell.left() + cellWidth / 40 + 2);
}

void ResultGridTest::tooWideTextIsClippedOnTheLeft()
{
    const QRect cell(30, 2, 50, 18);
    const QString text = QStringLiteral("1234567890123");
    const QPair<int, int> ink = inkSpan(drawn(cell, text, TLumStringGrid::TextAlign::Right));
    QVERIFY(ink.first >= cell.left());
    QVERIFY(ink.second <= cell.right());
    // The right-hand end stays visible.
    QVERIFY(ink.second >= cell.right() - 3 - 3);
}

void ResultGridTest::typedCharacters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QChar>("character");
    QTest::newRow("digit") << int(Qt::Key_1) << QStringLiteral("1") << true << QChar(u'1');
    QTest::newRow("return") << int(Qt::Key_Return) << QStringLiteral("\r") << true << QChar(13);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << QStringLiteral("\r") << true << QChar(13);
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << QStringLiteral("\b") << true << QChar(8);
    QTest::newRow("arrow") << int(Qt::Key_Down) << QString() << false << QChar();
    QTest::newRow("function key") << int(Qt::Key_F2) << QString() << false << QChar();
    QTest::newRow("tab") << int(Qt::Key_Tab) << QStringLiteral("\t") << false << QChar();
}

void ResultGridTest::typedCharacters()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(QChar, character);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QChar got;
    QCOMPARE(TypedCharacter(event, &got), typed);
    if (typed)
        QCOMPARE(got, character);
}


namespace {

// The Schedule's layout with "Sched" after its agents column and the
// roster's columns: every extra cell reads "X<column>.<row>".
void showExtras(ResultTable &table, const std::vector<int> &extra)
{
    table.setShownExtraColumns(extra, ResultTable::SlotAgentsColumn);
    for (int column : extra) {
        for (int row = 0; row < table.rowCount(); ++row)
            table.setCell(column, row, QStringLiteral("X%1.%2").arg(column).arg(row));
    }
}

const std::vector<int> rosterColumns = {ResultTable::HaveColumn,      ResultTable::GapColumn,
                                        ResultTable::HaveServiceColumn, ResultTable::HaveQueuedColumn,
                                        ResultTable::HaveAbandonColumn, ResultTable::HaveUsageColumn,
                                        ResultTable::HaveAnswerColumn};

} // namespace

void ResultGridTest::extraColumnsShowInTheirPlacesBothWays_data()
{
    QTest::addColumn<std::vector<int>>("extra");
    QTest::newRow("none") << std::vector<int>{};
    QTest::newRow("sched") << std::vector<int>{ResultTable::SchedColumn};
    QTest::newRow("roster") << rosterColumns;
    std::vector<int> all = rosterColumns;
    all.push_back(ResultTable::SchedColumn);
    QTest::newRow("sched and roster") << all;
}

void ResultGridTest::extraColumnsShowInTheirPlacesBothWays()
{
    QFETCH(std::vector<int>, extra);
    ResultTable table = sampleTable(4);
    ResultTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    showExtras(table, extra);
    model.tableChanged();

    const std::vector<int> shown = table.shownColumns();
    QCOMPARE(model.columnCount(), int(shown.size()));
    for (int view = 0; view < model.columnCount(); ++view) {
        const int column = shown[std::size_t(view)];
        QCOMPARE(model.tableColumn(view), column);
        QCOMPARE(model.modelColumn(column), view);
        QCOMPARE(model.indexOfCell(column, 3), model.index(2, view));
        QCOMPARE(model.index(2, view).data().toString(), table.cell(column, 3));
        QCOMPARE(model.headerData(view, Qt::Horizontal).toString(), table.cell(column, 0));
    }
    // A hidden extra column has no place in the view.
    if (extra.empty()) {
        QCOMPARE(model.modelColumn(ResultTable::HaveColumn), -1);
        QVERIFY(!model.indexOfCell(ResultTable::HaveColumn, 1).isValid());
    }
    QCOMPARE(model.tableColumn(model.columnCount()), -1);
}

void ResultGridTest::onlyHaveOfTheExtraColumnsTakesTyping()
{
    ResultTable table = sampleTable(3);
    table.setFixedColumns(1);
    std::vector<int> extra = rosterColumns;
    extra.push_back(ResultTable::SchedColumn);
    showExtras(table, extra);
    ResultTableModel model(table);
    model.setEditingAllowed(true);
    for (int column : table.shownColumns()) {
        const QModelIndex cell = model.indexOfCell(column, 1);
        const bool typed = column != ResultTable::TimeColumn
                           && (column < ResultTable::ColumnCount || column == ResultTable::HaveColumn);
        QCOMPARE(bool(model.flags(cell) & Qt::ItemIsEditable), typed);
    }
    QVERIFY(model.setData(model.indexOfCell(ResultTable::HaveColumn, 2), QStringLiteral("7")));
    QCOMPARE(table.cell(ResultTable::HaveColumn, 2), QStringLiteral("7"));
    QVERIFY(!model.setData(model.indexOfCell(ResultTable::GapColumn, 2), QStringLiteral("7")));
    QCOMPARE(table.cell(ResultTable::GapColumn, 2), QStringLiteral("X%1.2").arg(ResultTable::GapColumn));
}

void ResultGridTest::gridFollowsTheShownColumns()
{
    ResultTable table = sampleTable(4);
    table.setFixedColumns(1);
    ResultTableModel model(table);
    TLumStringGrid grid;
    grid.resize(600, 300);
    grid.setResultModel(&model);
    grid.setRowSelection(false);
    grid.setEditing(true);
    showExtras(table, rosterColumns);
    model.tableChanged();
    grid.FitColumns();

    // The current cell is reported and set in the table's numbering.
    QSignalSpy current(&grid, &TLumStringGrid::currentCellChanged);
    grid.setCurrentTableCell(ResultTable::HaveColumn, 2);
    QCOMPARE(grid.currentIndex().column(), model.modelColumn(ResultTable::HaveColumn));
    QCOMPARE(grid.currentTableColumn(), int(ResultTable::HaveColumn));
    QCOMPARE(current.last().at(0).toInt(), int(ResultTable::HaveColumn));
    // Sixteen columns keep room for their headers.
    for (int view = 0; view < model.columnCount(); ++view)
        QVERIFY(grid.columnWidth(view) >= TLumStringGrid::MinExtraColumnWidth);
    // A full-width window holds them all, each header whole, without
    // scrolling sideways, a vertical scroll bar or not.
    grid.resize(1240, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FitColumns();
    int total = 0;
    for (int view = 0; view < model.columnCount(); ++view) {
        const QString header = model.headerData(view, Qt::Horizontal).toString();
        QVERIFY2(grid.columnWidth(view) >= TLumStringGrid::HeaderWidthFor(grid.fontMetrics().horizontalAdvance(header)),
                 qPrintable(header));
        total += grid.columnWidth(view);
    }
    QVERIFY(total <= grid.viewport()->width());

    // A closed editor reports its cell in the table's numbering.
    QSignalSpy committed(&grid, &TLumStringGrid::editCommitted);
    grid.edit(grid.currentIndex());
    auto *editor = qobject_cast<QLineEdit *>(grid.cellEditor());
    QVERIFY(editor);
    editor->setText(QStringLiteral("12"));
    grid.closeCellEditor();
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.last().at(0).toInt(), int(ResultTable::HaveColumn));
    QCOMPARE(committed.last().at(1).toInt(), 2);
    QCOMPARE(committed.last().at(2).toString(), QStringLiteral("12"));

    // Without extra columns the nine share the width again.
    table.setShownExtraColumns({}, ResultTable::SlotAgentsColumn);
    model.tableChanged();
    grid.FitColumns();
    QCOMPARE(model.columnCount(), ResultTable::ColumnCount);
    QCOMPARE(grid.columnWidth(0), grid.viewport()->width() / ResultTable::ColumnCount);
}

QTEST_MAIN(ResultGridTest)
#include "test_resultgrid.moc"
