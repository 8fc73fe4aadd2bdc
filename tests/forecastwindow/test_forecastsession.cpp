// SPDX-License-Identifier: MIT
#include "forecastsession.h"
#include "generatedhistory.h"

#include <QTest>

// The forecast window's state without widgets: what is refused, and what a
// change, the copy and the week hand on.
class ForecastSessionTest : public QObject
{
    Q_OBJECT
private slots:
    void refusedHistoryChangesNothing_data();
    void refusedHistoryChangesNothing();
    void refusedChangeKeepsTheForecastShown_data();
    void refusedChangeKeepsTheForecastShown();
    void dayTakenBackForecastsAsBefore();
    void copiedWeekReadsBackAsTheForecast();
    void weekHandedOnHoldsTheForecastDays();
};

namespace {

ForecastSession opened(const GeneratedHistory &history)
{
    QString refusal;
    std::optional<ForecastSession> session = ForecastSession::open(history.text().toUtf8(), QStringLiteral("/h.csv"), &refusal);
    if (!session)
        qFatal("refused: %s", qPrintable(refusal));
    return std::move(*session);
}

// What the window shows of a forecast: its week and its choice.
QString shown(const ForecastSession &session)
{
    return QString::fromLatin1(session.copyText().toUtf8().toBase64()) + QString::number(int(session.outcome().chosen));
}

} // namespace

void ForecastSessionTest::refusedHistoryChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("negative calls") << QByteArray("date,interval,calls\n2026-01-05,08:00,5\n2026-01-05,08:30,-3\n")
                                    << "line 3: \"-3\" in the column \"calls\" is negative";
    QTest::newRow("days out of order") << QByteArray("date,interval,calls\n2026-01-06,08:00,5\n2026-01-05,08:00,3\n")
                                       << "line 3: \"2026-01-05\" comes before the day above it";
    QTest::newRow("under a week") << QByteArray("date,interval,calls\n2026-01-05,08:00,5\n2026-01-06,08:00,3\n")
                                  << "a forecast needs at least one week";
    QTest::newRow("weekdays") << QByteArray("day,interval,calls\nMon,08:00,5\nTue,08:00,3\n") << "not dates";
}

void ForecastSessionTest::refusedHistoryChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QString why;
    QVERIFY(!ForecastSession::open(bytes, QStringLiteral("bad.csv"), &why));
    QVERIFY2(why.contains(refusal), qPrintable(why));
}

void ForecastSessionTest::refusedChangeKeepsTheForecastShown_data()
{
    QTest::addColumn<int>("method"); // -1: no method picked
    QTest::addColumn<int>("daysLeftOut");
    QTest::newRow("a method short of history") << int(ForecastMethodKind::Double) << 0;
    QTest::newRow("fewer than seven days left") << -1 << 4;
}

void ForecastSessionTest::refusedChangeKeepsTheForecastShown()
{
    QFETCH(int, method);
    QFETCH(int, daysLeftOut);
    GeneratedHistory history;
    history.days = 10;
    ForecastSession session = opened(history);
    // Seven days of data are enough: the days before the last go.
    for (int d = 0; d + 1 < daysLeftOut; ++d)
        QVERIFY(!session.setExcluded(history.first.addDays(d), true));
    const QString before = shown(session);
    const std::optional<QString> refusal = method >= 0 ? session.setMethod(ForecastMethodKind(method))
                                                       : session.setExcluded(history.first.addDays(daysLeftOut - 1), true);
    QVERIFY(refusal);
    QCOMPARE(shown(session), before);
    QCOMPARE(int(session.excluded().size()), std::max(0, daysLeftOut - 1));
    QVERIFY(!session.method());
}

void ForecastSessionTest::dayTakenBackForecastsAsBefore()
{
    GeneratedHistory history;
    ForecastSession session = opened(history);
    const QString before = shown(session);
    const QDate day = history.first.addDays(history.days - 3);
    QVERIFY(!session.setExcluded(day, true));
    QVERIFY(session.isExcluded(day));
    QVERIFY(std::isnan(session.series().calls(history.days - 3, 20)));
    QVERIFY(shown(session) != before);
    QVERIFY(!session.setExcluded(day, false));
    QCOMPARE(shown(session), before);
}

void ForecastSessionTest::copiedWeekReadsBackAsTheForecast()
{
    GeneratedHistory history;
    history.handleTimes = true;
    const ForecastSession session = opened(history);
    const QString text = session.copyText();
    QVERIFY(text.startsWith(QLatin1String("date\tinterval\tcalls\ttalk\tafter-call work\n")));
    const IntervalDays read = IntervalDays::read(text);
    QVERIFY(read.accepted());
    const std::vector<IntervalDay> &week = session.outcome().week;
    QCOMPARE(read.days().size(), week.size());
    for (std::size_t d = 0; d < week.size(); ++d) {
        QVERIFY(read.days()[d].date == week[d].date);
        QCOMPARE(read.days()[d].firstMinute, week[d].firstMinute);
        for (std::size_t s = 0; s < week[d].slotValues.size(); ++s) {
            QCOMPARE(read.days()[d].slotValues[s].calls, week[d].slotValues[s].calls);
            QVERIFY(read.days()[d].slotValues[s].talkSeconds == week[d].slotValues[s].talkSeconds);
        }
    }
}

void ForecastSessionTest::weekHandedOnHoldsTheForecastDays()
{
    // A history that ends on a Wednesday: the week is the next whole one.
    GeneratedHistory history;
    history.days = 30;
    const ForecastSession session = opened(history);
    WeekScenario week;
    QVERIFY(!session.putWeekInto(week));
    QCOMPARE(week.slotMinutes(), history.slotMinutes);
    const QDate monday = session.outcome().monday;
    QCOMPARE(monday, history.first.addDays(35));
    for (int d = 0; d < WeekScenario::DayCount; ++d)
        QVERIFY(week.days[std::size_t(d)].date == monday.addDays(d));
    for (const IntervalDay &day : session.outcome().week) {
        const WeekScenario::Day &planned = week.days[std::size_t(day.weekday - 1)];
        QVERIFY(planned.open);
        QCOMPARE(planned.startMinute, history.openMinute);
        QCOMPARE(planned.endMinute, history.closeMinute);
        QCOMPARE(planned.calls.size(), day.slotValues.size());
        QCOMPARE(planned.calls.back(), day.slotValues.back().calls);
    }
}

QTEST_GUILESS_MAIN(ForecastSessionTest)
#include "test_forecastsession.moc"
