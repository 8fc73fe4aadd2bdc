// SPDX-License-Identifier: MIT
#include "axisincrement.h"

#include <QtTest>

#include <limits>

class IncrementsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void timeIncrementAcrossItsTable_data();
    void timeIncrementAcrossItsTable();
    void numberIncrementAcrossItsTable_data();
    void numberIncrementAcrossItsTable();
    void otherDivisions();
    void extremeArgumentsStayFinite();
};

namespace {

// Both ends of every band, with 10 divisions.
void addBands(const QList<QList<int>> &bands)
{
    QTest::addColumn<int>("largest");
    QTest::addColumn<int>("increment");
    for (const QList<int> &band : bands) {
        const int low = band.at(0);
        const int high = band.at(1);
        const int increment = band.at(2);
        QTest::addRow("%d", low) << low << increment;
        QTest::addRow("%d", high) << high << increment;
    }
}

} // namespace

void IncrementsTest::timeIncrementAcrossItsTable_data()
{
    addBands({{0, 9, 1}, {10, 99, 10}, {100, 299, 30}, {300, 609, 60}, {610, 1209, 120}, {1210, 1439, 180}});
}

void IncrementsTest::timeIncrementAcrossItsTable()
{
    QFETCH(int, largest);
    QFETCH(int, increment);
    QCOMPARE(TimeIncrement(largest, 10), increment);
}

void IncrementsTest::numberIncrementAcrossItsTable_data()
{
    addBands({{0, 9, 1},
              {10, 19, 2},
              {20, 49, 5},
              {50, 99, 10},
              {100, 199, 20},
              {200, 499, 50},
              {500, 1009, 100},
              {1010, 2009, 200},
              {2010, 3009, 300},
              {99010, 100009, 10000}});
}

void IncrementsTest::numberIncrementAcrossItsTable()
{
    QFETCH(int, largest);
    QFETCH(int, increment);
    QCOMPARE(NumberIncrement(largest, 10), increment);
}

void IncrementsTest::otherDivisions()
{
    // The base step is chosen against the divisions: 45 in 5 steps is
    // 10 * 5 > 45, base 10, q = 9, so 10; as a number base 10 too.
    QCOMPARE(TimeIncrement(45, 5), 10);
    QCOMPARE(NumberIncrement(45, 5), 10);
    QCOMPARE(TimeIncrement(4, 5), 1);
    QCOMPARE(NumberIncrement(7, 5), 2);
}

void IncrementsTest::extremeArgumentsStayFinite()
{
    const int most = std::numeric_limits<int>::max();
    QCOMPARE(NumberIncrement(most, 10), 214748400);
    QCOMPARE(TimeIncrement(most, 10), 214748400);
    // A division count below 1 counts as 1; a negative largest value keeps
    // the increment at or below 1.
    QCOMPARE(NumberIncrement(7, 0), 10);
    QCOMPARE(TimeIncrement(7, -3), 10);
    QVERIFY(NumberIncrement(-50, 10) <= 1);
    QVERIFY(TimeIncrement(std::numeric_limits<int>::min(), 10) <= 1);
}

QTEST_GUILESS_MAIN(IncrementsTest)
#include "test_increments.moc"
