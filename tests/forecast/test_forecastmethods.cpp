// SPDX-License-Identifier: MIT
#include "dailyholtwinters.h"
#include "doubleseasonal.h"
#include "generatedhistory.h"
#include "handletimes.h"
#include "holtwinters.h"
#include "neldermead.h"
#include "seasonalnaive.h"
#include "weekdayaverage.h"
#include "wholecalls.h"

#include <QTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(std::shared_ptr<ForecastMethod>)

namespace {

// The largest gap between the forecast of the week after the history and
// the history's own last week, over the slots with data.
double largestGapToTheLastWeek(const ForecastMethod &method, const ForecastSeries &series)
{
    const MethodForecasts forecasts = method.forecast(series, {series.dayCount()}, 7);
    double gap = 0;
    for (int day = 0; day < 7; ++day) {
        for (int s = 0; s < series.slotsPerDay(); ++s) {
            const double seen = series.calls(series.dayCount() - 7 + day, s);
            if (!std::isnan(seen))
                gap = std::max(gap, std::abs(forecasts.fromOrigin[0][static_cast<std::size_t>(day)][static_cast<std::size_t>(s)] - seen));
        }
    }
    return gap;
}

} // namespace

class ForecastMethodsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aRepeatingWeekComesBackExactly_data();
    void aRepeatingWeekComesBackExactly();
    void naiveAndAverageStepOverDaysWithoutData();
    void holtWintersFollowsATrendOfDayTotals();
    void nelderMeadFindsTheMinimumInTheBox_data();
    void nelderMeadFindsTheMinimumInTheBox();
    void wholeCallsKeepTheDaysTotal_data();
    void wholeCallsKeepTheDaysTotal();
    void handleTimesAreCallWeighted();
};

// A history whose weeks are all alike (a daily and weekly pattern without
// trend or noise, or one level throughout) is forecast as its last week by
// every method: each method's seasons start from and keep that week.
void ForecastMethodsTest::aRepeatingWeekComesBackExactly_data()
{
    QTest::addColumn<std::shared_ptr<ForecastMethod>>("method");
    QTest::addColumn<bool>("flat");
    const std::vector<std::pair<const char *, std::shared_ptr<ForecastMethod>>> methods{
        {"naive", std::make_shared<SeasonalNaive>()},
        {"average k=3", std::make_shared<WeekdayAverage>(3)},
        {"daily", std::make_shared<DailyHoltWinters>()},
        {"double", std::make_shared<DoubleSeasonal>()},
    };
    for (const auto &[name, method] : methods) {
        QTest::newRow(qPrintable(QStringLiteral("%1, weekly pattern").arg(QLatin1String(name)))) << method << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, one level").arg(QLatin1String(name)))) << method << true;
    }
}

void ForecastMethodsTest::aRepeatingWeekComesBackExactly()
{
    QFETCH(std::shared_ptr<ForecastMethod>, method);
    QFETCH(bool, flat);
    GeneratedHistory history;
    history.days = 35;
    history.noise = false;
    history.flat = flat;
    QVERIFY(largestGapToTheLastWeek(*method, history.series()) < 1e-6);
}

// State: four weeks; the Monday of the last week is left out, and the
// last Tuesday's 08:00 row is missing.
// Expected: naive takes the Monday and the Tuesday slot of the week
// before; the average of 2 weeks takes the one week that has data.
void ForecastMethodsTest::naiveAndAverageStepOverDaysWithoutData()
{
    GeneratedHistory history;
    history.days = 28;
    QString text = history.text();
    const QString lastTuesday = history.first.addDays(22).toString(Qt::ISODate) + QStringLiteral(",08:00,");
    const qsizetype at = text.indexOf(lastTuesday);
    text.remove(at, text.indexOf(QLatin1Char('\n'), at) - at + 1);
    const QDate lastMonday = history.first.addDays(21);
    const ForecastSeries series = *ForecastSeries::fromDays(IntervalDays::read(text), {lastMonday}).series;
    QVERIFY(std::isnan(series.calls(21, 20)));
    QVERIFY(std::isnan(series.calls(22, 16)));
    const DaySlots naive = SeasonalNaive().forecast(series, {28}, 7).fromOrigin[0];
    const DaySlots average = WeekdayAverage(2).forecast(series, {28}, 7).fromOrigin[0];
    QCOMPARE(naive[0][20], series.calls(14, 20));
    QCOMPARE(naive[1][16], series.calls(15, 16));
    QCOMPARE(naive[1][17], series.calls(22, 17));
    QCOMPARE(average[0][20], series.calls(14, 20));
    QCOMPARE(average[1][16], series.calls(15, 16));
    QCOMPARE(average[1][17], (series.calls(22, 17) + series.calls(15, 17)) / 2);
    // No data before 08:00: nothing to forecast there.
    QVERIFY(std::isnan(naive[0][15]) && std::isnan(average[0][15]));
}

// Day totals that grow by 10 calls a day over a weekly season are
// continued, not repeated: the forecast a week ahead is 70 calls above
// the last week's.
void ForecastMethodsTest::holtWintersFollowsATrendOfDayTotals()
{
    const double season[7] = {50, 30, 20, 20, 10, -40, -90};
    std::vector<double> totals;
    for (int day = 0; day < 42; ++day)
        totals.push_back(1000 + 10 * day + season[day % 7]);
    const std::optional<HoltWinters::Fit> fit = HoltWinters::fit(totals, 7);
    QVERIFY(fit);
    const std::vector<double> ahead = HoltWinters::forecast(totals, 7, *fit, 7);
    for (int h = 0; h < 7; ++h)
        QVERIFY2(std::abs(ahead[static_cast<std::size_t>(h)] - (1000 + 10 * (42 + h) + season[h])) < 0.5,
                 qPrintable(QString::number(ahead[static_cast<std::size_t>(h)])));
    QVERIFY(!HoltWinters::fit(std::vector<double>(13, 5.0), 7));
}

void ForecastMethodsTest::nelderMeadFindsTheMinimumInTheBox_data()
{
    QTest::addColumn<QList<double>>("centre");
    QTest::addColumn<QList<double>>("expected");
    QTest::newRow("inside") << QList<double>{0.3, 0.7, 0.05} << QList<double>{0.3, 0.7, 0.05};
    // On the face y = 1 the cross term moves x to 0.3 + (1.5 - 1) / 2.
    QTest::newRow("beyond two faces") << QList<double>{0.3, 1.5, -0.2} << QList<double>{0.55, 1.0, 0.0};
    QTest::newRow("in a corner") << QList<double>{0.0, 1.0, 0.0} << QList<double>{0.0, 1.0, 0.0};
}

void ForecastMethodsTest::nelderMeadFindsTheMinimumInTheBox()
{
    QFETCH(QList<double>, centre);
    QFETCH(QList<double>, expected);
    // A valley whose axes differ in steepness by a factor of 100.
    auto f = [&](const std::vector<double> &x) {
        return std::pow(x[0] - centre[0], 2) + 10 * std::pow(x[1] - centre[1], 2) + 100 * std::pow(x[2] - centre[2], 2)
            + (x[0] - centre[0]) * (x[1] - centre[1]);
    };
    const NelderMead::Result found = NelderMead::minimise(f, {0.5, 0.5, 0.5}, 0.2, 1000, 1e-14);
    for (int i = 0; i < 3; ++i)
        QVERIFY2(std::abs(found.x[static_cast<std::size_t>(i)] - expected[i]) < 1e-3,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(found.x[0]).arg(found.x[1]).arg(found.x[2])));
    QVERIFY(found.evaluations <= 1000);
}

void ForecastMethodsTest::wholeCallsKeepTheDaysTotal_data()
{
    QTest::addColumn<QList<double>>("calls");
    QTest::addColumn<QList<int>>("whole");
    QTest::newRow("a third each makes one call") << QList<double>{0.4, 0.4, 0.4} << QList<int>{1, 0, 0};
    QTest::newRow("equal halves: the earlier first") << QList<double>{2.5, 2.5} << QList<int>{3, 2};
    QTest::newRow("largest fraction first") << QList<double>{1.2, 3.7, 0.6} << QList<int>{1, 4, 1};
    QTest::newRow("below 0 and not a number count 0") << QList<double>{-1.0, std::nan(""), 1.6} << QList<int>{0, 0, 2};
    QTest::newRow("whole calls stay") << QList<double>{4, 0, 7} << QList<int>{4, 0, 7};
}

void ForecastMethodsTest::wholeCallsKeepTheDaysTotal()
{
    QFETCH(QList<double>, calls);
    QFETCH(QList<int>, whole);
    const std::vector<int> result = WholeCalls(std::vector<double>(calls.begin(), calls.end()));
    QCOMPARE(QList<int>(result.begin(), result.end()), whole);
}

// Two Mondays at 08:00: 1 call of 100 s and 3 calls of 200 s talk make 175
// s; after-call work given only with no calls is their plain mean.
void ForecastMethodsTest::handleTimesAreCallWeighted()
{
    const QString text = QStringLiteral("date,time,calls,talk,acw\n"
                                        "2026-12-07,08:00,1,100,0\n2026-12-07,08:30,0,,10\n"
                                        "2026-12-08,08:00,1,,\n2026-12-09,08:00,1,,\n2026-12-10,08:00,1,,\n"
                                        "2026-12-11,08:00,1,,\n2026-12-13,08:00,1,,\n"
                                        "2026-12-14,08:00,3,200,0\n2026-12-14,08:30,0,,21\n");
    const ForecastSeries series = *ForecastSeries::fromDays(IntervalDays::read(text)).series;
    const HandleTimes two = HandleTimes::before(series, series.dayCount(), 2);
    QCOMPARE(two.of(1, 16).talkSeconds, std::optional<int>(175));
    QCOMPARE(two.of(1, 16).wrapSeconds, std::optional<int>(0));
    QCOMPARE(two.of(1, 17).wrapSeconds, std::optional<int>(16)); // 15.5, halves up
    QCOMPARE(two.of(1, 17).talkSeconds, std::nullopt);
    QCOMPARE(two.of(2, 16).talkSeconds, std::nullopt);
    QCOMPARE(HandleTimes::before(series, series.dayCount(), 1).of(1, 16).talkSeconds, std::optional<int>(200));
}

QTEST_APPLESS_MAIN(ForecastMethodsTest)
#include "test_forecastmethods.moc"
