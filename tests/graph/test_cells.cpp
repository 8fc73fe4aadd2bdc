// SPDX-License-Identifier: MIT
#include "conversions.h"
#include "graphcells.h"

#include <QtTest>

#include <limits>

using GraphCells::Value;

class CellsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsTheTablesOwnTexts_data();
    void readsTheTablesOwnTexts();
    void refusesWithThePlatformsWords_data();
    void refusesWithThePlatformsWords();
    void emptyCellsAreNoResultsNotErrors();
    void numbersAsTheFormatterWritesThem();
};

void CellsTest::readsTheTablesOwnTexts_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("85%") << "percent" << "85%" << 85;
    QTest::newRow("100%") << "percent" << "100%" << 100;
    QTest::newRow("0%") << "percent" << "0%" << 0;
    QTest::newRow("01:30") << "time" << "01:30" << 90;
    QTest::newRow("10:05") << "time" << "10:05" << 605;
    QTest::newRow("23:59") << "time" << "23:59" << 1439;
    QTest::newRow("00:00") << "time" << "00:00" << 0;
    QTest::newRow("14") << "number" << "14" << 14;
    QTest::newRow("0") << "number" << "0" << 0;
    QTest::newRow("999") << "number" << "999" << 999;
    QTest::newRow("2147483647") << "number" << "2147483647" << 2147483647;
}

namespace {

Value readAs(const QString &group, const QString &text)
{
    if (group == QLatin1String("percent"))
        return GraphCells::ReadPercentage(text);
    if (group == QLatin1String("time"))
        return GraphCells::ReadTime(text);
    return GraphCells::ReadNumber(text);
}

} // namespace

void CellsTest::readsTheTablesOwnTexts()
{
    QFETCH(QString, group);
    QFETCH(QString, text);
    QFETCH(int, value);
    const Value v = readAs(group, text);
    QVERIFY(v.read());
    QCOMPARE(v.value, value);
}

void CellsTest::refusesWithThePlatformsWords_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    // A percentage drops its last character whatever it is.
    QTest::newRow("percent letters") << "percent" << "ab%" << "'ab' is not a valid integer value";
    QTest::newRow("percent sign alone") << "percent" << "%" << "'' is not a valid integer value";
    QTest::newRow("time") << "time" << "1:3x" << "'1:3x' is not a valid time";
    QTest::newRow("time of 24 minutes") << "time" << "24:00" << "'24:00' is not a valid time";
    QTest::newRow("number word") << "number" << "many" << "'many' is not a valid integer value";
    QTest::newRow("short group") << "number" << "1,23" << "'1,23' is not a valid integer value";
    QTest::newRow("long group") << "number" << "1,2345" << "'1,2345' is not a valid integer value";
    QTest::newRow("leading separator") << "number" << ",123" << "',123' is not a valid integer value";
    QTest::newRow("four leading digits") << "number" << "1234,567" << "'1234,567' is not a valid integer value";
    QTest::newRow("infinite") << "number" << "INF" << "'INF' is not a valid integer value";
}

void CellsTest::refusesWithThePlatformsWords()
{
    if (Calc::ThousandSeparator() != QLatin1Char(','))
        QSKIP("the cases are written for a comma as thousands separator");
    QFETCH(QString, group);
    QFETCH(QString, text);
    QFETCH(QString, error);
    const Value v = readAs(group, text);
    QCOMPARE(v.status, Value::Status::Invalid);
    QCOMPARE(v.error, error);
}

void CellsTest::emptyCellsAreNoResultsNotErrors()
{
    for (const Value &v : {GraphCells::ReadPercentage({}), GraphCells::ReadTime({}), GraphCells::ReadNumber({})}) {
        QCOMPARE(v.status, Value::Status::Empty);
        QVERIFY(v.error.isEmpty());
    }
}

void CellsTest::numbersAsTheFormatterWritesThem()
{
    // Every form the table's number format gives an average queue comes
    // back as the value it was written from.
    const double queues[] = {999, 1000, 1234, 99999, 1234567, 12345678, 99999999, 123456789, 2e9};
    for (double queue : queues) {
        const QString text = Calc::FormatNumber(queue, 0);
        const Value v = GraphCells::ReadNumber(text);
        QVERIFY2(v.read(), qPrintable(text));
        // The scientific form keeps 8 significant digits.
        const double tolerance = queue >= 1e8 ? queue * 1e-7 : 0;
        QVERIFY2(std::abs(v.value - queue) <= tolerance, qPrintable(text + QStringLiteral(" read as ") + QString::number(v.value)));
    }
    // Beyond the 32-bit range the value is held at its end.
    QCOMPARE(GraphCells::ReadNumber(Calc::FormatNumber(5e12, 0)).value, std::numeric_limits<int>::max());
    QCOMPARE(GraphCells::ReadNumber(QStringLiteral("-3E+10")).value, std::numeric_limits<int>::min());
    // A grouped negative number: the minus is no digit of the first group.
    const QString sep = Calc::ThousandSeparator();
    QCOMPARE(GraphCells::ReadNumber(QStringLiteral("-123") + sep + QStringLiteral("456")).value, -123456);
    QCOMPARE(GraphCells::ReadNumber(QStringLiteral("-1234") + sep + QStringLiteral("567")).status, Value::Status::Invalid);
    // Plain decimals round half away from zero.
    QCOMPARE(GraphCells::ReadNumber(QStringLiteral("2.5")).value, 3);
}

QTEST_GUILESS_MAIN(CellsTest)
#include "test_cells.moc"
