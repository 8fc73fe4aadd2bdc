// SPDX-License-Identifier: MIT
#include "erlangcmodel.h"
#include "goalrule.h"

#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(std::optional<double>)

class GoalRuleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missedGoals_data();
    void missedGoals();
    void occupancyCapMovesTheGoalRow_data();
    void occupancyCapMovesTheGoalRow();
};

namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

AgentFigures figures(double serviceLevel, double usage, double abandonRate)
{
    AgentFigures f;
    f.serviceLevel = serviceLevel;
    f.usage = usage;
    f.abandonRate = abandonRate;
    return f;
}

} // namespace

void GoalRuleTest::missedGoals_data()
{
    QTest::addColumn<std::optional<double>>("cap");
    QTest::addColumn<std::optional<double>>("abandonLimit");
    QTest::addColumn<double>("serviceLevel");
    QTest::addColumn<double>("usage");
    QTest::addColumn<double>("abandonRate");
    QTest::addColumn<unsigned>("missed");
    QTest::addColumn<unsigned>("decided");

    const std::optional<double> none;
    // The service level goal is 80 % throughout; its whole percentage is
    // what counts, the cap and the limit count exactly.
    QTest::newRow("79.6 % shows as 80 %") << none << none << 0.796 << 0.5 << 0.0 << 0u << 0u;
    QTest::newRow("79.4 % shows as 79 %") << none << none << 0.794 << 0.5 << 0.0 << 1u << 1u;
    QTest::newRow("usage 85.47 % breaks an 85 % cap")
        << std::optional<double>(85) << none << 0.9 << 0.8547 << 0.0 << 2u << 2u;
    QTest::newRow("usage of exactly 85 % keeps an 85 % cap")
        << std::optional<double>(85) << none << 0.9 << 34.0 / 40 << 0.0 << 0u << 0u;
    QTest::newRow("usage that is not a number breaks the cap")
        << std::optional<double>(100) << none << 0.9 << NotANumber << 0.0 << 2u << 2u;
    QTest::newRow("abandonment 5.00001 % breaks a 5 % limit")
        << none << std::optional<double>(5) << 0.9 << 0.5 << 0.0500001 << 4u << 4u;
    QTest::newRow("abandonment of exactly 5 % keeps a 5 % limit")
        << none << std::optional<double>(5) << 0.9 << 0.5 << 0.05 << 0u << 0u;
    QTest::newRow("abandonment that is not a number breaks the limit")
        << none << std::optional<double>(100) << 0.9 << 0.5 << NotANumber << 4u << 4u;
    QTest::newRow("cap and limit both broken: both decide")
        << std::optional<double>(80) << std::optional<double>(2) << 0.9 << 0.81 << 0.03 << 6u << 6u;
    QTest::newRow("service level missed too: it decides alone")
        << std::optional<double>(80) << std::optional<double>(2) << 0.7 << 0.81 << 0.03 << 7u << 1u;
}

void GoalRuleTest::missedGoals()
{
    QFETCH(std::optional<double>, cap);
    QFETCH(std::optional<double>, abandonLimit);
    QFETCH(double, serviceLevel);
    QFETCH(double, usage);
    QFETCH(double, abandonRate);
    QFETCH(unsigned, missed);
    QFETCH(unsigned, decided);
    const GoalRule rule{80, cap, abandonLimit};
    const AgentFigures f = figures(serviceLevel, usage, abandonRate);
    QCOMPARE(rule.missed(f), missed);
    QCOMPARE(rule.met(f), missed == 0);
    QCOMPARE(rule.decidedBy(f), decided);
}

void GoalRuleTest::occupancyCapMovesTheGoalRow_data()
{
    QTest::addColumn<std::optional<double>>("cap");
    QTest::addColumn<double>("goalAgents");
    QTest::addColumn<unsigned>("decidedBy");

    // 1,000 calls in 60 minutes of 2 minutes each, 80 % in 20 s: the service
    // level alone is met from 38 agents (usage 87.72 %); 39 agents use
    // 85.470 %, 40 agents 83.33 %.
    QTest::newRow("no cap") << std::optional<double>() << 38.0 << unsigned(GoalRule::ServiceLevelGoal);
    QTest::newRow("87.72 % cap holds 38") << std::optional<double>(87.72) << 38.0
                                          << unsigned(GoalRule::ServiceLevelGoal);
    QTest::newRow("85.48 % cap holds 39") << std::optional<double>(85.48) << 39.0
                                          << unsigned(GoalRule::OccupancyCap);
    QTest::newRow("85.47 % cap") << std::optional<double>(85.47) << 40.0 << unsigned(GoalRule::OccupancyCap);
    QTest::newRow("85 % cap") << std::optional<double>(85) << 40.0 << unsigned(GoalRule::OccupancyCap);
}

void GoalRuleTest::occupancyCapMovesTheGoalRow()
{
    QFETCH(std::optional<double>, cap);
    QFETCH(double, goalAgents);
    QFETCH(unsigned, decidedBy);
    const CallLoad load = ComputeCallLoad(1000, 60, 120);
    const GoalRule rule{80, cap, {}};
    const auto evaluation = std::move(ErlangCModel().evaluations({load}, ServiceInputs{120, 120, 0, 20}).front());
    // Walk up as the Agents table does, from where the model starts it.
    double n = evaluation->firstAgents(load, rule);
    QCOMPARE(n, load.startAgents);
    AgentFigures previous;
    AgentFigures f = evaluation->evaluate(n);
    while (!rule.met(f) && n < load.startAgents + 19) {
        previous = f;
        n = n + 1;
        f = evaluation->evaluate(n);
    }
    QCOMPARE(n, goalAgents);
    QCOMPARE(rule.decidedBy(previous), decidedBy);
}

QTEST_GUILESS_MAIN(GoalRuleTest)
#include "test_goalrule.moc"
