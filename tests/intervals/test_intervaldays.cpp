// SPDX-License-Identifier: MIT
#include "intervaldays.h"
#include "intervaldayscsv.h"

#include <QTest>

namespace {

// The days in one line each: "2026-12-14 Mon 08:00 5,-,6(180/40)": the date
// (or "-"), the weekday, the first slot's start and each slot's calls, "-"
// for a slot without a row, talk/after-call seconds in brackets.
QStringList summaryOf(const IntervalDays &file)
{
    QStringList lines;
    for (const IntervalDay &day : file.days()) {
        QStringList cells;
        for (const IntervalSlot &slot : day.slotValues) {
            QString text = slot.fromRow ? QString::number(slot.calls) : QStringLiteral("-");
            if (slot.talkSeconds || slot.wrapSeconds)
                text += QStringLiteral("(%1/%2)").arg(slot.talkSeconds.value_or(-1)).arg(slot.wrapSeconds.value_or(-1));
            cells << text;
        }
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(day.date ? day.date->toString(Qt::ISODate) : QStringLiteral("-"),
                          QLocale::c().dayName(day.weekday, QLocale::ShortFormat),
                          QStringLiteral("%1:%2").arg(day.firstMinute / 60, 2, 10, QLatin1Char('0')).arg(day.firstMinute % 60, 2, 10, QLatin1Char('0')),
                          cells.join(QLatin1Char(',')));
    }
    return lines;
}

QString refusalOf(const IntervalDays &file)
{
    return file.refusal() ? file.refusal()->text() : QString();
}

// Quarter-hour rows "DAY,hh:mm,calls" from `first` for `count` slots.
QString quarterRows(const QString &day, int firstMinute, int count, int calls)
{
    QString text;
    for (int q = 0; q < count; ++q) {
        const int minute = firstMinute + q * 15;
        text += QStringLiteral("%1,%2:%3,%4\n").arg(day).arg(minute / 60, 2, 10, QLatin1Char('0'))
                    .arg(minute % 60, 2, 10, QLatin1Char('0')).arg(calls);
    }
    return text;
}

} // namespace

class IntervalDaysTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsDatesWeekdaysAndSpacings_data();
    void readsDatesWeekdaysAndSpacings();
    void refusesWithTheLineAndReason_data();
    void refusesWithTheLineAndReason();
    void weeksOfALongerFileCloseTheMissingDays();
    void aFileOfWeekdaysIsItsOwnWeek();
    void writtenDaysReadBackTheSame();
};

void IntervalDaysTest::readsDatesWeekdaysAndSpacings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("slotMinutes");
    QTest::addColumn<QStringList>("days");

    QTest::newRow("ISO dates, a gap is no data") << "date,time,calls\n2026-12-14,08:00,5\n2026-12-14,08:30,6\n"
                                                    "2026-12-14,09:30,8\n2026-12-15,09:00,7\n"
                                                 << 0 << 30
                                                 << QStringList{"2026-12-14 Mon 08:00 5,6,-,8", "2026-12-15 Tue 09:00 7"};
    QTest::newRow("day first, in order") << "Date;Interval;Offered;AHT\n13/12/2026;08:00;1;\n14/12/2026;08:00;5;200\n"
                                            "14/12/2026;09:00;2;\n"
                                         << 0 << 60
                                         << QStringList{"2026-12-13 Sun 08:00 1", "2026-12-14 Mon 08:00 5(200/0),2"};
    QTest::newRow("month first") << "date,time,calls\n12/13/2026,08:00,1\n12/14/2026,08:00,2\n"
                                 << 0 << 60 << QStringList{"2026-12-13 Sun 08:00 1", "2026-12-14 Mon 08:00 2"};
    // Both readings are dates in order: 1 to 3 December spans fewer days
    // than 12 January to 12 March.
    QTest::newRow("both readings: the shorter span") << "date,time,calls\n01/12/2026,08:00,1\n02/12/2026,08:00,2\n"
                                                        "03/12/2026,08:00,3\n"
                                                     << 0 << 60
                                                     << QStringList{"2026-12-01 Tue 08:00 1", "2026-12-02 Wed 08:00 2",
                                                                    "2026-12-03 Thu 08:00 3"};
    QTest::newRow("equal day and month read one way") << "date,time,calls\n05/05/2026,08:00,1\n"
                                                      << 0 << 60 << QStringList{"2026-05-05 Tue 08:00 1"};
    QTest::newRow("dates before the times") << "start_time,count\n2024-03-04 07:00:00,12\n2024-03-04 07:30:00,20\n"
                                               "2024-03-05T07:00:00,3\n"
                                            << 0 << 30
                                            << QStringList{"2024-03-04 Mon 07:00 12,20", "2024-03-05 Tue 07:00 3"};
    QTest::newRow("weekday names in any case") << "Weekday\tTime\tCalls\nmonday\t08:00\t1\nMON\t08:15\t2\n"
                                                  "sun\t08:00\t3\nSunday\t08:15\t4\nSUN\t08:45\t5\n"
                                               << 0 << 15
                                               << QStringList{"- Mon 08:00 1,2", "- Sun 08:00 3,4,-,5"};
    QTest::newRow("ranges settle sparse days") << "date,interval,calls\n2026-12-14,08:00 - 08:15,1\n"
                                                  "2026-12-14,08:15 - 08:30,2\n2026-12-15,08:00 - 08:15,3\n"
                                                  "2026-12-15,09:00 - 09:15,4\n"
                                               << 0 << 15
                                               << QStringList{"2026-12-14 Mon 08:00 1,2", "2026-12-15 Tue 08:00 3,-,-,-,4"};
    QTest::newRow("a length asked for lets spacings differ") << "date,time,calls\n2026-12-14,08:00,1\n2026-12-14,08:15,2\n"
                                                                "2026-12-15,08:00,3\n2026-12-15,08:30,4\n"
                                                             << 15 << 15
                                                             << QStringList{"2026-12-14 Mon 08:00 1,2",
                                                                            "2026-12-15 Tue 08:00 3,-,4"};
    QTest::newRow("a date beside its time agrees") << "date,time,calls\n2026-12-14,2026-12-14 23:30,1\n"
                                                   << 0 << 30 << QStringList{"2026-12-14 Mon 23:30 1"};
}

void IntervalDaysTest::readsDatesWeekdaysAndSpacings()
{
    QFETCH(QString, text);
    QFETCH(int, asked);
    QFETCH(int, slotMinutes);
    QFETCH(QStringList, days);
    const IntervalDays file = IntervalDays::read(text, asked);
    QVERIFY2(file.accepted(), qPrintable(refusalOf(file)));
    QCOMPARE(file.slotMinutes(), slotMinutes);
    QCOMPARE(summaryOf(file), days);
}

void IntervalDaysTest::refusesWithTheLineAndReason_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("a date alone reads two ways") << "date,time,calls\n03/04/2026,08:00,1\n"
                                                 << "line 2: \"03/04/2026\" in the column \"date\" reads as 2026-04-03 "
                                                    "or as 2026-03-04: write the dates as yyyy-mm-dd";
    QTest::newRow("no date either way") << "date,time,calls\n12/12/2026,08:00,1\n13/13/2026,08:00,1\n"
                                        << "line 3: \"13/13/2026\" in the column \"date\" is not a date (yyyy-mm-dd, "
                                           "dd/mm/yyyy or mm/dd/yyyy)";
    QTest::newRow("neither date nor weekday") << "day,time,calls\nMonday,08:00,1\nnext,08:00,1\n"
                                              << "line 3: \"next\" in the column \"day\" is not a date (yyyy-mm-dd, "
                                                 "dd/mm/yyyy or mm/dd/yyyy) nor a weekday (Mon to Sun)";
    QTest::newRow("empty day") << "date,time,calls\n2026-12-14,08:00,1\n,08:30,1\n"
                               << "line 3: \"\" in the column \"date\" is empty where a date or a weekday is needed";
    QTest::newRow("a weekday among dates") << "date,time,calls\n2026-12-14,08:00,1\nTue,08:00,1\n"
                                           << "line 3: \"Tue\" in the column \"date\" is a weekday where the rows above "
                                              "give dates";
    QTest::newRow("mixed spacings") << "date,time,calls\n" + quarterRows("2026-12-14", 480, 3, 1)
            + "2026-12-15,08:00,1\n2026-12-15,09:00,1\n2026-12-15,08:30,1\n"
                                    << "line 7: \"08:30\" comes before the time above it: the rows of a day must follow "
                                       "the day in order";
    QTest::newRow("days of two slot lengths") << "date,time,calls\n" + quarterRows("2026-12-14", 480, 3, 1)
            + "2026-12-15,08:00,1\n2026-12-15,08:30,1\n2026-12-15,10:00,1\n"
                                              << "line 6: \"08:30\" makes 2026-12-15 a day of 30-minute slots, where the "
                                                 "days above have 15-minute slots: every day needs one slot length";
    QTest::newRow("dates out of order") << "date,time,calls\n2026-12-15,08:00,1\n2026-12-14,08:00,1\n"
                                        << "line 3: \"2026-12-14\" comes before the day above it: the days must follow "
                                           "in order";
    // Going back whichever way they read, the dates are refused for their
    // order, not for one reading's cell that is no date.
    QTest::newRow("slashed dates out of order") << "Date;Interval;Offered\n14/12/2026;08:00;5\n13/12/2026;08:00;1\n"
                                                << "line 3: \"13/12/2026\" comes before the day above it: the days must "
                                                   "follow in order";
    QTest::newRow("a day's rows apart") << "day,time,calls\nMon,08:00,1\nTue,08:00,1\nmonday,09:00,1\n"
                                        << "line 4: \"monday\" repeats the day Mon given above: the rows of a day must "
                                           "stand together";
    QTest::newRow("a time repeated") << "date,time,calls\n2026-12-14,08:00,1\n2026-12-14,08:00,1\n"
                                     << "line 3: \"08:00\" repeats a time given above";
    QTest::newRow("no days at all") << "time,calls\n08:00,1\n"
                                    << "line 2: \"08:00\" gives no date: a file of several days needs a date or weekday "
                                       "column, or a date before every time";
    QTest::newRow("a time's date disagrees") << "date,time,calls\n2026-12-14,2026-12-15 08:00,1\n"
                                             << "line 2: \"2026-12-15 08:00\" is on another day than \"2026-12-14\" "
                                                "beside it";
    QTest::newRow("a cell refused as in one day") << "date,time,calls\n2026-12-14,08:00,-1\n"
                                                  << "line 2: \"-1\" in the column \"calls\" is negative";
}

void IntervalDaysTest::refusesWithTheLineAndReason()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const IntervalDays file = IntervalDays::read(text);
    QVERIFY(!file.accepted());
    QCOMPARE(file.refusal()->text(), message);
    QVERIFY(file.days().empty());
}

// State: two weeks and two days of history from Wednesday 9 December 2026,
// Wednesday 16 December missing.
// Expected: three weeks touched; the middle one has six days, its
// Wednesday closed, Monday first.
void IntervalDaysTest::weeksOfALongerFileCloseTheMissingDays()
{
    QString text = QStringLiteral("date,time,calls\n");
    const QDate first(2026, 12, 9);
    for (int d = 0; d < 14; ++d) {
        if (d != 7)
            text += quarterRows(first.addDays(d).toString(Qt::ISODate), 480, 2, d);
    }
    const IntervalDays file = IntervalDays::read(text);
    QVERIFY2(file.accepted(), qPrintable(refusalOf(file)));
    QCOMPARE(file.weeks(), (std::vector<QDate>{QDate(2026, 12, 7), QDate(2026, 12, 14), QDate(2026, 12, 21)}));
    const IntervalWeek week = file.week(QDate(2026, 12, 14));
    QStringList seen;
    for (const std::optional<IntervalDay> &day : week)
        seen << (day ? day->date->toString(Qt::ISODate) + QLatin1Char(' ') + QString::number(day->slotValues[0].calls)
                     : QStringLiteral("closed"));
    QCOMPARE(seen, (QStringList{"2026-12-14 5", "2026-12-15 6", "closed", "2026-12-17 8", "2026-12-18 9",
                                "2026-12-19 10", "2026-12-20 11"}));
    QVERIFY(!file.week(QDate(2026, 12, 21))[2]);
    QVERIFY(file.week(QDate(2026, 12, 21))[1]);
}

void IntervalDaysTest::aFileOfWeekdaysIsItsOwnWeek()
{
    const IntervalDays file = IntervalDays::read(QStringLiteral("day,time,calls\nSat,10:00,4\nMon,08:00,1\n"));
    QVERIFY(file.accepted());
    QVERIFY(!file.dated());
    QVERIFY(file.weeks().empty());
    const IntervalWeek week = file.week(QDate());
    QCOMPARE(week[0]->slotValues[0].calls, 1);
    QCOMPARE(week[5]->slotValues[0].calls, 4);
    QCOMPARE(week[5]->firstMinute, 600);
    for (int d : {1, 2, 3, 4, 6})
        QVERIFY(!week[static_cast<std::size_t>(d)]);
}

// Sparse rows, times of one kind only and a day ending at midnight come
// back as they were, in both kinds of day.
void IntervalDaysTest::writtenDaysReadBackTheSame()
{
    for (const QString &text : {QStringLiteral("date,time,calls,talk,ACW\n2026-12-14,08:00,5,200,\n2026-12-14,08:30,0,,40\n"
                                               "2026-12-14,10:00,2,,\n"
                                               "2026-12-16,23:30,7,,\n"),
                                QStringLiteral("day,time,calls\nFri,00:00,1\nFri,00:15,2\nFri,03:00,3\nSat,23:45,4\n")}) {
        const IntervalDays file = IntervalDays::read(text);
        QVERIFY2(file.accepted(), qPrintable(refusalOf(file)));
        const QString written = IntervalDaysCsv(file.days(), file.slotMinutes());
        const IntervalDays again = IntervalDays::read(written);
        QVERIFY2(again.accepted(), qPrintable(refusalOf(again) + "\n" + written));
        QCOMPARE(again.slotMinutes(), file.slotMinutes());
        QCOMPARE(summaryOf(again), summaryOf(file));
        QCOMPARE(IntervalDaysCsv(again.days(), again.slotMinutes()), written);
    }
}

QTEST_APPLESS_MAIN(IntervalDaysTest)
#include "test_intervaldays.moc"
