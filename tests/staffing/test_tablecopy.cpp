// SPDX-License-Identifier: MIT
#include "scenariotexts.h"
#include "tablecopy.h"

#include <QMimeData>

#include <memory>

class TableCopyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExamplesAsTextAndHtml();
    void selectionCopiesOnlyItsCells();
    void copyTakesTheWholeTableUnlessThePlannerSelectedMore_data();
    void copyTakesTheWholeTableUnlessThePlannerSelectedMore();
    void extraColumnsAndTheDaysLines();
};

void TableCopyTest::workedExamplesAsTextAndHtml()
{
    AgentScenario agents = workedAgentsScenario();
    QVERIFY(agents.Recalculate().valid);
    QCOMPARE(TableCopy::wholeTable(agents.StringGrid1()).text(),
             QStringLiteral("Agents\tSrv Lvl\tQueued\tAbndon\tUsage\tAve Ans\tQ Time\tAvg Q\tTrunks\n"
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

    AgentScenario schedule = workedScheduleScenario();
    QVERIFY(ScenarioEvents(schedule).TabSet1Click(Tab::Schedule).valid);
    const std::unique_ptr<QMimeData> mime(TableCopy::wholeTable(schedule.StringGrid1()).mimeData());
    QCOMPARE(mime->text(), QStringLiteral("Time\tCalls\tAgents\tSrv Lvl\tQueued\tAbndon\tUsage\tAve Ans\tTrunks\n"
                                          "08:00\t0\t0\t100%\t0%\t0%\t0%\t00:00\t0\n"
                                          "08:30\t10\t3\t84%\t18%\t15%\t44%\t00:26\t6\n"
                                          "09:00\t50\t10\t87%\t17%\t11%\t67%\t00:13\t14\n"
                                          "09:30\t120\t20\t82%\t26%\t13%\t80%\t00:15\t26\n"));
    QCOMPARE(mime->html(),
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
}

void TableCopyTest::selectionCopiesOnlyItsCells()
{
    AgentScenario s = workedScheduleScenario();
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    ResultTable &t = s.StringGrid1();
    // Given in any order; header cells and cells outside the table ignored.
    QCOMPARE(TableCopy::selectedCells(t, {{3, 3}, {2, 2}, {3, 2}, {2, 3}, {1, 0}, {9, 1}, {2, 5}}).text(),
             QStringLiteral("Agents\tSrv Lvl\n3\t84%\n10\t87%\n"));
    // Two cells apart: a cell between them that is not selected stays empty.
    QCOMPARE(TableCopy::selectedCells(t, {{1, 1}, {8, 4}}).text(), QStringLiteral("Calls\tTrunks\n0\t\n\t26\n"));
    // A typed Calls text cannot break the columns or the HTML.
    t.setCell(1, 1, QStringLiteral("1\t2\r\n<b>&"));
    const TableCopy typed = TableCopy::selectedCells(t, {{1, 1}, {2, 1}});
    QCOMPARE(typed.text(), QStringLiteral("Calls\tAgents\n1 2  <b>&\t0\n"));
    QVERIFY(typed.html().contains(QStringLiteral("<td>1\t2\r\n&lt;b&gt;&amp;</td>")));
    // Select All leaves out the fixed Time column; the copy is still the
    // whole table, times included.
    QList<TableCell> all;
    for (int r = 1; r < t.rowCount(); ++r) {
        for (int c = 1; c < ResultTable::ColumnCount; ++c)
            all << TableCell{c, r};
    }
    QCOMPARE(TableCopy::forCopy(t, all, false).text(), TableCopy::wholeTable(t).text());
    all.removeLast();
    QCOMPARE(TableCopy::forCopy(t, all, false).text(), TableCopy::selectedCells(t, all).text());
}

void TableCopyTest::copyTakesTheWholeTableUnlessThePlannerSelectedMore_data()
{
    QTest::addColumn<QList<TableCell>>("selected");
    QTest::addColumn<bool>("wholeRows");
    QTest::addColumn<bool>("wholeTable");
    QList<TableCell> goalRow;
    for (int c = 0; c < 9; ++c)
        goalRow << TableCell{c, 4};
    QTest::newRow("nothing selected") << QList<TableCell>{} << true << true;
    QTest::newRow("the goal row the table selects") << goalRow << true << true;
    QTest::newRow("two rows chosen") << (QList<TableCell>(goalRow) << TableCell{0, 5}) << true << false;
    QTest::newRow("the current cell") << QList<TableCell>{{1, 2}} << false << true;
    QTest::newRow("two cells of one row") << QList<TableCell>{{1, 2}, {2, 2}} << false << false;
}

void TableCopyTest::copyTakesTheWholeTableUnlessThePlannerSelectedMore()
{
    QFETCH(QList<TableCell>, selected);
    QFETCH(bool, wholeRows);
    QFETCH(bool, wholeTable);
    AgentScenario s = workedAgentsScenario();
    QVERIFY(s.Recalculate().valid);
    const ResultTable &t = s.StringGrid1();
    const TableCopy expected = wholeTable ? TableCopy::wholeTable(t) : TableCopy::selectedCells(t, selected);
    QCOMPARE(TableCopy::forCopy(t, selected, wholeRows).text(), expected.text());
}

void TableCopyTest::extraColumnsAndTheDaysLines()
{
    AgentScenario s = workedScheduleScenario();
    PlanningOptions planning = s.inputs().Planning;
    planning.shrinkagePercent = 30;
    s.setPlanning(planning);
    s.setSlotHave(2, 5); // 3 of them on the phones
    s.setSlotHave(3, 13); // 9
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    const ResultTable &t = s.StringGrid1();
    const std::vector<TotalsLine> lines = DayTotalsLines(s);
    QCOMPARE(TableCopy::wholeTable(t, lines).text(),
             QStringLiteral("Time\tCalls\tAgents\tSched\tSrv Lvl\tQueued\tAbndon\tUsage\tAve Ans\tTrunks\t"
                            "Have\tGap\tRoster Srv\tRoster Que\tRoster Abn\tRoster Use\tRoster Ans\n"
                            "08:00\t0\t0\t0\t100%\t0%\t0%\t0%\t00:00\t0\t\t\t\t\t\t\t\n"
                            "08:30\t10\t3\t5\t84%\t18%\t15%\t44%\t00:26\t6\t5\t0\t84%\t18%\t15%\t44%\t00:26\n"
                            "09:00\t50\t10\t15\t87%\t17%\t11%\t67%\t00:13\t14\t13\t-2\t74%\t31%\t23%\t74%\t00:32\n"
                            "09:30\t120\t20\t29\t82%\t26%\t13%\t80%\t00:15\t26\t\t\t\t\t\t\t\n"
                            "Required agent-hours\t16.5\n"
                            "Scheduled agent-hours\t24.5\n"
                            "FTE at 8 paid hours per agent\t3.06\n"
                            "Peak slot\t09:30, 20 agents\n"
                            "Roster service level\t75.9%\n"
                            "Short slots\t1\n"
                            "Shortfall agent-hours\t1.0\n"
                            "Roster agent-hours\t9.0\n"));
    // A selection keeps the order shown ("Sched" after "Agents", before
    // "Srv Lvl") and never carries the day's lines.
    const QList<TableCell> picked{{ResultTable::HaveColumn, 3}, {ResultTable::SlotServiceColumn, 3},
                                  {ResultTable::SchedColumn, 2}, {ResultTable::SlotAgentsColumn, 2}};
    QCOMPARE(TableCopy::forCopy(t, picked, false, lines).text(),
             QStringLiteral("Agents\tSched\tSrv Lvl\tHave\n3\t5\t\t\n\t\t87%\t13\n"));
    // Every selectable cell, extra columns included, is the whole table.
    QList<TableCell> all;
    for (int row = 1; row < t.rowCount(); ++row)
        for (int column : t.shownColumns())
            if (column >= t.fixedColumns())
                all << TableCell{column, row};
    QCOMPARE(TableCopy::forCopy(t, all, false, lines).text(), TableCopy::wholeTable(t, lines).text());
    all.removeLast();
    QVERIFY(!TableCopy::forCopy(t, all, false, lines).text().contains(QLatin1String("agent-hours")));
}

QTEST_GUILESS_MAIN(TableCopyTest)
#include "test_tablecopy.moc"
