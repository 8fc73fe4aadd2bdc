// SPDX-License-Identifier: MIT
#include "conversions.h"

#include "pinnedlocale.h"

#include <QtTest>

#include <limits>

class ConversionsTest : public QObject
{
    Q_OBJECT

private slots:
    void parseInteger_data();
    void parseInteger();
    void parseTime_data();
    void parseTime();
    void parseFloat_data();
    void parseFloat();
    void thousandSeparator_isThePinnedLocales();
    void formatNumber_data();
    void formatNumber();
    void formatNumber_roundsTheExactSumOnce_data();
    void formatNumber_roundsTheExactSumOnce();
    void roundHalfAwayExact_data();
    void roundHalfAwayExact();
};

void ConversionsTest::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << QStringLiteral("100") << true << 100;
    QTest::newRow("leading blanks") << QStringLiteral("   12") << true << 12;
    QTest::newRow("leading zeros") << QStringLiteral("007") << true << 7;
    QTest::newRow("plus sign") << QStringLiteral("+5") << true << 5;
    QTest::newRow("minus zero") << QStringLiteral("-0") << true << 0;
    QTest::newRow("negative") << QStringLiteral("-42") << true << -42;
    QTest::newRow("blank before sign") << QStringLiteral(" -3") << true << -3;
    QTest::newRow("dollar hex") << QStringLiteral("$1F") << true << 31;
    QTest::newRow("0x hex lower") << QStringLiteral("0x1f") << true << 31;
    QTest::newRow("0X hex upper") << QStringLiteral("0X1F") << true << 31;
    QTest::newRow("x hex") << QStringLiteral("x1F") << true << 31;
    QTest::newRow("signed hex") << QStringLiteral("-$10") << true << -16;
    QTest::newRow("largest") << QStringLiteral("2147483647") << true << 2147483647;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << true << std::numeric_limits<int>::min();
    QTest::newRow("largest hex") << QStringLiteral("$7FFFFFFF") << true << 2147483647;
    QTest::newRow("smallest hex") << QStringLiteral("-$80000000") << true << std::numeric_limits<int>::min();
    QTest::newRow("many leading zeros") << QStringLiteral("000000000000000000001") << true << 1;

    QTest::newRow("one past largest") << QStringLiteral("2147483648") << false << 0;
    QTest::newRow("one past smallest") << QStringLiteral("-2147483649") << false << 0;
    QTest::newRow("far too long") << QStringLiteral("99999999999999999999999") << false << 0;
    QTest::newRow("hex past largest") << QStringLiteral("$80000000") << false << 0;
    QTest::newRow("hex all ones") << QStringLiteral("$FFFFFFFF") << false << 0;
    QTest::newRow("trailing blank") << QStringLiteral("12 ") << false << 0;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("blank only") << QStringLiteral(" ") << false << 0;
    QTest::newRow("sign only") << QStringLiteral("-") << false << 0;
    QTest::newRow("two signs") << QStringLiteral("+-5") << false << 0;
    QTest::newRow("blank after sign") << QStringLiteral("- 5") << false << 0;
    QTest::newRow("letter after digits") << QStringLiteral("12a") << false << 0;
    QTest::newRow("dollar alone") << QStringLiteral("$") << false << 0;
    QTest::newRow("0x alone") << QStringLiteral("0x") << false << 0;
    QTest::newRow("bad hex digit") << QStringLiteral("0x1g") << false << 0;
    QTest::newRow("decimal point") << QStringLiteral("1.0") << false << 0;
    QTest::newRow("exponent") << QStringLiteral("1e3") << false << 0;
    QTest::newRow("thousands separator") << QStringLiteral("1,000") << false << 0;
    QTest::newRow("tab before") << QStringLiteral("\t5") << false << 0;
    QTest::newRow("non-ASCII digit") << QString(QChar(0x0663)) << false << 0;
    QTest::newRow("fullwidth digit") << QString(QChar(0xFF15)) << false << 0;
}

void ConversionsTest::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);

    const std::optional<int> got = Calc::ParseInteger(text);
    QCOMPARE(got.has_value(), valid);
    if (valid)
        QCOMPARE(*got, value);
}

void ConversionsTest::parseTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");

    QTest::newRow("two-digit hour") << QStringLiteral("08:00") << true << 8 << 0;
    QTest::newRow("one-digit hour") << QStringLiteral("8:00") << true << 8 << 0;
    QTest::newRow("one-digit minute") << QStringLiteral("8:5") << true << 8 << 5;
    QTest::newRow("latest") << QStringLiteral("23:59") << true << 23 << 59;
    QTest::newRow("midnight") << QStringLiteral("00:00") << true << 0 << 0;
    QTest::newRow("seconds part ignored") << QStringLiteral("08:00:30") << true << 8 << 0;
    QTest::newRow("blanks around") << QStringLiteral(" 08:15 ") << true << 8 << 15;

    QTest::newRow("hour 24") << QStringLiteral("24:00") << false << 0 << 0;
    QTest::newRow("minute 60") << QStringLiteral("12:60") << false << 0 << 0;
    QTest::newRow("hour 30 (a 30-minute duration)") << QStringLiteral("30:00") << false << 0 << 0;
    QTest::newRow("seconds 60") << QStringLiteral("08:00:60") << false << 0 << 0;
    QTest::newRow("colon only") << QStringLiteral(":") << false << 0 << 0;
    QTest::newRow("empty mask") << QStringLiteral("  :  ") << false << 0 << 0;
    QTest::newRow("empty") << QString() << false << 0 << 0;
    QTest::newRow("no minute") << QStringLiteral("08:") << false << 0 << 0;
    QTest::newRow("no hour") << QStringLiteral(":30") << false << 0 << 0;
    QTest::newRow("no colon") << QStringLiteral("0800") << false << 0 << 0;
    QTest::newRow("half-filled mask") << QStringLiteral("08:0_") << false << 0 << 0;
    QTest::newRow("am suffix") << QStringLiteral("8:00 am") << false << 0 << 0;
    QTest::newRow("pm suffix") << QStringLiteral("08:00PM") << false << 0 << 0;
    QTest::newRow("negative hour") << QStringLiteral("-1:00") << false << 0 << 0;
    QTest::newRow("dot separator") << QStringLiteral("08.00") << false << 0 << 0;
}

void ConversionsTest::parseTime()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, hour);
    QFETCH(int, minute);

    const std::optional<Calc::TimeOfDay> got = Calc::ParseTime(text);
    QCOMPARE(got.has_value(), valid);
    if (valid) {
        QCOMPARE(got->hour, hour);
        QCOMPARE(got->minute, minute);
    }
}

void ConversionsTest::parseFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("decimal") << QStringLiteral("1.5") << true << 1.5;
    QTest::newRow("whole") << QStringLiteral("120") << true << 120.0;
    QTest::newRow("blank, sign, exponent") << QStringLiteral(" -2e3") << true << -2000.0;
    QTest::newRow("plus sign") << QStringLiteral("+4") << true << 4.0;
    QTest::newRow("no whole part") << QStringLiteral(".5") << true << 0.5;
    QTest::newRow("no fraction digits") << QStringLiteral("5.") << true << 5.0;
    QTest::newRow("negative exponent") << QStringLiteral("25E-1") << true << 2.5;
    QTest::newRow("signed exponent") << QStringLiteral("1e+2") << true << 100.0;
    QTest::newRow("zero") << QStringLiteral("0") << true << 0.0;
    QTest::newRow("correctly rounded") << QStringLiteral("0.1") << true << 0.1;

    QTest::newRow("exponent without digits") << QStringLiteral("1e") << false << 0.0;
    QTest::newRow("exponent sign only") << QStringLiteral("1e-") << false << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("blank only") << QStringLiteral(" ") << false << 0.0;
    QTest::newRow("point only") << QStringLiteral(".") << false << 0.0;
    QTest::newRow("sign only") << QStringLiteral("-") << false << 0.0;
    QTest::newRow("decimal comma") << QStringLiteral("1,5") << false << 0.0;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << false << 0.0;
    QTest::newRow("trailing letter") << QStringLiteral("12a") << false << 0.0;
    QTest::newRow("hex") << QStringLiteral("0x10") << false << 0.0;
    QTest::newRow("infinity word") << QStringLiteral("inf") << false << 0.0;
    QTest::newRow("nan word") << QStringLiteral("nan") << false << 0.0;
    QTest::newRow("overflow") << QStringLiteral("1e400") << false << 0.0;
}

void ConversionsTest::parseFloat()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);

    const std::optional<double> got = Calc::ParseFloat(text);
    QCOMPARE(got.has_value(), valid);
    if (valid)
        QCOMPARE(*got, value);
}

void ConversionsTest::thousandSeparator_isThePinnedLocales()
{
    QCOMPARE(Calc::ThousandSeparator(), QLatin1Char(','));
}

void ConversionsTest::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << 0 << QStringLiteral("0");
    QTest::newRow("below a thousand") << 999.0 << 0 << QStringLiteral("999");
    QTest::newRow("a thousand") << 1000.0 << 0 << QStringLiteral("1,000");
    QTest::newRow("millions") << 1234567.0 << 0 << QStringLiteral("1,234,567");
    QTest::newRow("negative with separator") << -1234567.0 << 0 << QStringLiteral("-1,234,567");
    QTest::newRow("half up") << 0.5 << 0 << QStringLiteral("1");
    QTest::newRow("2.5 away from zero, not to even") << 2.5 << 0 << QStringLiteral("3");
    QTest::newRow("negative half away from zero") << -2.5 << 0 << QStringLiteral("-3");
    QTest::newRow("just below a half") << 0.49999999999999994 << 0 << QStringLiteral("0");
    QTest::newRow("small negative shows no minus") << -0.4 << 0 << QStringLiteral("0");
    QTest::newRow("rounding carries into a group") << 999.5 << 0 << QStringLiteral("1,000");
    QTest::newRow("largest without exponent") << 99999999.0 << 0 << QStringLiteral("99,999,999");
    QTest::newRow("rounds up to 1e8") << 99999999.5 << 0 << QStringLiteral("1E+8");
    QTest::newRow("nine digits") << 123456789.0 << 0 << QStringLiteral("1.2345679E+8");
    QTest::newRow("negative nine digits") << -123456789.0 << 0 << QStringLiteral("-1.2345679E+8");
    QTest::newRow("two decimals") << 1234.5678 << 2 << QStringLiteral("1,234.57");
    QTest::newRow("decimals padded") << 2.5 << 2 << QStringLiteral("2.50");
    QTest::newRow("decimal half away from zero") << 0.125 << 2 << QStringLiteral("0.13");
    QTest::newRow("decimal just below half") << 1.005 << 2 << QStringLiteral("1.00");
    // With decimals, the value is rounded to 8 significant digits and the
    // rest of the decimals are zeros.
    QTest::newRow("eight significant digits") << 123456.789 << 3 << QStringLiteral("123,456.790");
    QTest::newRow("eight digits before the point") << 12345678.9 << 2 << QStringLiteral("12,345,679.00");
    QTest::newRow("seven digits before the point") << 1234567.891 << 3 << QStringLiteral("1,234,567.900");
    // The digits before the point are counted, not rounded from the logarithm:
    // both values have seven, though their logarithms are nearer to 7 than 6.
    QTest::newRow("seven digits, above 10^6.5") << 3162278.5 << 2 << QStringLiteral("3,162,278.50");
    QTest::newRow("seven digits, a quarter") << 5000000.25 << 2 << QStringLiteral("5,000,000.30");
    QTest::newRow("one digit before the point") << 1.23456789 << 10 << QStringLiteral("1.2345679000");
    QTest::newRow("below one, counted from the first digit")
        << 0.000123456789 << 12 << QStringLiteral("0.000123456790");
    QTest::newRow("rounding up to nine digits") << 99999999.5 << 1 << QStringLiteral("1E+8");
    QTest::newRow("decimal rounding carries into the first digit") << 1.9999 << 3 << QStringLiteral("2.000");
    QTest::newRow("negative rounding to zero") << -0.001 << 2 << QStringLiteral("0.00");
    QTest::newRow("negative decimals as 0") << 7.6 << -1 << QStringLiteral("8");
}

void ConversionsTest::formatNumber()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Calc::FormatNumber(value, decimals), text);
}

void ConversionsTest::formatNumber_roundsTheExactSumOnce_data()
{
    // `extra` is the low part of a product that does not fit a double: the
    // rounding must see value + extra, not value alone.
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("extra");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("half less a little") << 85.5 << -1e-15 << 0 << QStringLiteral("85");
    QTest::newRow("half plus a little") << 85.5 << 1e-15 << 0 << QStringLiteral("86");
    QTest::newRow("whole less a little") << 86.0 << -1e-15 << 0 << QStringLiteral("86");
    QTest::newRow("below a half plus a little") << 0.4999999999999999 << 1e-16 << 0 << QStringLiteral("0");
    QTest::newRow("negative half less a little") << -2.5 << 1e-16 << 0 << QStringLiteral("-2");
    QTest::newRow("negative zero with negative extra") << 0.0 << -1e-300 << 0 << QStringLiteral("0");
    QTest::newRow("decimal half less a little") << 12.125 << -1e-16 << 2 << QStringLiteral("12.12");
    QTest::newRow("decimal half plus a little") << 12.125 << 1e-16 << 2 << QStringLiteral("12.13");
}

void ConversionsTest::formatNumber_roundsTheExactSumOnce()
{
    QFETCH(double, value);
    QFETCH(double, extra);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Calc::FormatNumber(value, decimals, extra), text);
}

void ConversionsTest::roundHalfAwayExact_data()
{
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("rounded");

    QTest::newRow("half up") << 12.5 << 0.0 << 13.0;
    QTest::newRow("2.5 away from zero") << 2.5 << 0.0 << 3.0;
    QTest::newRow("negative half away from zero") << -2.5 << 0.0 << -3.0;
    QTest::newRow("half less a little") << 85.5 << -1.4e-15 << 85.0;
    QTest::newRow("half plus a little") << 85.5 << 1.4e-15 << 86.0;
    QTest::newRow("negative half, magnitude less a little") << -85.5 << 1.4e-15 << -85.0;
    QTest::newRow("whole less a little") << 86.0 << -1.4e-15 << 86.0;
    QTest::newRow("just below a half") << 0.49999999999999994 << 0.0 << 0.0;
    QTest::newRow("zero") << 0.0 << 0.0 << 0.0;
    QTest::newRow("large whole") << 4503599627370495.0 << 0.0 << 4503599627370495.0;
}

void ConversionsTest::roundHalfAwayExact()
{
    QFETCH(double, hi);
    QFETCH(double, lo);
    QFETCH(double, rounded);
    QCOMPARE(Calc::RoundHalfAwayExact(hi, lo), rounded);
}

VARNOOK_PINNED_LOCALE_MAIN(ConversionsTest)
#include "test_conversions.moc"
