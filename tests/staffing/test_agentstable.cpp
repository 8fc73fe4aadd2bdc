// SPDX-License-Identifier: MIT
#include "scenariotexts.h"

class AgentsTableTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExampleCellByCell();
    void firstRowSkipsAgentsThatCannotCarryTheLoad();
    void tableLength_data();
    void tableLength();
    void goalRow_data();
    void goalRow();
    void abandonShowsZeroWhenPatienceOutlastsTheQueue();
    void trunksEqualAgentsWithoutTalkTime();
    void failedCheckEmptiesTheTable();
};

void AgentsTableTest::workedExampleCellByCell()
{
    AgentScenario s = workedAgentsScenario();
    const RecalcResult result = s.Recalculate();
    QVERIFY(result.valid);
    const QStringList expected[] = {
        {"Agents", "Srv Lvl", "Queued", "Abndon", "Usage", "Ave Ans", "Q Time", "Avg Q", "Trunks"},
        {"6", "9%", "92%", "91%", "97%", "19:25", "21:00", "32", "56"},
        {"7", "50%", "56%", "49%", "83%", "01:41", "03:00", "3", "18"},
        {"8", "74%", "32%", "24%", "73%", "00:31", "01:37", "1", "15"},
        {"9", "87%", "17%", "11%", "65%", "00:11", "01:06", "0", "14"},
        {"10", "94%", "9%", "5%", "58%", "00:04", "00:50", "0", "14"},
        {"11", "97%", "4%", "2%", "53%", "00:02", "00:41", "0", "14"},
        {"12", "99%", "2%", "1%", "49%", "00:01", "00:34", "0", "14"},
        {"13", "100%", "1%", "1%", "45%", "00:00", "00:29", "0", "14"},
        {"14", "100%", "0%", "1%", "42%", "00:00", "00:26", "0", "14"},
        {"15", "100%", "0%", "0%", "39%", "00:00", "00:23", "0", "15"},
    };
    QCOMPARE(s.StringGrid1().rowCount(), 11);
    for (int r = 0; r < 11; ++r)
        QCOMPARE(row(s, r), expected[r]);
    QCOMPARE(s.goalRow(), 4);
    QCOMPARE(s.StringGrid1().currentRow(), 4);
}

void AgentsTableTest::firstRowSkipsAgentsThatCannotCarryTheLoad()
{
    // 480 calls over 480 minutes of 4 minutes each: a load of exactly 4, so
    // 4 agents would be fully used and the table starts at 5.
    AgentScenario s;
    setTexts(s, {"08:00", "16:00", "480", "03:00", "01:00", "00:30", "90", "10"});
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().cell(0, 1), QStringLiteral("5"));
    QCOMPARE(s.StringGrid1().cell(0, 2), QStringLiteral("6"));
}

void AgentsTableTest::tableLength_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("rows");
    // One call an hour taking one second: the first agent already serves
    // more than 99.9% within the goal.
    QTest::newRow("tiny load: one row") << QStringList{"08:00", "09:00", "1", "00:00", "00:01", "00:25", "80", "20"} << 1;
    // 100,000 calls an hour: the service level creeps up slowly and the
    // table stops at its 19-row limit.
    QTest::newRow("large load: 19 rows") << QStringList{"08:00", "09:00", "100000", "03:00", "00:30", "00:25", "80", "20"} << 19;
}

void AgentsTableTest::tableLength()
{
    QFETCH(QStringList, texts);
    QFETCH(int, rows);
    AgentScenario s;
    setTexts(s, texts);
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().rowCount() - 1, rows);
    // Consecutive agent numbers.
    for (int r = 2; r <= rows; ++r)
        QCOMPARE(s.StringGrid1().cell(0, r).toInt(), s.StringGrid1().cell(0, r - 1).toInt() + 1);
}

void AgentsTableTest::goalRow_data()
{
    QTest::addColumn<QString>("goal");
    QTest::addColumn<int>("goalRow");
    QTest::newRow("0% is met by the first row") << "0" << 1;
    QTest::newRow("87% rounds in at 9 agents") << "87" << 4;
    QTest::newRow("88% waits for 10 agents") << "88" << 5;
    QTest::newRow("unreachable goal selects nothing") << "" << 0;
}

void AgentsTableTest::goalRow()
{
    QFETCH(QString, goal);
    QFETCH(int, goalRow);
    AgentScenario s;
    // A 100% goal is met by the rows that round to 100%; to have a goal no
    // row meets, the largest value the field takes (99) is used with a
    // heavy load whose table ends short of it.
    if (goal.isEmpty())
        setTexts(s, {"08:00", "09:00", "100000", "03:00", "00:30", "00:25", "99", "20"});
    else
        setTexts(s, {"08:00", "09:00", "100", "03:00", "00:30", "00:25", goal, "20"});
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.goalRow(), goalRow);
}

void AgentsTableTest::abandonShowsZeroWhenPatienceOutlastsTheQueue()
{
    AgentScenario s;
    setTexts(s, {"08:00", "09:00", "100", "03:00", "00:30", "23:59", "80", "20"});
    QVERIFY(s.Recalculate().valid);
    for (const QString &cell : column(s, 3))
        QCOMPARE(cell, QStringLiteral("0%"));
}

void AgentsTableTest::trunksEqualAgentsWithoutTalkTime()
{
    // After-call work only: lines are held while waiting and talking, so
    // where the answer time rounds to 0 seconds no line is needed beyond
    // one per agent.
    AgentScenario s;
    setTexts(s, {"08:00", "09:00", "100", "00:00", "03:30", "00:25", "80", "20"});
    QVERIFY(s.Recalculate().valid);
    for (int r = 1; r < s.StringGrid1().rowCount(); ++r) {
        if (s.StringGrid1().cell(5, r) == QLatin1String("00:00"))
            QCOMPARE(s.StringGrid1().cell(8, r), s.StringGrid1().cell(0, r));
    }
    QCOMPARE(s.StringGrid1().cell(5, s.StringGrid1().rowCount() - 1), QStringLiteral("00:00"));
}

void AgentsTableTest::failedCheckEmptiesTheTable()
{
    AgentScenario s;
    setTexts(s, {"08:00", "09:00", "100", "03:00", "00:30", "00:25", "80", "20"});
    QVERIFY(s.Recalculate().valid);
    s.setText(Field::Edit1, QStringLiteral("0"));
    QVERIFY(!s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().rowCount(), 2);
    QCOMPARE(row(s, 1), QStringList(9, QString()));
    QCOMPARE(s.StringGrid1().cell(0, 0), QStringLiteral("Agents"));
}

QTEST_GUILESS_MAIN(AgentsTableTest)
#include "test_agentstable.moc"
