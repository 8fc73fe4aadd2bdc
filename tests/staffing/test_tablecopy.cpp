// SPDX-License-Identifier: MIT
#include "scenariotexts.h"
#include "tablecopy.h"

#include <QMimeData>

#include <memory>

class TableCopyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void agentsExampleAsTextAndHtml();
    void scheduleExampleAsTextAndHtml();
    void selectionCopiesOnlyItsCells();
    void copyTakesTheWholeTableUnlessThePlannerSelectedMore_data();
    void copyTakesTheWholeTableUnlessThePlannerSelectedMore();
    void typedCellsCannotBreakTheColumnsOrTheHtml();
};

void TableCopyTest::agentsExampleAsTextAndHtml()
{
    AgentScenario s = workedAgentsExample();
    QVERIFY(s.Recalculate().valid);
    const TableCopy copy = TableCopy::wholeTable(s.StringGrid1());
    QCOMPARE(copy.text(), QStringLiteral("Agents\tSrv Lvl\tQueued\tAbndon\tUsage\tAve Ans\tQ Time\tAvg Q\tTrunks\n"
                                         "6\t9%\t92%\t91%\t97%\t19:25\t21:00\t32\t56\n"
                                         "7\t50%\t56%\t49%\t83%\t01:41\t03:00\t3\t18\n"
                                         "8\t74%\t32%\t24%\t73%\t00:31\t01:37\t1\t15\n"
                                         "9\t87%\t17%\t11%\t65%\t00:11\t01:06\t0\t14\n"
                                         "10\t94%\t9%\t5%\t58%\t00:04\t00:50\t0\t14\n"
                                         "11\t97%\t4%\t2%\t53%\t00:02\t00:41\t0\t14\n"
                                         "12\t99%\t2%\t1%\t49%\t00:01\t00:34\t0\t14\n"
                                         "13\t100%\t1%\t1%\t45%\t00:00\t00:29\t0\t14\n"
                                         "14\t100%\t0%\t1%\t42%\t00:00\t00:26\t0\t14\n"
                                         "15\t100%\t0%\t0%\t39%\t00:00\t00:23\t0\t15\n"));
    const QString html = copy.html();
    QVERIFY(html.startsWith(QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n")));
    QVERIFY(html.contains(QStringLiteral("<tr><th>Agents</th><th>Srv Lvl</th><th>Queued</th><th>Abndon</th><th>Usage</th>"
                                         "<th>Ave Ans</th><th>Q Time</th><th>Avg Q</th><th>Trunks</th></tr>\n"
                                         "<tr><td>6</td><td>9%</td><td>92%</td><td>91%</td><td>97%</td>"
                                         "<td>19:25</td><td>21:00</td><td>32</td><td>56</td></tr>\n")));
    QVERIFY(html.endsWith(QStringLiteral("<tr><td>15</td><td>100%</td><td>0%</td><td>0%</td><td>39%</td>"
                                         "<td>00:00</td><td>00:23</td><td>0</td><td>15</td></tr>\n"
                                         "</table></body></html>\n")));
    QCOMPARE(html.count(QStringLiteral("<tr>")), 11);
}

void TableCopyTest::scheduleExampleAsTextAndHtml()
{
    AgentScenario s = workedSchedule();
    QVERIFY(s.TabSet1Click(Tab::Schedule).valid);
    const TableCopy copy = TableCopy::wholeTable(s.StringGrid1());
    QCOMPARE(copy.text(), QStringLiteral("Time\tCalls\tAgents\tSrv Lvl\tQueued\tAbndon\tUsage\tAve Ans\tTrunks\n"
                                         "08:00\t0\t0\t100%\t0%\t0%\t0%\t00:00\t0\n"
                                         "08:30\t10\t3\t84%\t18%\t15%\t44%\t00:26\t6\n"
                                         "09:00\t50\t10\t87%\t17%\t11%\t67%\t00:13\t14\n"
                                         "09:30\t120\t20\t82%\t26%\t13%\t80%\t00:15\t26\n"));
    QCOMPARE(copy.html(),
             QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n"
                            "<tr><th>Time</th><th>Calls</th><th>Agents</th><th>Srv Lvl</th><th>Queued</th>"
                            "<th>Abndon</th><th>Usage</th><th>Ave Ans</th><th>Trunks</th></tr>\n"
                            "<tr><td>08:00</td><td>0</td><td>0</td><td>100%</td><td>0%</td><td>0%</td><td>0%</td>"
                            "<td>00:00</td><td>0</td></tr>\n"
                            "<tr><td>08:30</td><td>10</td><td>3</td><td>84%</td><td>18%</td><td>15%</td><td>44%</td>"
                            "<td>00:26</td><td>6</td></tr>\n"
                            "<tr><td>09:00</td><td>50</td><td>10</td><td>87%</td><td>17%</td><td>11%</td><td>67%</td>"
                            "<td>00:13</td><td>14</td></tr>\n"
                            "<tr><td>09:30</td><td>120</td><td>20</td><td>82%</td><td>26%</td><td>13%</td><td>80%</td>"
                            "<td>00:15</td><td>26</td></tr>\n"
                            "</table></body></html>\n"));
    // The clipboard gets both forms.
    const std::unique_ptr<QMimeData> mime(copy.mimeData());
    QCOMPARE(mime->text(), copy.text());
    QCOMPARE(mime->html(), copy.html());
}

void TableCopyTest::selectionCopiesOnlyItsCells()
{
    AgentScenario s = workedSchedule();
    QVERIFY(s.TabSet1Click(Tab::Schedule).valid);
    const ResultTable &t = s.StringGrid1();

    // Agents and Srv Lvl of the 08:30 and 09:00 slots, given in any order.
    QCOMPARE(TableCopy::selectedCells(t, {{3, 3}, {2, 2}, {3, 2}, {2, 3}}).text(),
             QStringLiteral("Agents\tSrv Lvl\n3\t84%\n10\t87%\n"));
    // Two cells apart: the block between them is not copied, and a cell of
    // the block that is not selected stays empty.
    QCOMPARE(TableCopy::selectedCells(t, {{1, 1}, {8, 4}}).text(), QStringLiteral("Calls\tTrunks\n0\t\n\t26\n"));
    // Header cells and cells outside the table are no part of a selection.
    QCOMPARE(TableCopy::selectedCells(t, {{1, 0}, {9, 1}, {2, 5}, {-1, 2}, {2, 4}}).text(),
             QStringLiteral("Agents\n20\n"));
    QCOMPARE(TableCopy::selectedCells(t, {{2, 4}}).html(),
             QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n"
                            "<tr><th>Agents</th></tr>\n<tr><td>20</td></tr>\n</table></body></html>\n"));
}

void TableCopyTest::copyTakesTheWholeTableUnlessThePlannerSelectedMore_data()
{
    QTest::addColumn<QList<TableCell>>("selected");
    QTest::addColumn<bool>("wholeRows");
    QTest::addColumn<bool>("wholeTable");
    const QList<TableCell> goalRow = {{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}, {7, 4}, {8, 4}};
    QList<TableCell> twoRows = goalRow;
    twoRows << TableCell{0, 5} << TableCell{8, 5};
    QTest::newRow("nothing selected") << QList<TableCell>{} << true << true;
    QTest::newRow("the goal row the table selects") << goalRow << true << true;
    QTest::newRow("two rows chosen") << twoRows << true << false;
    QTest::newRow("the current cell") << QList<TableCell>{{1, 2}} << false << true;
    QTest::newRow("two cells of one row") << QList<TableCell>{{1, 2}, {2, 2}} << false << false;
    QTest::newRow("two cells of one column") << QList<TableCell>{{1, 2}, {1, 3}} << false << false;
    QTest::newRow("a header cell beside the current cell") << QList<TableCell>{{1, 0}, {1, 2}} << false << true;
}

void TableCopyTest::copyTakesTheWholeTableUnlessThePlannerSelectedMore()
{
    QFETCH(QList<TableCell>, selected);
    QFETCH(bool, wholeRows);
    QFETCH(bool, wholeTable);
    AgentScenario s = workedAgentsExample();
    QVERIFY(s.Recalculate().valid);
    const ResultTable &t = s.StringGrid1();
    const QString expected = wholeTable ? TableCopy::wholeTable(t).text() : TableCopy::selectedCells(t, selected).text();
    QCOMPARE(TableCopy::forCopy(t, selected, wholeRows).text(), expected);
    if (wholeTable)
        QCOMPARE(TableCopy::forCopy(t, selected, wholeRows).rows().size(), 11);
}

void TableCopyTest::typedCellsCannotBreakTheColumnsOrTheHtml()
{
    // A Calls cell keeps whatever was typed or pasted into its editor.
    ResultTable t;
    t.setRowCount(2);
    t.setCell(0, 0, QStringLiteral("Time"));
    t.setCell(1, 0, QStringLiteral("Calls"));
    t.setCell(0, 1, QStringLiteral("08:00"));
    t.setCell(1, 1, QStringLiteral("1\t2\r\n<b>&"));
    const TableCopy copy = TableCopy::selectedCells(t, {{0, 1}, {1, 1}});
    QCOMPARE(copy.text(), QStringLiteral("Time\tCalls\n08:00\t1 2  <b>&\n"));
    QVERIFY(copy.html().contains(QStringLiteral("<td>1\t2\r\n&lt;b&gt;&amp;</td>")));
}

QTEST_GUILESS_MAIN(TableCopyTest)
#include "test_tablecopy.moc"
