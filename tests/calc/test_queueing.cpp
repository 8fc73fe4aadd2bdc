// SPDX-License-Identifier: MIT
#include "incompletegamma.h"
#include "queueing.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

// Reference values below come from the loss recursion and the waiting formula
// worked out in exact rational arithmetic, then rounded to double.
class QueueingTest : public QObject
{
    Q_OBJECT

private slots:
    void lossProbability_data();
    void lossProbability();
    void lossProbability_usesOnlyTheProductOfRateAndDuration();
    void waitProbability_data();
    void waitProbability();
    void waitProbabilityFromLoss_matchesWaitProbability();
    void trunksNeeded_data();
    void trunksNeeded();
    void lossRecursion_isBitIdenticalToLossProbability_data();
    void lossRecursion_isBitIdenticalToLossProbability();
    void lossRecursion_randomOrderGivesTheSameDoubles();
    void lossRecursion_zeroAndOneServerShareTheOneServerValue();
    void lossRecursion_resumedFromAKnownValueContinuesIdentically();
    void lossProbabilities_sideBySideGiveTheSameDoubles_data();
    void lossProbabilities_sideBySideGiveTheSameDoubles();
    void trunksNeededSideBySide_matchesTrunksNeeded();
    void trunksNeeded_largeLoadsMatchThePlainSearch();
    void lossProbabilityNearLoad_matchesTheRecursion();
    void logGammaP_nearALargeShape_data();
    void logGammaP_nearALargeShape();
};

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool closeTo(double got, double expected)
{
    if (expected == 0)
        return got == 0;
    return std::fabs(got - expected) <= 1e-13 * std::fabs(expected);
}

const double NaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

void QueueingTest::lossProbability_data()
{
    QTest::addColumn<double>("servers");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("expected");

    QTest::newRow("two servers, one erlang") << 2.0 << 1.0 << 1.0 << 0.2;
    QTest::newRow("zero servers take the one-server value") << 0.0 << 1.0 << 1.0 << 0.5;
    QTest::newRow("one server") << 1.0 << 1.0 << 1.0 << 0.5;
    QTest::newRow("fractional servers are truncated, not rounded") << 1.9 << 1.0 << 1.0 << 0.5;
    QTest::newRow("2.999 servers count as two") << 2.999 << 1.0 << 1.0 << 0.2;
    QTest::newRow("zero load blocks nothing") << 10.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("10 servers, 8 erlangs") << 10.0 << 8.0 << 1.0 << 0.1216610642529515;
    QTest::newRow("100 servers, 90 erlangs") << 100.0 << 90.0 << 1.0 << 0.026957380464359214;
    QTest::newRow("load split into rate and duration") << 10.0 << 16.0 << 0.5 << 0.1216610642529515;
    QTest::newRow("negative servers") << -1.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("negative rate") << 2.0 << -1.0 << 1.0 << 0.0;
    QTest::newRow("negative duration") << 2.0 << 1.0 << -1.0 << 0.0;
    QTest::newRow("not-a-number servers") << NaN << 1.0 << 1.0 << 0.0;
}

void QueueingTest::lossProbability()
{
    QFETCH(double, servers);
    QFETCH(double, rate);
    QFETCH(double, duration);
    QFETCH(double, expected);

    const double got = Calc::LossProbability(servers, rate, duration);
    QVERIFY2(closeTo(got, expected), qPrintable(QString::number(got, 'g', 17)));
}

void QueueingTest::lossProbability_usesOnlyTheProductOfRateAndDuration()
{
    // State: a load of 12 erlangs given as 12 x 1 and as 24 x 0.5 (exact).
    // Expected: the same doubles for every server count.
    for (int n = 0; n <= 40; ++n)
        QVERIFY2(sameBits(Calc::LossProbability(n, 12.0, 1.0), Calc::LossProbability(n, 24.0, 0.5)),
                 qPrintable(QString::number(n)));
    // The line search takes the load the same way: 24 lines for 12 erlangs.
    QCOMPARE(Calc::TrunksNeeded(0, 24.0, 0.5), 24);
    QCOMPARE(Calc::TrunksNeeded(0, 6.0, 2.0), 24);
}

void QueueingTest::waitProbability_data()
{
    QTest::addColumn<double>("servers");
    QTest::addColumn<double>("load");
    QTest::addColumn<double>("expected");

    QTest::newRow("two servers, one erlang") << 2.0 << 1.0 << 1.0 / 3.0;
    QTest::newRow("zero servers") << 0.0 << 1.0 << 0.0;
    QTest::newRow("load equal to servers") << 1.0 << 1.0 << 1.0;
    QTest::newRow("one server, half an erlang") << 1.0 << 0.5 << 0.5;
    QTest::newRow("3 servers, 5/3 erlang") << 3.0 << 5.0 / 3.0 << 0.2997601918465228;
    QTest::newRow("10 servers, 8 erlangs") << 10.0 << 8.0 << 0.40918015079644354;
    QTest::newRow("20 servers, 16 erlangs") << 20.0 << 16.0 << 0.2560777938390579;
    QTest::newRow("100 servers, 90 erlangs") << 100.0 << 90.0 << 0.2169404809063664;
    QTest::newRow("zero load never waits") << 5.0 << 0.0 << 0.0;
    // 1 - r rounds to 1: the denominator is exactly 1, the result the blocking.
    QTest::newRow("a tiny load waits a tiny bit") << 1.0 << 1e-17 << 1e-17;
    QTest::newRow("negative servers") << -2.0 << 1.0 << 0.0;
    QTest::newRow("negative load") << 2.0 << -1.0 << 0.0;
    // Load over servers overflows: a floating-point error gives 0.
    QTest::newRow("overflowing occupancy") << 0.5 << 1e308 << 0.0;
}

void QueueingTest::waitProbability()
{
    QFETCH(double, servers);
    QFETCH(double, load);
    QFETCH(double, expected);

    const double got = Calc::WaitProbability(servers, load, 1.0);
    QVERIFY2(closeTo(got, expected), qPrintable(QString::number(got, 'g', 17)));
}

void QueueingTest::waitProbabilityFromLoss_matchesWaitProbability()
{
    // The table code passes a blocking value it already holds; it must give
    // the very double WaitProbability gives.
    for (double load : {0.5, 4.0 / 3.0, 7.25, 90.0}) {
        for (int n = 1; n <= 120; ++n) {
            if (load >= n)
                continue;
            const double blocking = Calc::LossProbability(n, load, 1.0);
            QVERIFY2(sameBits(Calc::WaitProbabilityFromLoss(n, load, blocking),
                              Calc::WaitProbability(n, load, 1.0)),
                     qPrintable(QStringLiteral("n=%1 load=%2").arg(n).arg(load)));
        }
    }
    QCOMPARE(Calc::WaitProbabilityFromLoss(0, 1.0, 0.5), 0.0);
}

void QueueingTest::trunksNeeded_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("load");
    QTest::addColumn<int>("expected");

    // The smallest line count whose blocking is under 1 in 1000.
    QTest::newRow("1 erlang") << 0.0 << 1.0 << 6;
    QTest::newRow("5 erlangs") << 0.0 << 5.0 << 14;
    QTest::newRow("10 erlangs") << 0.0 << 10.0 << 21;
    QTest::newRow("100/3 erlangs, blocking just above at 51") << 0.0 << 100.0 / 3.0 << 52;
    QTest::newRow("100 erlangs") << 0.0 << 100.0 << 128;
    QTest::newRow("200 erlangs") << 0.0 << 200.0 << 238;
    QTest::newRow("start above the answer is kept") << 30.0 << 10.0 << 30;
    QTest::newRow("start just below the answer") << 20.0 << 10.0 << 21;
    QTest::newRow("fractional start is truncated") << 20.9 << 10.0 << 21;
    // 14 lines carry 5 erlangs: a start of 20.6 stays at 20 (rounding would give 21).
    QTest::newRow("fractional start is truncated, not rounded") << 20.6 << 5.0 << 20;
    QTest::newRow("zero load returns the start") << 7.0 << 0.0 << 7;
    QTest::newRow("zero load from zero") << 0.0 << 0.0 << 0;
    // No cap: lines carry the queued calls too, however many agents there are.
    QTest::newRow("start 300 searches on") << 300.0 << 1000.0 << 1072;
    QTest::newRow("start 256 searches on") << 256.0 << 1000.0 << 1072;
    QTest::newRow("start 255 still searches") << 255.0 << 0.0 << 255;
    QTest::newRow("start 255 blocked searches on") << 255.0 << 250.0 << 291;
    QTest::newRow("250 erlangs") << 0.0 << 250.0 << 291;
    QTest::newRow("a million erlangs") << 0.0 << 1e6 << 999697;
    QTest::newRow("start beyond a 32-bit count") << 3e9 << 10.0 << 2147483647;
    QTest::newRow("negative start") << -1.0 << 10.0 << 0;
    QTest::newRow("negative load") << 5.0 << -10.0 << 0;
}

void QueueingTest::trunksNeeded()
{
    QFETCH(double, first);
    QFETCH(double, load);
    QFETCH(int, expected);

    QCOMPARE(Calc::TrunksNeeded(first, load, 1.0), expected);
}

void QueueingTest::lossRecursion_isBitIdenticalToLossProbability_data()
{
    QTest::addColumn<double>("load");

    QTest::newRow("tiny load") << 1e-3;
    QTest::newRow("4/3 erlang") << 4.0 / 3.0;
    QTest::newRow("7.25 erlangs") << 7.25;
    QTest::newRow("266.67 erlangs") << 2000.0 * 2 * 240 / 3600;
    QTest::newRow("400 erlangs") << 400.0;
    QTest::newRow("zero load") << 0.0;
}

void QueueingTest::lossRecursion_isBitIdenticalToLossProbability()
{
    QFETCH(double, load);
    constexpr int top = 400;

    // Forward, one server at a time.
    Calc::LossRecursion forward(load);
    for (int n = 0; n <= top; ++n)
        QVERIFY2(sameBits(forward.at(n), Calc::LossProbability(n, load, 1.0)),
                 qPrintable(QStringLiteral("forward n=%1").arg(n)));

    // Backward from the top: every step restarts and must still agree.
    Calc::LossRecursion backward(load);
    for (int n = top; n >= 0; --n)
        QVERIFY2(sameBits(backward.at(n), Calc::LossProbability(n, load, 1.0)),
                 qPrintable(QStringLiteral("backward n=%1").arg(n)));

    // Forward in jumps, then a short step back and on again.
    Calc::LossRecursion jumping(load);
    for (int n : {3, 17, 18, 90, 89, 250, 251, 5, 6, top}) {
        QVERIFY2(sameBits(jumping.at(n), Calc::LossProbability(n, load, 1.0)),
                 qPrintable(QStringLiteral("jump n=%1").arg(n)));
        QVERIFY2(sameBits(jumping.at(n), Calc::LossProbability(n, load, 1.0)),
                 qPrintable(QStringLiteral("repeat n=%1").arg(n)));
    }
}

void QueueingTest::lossRecursion_randomOrderGivesTheSameDoubles()
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> servers(0, 300);
    const double load = 123.456;
    Calc::LossRecursion recursion(load);
    for (int i = 0; i < 500; ++i) {
        const int n = servers(random);
        QVERIFY2(sameBits(recursion.at(n), Calc::LossProbability(n, load, 1.0)),
                 qPrintable(QStringLiteral("n=%1").arg(n)));
    }
}

void QueueingTest::lossRecursion_zeroAndOneServerShareTheOneServerValue()
{
    Calc::LossRecursion recursion(3.0);
    QCOMPARE(recursion.at(5), Calc::LossProbability(5, 3.0, 1.0));
    QCOMPARE(recursion.at(0), 0.75);
    QCOMPARE(recursion.at(1), 0.75);
    QCOMPARE(recursion.at(-4), 0.75);
    QCOMPARE(recursion.load(), 3.0);
}

void QueueingTest::lossRecursion_resumedFromAKnownValueContinuesIdentically()
{
    const double load = 57.3;
    for (long long start : {0LL, 1LL, 2LL, 40LL, 255LL}) {
        Calc::LossRecursion resumed(load, start, Calc::LossProbability(static_cast<double>(start), load, 1.0));
        for (long long n = start; n <= 300; n += 7)
            QVERIFY2(sameBits(resumed.at(n), Calc::LossProbability(static_cast<double>(n), load, 1.0)),
                     qPrintable(QStringLiteral("start=%1 n=%2").arg(start).arg(n)));
        // Going below the resumed point restarts from one server.
        QVERIFY(sameBits(resumed.at(1), load / (1 + load)));
    }
}

void QueueingTest::lossProbabilities_sideBySideGiveTheSameDoubles_data()
{
    QTest::addColumn<QVector<double>>("loads");
    QTest::addColumn<QVector<long long>>("servers");

    QTest::newRow("one recursion") << QVector<double>{8.0} << QVector<long long>{10};
    QTest::newRow("none") << QVector<double>{} << QVector<long long>{};
    QTest::newRow("mixed lengths, unsorted")
        << QVector<double>{1.0, 266.67, 4.0 / 3.0, 0.0, 90.0, 13.5}
        << QVector<long long>{6, 285, 3, 7, 100, 20};
    QTest::newRow("equal lengths") << QVector<double>{2.0, 3.0, 5.0} << QVector<long long>{9, 9, 9};
    QTest::newRow("zero and one server")
        << QVector<double>{2.0, 2.0, 7.0, 7.0} << QVector<long long>{0, 1, 1, 0};
    QTest::newRow("one long among short ones")
        << QVector<double>{0.5, 400.0, 0.5, 0.5} << QVector<long long>{2, 450, 3, 1};
}

void QueueingTest::lossProbabilities_sideBySideGiveTheSameDoubles()
{
    QFETCH(QVector<double>, loads);
    QFETCH(QVector<long long>, servers);

    QVector<double> blocking(loads.size(), -1.0);
    Calc::LossProbabilities(loads.constData(), servers.constData(), blocking.data(), static_cast<int>(loads.size()));
    for (int i = 0; i < loads.size(); ++i)
        QVERIFY2(sameBits(blocking[i], Calc::LossProbability(static_cast<double>(servers[i]), loads[i], 1.0)),
                 qPrintable(QStringLiteral("recursion %1").arg(i)));
}

void QueueingTest::trunksNeededSideBySide_matchesTrunksNeeded()
{
    QVector<double> firstLines;
    QVector<double> loads;
    for (double load : {0.0, 1.0, 10.0, 100.0 / 3.0, 200.0, 250.0, 2500.0, 3313.5, 1e6, 3e9, -1.0}) {
        for (double lines : {0.0, 1.0, 5.0, 20.0, 51.0, 52.0, 128.0, 200.0, 255.0, 256.0, 300.0, 3300.0, 3500.0, 3e9}) {
            firstLines.append(lines);
            loads.append(load);
        }
    }
    QVector<int> lines(loads.size(), -1);
    Calc::TrunksNeededSideBySide(firstLines.constData(), loads.constData(), lines.data(), static_cast<int>(loads.size()));
    for (int i = 0; i < loads.size(); ++i)
        QVERIFY2(lines[i] == Calc::TrunksNeeded(firstLines[i], loads[i], 1.0),
                 qPrintable(QStringLiteral("lines=%1 load=%2").arg(firstLines[i]).arg(loads[i])));
}

void QueueingTest::trunksNeeded_largeLoadsMatchThePlainSearch()
{
    // A large load's search starts far ahead of one server; it must find the
    // count the recursion from one server finds.
    std::mt19937 random(27);
    std::uniform_real_distribution<double> loads(2000.0, 100000.0);
    for (int i = 0; i < 40; ++i) {
        const double load = loads(random);
        const int first = static_cast<int>(load * (i % 2 == 0 ? 0.5 : 1.0005));
        Calc::LossRecursion recursion(load);
        int plain = first;
        while (static_cast<long double>(recursion.at(plain)) >= 0.001L)
            ++plain;
        QVERIFY2(Calc::TrunksNeeded(first, load, 1.0) == plain, qPrintable(QString::number(load, 'g', 17)));
    }
}

void QueueingTest::lossProbabilityNearLoad_matchesTheRecursion()
{
    // The direct value a large load's line search starts from is the
    // recursion's to within its rounding, inside four standard deviations of
    // the load; outside them it is not offered.
    for (double load : {2600.5, 31000.25, 99999.0}) {
        Calc::LossRecursion recursion(load);
        for (double deviations : {-3.5, 0.0, 0.9, 3.5}) {
            const auto servers = static_cast<long long>(load + deviations * std::sqrt(load));
            const double plain = recursion.at(servers);
            const double direct = static_cast<double>(Calc::LossProbabilityNearLoad(servers, load));
            QVERIFY2(std::fabs(direct - plain) <= 1e-12 * plain, qPrintable(QStringLiteral("%1 at %2").arg(load).arg(servers)));
        }
        QVERIFY(std::isnan(Calc::LossProbabilityNearLoad(static_cast<long long>(load + 4.5 * std::sqrt(load)), load)));
    }
    QVERIFY(std::isnan(Calc::LossProbabilityNearLoad(200, 199.0)));
}

void QueueingTest::logGammaP_nearALargeShape_data()
{
    // log P(a, x) from the series of P in 50-digit arithmetic, rounded to
    // double. Near x = a for a large a the value comes from Temme's
    // expansion: for x below a, between a and a + 1, and above.
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("a million, 1000 below") << 1e6 << 999000.0 << -1.8410218993793996;
    QTest::newRow("a million, half above") << 1e6 << 1000000.5 << -0.6924824978579005;
    QTest::newRow("a million, 1000 above") << 1e6 << 1001000.0 << -0.17275373112418319;
}

void QueueingTest::logGammaP_nearALargeShape()
{
    QFETCH(double, a);
    QFETCH(double, x);
    QFETCH(double, expected);
    const double got = static_cast<double>(Calc::LogGammaP(a, x));
    QVERIFY2(std::fabs(got - expected) <= 1e-14 * std::fabs(expected), qPrintable(QString::number(got, 'g', 17)));
}

QTEST_GUILESS_MAIN(QueueingTest)
#include "test_queueing.moc"
