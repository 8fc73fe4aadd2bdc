// SPDX-License-Identifier: MIT
#include "intervalweekimport.h"
#include "weekfile.h"

#include <QTest>

namespace {

// Two weeks of dated half hours: Monday 30 November (two rows with a gap
// and slot times) and Wednesday 2 December; Tuesday 8 December.
const QString TwoWeeks = QStringLiteral(
    "date,interval,calls,AHT,ACW\n"
    "2026-11-30,08:00 - 08:30,10,200,40\n"
    "2026-11-30,09:00 - 09:30,20,,\n"
    "2026-12-02,22:30 - 23:00,5,180,30\n"
    "2026-12-02,23:30 - 24:00,5,180,30\n"
    "2026-12-08,12:00 - 12:30,7,,\n");

WeekScenario weekWithTypes()
{
    WeekScenario week;
    week.settings.setText(Field::MaskEdit2, QStringLiteral("02:00"));
    week.days[4].open = true; // replaced by the file's closed Friday
    return week;
}

} // namespace

class IntervalWeekImportTest : public QObject
{
    Q_OBJECT
private slots:
    void puts_the_files_days_into_the_week();
    void a_file_of_weekdays_is_one_week();
    void chooses_the_week_asked_for_or_the_only_one_data();
    void chooses_the_week_asked_for_or_the_only_one();
};

// Each day the file holds is open from its first interval to its last, a
// slot between rows has no calls and the settings' times, and every day of
// the week has its date; the settings stay.
void IntervalWeekImportTest::puts_the_files_days_into_the_week()
{
    const IntervalDays file = IntervalDays::read(TwoWeeks);
    QVERIFY(file.accepted());
    WeekScenario week = weekWithTypes();
    QVERIFY(!IntervalWeekImport::apply(week, file, QDate(2026, 11, 30)));
    QCOMPARE(week.slotMinutes(), 30);
    QCOMPARE(week.settings.text(Field::MaskEdit2), QStringLiteral("02:00"));
    const WeekScenario::Day monday{true, 8 * 60, 9 * 60 + 30, {10, 0, 20}, {160}, {40}, QDate(2026, 11, 30)};
    QVERIFY(week.days[0] == monday);
    QCOMPARE(week.days[2].startMinute, 22 * 60 + 30);
    QCOMPARE(week.days[2].calls, (std::vector<int>{5, 0, 5}));
    QCOMPARE(week.days[2].endMinute, 24 * 60);
    for (int day = 0; day < WeekScenario::DayCount; ++day) {
        QCOMPARE(week.days[std::size_t(day)].date, QDate(2026, 11, 30).addDays(day));
        QCOMPARE(week.days[std::size_t(day)].open, day == 0 || day == 2);
    }
    // What it puts into a week, a week file holds.
    WeekScenario saved;
    QVERIFY(ApplyWeek(saved, SplitWeekLines(WeekFileBytes(week)), QStringLiteral("w.vnkw")).applied());
    QCOMPARE(WeekFileBytes(saved), WeekFileBytes(week));
}

void IntervalWeekImportTest::a_file_of_weekdays_is_one_week()
{
    const IntervalDays file = IntervalDays::read(QStringLiteral("Weekday\tTime\tCalls\nSun\t23:00\t4\nMon\t08:00\t3\n"));
    QVERIFY2(file.accepted(), qPrintable(file.refusal() ? file.refusal()->text() : QString()));
    QString reason;
    const std::optional<QDate> monday = IntervalWeekImport::chooseWeek(file, QDate(2026, 12, 16), &reason);
    QVERIFY(monday);
    WeekScenario week;
    QVERIFY(!IntervalWeekImport::apply(week, file, *monday));
    QCOMPARE(week.slotMinutes(), 60);
    QCOMPARE(week.days[0].calls, std::vector<int>{3});
    QCOMPARE(week.days[6].calls, std::vector<int>{4});
    QVERIFY(!week.days[0].date && !week.days[3].open);
}

void IntervalWeekImportTest::chooses_the_week_asked_for_or_the_only_one_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("asked"); // invalid: none asked for
    QTest::addColumn<QDate>("monday"); // invalid: none chosen
    QTest::addColumn<QString>("reason");
    const QString oneWeek = QStringLiteral("date,interval,calls\n2026-12-15,08:00,1\n");
    QTest::newRow("the only week") << oneWeek << QDate() << QDate(2026, 12, 14) << "";
    QTest::newRow("a date in it, a Sunday") << oneWeek << QDate(2026, 12, 20) << QDate(2026, 12, 14) << "";
    QTest::newRow("a date in no week") << oneWeek << QDate(2026, 12, 21) << QDate()
                                       << "no day in the week of 2026-12-21 (its weeks begin 2026-12-14)";
    QTest::newRow("two weeks, none asked") << TwoWeeks << QDate() << QDate()
                                           << "2 weeks, beginning 2026-11-30, 2026-12-07";
    QTest::newRow("two weeks, the second asked") << TwoWeeks << QDate(2026, 12, 8) << QDate(2026, 12, 7) << "";
}

void IntervalWeekImportTest::chooses_the_week_asked_for_or_the_only_one()
{
    QFETCH(QString, text);
    QFETCH(QDate, asked);
    QFETCH(QDate, monday);
    QFETCH(QString, reason);
    QString why;
    const std::optional<QDate> chosen =
        IntervalWeekImport::chooseWeek(IntervalDays::read(text), asked.isValid() ? std::optional(asked) : std::nullopt, &why);
    QCOMPARE(chosen.value_or(QDate()), monday);
    QVERIFY2(why.contains(reason), qPrintable(why));
}

QTEST_APPLESS_MAIN(IntervalWeekImportTest)
#include "test_intervalweekimport.moc"
