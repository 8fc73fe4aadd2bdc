// SPDX-License-Identifier: MIT
#include "texts.h"

#include "pinnedlocale.h"

#include <QtTest>

#include <limits>

class TextsTest : public QObject
{
    Q_OBJECT

private slots:
    void hoursToSeconds_data();
    void hoursToSeconds();
    void padNumber_data();
    void padNumber();
    void durationText_data();
    void durationText();
    void clockAndDurationTexts_data();
    void clockAndDurationTexts();
    void clockTextEndsTheDayAt2400();
    void percentText_data();
    void percentText();
};

namespace {
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
} // namespace

void TextsTest::hoursToSeconds_data()
{
    QTest::addColumn<double>("hours");
    QTest::addColumn<int>("seconds");

    QTest::newRow("90 seconds") << 0.025 << 90;
    QTest::newRow("half a second rounds up") << 1.0 / 7200 << 1;
    QTest::newRow("just under half a second") << 0.49 / 3600 << 0;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("one hour") << 1.0 << 3600;
    QTest::newRow("125 seconds") << 125.0 / 3600 << 125;
    // Truncation toward zero of x + 0.5, not floor: -1 s + 0.5 is -0.5 -> 0.
    QTest::newRow("minus one second truncates to 0") << -1.0 / 3600 << 0;
    QTest::newRow("minus two seconds") << -2.0 / 3600 << -1;
    QTest::newRow("beyond the 32-bit range is held") << 1e9 << std::numeric_limits<int>::max();
    // x + 0.5 is exactly 2^31 here: one past the largest int.
    QTest::newRow("2^31 seconds is held") << 2147483647.5 / 3600 << std::numeric_limits<int>::max();
    QTest::newRow("below the 32-bit range is held") << -1e9 << std::numeric_limits<int>::min();
    QTest::newRow("infinity is held") << Inf << std::numeric_limits<int>::max();
    QTest::newRow("not a number") << NaN << 0;
}

void TextsTest::hoursToSeconds()
{
    QFETCH(double, hours);
    QFETCH(int, seconds);
    QCOMPARE(Calc::HoursToSeconds(hours), seconds);
}

void TextsTest::padNumber_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0 << 2 << QStringLiteral("00");
    QTest::newRow("one digit") << 7 << 2 << QStringLiteral("07");
    QTest::newRow("exact width") << 42 << 2 << QStringLiteral("42");
    QTest::newRow("wider than width unchanged") << 123 << 2 << QStringLiteral("123");
    QTest::newRow("width 4") << 5 << 4 << QStringLiteral("0005");
    QTest::newRow("width 0") << 5 << 0 << QStringLiteral("5");
    QTest::newRow("negative at width") << -5 << 2 << QStringLiteral("-5");
}

void TextsTest::padNumber()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(Calc::PadNumber(value, width), text);
}

void TextsTest::durationText_data()
{
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << QStringLiteral("00:00");
    QTest::newRow("negative") << -1.0 << QStringLiteral("00:00");
    QTest::newRow("not a number") << NaN << QStringLiteral("00:00");
    QTest::newRow("125 seconds") << 125.0 / 3600 << QStringLiteral("02:05");
    QTest::newRow("89.5 seconds round up") << 89.5 / 3600 << QStringLiteral("01:30");
    QTest::newRow("89.4 seconds") << 89.4 / 3600 << QStringLiteral("01:29");
    QTest::newRow("23:58") << 1438.0 / 3600 << QStringLiteral("23:58");
    QTest::newRow("1439.4 seconds") << 1439.4 / 3600 << QStringLiteral("23:59");
    QTest::newRow("1439.5 seconds reach 24 minutes") << 1439.5 / 3600 << QStringLiteral("23:59");
    QTest::newRow("24 minutes") << 0.4 << QStringLiteral("23:59");
    QTest::newRow("one hour") << 1.0 << QStringLiteral("23:59");
    QTest::newRow("huge") << 1e300 << QStringLiteral("23:59");
    QTest::newRow("infinity") << Inf << QStringLiteral("23:59");
}

void TextsTest::durationText()
{
    QFETCH(double, hours);
    QFETCH(QString, text);
    QCOMPARE(Calc::DurationText(hours), text);
}

void TextsTest::clockAndDurationTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("minutes");

    QTest::newRow("time of day") << QStringLiteral("08:30") << true << 510;
    QTest::newRow("duration mm:ss") << QStringLiteral("02:05") << true << 125;
    QTest::newRow("midnight") << QStringLiteral("00:00") << true << 0;
    QTest::newRow("largest") << QStringLiteral("23:59") << true << 1439;
    QTest::newRow("seconds part ignored") << QStringLiteral("08:30:45") << true << 510;
    QTest::newRow("24:00 is not a time") << QStringLiteral("24:00") << false << 0;
    QTest::newRow("minute 60") << QStringLiteral("12:60") << false << 0;
    QTest::newRow("empty mask") << QStringLiteral("  :  ") << false << 0;
}

void TextsTest::clockAndDurationTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, minutes);

    // A time of day and a duration are read by the same rule.
    for (const std::optional<int> got : {Calc::ClockTextToMinutes(text), Calc::DurationTextToSeconds(text)}) {
        QCOMPARE(got.has_value(), valid);
        if (valid)
            QCOMPARE(*got, minutes);
    }
    // What is read back is what the one clock text writes.
    if (valid && text.size() == 5)
        QCOMPARE(Calc::ClockText(minutes), text);
}

void TextsTest::clockTextEndsTheDayAt2400()
{
    QCOMPARE(Calc::ClockText(0), QStringLiteral("00:00"));
    QCOMPARE(Calc::ClockText(Calc::MinutesPerDay), Calc::EndOfDayText);
}

void TextsTest::percentText_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("below 0 limited") << -0.2 << 0 << QStringLiteral("0%");
    QTest::newRow("above 1 limited") << 1.2 << 0 << QStringLiteral("100%");
    QTest::newRow("0.996 rounds to 100") << 0.996 << 0 << QStringLiteral("100%");
    QTest::newRow("0.8549") << 0.8549 << 0 << QStringLiteral("85%");
    QTest::newRow("exact half up") << 0.125 << 0 << QStringLiteral("13%");
    QTest::newRow("exact half 0.375 up, not to even") << 0.375 << 0 << QStringLiteral("38%");
    // These doubles lie just below the written half: the product by 100 in
    // double would land on the half and round up.
    QTest::newRow("0.855 just below the half") << 0.855 << 0 << QStringLiteral("85%");
    QTest::newRow("0.285 just below the half") << 0.285 << 0 << QStringLiteral("28%");
    QTest::newRow("0.995 just below the half") << 0.995 << 0 << QStringLiteral("99%");
    QTest::newRow("0.045 just below the half") << 0.045 << 0 << QStringLiteral("4%");
    // ...and these just above it.
    QTest::newRow("0.005 just above the half") << 0.005 << 0 << QStringLiteral("1%");
    QTest::newRow("0.025 just above the half") << 0.025 << 0 << QStringLiteral("3%");
    QTest::newRow("zero") << 0.0 << 0 << QStringLiteral("0%");
    QTest::newRow("one") << 1.0 << 0 << QStringLiteral("100%");
    QTest::newRow("not a number") << NaN << 0 << QStringLiteral("0%");
    QTest::newRow("ten") << 0.1 << 0 << QStringLiteral("10%");
    QTest::newRow("one decimal") << 0.8549 << 1 << QStringLiteral("85.5%");
    QTest::newRow("two decimals") << 0.125 << 2 << QStringLiteral("12.50%");
    QTest::newRow("two decimals, value just above the half") << 0.12345 << 2 << QStringLiteral("12.35%");
}

void TextsTest::percentText()
{
    QFETCH(double, fraction);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Calc::PercentText(fraction, decimals), text);
}

VARNOOK_PINNED_LOCALE_MAIN(TextsTest)
#include "test_texts.moc"
