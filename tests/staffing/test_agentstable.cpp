// SPDX-License-Identifier: MIT
#include "evaluation.h"
#include "queueing.h"
#include "scenariotexts.h"
#include "staffingmodel.h"

#include <algorithm>
#include <memory>

class AgentsTableTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExampleCellByCell();
    void workedExampleFiguresAtFullPrecision_data();
    void workedExampleFiguresAtFullPrecision();
    void firstRow_data();
    void firstRow();
    void tableLength_data();
    void tableLength();
    void goalRow_data();
    void goalRow();
    void abandonShowsZeroWhenPatienceOutlastsTheQueue();
    void trunksEqualAgentsWithoutTalkTime();
    void failedCheckEmptiesTheTable();
    void tablesTakeTheirFiguresFromTheStaffingModel();
    void everyListenerHearsEachFilledTable();
};

namespace {

// A model whose service level is the agent number in tenths, and that
// carries every load from 2 agents up: the tables must show just that.
class TenthsModel : public StaffingModel
{
public:
    class Evaluation : public LoadEvaluation
    {
    public:
        bool carries(double agents) const override { return agents >= 2; }
        AgentFigures evaluate(double agents) override
        {
            AgentFigures f;
            f.serviceLevel = std::min(1.0, agents / 10);
            f.usage = 0.5;
            return f;
        }
    };
    std::vector<std::unique_ptr<LoadEvaluation>> evaluations(const std::vector<CallLoad> &loads,
                                                             const ServiceInputs &) const override
    {
        loadsAsked += static_cast<int>(loads.size());
        std::vector<std::unique_ptr<LoadEvaluation>> result;
        for (std::size_t i = 0; i < loads.size(); ++i)
            result.push_back(std::make_unique<Evaluation>());
        return result;
    }
    mutable int loadsAsked = 0;
};

} // namespace

void AgentsTableTest::workedExampleCellByCell()
{
    AgentScenario s = workedAgentsScenario();
    int filled = 0;
    s.hooks().addTableFilledListener([&] { ++filled; });
    const RecalcResult result = s.Recalculate();
    QVERIFY(result.valid);
    QCOMPARE(filled, 1);
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
    QCOMPARE(s.results().goalRow, 4);
    QCOMPARE(s.StringGrid1().currentRow(), 4);
}

void AgentsTableTest::workedExampleFiguresAtFullPrecision_data()
{
    // The figures behind two rows of the worked example, worked out apart
    // from this code with 40-digit arithmetic (load 35/6, 120/7 calls per
    // agent-hour). The cells show them as whole percentages and minutes:
    // a wrong constant or rounding step can hide behind the cell texts, not
    // behind these. QCOMPARE compares doubles to about 12 digits.
    QTest::addColumn<double>("agents");
    QTest::addColumn<QList<double>>("figures");
    // usage, waits, queue length, answer and queue time (hours), service
    // level, abandon rate, trunk load
    QTest::newRow("9 agents")
        << 9.0
        << QList<double>{0.64814814814814815, 0.17191860747297654, 0.31669217166074627, 0.0031669217166074627,
                         0.018421052631578947, 0.87284156217429639, 0.11210802132244967, 5.3055555555555556};
    QTest::newRow("12 agents")
        << 12.0
        << QList<double>{0.48611111111111111, 0.018433026581011444, 0.017436646765821636, 0.00017436646765821636,
                         0.0094594594594594595, 0.98975446100093626, 0.009900844368760979, 5.0277777777777778};
}

void AgentsTableTest::workedExampleFiguresAtFullPrecision()
{
    QFETCH(double, agents);
    QFETCH(QList<double>, figures);
    const CallLoad load = ComputeCallLoad(100, 60, 210);
    QCOMPARE(load.arrivalRate, 100.0);
    QCOMPARE(load.serviceRate, 120.0 / 7);
    QCOMPARE(load.trafficLoad, 35.0 / 6);
    QCOMPARE(load.startAgents, 6.0);
    const ServiceInputs inputs{210, 180, 25, 20};
    const AgentFigures f
        = EvaluateAgents(agents, load, inputs, Calc::LossProbability(agents, load.trafficLoad, 1.0));
    const QList<double> got{f.usage,     f.waitProbability, f.queueLength, f.answerTime,
                            f.queueTime, f.serviceLevel,    f.abandonRate, f.trunkLoad};
    for (qsizetype i = 0; i < got.size(); ++i) {
        QVERIFY2(qFuzzyCompare(got.at(i), figures.at(i)),
                 qPrintable(QStringLiteral("figure %1: %2, not %3")
                                .arg(i)
                                .arg(got.at(i), 0, 'g', 17)
                                .arg(figures.at(i), 0, 'g', 17)));
    }
}

void AgentsTableTest::firstRow_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("agents");
    // 480 calls over 480 minutes of 4 minutes each: a load of exactly 4, so
    // 4 agents would be fully used and the table starts at 5.
    QTest::newRow("fully used agents get no row")
        << QStringList{"08:00", "16:00", "480", "03:00", "01:00", "00:30", "90", "10"} << "5";
    // 18 calls an hour of 1400 seconds: calls times seconds gives exactly
    // 7, plus a half 7.5, which rounds to the even 8; calls over the
    // service rate gives a load just below 7, which 7 agents could carry.
    QTest::newRow("start rounds half up to even")
        << QStringList{"08:00", "08:30", "9", "23:20", "00:00", "00:30", "0", "10"} << "8";
    // Twice the calls: 14.5 rounds down to the even 14, which carries the
    // load just below 14.
    QTest::newRow("start rounds half down to even")
        << QStringList{"08:00", "08:30", "18", "23:20", "00:00", "00:30", "0", "10"} << "14";
}

void AgentsTableTest::firstRow()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, agents);
    AgentScenario s;
    setTexts(s, texts);
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, 1), agents);
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, 2).toInt(), agents.toInt() + 1);
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
        QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, r).toInt(), s.StringGrid1().cell(ResultTable::AgentsColumn, r - 1).toInt() + 1);
}

void AgentsTableTest::goalRow_data()
{
    QTest::addColumn<QString>("goal");
    QTest::addColumn<int>("goalRow");
    QTest::newRow("0% is met by the first row") << "0" << 1;
    QTest::newRow("87% rounds in at 9 agents") << "87" << 4;
    QTest::newRow("88% waits for 10 agents") << "88" << 5;
    // 98.98% at 12 agents rounds to 99%.
    QTest::newRow("99% met by a level just below it") << "99" << 7;
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
    QCOMPARE(s.results().goalRow, goalRow);
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
        if (s.StringGrid1().cell(ResultTable::AnswerColumn, r) == QLatin1String("00:00"))
            QCOMPARE(s.StringGrid1().cell(ResultTable::TrunksColumn, r), s.StringGrid1().cell(ResultTable::AgentsColumn, r));
    }
    QCOMPARE(s.StringGrid1().cell(ResultTable::AnswerColumn, s.StringGrid1().rowCount() - 1), QStringLiteral("00:00"));
}

void AgentsTableTest::failedCheckEmptiesTheTable()
{
    AgentScenario s;
    setTexts(s, WorkedAgentsTexts);
    QVERIFY(s.Recalculate().valid);
    s.setText(Field::Edit1, QStringLiteral("0"));
    QVERIFY(!s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().rowCount(), 2);
    QCOMPARE(row(s, 1), QStringList(9, QString()));
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, 0), QStringLiteral("Agents"));
}

void AgentsTableTest::tablesTakeTheirFiguresFromTheStaffingModel()
{
    // 10 calls an hour of 3:30 each: the first agent number tried is 1.
    auto model = std::make_shared<TenthsModel>();
    AgentScenario s(model);
    setTexts(s, {"08:00", "09:00", "10", "03:00", "00:30", "00:25", "80", "20"});
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(model->loadsAsked, 1);
    QCOMPARE(column(s, ResultTable::AgentsColumn),
             (QStringList{"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    QCOMPARE(column(s, ResultTable::ServiceColumn),
             (QStringList{"20%", "30%", "40%", "50%", "60%", "70%", "80%", "90%", "100%"}));
    QCOMPARE(s.results().goalRow, 7);

    // The Schedule asks once for every slot with calls, and none without.
    s.setSlotLength(SlotLength::HalfHour);
    s.setSlotCalls(1, 10);
    s.setSlotCalls(2, 0);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QCOMPARE(model->loadsAsked, 1 + 1);
    QCOMPARE(column(s, ResultTable::SlotAgentsColumn), (QStringList{"8", "0"}));
    QCOMPARE(s.results().rowValues.size(), std::size_t(2));
    QVERIFY(s.results().rowValues.at(0).evaluated && !s.results().rowValues.at(1).evaluated);
}

void AgentsTableTest::everyListenerHearsEachFilledTable()
{
    AgentScenario s = workedAgentsScenario();
    QStringList heard;
    const int first = s.hooks().addTableFilledListener([&] { heard << QStringLiteral("first"); });
    s.hooks().addTableFilledListener([&] { heard << QStringLiteral("second"); });
    s.Recalculate();
    QCOMPARE(heard, (QStringList{"first", "second"}));
    s.hooks().removeTableFilledListener(first);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QCOMPARE(heard, (QStringList{"first", "second", "second"}));
}

QTEST_GUILESS_MAIN(AgentsTableTest)
#include "test_agentstable.moc"
