// SPDX-License-Identifier: MIT
#include "erlanga.h"
#include "queueing.h"

#include <QtTest>

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <cmath>
#include <vector>

using Calc::ErlangAFigures;
using Calc::ErlangATraffic;

class ErlangATest : public QObject
{
    Q_OBJECT

private slots:
    void publishedFigures();
    void matchesTheBirthDeathChain_data();
    void matchesTheBirthDeathChain();
    void longPatienceGivesErlangC_data();
    void longPatienceGivesErlangC();
    void shortPatienceGivesTheLossSystem();
    void nearTheLoadBoundEveryFigureIsSoundAndMonotone_data();
    void nearTheLoadBoundEveryFigureIsSoundAndMonotone();
    void refusesArgumentsOutOfRange();
};

namespace {

using Big = boost::multiprecision::cpp_bin_float_50;

ErlangAFigures figures(double callsPerHour, double handle, double patience, long long agents, double goal)
{
    const auto f = Calc::ErlangA(ErlangATraffic{callsPerHour, handle, patience}, agents, goal);
    return f ? *f : ErlangAFigures{-1, -1, -1, -1, -1, -1, -1};
}

// The same figures from the chain itself, in 50 digits: the stationary law
// over states truncated where their weight is below 1e-45, and the service
// level from each waiting caller's own race between the k + 1 phases ahead of
// it (rates n mu + j theta) and its patience, by uniformization.
ErlangAFigures chainFigures(double callsPerHour, double handle, double patience, int n, double goal)
{
    const Big lambda = Big(callsPerHour) / 3600, mu = 1 / Big(handle), theta = 1 / Big(patience), t = goal;
    const Big tiny("1e-45");
    Big idle = 0; // sum_{j<n} pi_j / pi_n
    Big below = 1;
    for (int j = n; j >= 1; --j)
        idle += (below *= j * mu / lambda);
    std::vector<Big> w{Big(1)}; // pi_{n+k} / pi_n
    Big busy = 1, waiting = 0;
    for (int k = 1; lambda >= n * mu + k * theta || w.back() > tiny * busy; ++k) {
        w.push_back(w.back() * lambda / (n * mu + k * theta));
        busy += w.back();
        waiting += k * w.back();
    }
    const int last = static_cast<int>(w.size()) - 1;
    const Big rate = n * mu + (last + 1) * theta; // uniformization rate
    std::vector<Big> served(w.size(), Big(0)), within(w.size(), Big(0));
    Big poisson = exp(-rate * t), mass = poisson;
    for (int m = 1; m < rate * t || 1 - mass > tiny; ++m) {
        for (int j = last; j >= 0; --j) { // P(answered within m uniformized steps | phase j)
            const Big out = n * mu + j * theta;
            served[j] = (out * (j == 0 ? Big(1) : served[j - 1]) + (rate - out - theta) * served[j]) / rate;
        }
        poisson *= rate * t / m;
        mass += poisson;
        for (int j = 0; j <= last; ++j)
            within[j] += poisson * served[j];
    }
    Big answered = idle;
    for (int j = 0; j <= last; ++j)
        answered += w[j] * within[j];
    const Big total = idle + busy, queue = waiting / total, abandon = theta * queue / lambda;
    return ErlangAFigures{static_cast<double>(answered / total), static_cast<double>(busy / total),
                          static_cast<double>(abandon), static_cast<double>(lambda * (1 - abandon) / (n * mu)),
                          static_cast<double>(queue / lambda), static_cast<double>(waiting / busy / lambda),
                          static_cast<double>(queue)};
}

// Shares absolutely, times and lengths relatively.
void compareFigures(const ErlangAFigures &got, const ErlangAFigures &want, double tolerance)
{
    const auto relative = [](double g, double w) { return std::fabs(g - w) / std::fabs(w); };
    QVERIFY2(std::fabs(got.serviceLevel - want.serviceLevel) <= tolerance, "service level");
    QVERIFY2(std::fabs(got.waitProbability - want.waitProbability) <= tolerance, "wait probability");
    QVERIFY2(std::fabs(got.abandonProbability - want.abandonProbability) <= tolerance, "abandonment");
    QVERIFY2(std::fabs(got.usage - want.usage) <= tolerance, "usage");
    QVERIFY2(relative(got.answerSeconds, want.answerSeconds) <= tolerance, "answer time");
    QVERIFY2(relative(got.queueSeconds, want.queueSeconds) <= tolerance, "queue time");
    QVERIFY2(relative(got.queueLength, want.queueLength) <= tolerance, "queue length");
}

} // namespace

void ErlangATest::publishedFigures()
{
    // 100 calls in 30 minutes, 180 s handling, 14 agents, 300 s patience,
    // 20 s goal, to the digits published.
    const ErlangAFigures f = figures(200, 180, 300, 14, 20);
    QCOMPARE(std::round(f.waitProbability * 1e5) / 1e3, 14.526);
    QCOMPARE(std::round(f.abandonProbability * 1e6) / 1e4, 1.3984);
    QCOMPARE(std::round(f.usage * 1e4) / 1e2, 70.43);
    QCOMPARE(std::round(f.answerSeconds * 1e3) / 1e3, 4.195);
    QCOMPARE(std::round(f.serviceLevel * 1e5) / 1e3, 91.679);
    // Two more abandonment figures of the same load: 13 % at 11 agents and
    // 25 s patience, 3.0 % at 14 agents and 60 s.
    QCOMPARE(std::round(figures(200, 180, 25, 11, 20).abandonProbability * 100), 13.0);
    QCOMPARE(std::round(figures(200, 180, 60, 14, 20).abandonProbability * 1000) / 10, 3.0);
}

void ErlangATest::matchesTheBirthDeathChain_data()
{
    QTest::addColumn<double>("callsPerHour");
    QTest::addColumn<double>("handle");
    QTest::addColumn<double>("patience");
    QTest::addColumn<int>("agents");
    QTest::addColumn<double>("goal");

    QTest::newRow("published case") << 200.0 << 180.0 << 300.0 << 14 << 20.0;
    QTest::newRow("agents below the load") << 200.0 << 180.0 << 300.0 << 6 << 20.0;
    QTest::newRow("short patience") << 200.0 << 180.0 << 1.0 << 10 << 20.0;
    QTest::newRow("one agent, patience a third of the handling") << 50.0 << 60.0 << 20.0 << 1 << 0.0;
    QTest::newRow("long patience, goal of ten minutes") << 720.0 << 240.0 << 1439.0 << 50 << 600.0;
    QTest::newRow("200 agents at the load") << 4000.0 << 180.0 << 30.0 << 200 << 15.0;
    QTest::newRow("patience equal to the handling, many agents idle") << 100.0 << 90.0 << 90.0 << 12 << 10.0;
    // n mu / theta = 2e5: the incomplete gamma values by Temme's expansion.
    QTest::newRow("2000 agents at the load, patience 100 handling times") << 72000.0 << 100.0 << 1e4 << 2000 << 5.0;
    QTest::newRow("1990 agents, patience 100 handling times") << 72000.0 << 100.0 << 1e4 << 1990 << 5.0;
}

void ErlangATest::matchesTheBirthDeathChain()
{
    QFETCH(double, callsPerHour);
    QFETCH(double, handle);
    QFETCH(double, patience);
    QFETCH(int, agents);
    QFETCH(double, goal);
    compareFigures(figures(callsPerHour, handle, patience, agents, goal),
                   chainFigures(callsPerHour, handle, patience, agents, goal), 1e-12);
}

void ErlangATest::longPatienceGivesErlangC_data()
{
    QTest::addColumn<double>("load");
    QTest::addColumn<int>("agents");

    QTest::newRow("5.8 erlangs, 7 agents") << 35.0 / 6 << 7;
    QTest::newRow("10 erlangs, 14 agents") << 10.0 << 14;
    QTest::newRow("90 erlangs, 100 agents") << 90.0 << 100;
    QTest::newRow("950 erlangs, 1000 agents") << 950.0 << 1000;
}

void ErlangATest::longPatienceGivesErlangC()
{
    QFETCH(double, load);
    QFETCH(int, agents);
    // Patience of 3e15 s against 180 s handling: theta / mu = 6e-14.
    const double handle = 180, goal = 20;
    const ErlangAFigures f = figures(load * 3600 / handle, handle, 3e15, agents, goal);
    const double n = agents;
    const double wait = Calc::WaitProbability(n, load, 1.0);
    const double queueSeconds = handle / (n - load);
    QVERIFY(std::fabs(f.waitProbability - wait) <= 1e-12);
    QVERIFY(std::fabs(f.serviceLevel - (1 - wait * std::exp(-(n - load) * goal / handle))) <= 1e-12);
    QVERIFY(f.abandonProbability <= 1e-12);
    QVERIFY(std::fabs(f.queueSeconds / queueSeconds - 1) <= 1e-11);
    QVERIFY(std::fabs(f.queueLength / (wait * load / (n - load)) - 1) <= 1e-11);
}

void ErlangATest::shortPatienceGivesTheLossSystem()
{
    // Callers who give up within a picosecond are lost calls: blocked with
    // the loss formula's probability, never answered after waiting.
    for (const int n : {1, 3, 10, 40, 200}) {
        for (const double load : {0.5, 8.0, 35.0, 180.0}) {
            const ErlangAFigures f = figures(load * 3600 / 180, 180, 1e-12, n, 10);
            const double blocking = Calc::LossProbability(n, load, 1.0);
            const QByteArray where = QStringLiteral("n=%1 load=%2").arg(n).arg(load).toLatin1();
            QVERIFY2(std::fabs(f.waitProbability - blocking) <= 1e-10, where);
            QVERIFY2(std::fabs(f.abandonProbability - blocking) <= 1e-10, where);
            QVERIFY2(std::fabs(f.serviceLevel - (1 - blocking)) <= 1e-10, where);
            QVERIFY2(std::fabs(f.usage - load * (1 - blocking) / n) <= 1e-10, where);
        }
    }
}

void ErlangATest::nearTheLoadBoundEveryFigureIsSoundAndMonotone_data()
{
    QTest::addColumn<double>("handle");
    QTest::addColumn<double>("patience");

    // 100,000 agent-hours per hour with the extremes of the time fields.
    QTest::newRow("1 s handling, 23:59 patience") << 1.0 << 1439.0;
    QTest::newRow("180 s handling, 00:30 patience") << 180.0 << 30.0;
    QTest::newRow("47:58 handling, 00:01 patience") << 2878.0 << 1.0;
}

void ErlangATest::nearTheLoadBoundEveryFigureIsSoundAndMonotone()
{
    QFETCH(double, handle);
    QFETCH(double, patience);
    const double load = 100000;
    std::vector<long long> agents{1, 50000, 99000};
    for (long long n = 99900; n <= 100600; n += 7)
        agents.push_back(n);
    agents.insert(agents.end(), {101000, 103000, 110000, 300000});
    ErlangAFigures previous{0, 1, 1, 1, 0, 0, 0};
    for (const long long n : agents) {
        const ErlangAFigures f = figures(load * 3600 / handle, handle, patience, n, 20);
        const QByteArray where = QByteArray::number(n);
        for (const double share : {f.serviceLevel, f.waitProbability, f.abandonProbability, f.usage})
            QVERIFY2(share >= 0 && share <= 1, where);
        for (const double length : {f.answerSeconds, f.queueSeconds, f.queueLength})
            QVERIFY2(std::isfinite(length) && length >= 0, where);
        // More agents never serve worse (up to the last bit of a share near 1).
        QVERIFY2(f.serviceLevel >= previous.serviceLevel - 1e-15, where);
        QVERIFY2(f.waitProbability <= previous.waitProbability + 1e-15, where);
        QVERIFY2(f.abandonProbability <= previous.abandonProbability + 1e-15, where);
        QVERIFY2(n == 1 || f.queueLength <= previous.queueLength * (1 + 1e-13), where);
        previous = f;
    }
}

void ErlangATest::refusesArgumentsOutOfRange()
{
    // Negative, zero where a positive value is needed, not a number,
    // infinite, and agents times patience / handling beyond a double.
    for (const ErlangATraffic &bad : {ErlangATraffic{-1, 180, 300}, ErlangATraffic{200, 0, 300}, ErlangATraffic{200, 180, 0},
                                      ErlangATraffic{std::nan(""), 180, 300}, ErlangATraffic{200, 180, HUGE_VAL},
                                      ErlangATraffic{200, 1e-300, 1e300}})
        QVERIFY(!Calc::ErlangA(bad, 14, 20));
    QVERIFY(!Calc::ErlangA(ErlangATraffic{200, 180, 300}, 0, 20));
    QVERIFY(!Calc::ErlangA(ErlangATraffic{200, 180, 300}, 14, -1));
    const auto idle = Calc::ErlangA(ErlangATraffic{0, 180, 300}, 3, 20); // no calls
    QVERIFY(idle && idle->serviceLevel == 1 && idle->waitProbability == 0 && idle->queueLength == 0);
}

QTEST_APPLESS_MAIN(ErlangATest)
#include "test_erlanga.moc"
