// SPDX-License-Identifier: MIT
#include "erlangamodel.h"
#include "agentsearch.h"
#include "erlangcmodel.h"
#include "queueing.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

Q_DECLARE_METATYPE(std::optional<double>)

class ErlangAModelTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void publishedCheck();
    void longPatienceGivesErlangC_data();
    void longPatienceGivesErlangC();
    void shortPatienceGivesTheLossSystem_data();
    void shortPatienceGivesTheLossSystem();
    void abandonmentLimitAtItsBoundary_data();
    void abandonmentLimitAtItsBoundary();
    void firstAgentsLeaveRowsAboveTheGoalRow_data();
    void firstAgentsLeaveRowsAboveTheGoalRow();
    void firstAgentsFindTheGoalRowOverRandomLoads();
    void erlangCStartsWhereItAlwaysHas_data();
    void erlangCStartsWhereItAlwaysHas();
    void erlangCFarAboveTheLoadFollowsTheRecursion_data();
    void erlangCFarAboveTheLoadFollowsTheRecursion();
    void goalFiguresCompletedAreTheEvaluatedOnes();
    void badInputGivesFiguresThatAreNumbers_data();
    void badInputGivesFiguresThatAreNumbers();
};

namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<LoadEvaluation> evaluationOf(const StaffingModel &model, const CallLoad &load,
                                             const ServiceInputs &inputs)
{
    return std::move(model.evaluations({load}, inputs).front());
}

// The goal agent number found the slow way: every agent number from 1 up.
double firstMeeting(LoadEvaluation &evaluation, const GoalRule &rule)
{
    double n = 1;
    while (!rule.met(evaluation.evaluate(n)))
        n = n + 1;
    return n;
}

bool near(double value, double expected, double relative)
{
    return std::fabs(value - expected) <= relative * std::fabs(expected);
}

} // namespace

void ErlangAModelTest::publishedCheck()
{
    // 100 calls in 30 minutes, 3 minutes handling, 5 minutes patience, 14
    // agents, 20 s goal time: the published figures to their digits.
    const CallLoad load = ComputeCallLoad(100, 30, 180);
    const AgentFigures f = evaluationOf(ErlangAModel(), load, ServiceInputs{180, 180, 300, 20})->evaluate(14);
    QCOMPARE(std::round(f.waitProbability * 1e5) / 1e3, 14.526);
    QCOMPARE(std::round(f.abandonRate * 1e6) / 1e4, 1.3984);
    QCOMPARE(std::round(f.usage * 1e4) / 1e2, 70.43);
    QCOMPARE(std::round(f.answerTime * 3600 * 1e3) / 1e3, 4.195);
    QCOMPARE(std::round(f.serviceLevel * 1e5) / 1e3, 91.679);
}

void ErlangAModelTest::longPatienceGivesErlangC_data()
{
    QTest::addColumn<double>("calls");
    QTest::addColumn<double>("periodMinutes");
    QTest::addColumn<double>("handle");
    QTest::addColumn<double>("agents");

    QTest::newRow("worked example, 7 agents") << 100.0 << 60.0 << 210.0 << 7.0;
    QTest::newRow("100 calls in 30 minutes, 14 agents") << 100.0 << 30.0 << 180.0 << 14.0;
    QTest::newRow("1,000 calls in an hour, 38 agents") << 1000.0 << 60.0 << 120.0 << 38.0;
}

void ErlangAModelTest::longPatienceGivesErlangC()
{
    // Callers who wait 10^12 seconds before they hang up are callers who
    // never do: every figure of the queue is Erlang C's, in the same units,
    // and so are the lines the trunk rule sees.
    QFETCH(double, calls);
    QFETCH(double, periodMinutes);
    QFETCH(double, handle);
    QFETCH(double, agents);
    const CallLoad load = ComputeCallLoad(calls, periodMinutes, handle);
    const ServiceInputs inputs{handle, 150, 1e12, 20};
    const AgentFigures a = evaluationOf(ErlangAModel(), load, inputs)->evaluate(agents);
    const auto erlangC = evaluationOf(ErlangCModel(), load, inputs);
    AgentFigures c;
    for (double n = load.startAgents; n <= agents; ++n)
        c = erlangC->evaluate(n);
    QVERIFY(near(a.waitProbability, c.waitProbability, 1e-6));
    QVERIFY(near(a.serviceLevel, c.serviceLevel, 1e-6));
    QVERIFY(near(a.usage, c.usage, 1e-6));
    QVERIFY(near(a.answerTime, c.answerTime, 1e-6));
    QVERIFY(near(a.queueTime, c.queueTime, 1e-6));
    QVERIFY(near(a.queueLength, c.queueLength, 1e-6));
    QVERIFY(near(a.trunkLoad, c.trunkLoad, 1e-6));
    QVERIFY(a.abandonRate < 1e-6);
}

void ErlangAModelTest::shortPatienceGivesTheLossSystem_data()
{
    QTest::addColumn<double>("calls");
    QTest::addColumn<double>("handle");
    QTest::addColumn<double>("agents");

    // Calls in an hour; the load is calls x handle / 3600.
    QTest::newRow("load 5.8, 3 agents (below the load)") << 100.0 << 210.0 << 3.0;
    QTest::newRow("load 180, 200 agents") << 3600.0 << 180.0 << 200.0;
}

void ErlangAModelTest::shortPatienceGivesTheLossSystem()
{
    // Callers who hang up within a microsecond are lost when every agent is
    // busy: they abandon with the loss formula's probability and never wait.
    QFETCH(double, calls);
    QFETCH(double, handle);
    QFETCH(double, agents);
    const CallLoad load = ComputeCallLoad(calls, 60, handle);
    const AgentFigures f = evaluationOf(ErlangAModel(), load, ServiceInputs{handle, handle, 1e-6, 20})->evaluate(agents);
    const double blocking = Calc::LossProbability(agents, load.trafficLoad, 1.0);
    QVERIFY(near(f.waitProbability, blocking, 1e-6));
    QVERIFY(near(f.abandonRate, blocking, 1e-6));
    QVERIFY(near(f.serviceLevel, 1 - blocking, 1e-6));
    QVERIFY(near(f.usage, load.trafficLoad * (1 - blocking) / agents, 1e-6));
    QVERIFY(f.answerTime < 1e-6 / 3600);
    QVERIFY(near(f.trunkLoad, load.arrivalRate * handle / 3600, 1e-12));
}

void ErlangAModelTest::abandonmentLimitAtItsBoundary_data()
{
    QTest::addColumn<std::optional<double>>("cap");
    QTest::addColumn<std::optional<double>>("abandonLimit");
    QTest::addColumn<double>("goalAgents");
    QTest::addColumn<unsigned>("decidedBy");

    // 100 calls in 30 minutes, 3 minutes handling, 5 minutes patience, 80 %
    // in 20 s, met from 13 agents on. Abandonment: 13 agents 2.49633 %, 14
    // agents 1.398374 %; usage: 13 agents 75.0028 %, 14 agents 70.43 %.
    const std::optional<double> none;
    QTest::newRow("no limit") << none << none << 13.0 << unsigned(GoalRule::ServiceLevelGoal);
    QTest::newRow("2.4964 % holds 13") << none << std::optional<double>(2.4964) << 13.0
                                       << unsigned(GoalRule::ServiceLevelGoal);
    QTest::newRow("2.4963 %") << none << std::optional<double>(2.4963) << 14.0
                              << unsigned(GoalRule::AbandonmentGoal);
    QTest::newRow("1.3984 % holds 14") << none << std::optional<double>(1.3984) << 14.0
                                       << unsigned(GoalRule::AbandonmentGoal);
    QTest::newRow("1.3983 %") << none << std::optional<double>(1.3983) << 15.0
                              << unsigned(GoalRule::AbandonmentGoal);
    QTest::newRow("75 % cap, 2.4963 %") << std::optional<double>(75) << std::optional<double>(2.4963) << 14.0
                                        << unsigned(GoalRule::OccupancyCap | GoalRule::AbandonmentGoal);
    QTest::newRow("75 % cap, 1.3983 %") << std::optional<double>(75) << std::optional<double>(1.3983) << 15.0
                                        << unsigned(GoalRule::AbandonmentGoal);
}

void ErlangAModelTest::abandonmentLimitAtItsBoundary()
{
    QFETCH(std::optional<double>, cap);
    QFETCH(std::optional<double>, abandonLimit);
    QFETCH(double, goalAgents);
    QFETCH(unsigned, decidedBy);
    const CallLoad load = ComputeCallLoad(100, 30, 180);
    const GoalRule rule{80, cap, abandonLimit};
    const auto evaluation = evaluationOf(ErlangAModel(), load, ServiceInputs{180, 180, 300, 20});
    QCOMPARE(evaluation->firstAgents(load, rule), goalAgents - ErlangAModel::RowsAboveGoal);
    QCOMPARE(firstMeeting(*evaluation, rule), goalAgents);
    QCOMPARE(rule.decidedBy(evaluation->evaluate(goalAgents - 1)), decidedBy);
}

void ErlangAModelTest::firstAgentsLeaveRowsAboveTheGoalRow_data()
{
    QTest::addColumn<double>("calls");
    QTest::addColumn<double>("handle");
    QTest::addColumn<double>("patience");
    QTest::addColumn<int>("goalPercent");
    QTest::addColumn<double>("firstAgents");

    // Calls in an hour, 20 s goal time.
    QTest::newRow("worked example, 25 s patience: from below the load")
        << 100.0 << 210.0 << 25.0 << 80 << 2.0;
    QTest::newRow("a goal of 0 % is met by one agent") << 100.0 << 210.0 << 25.0 << 0 << 1.0;
    QTest::newRow("a goal above 100 % is never met: 5 below the load's own start")
        << 100.0 << 210.0 << 25.0 << 101 << 1.0;
    QTest::newRow("load 2000, a goal above 100 %") << 36000.0 << 200.0 << 60.0 << 101 << 1995.0;
    QTest::newRow("no calls") << 0.0 << 210.0 << 25.0 << 80 << 1.0;
}

void ErlangAModelTest::firstAgentsLeaveRowsAboveTheGoalRow()
{
    QFETCH(double, calls);
    QFETCH(double, handle);
    QFETCH(double, patience);
    QFETCH(int, goalPercent);
    QFETCH(double, firstAgents);
    const CallLoad load = ComputeCallLoad(calls, 60, handle);
    const GoalRule rule{goalPercent, {}, {}};
    const auto evaluation = evaluationOf(ErlangAModel(), load, ServiceInputs{handle, handle, patience, 20});
    QCOMPARE(evaluation->firstAgents(load, rule), firstAgents);
    if (goalPercent <= 100) {
        const double goal = firstMeeting(*evaluation, rule);
        QCOMPARE(firstAgents, std::max(1.0, goal - ErlangAModel::RowsAboveGoal));
    }
}

void ErlangAModelTest::firstAgentsFindTheGoalRowOverRandomLoads()
{
    // Whatever the load, patience and rule: the first agent number is
    // RowsAboveGoal below the first that meets the rule, found one by one.
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> calls(0, 3000);
    std::uniform_real_distribution<double> handle(1, 900);
    std::uniform_real_distribution<double> patience(1, 1439);
    std::uniform_int_distribution<int> goalPercent(0, 100);
    std::uniform_int_distribution<int> goalSeconds(0, 120);
    std::uniform_real_distribution<double> cap(50, 100);
    std::uniform_real_distribution<double> abandonLimit(0.01, 20);
    std::bernoulli_distribution set(0.4);
    for (int i = 0; i < 300; ++i) {
        const double h = handle(random);
        const CallLoad load = ComputeCallLoad(std::round(calls(random)), 60, h);
        GoalRule rule{goalPercent(random), {}, {}};
        if (set(random))
            rule.maxOccupancyPercent = cap(random);
        if (set(random))
            rule.maxAbandonPercent = abandonLimit(random);
        const auto evaluation
            = evaluationOf(ErlangAModel(), load, ServiceInputs{h, h, patience(random), goalSeconds(random)});
        const double first = evaluation->firstAgents(load, rule);
        const double goal = firstMeeting(*evaluation, rule);
        QVERIFY2(first == std::max(1.0, goal - ErlangAModel::RowsAboveGoal),
                 qPrintable(QStringLiteral("case %1: first %2, goal %3").arg(i).arg(first).arg(goal)));
    }
}

void ErlangAModelTest::erlangCStartsWhereItAlwaysHas_data()
{
    QTest::addColumn<double>("calls");
    QTest::addColumn<double>("handle");
    QTest::addColumn<std::optional<double>>("cap");
    QTest::addColumn<double>("first");

    QTest::newRow("worked example") << 100.0 << 210.0 << std::optional<double>() << 6.0;
    QTest::newRow("a cap within reach") << 1000.0 << 120.0 << std::optional<double>(75) << 34.0;
    // 334 agents keep a load of 33.3 within 10 %: the table starts 5 above.
    QTest::newRow("a cap out of reach") << 1000.0 << 120.0 << std::optional<double>(10) << 329.0;
}

void ErlangAModelTest::erlangCStartsWhereItAlwaysHas()
{
    QFETCH(double, calls);
    QFETCH(double, handle);
    QFETCH(std::optional<double>, cap);
    QFETCH(double, first);
    const CallLoad load = ComputeCallLoad(calls, 60, handle);
    const auto evaluation = evaluationOf(ErlangCModel(), load, ServiceInputs{handle, handle, 25, 20});
    QCOMPARE(evaluation->firstAgents(load, GoalRule{80, cap, {}}), first);
}

void ErlangAModelTest::erlangCFarAboveTheLoadFollowsTheRecursion_data()
{
    QTest::addColumn<double>("calls");
    QTest::addColumn<std::optional<double>>("cap");
    QTest::addColumn<double>("roster");

    // Calls in an hour of 3-minute calls: the load is calls / 20. A roster
    // value is asked for after the table's rows, as the Schedule does.
    QTest::newRow("load 100, 30 % cap: rows from 329") << 2000.0 << std::optional<double>(30) << 0.0;
    QTest::newRow("load 1,800, 90 % cap: rows from 1,995") << 36000.0 << std::optional<double>(90) << 0.0;
    QTest::newRow("load 100, roster of 500") << 2000.0 << std::optional<double>() << 500.0;
    QTest::newRow("load 100, 1 % cap, roster of 20,000") << 2000.0 << std::optional<double>(1) << 20000.0;
}

void ErlangAModelTest::erlangCFarAboveTheLoadFollowsTheRecursion()
{
    // Agent numbers far above the load get the waiting probability of the
    // whole loss recursion from one server up, wherever that is a normal
    // double; below the normal doubles, a value below them too.
    QFETCH(double, calls);
    QFETCH(std::optional<double>, cap);
    QFETCH(double, roster);
    const CallLoad load = ComputeCallLoad(calls, 60, 180);
    const auto evaluation = evaluationOf(ErlangCModel(), load, ServiceInputs{180, 180, 25, 20});
    std::vector<double> asked;
    const double first = evaluation->firstAgents(load, GoalRule{80, cap, {}});
    for (int row = 0; row < AgentSearch::AgentNumbersTried; ++row)
        asked.push_back(first + row);
    if (roster > 0)
        asked.push_back(roster);
    for (const double agents : asked) {
        const double model = evaluation->evaluate(agents).waitProbability;
        const double plain = Calc::WaitProbability(agents, load.trafficLoad, 1.0);
        const bool normal = plain >= std::numeric_limits<double>::min();
        QVERIFY2(normal ? near(model, plain, 1e-9) : model < std::numeric_limits<double>::min(),
                 qPrintable(QStringLiteral("%1 agents: %2, the recursion gives %3").arg(agents).arg(model).arg(plain)));
    }
}

void ErlangAModelTest::goalFiguresCompletedAreTheEvaluatedOnes()
{
    // A search keeps one agent number of many: what it completes must be
    // what evaluating that number gives, to the last bit, for either model.
    std::mt19937 random(31);
    std::uniform_real_distribution<double> calls(1, 3000);
    std::uniform_real_distribution<double> handle(1, 900);
    std::uniform_int_distribution<int> above(0, 30);
    const ErlangCModel erlangC;
    const ErlangAModel erlangA;
    for (int i = 0; i < 200; ++i) {
        const double h = handle(random);
        const CallLoad load = ComputeCallLoad(calls(random), 60, h);
        const ServiceInputs inputs{h, h * 0.8, 40, 20};
        const double agents = load.startAgents + above(random);
        for (const StaffingModel *model : {static_cast<const StaffingModel *>(&erlangC),
                                           static_cast<const StaffingModel *>(&erlangA)}) {
            const auto searched = evaluationOf(*model, load, inputs);
            AgentFigures kept;
            for (double n = load.startAgents; n <= agents; ++n)
                kept = searched->goalFigures(n);
            searched->complete(agents, kept);
            const AgentFigures f = evaluationOf(*model, load, inputs)->evaluate(agents);
            QVERIFY2(std::memcmp(&kept, &f, sizeof f) == 0, qPrintable(QStringLiteral("case %1").arg(i)));
        }
    }
}

void ErlangAModelTest::badInputGivesFiguresThatAreNumbers_data()
{
    QTest::addColumn<double>("calls");
    QTest::addColumn<double>("handle");
    QTest::addColumn<double>("patience");
    QTest::addColumn<double>("agents");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("patience of a second") << 100.0 << 210.0 << 1.0 << 7.0 << true;
    QTest::newRow("patience just under a second") << 100.0 << 210.0 << 0.999 << 7.0 << false;
    QTest::newRow("no patience") << 100.0 << 210.0 << 0.0 << 7.0 << false;
    QTest::newRow("patience not a number") << 100.0 << 210.0 << NotANumber << 7.0 << false;
    QTest::newRow("no agents") << 100.0 << 210.0 << 25.0 << 0.0 << true;
    QTest::newRow("agent number not a number") << 100.0 << 210.0 << 25.0 << NotANumber << true;
    QTest::newRow("an agent number beyond any table") << 100.0 << 210.0 << 25.0 << 1e300 << true;
    QTest::newRow("the largest load, one agent") << 3.6e8 << 1.0 << 1439.0 << 1.0 << true;
}

void ErlangAModelTest::badInputGivesFiguresThatAreNumbers()
{
    QFETCH(double, calls);
    QFETCH(double, handle);
    QFETCH(double, patience);
    QFETCH(double, agents);
    QFETCH(bool, accepted);
    QCOMPARE(ErlangAModel::acceptsPatience(patience), accepted);
    const CallLoad load = ComputeCallLoad(calls, 60, handle);
    const auto evaluation = evaluationOf(ErlangAModel(), load, ServiceInputs{handle, handle, patience, 20});
    QCOMPARE(evaluation->carries(agents), agents >= 1);
    const AgentFigures f = evaluation->evaluate(agents);
    for (const double figure : {f.usage, f.waitProbability, f.queueLength, f.answerTime, f.queueTime,
                                f.serviceLevel, f.abandonRate, f.trunkLoad})
        QVERIFY(std::isfinite(figure));
    QVERIFY(f.serviceLevel >= 0 && f.serviceLevel <= 1);
    QVERIFY(evaluation->firstAgents(load, GoalRule{80, {}, {}}) >= 1);
}

QTEST_GUILESS_MAIN(ErlangAModelTest)
#include "test_erlangamodel.moc"
