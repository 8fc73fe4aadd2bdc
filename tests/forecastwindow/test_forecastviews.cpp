// SPDX-License-Identifier: MIT
#include "backtesttable.h"
#include "backtesttablemodel.h"
#include "chartlayout.h"
#include "forecastchart.h"
#include "forecastreport.h"
#include "forecastsession.h"
#include "generatedhistory.h"
#include "recordingcanvas.h"
#include "reportfontset.h"
#include "reportlayout.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QTest>

#include <cmath>

// What the forecast window draws, lists and prints, from a forecast.
class ForecastViewsTest : public QObject
{
    Q_OBJECT
private slots:
    void chartMarksEachDayAndLeavesNoDataOut();
    void tableListsEveryMethodAndWhyOneIsLeftOut();
    void reportPrintsTheForecastInsteadOfAScenario();
};

namespace {

ForecastSession opened(const GeneratedHistory &history)
{
    QString refusal;
    return *ForecastSession::open(history.text().toUtf8(), QStringLiteral("/plans/history.csv"), &refusal);
}

} // namespace

void ForecastViewsTest::chartMarksEachDayAndLeavesNoDataOut()
{
    // 30 days from Monday 5 January: the history ends on a Tuesday and the
    // week forecast begins Monday 9 February. 21 half hours a day, a step
    // the axis would not take of itself.
    GeneratedHistory history;
    history.days = 30;
    history.closeMinute = 18 * 60 + 30;
    const ForecastSession session = opened(history);
    ChartModel model;
    ForecastChart::build(model, session.series(), session.outcome());
    const int perDay = (history.closeMinute - history.openMinute) / history.slotMinutes;
    const ChartSeries &past = model.series.at(0);
    const ChartSeries &ahead = model.series.at(1);
    QCOMPARE(int(past.points.size()), 4 * 7 * perDay);
    QCOMPARE(int(ahead.points.size()), 7 * perDay);
    for (int i = 0; i < int(past.points.size()); ++i) {
        const ChartPoint &point = past.points[std::size_t(i)];
        const QDate date = QDate(2026, 1, 19).addDays(i / perDay);
        QCOMPARE(point.x, double(i + 1));
        QCOMPARE(point.label, i % perDay == 0 ? QLocale::c().toString(date, QStringLiteral("ddd d")) : QString());
        // No data after the history's last day, never 0 calls.
        QCOMPARE(std::isnan(point.y), date > QDate(2026, 2, 3));
    }
    const IntervalDay &friday = session.outcome().week.at(4);
    QCOMPARE(ahead.points[std::size_t(4 * perDay + 3)].y, double(friday.slotValues[3].calls));
    QCOMPARE(ahead.points[std::size_t(4 * perDay + 3)].x, double((21 + 4) * perDay + 4));

    // However narrow the chart, the axis steps whole days, each labelled.
    for (const int width : {300, 700, 1400}) {
        const ChartLayout layout = LayOutChart(model, QRectF(0, 0, width, 300), 96);
        int labelled = 0;
        for (const ChartTick &tick : layout.bottom.ticks) {
            QCOMPARE(std::fmod(tick.value - 1, perDay), 0.0);
            labelled += tick.labelRect.isEmpty() ? 0 : 1;
            QVERIFY(tick.labelRect.isEmpty() || !tick.text.isEmpty());
        }
        QVERIFY(labelled >= 2);
    }
}

void ForecastViewsTest::tableListsEveryMethodAndWhyOneIsLeftOut()
{
    BacktestTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    GeneratedHistory shortHistory;
    shortHistory.days = 20; // too short for the Holt-Winters methods
    model.setOutcome(opened(shortHistory).outcome());
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.columnCount(), 12);
    const int doubleRow = int(ForecastMethodKind::Double);
    QCOMPARE(model.index(doubleRow, 1).data().toString(), QStringLiteral("-"));
    QCOMPARE(model.index(doubleRow, 4).data().toString(), QString());
    QVERIFY(model.index(doubleRow, 11).data().toString().startsWith(QLatin1String("Left out: Double-seasonal")));
    QVERIFY(model.index(0, 4).data().toString().endsWith(QLatin1Char('%')));

    const ForecastSession longer = opened(GeneratedHistory());
    model.setOutcome(longer.outcome());
    const int chosen = BacktestTable::chosenRow(longer.outcome());
    for (int row = 0; row < model.rowCount(); ++row) {
        QCOMPARE(model.index(row, 2).data(Qt::FontRole).value<QFont>().bold(), row == chosen);
        QVERIFY(!model.index(row, 11).data().toString().startsWith(QLatin1String("Left out")));
    }
    QVERIFY(model.index(chosen, 0).data(Qt::AccessibleTextRole).toString().endsWith(QLatin1String(", chosen")));
}

void ForecastViewsTest::reportPrintsTheForecastInsteadOfAScenario()
{
    GeneratedHistory history;
    history.days = 20;
    history.handleTimes = true;
    ForecastSession session = opened(history);
    QVERIFY(!session.setExcluded(QDate(2026, 1, 7), true));
    const ReportContent content = ForecastReport::content(session, QStringLiteral("Forecast - history.csv"));
    RecordingCanvas canvas(600, 600, 4800, 6600);
    canvas.beginDocument();
    ReportLayout(canvas, StandardReportFontSet(Qt::gray)).printBody(content);
    QStringList texts;
    for (const RecordingCanvas::Text &t : canvas.texts)
        texts << t.text;
    QCOMPARE(texts.at(2), QStringLiteral("Forecast"));
    QVERIFY(!texts.contains(QStringLiteral("TOTAL CALLS")));
    QCOMPARE(texts.at(texts.indexOf(QStringLiteral("LEFT OUT")) + 1), QStringLiteral("2026-01-07"));
    qsizetype at = 0;
    for (const char *title : {"CALLS", "HANDLE TIMES", "BACKTEST", "WAPE PER LEAD DAY", "DAILY LEFT OUT", "DOUBLE LEFT OUT"}) {
        const qsizetype found = texts.indexOf(QString::fromLatin1(title), at);
        QVERIFY2(found > at, title);
        at = found;
    }
    QCOMPARE(canvas.charts.size(), 1);
    // The week's headings stand clear of one another.
    const qsizetype first = texts.indexOf(QStringLiteral("Slot"));
    QCOMPARE(texts.at(first + 1), QStringLiteral("Mon 26"));
    for (qsizetype i = first; i < first + 7; ++i) {
        const RecordingCanvas::Text &left = canvas.texts.at(i);
        canvas.setFont(left.font);
        QVERIFY(left.x + canvas.textWidth(left.text) < canvas.texts.at(i + 1).x);
    }
}

QTEST_MAIN(ForecastViewsTest)
#include "test_forecastviews.moc"
