// SPDX-License-Identifier: MIT
#include "tourtypetext.h"
#include "weekfile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray fileOf(const QStringList &lines, const char *end = "\r\n")
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + end;
    return bytes;
}

// The fixed lines of a week in 60-minute slots.
const QStringList Header{"vnkw", "80", "20", "03:00", "01:00", "00:30", "60"};

// A week open Monday 08:00-10:00 with two slots of calls and closed from
// Tuesday on, with `extra` lines after the fixed ones.
QStringList weekLines(const QStringList &extra = {}, const QStringList &monday = {"day=Mon,08:00,10:00", "calls=10,20"})
{
    return Header + extra + monday
        + QStringList{"day=Tue,closed", "day=Wed,closed", "day=Thu,closed", "day=Fri,closed", "day=Sat,closed",
                      "day=Sun,closed"};
}

LoadResult apply(WeekScenario &week, const QByteArray &bytes)
{
    return ApplyWeek(week, SplitWeekLines(bytes), QStringLiteral("test.vnkw"));
}

// A week that sets something of every kind a file holds.
WeekScenario everyKindOfWeek()
{
    WeekScenario week;
    week.settings.setText(Field::MaskEdit2, QStringLiteral("03:20"));
    week.settings.setSlotLength(SlotLength::Quarter);
    week.settings.Planning.shrinkagePercent = 30;
    week.settings.Planning.maxOccupancyPercent = 85;
    ShiftType shift;
    shift.name = QStringLiteral("Day");
    shift.lengthMinutes = 8 * 60;
    shift.earliestStart = 6 * 60;
    shift.latestStart = 14 * 60;
    shift.breakRule = ShiftType::Break{30, 180, 300, false};
    week.shiftTypes = {shift};
    week.tourTypes = {*ParseTourTypeText(QStringLiteral("Früh 夜,5,consecutive,60,37:30-40:00,Day,max=12")).type,
                      *ParseTourTypeText(QStringLiteral("Part,3-4,any,free,16-28,Day")).type};
    WeekScenario::Day &monday = week.days[0];
    monday.open = true;
    monday.startMinute = 22 * 60;
    monday.endMinute = 60; // past midnight: 12 slots
    monday.calls = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    monday.talkSeconds = {std::nullopt, 200};
    monday.wrapSeconds = {40};
    monday.date = QDate(2026, 12, 14);
    week.days[2].open = true;
    week.days[2].startMinute = 0;
    week.days[2].endMinute = 24 * 60;
    week.days[2].calls.assign(96, 0);
    week.days[6].date = QDate(2026, 12, 20);
    return week;
}

} // namespace

class WeekFileTest : public QObject
{
    Q_OBJECT

private slots:
    void writes_the_format_line_by_line();
    void read_write_read_is_a_fixed_point();
    void reads_odd_but_sound_input_data();
    void reads_odd_but_sound_input();
    void refusals_name_the_line_and_change_nothing_data();
    void refusals_name_the_line_and_change_nothing();
    void saves_and_loads_through_files();
};

void WeekFileTest::writes_the_format_line_by_line()
{
    WeekScenario week;
    week.settings.setText(Field::MaskEdit5, QStringLiteral("85"));
    week.settings.setSlotLength(SlotLength::HalfHour);
    week.settings.Planning.model = QueueModel::ErlangA;
    week.tourTypes = {*ParseTourTypeText(QStringLiteral("Full,5,consecutive,60,37:30-40:00,8 hours")).type};
    week.days[0] = {true, 8 * 60, 9 * 60, {3, 4}, {std::nullopt, 150}, {}, QDate(2026, 12, 14)};
    week.days[1].date = QDate(2026, 12, 15);
    const QByteArray expected = fileOf(
        {"vnkw", "85", "10", "00:00", "01:00", "00:30", "30", "model=erlang-a",
         "tour=Full,5,consecutive,60,37:30-40:00,8 hours", "day=Mon,08:00,09:00", "date=2026-12-14", "calls=3,4",
         "slot-talk=,150", "day=Tue,closed", "date=2026-12-15", "day=Wed,closed", "day=Thu,closed", "day=Fri,closed",
         "day=Sat,closed", "day=Sun,closed"});
    QCOMPARE(WeekFileBytes(week), expected);
}

// Everything a week holds comes back, and the file it writes is the one it
// was read from.
void WeekFileTest::read_write_read_is_a_fixed_point()
{
    const WeekScenario week = everyKindOfWeek();
    const QByteArray written = WeekFileBytes(week);
    WeekScenario read;
    const LoadResult result = apply(read, written);
    QVERIFY2(result.applied(), qPrintable(result.message));
    for (int day = 0; day < WeekScenario::DayCount; ++day)
        QVERIFY2(read.days[std::size_t(day)] == week.days[std::size_t(day)], qPrintable(QString::number(day)));
    QVERIFY(read.shiftTypes == week.shiftTypes);
    QVERIFY(read.tourTypes == week.tourTypes);
    QVERIFY(read.settings.Planning == week.settings.Planning);
    QCOMPARE(read.slotMinutes(), 15);
    QCOMPARE(read.settings.text(Field::MaskEdit2), QStringLiteral("03:20"));
    QCOMPARE(WeekFileBytes(read), written);
}

void WeekFileTest::reads_odd_but_sound_input_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("written");
    const QByteArray plain = fileOf(weekLines());
    QTest::newRow("LF line ends") << fileOf(weekLines(), "\n") << plain;
    QTest::newRow("CR line ends") << fileOf(weekLines(), "\r") << plain;
    QTest::newRow("empty lines at the end") << fileOf(weekLines() << "" << "") << plain;
    QTest::newRow("fewer calls than slots") << fileOf(weekLines({}, {"day=Mon,08:00,10:00", "calls=10"}))
                                            << fileOf(weekLines({}, {"day=Mon,08:00,10:00", "calls=10,0"}));
    QTest::newRow("no calls line") << fileOf(weekLines({}, {"day=Mon,08:00,10:00"}))
                                   << fileOf(weekLines({}, {"day=Mon,08:00,10:00", "calls=0,0"}));
    QTest::newRow("slot times with empty entries at the end")
        << fileOf(weekLines({}, {"day=Mon,08:00,10:00", "calls=10,20", "slot-wrap=30,"}))
        << fileOf(weekLines({}, {"day=Mon,08:00,10:00", "calls=10,20", "slot-wrap=30"}));
    QTest::newRow("times as typed") << fileOf(weekLines({}, {"day=Mon,8:00,10:00", "calls=10,20"})) << plain;
    QTest::newRow("field texts through their masks")
        << fileOf(QStringList{"vnkw", "80", "20", "0300", "01:00", "00:30", "60"} + weekLines().mid(7)) << plain;
    QTest::newRow("a whole day from 06:00") << fileOf(weekLines({}, {"day=Mon,06:00,06:00"}))
                                            << fileOf(weekLines({}, {"day=Mon,06:00,06:00", "calls=" + QString("0,").repeated(23) + "0"}));
}

void WeekFileTest::reads_odd_but_sound_input()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, written);
    WeekScenario week;
    const LoadResult result = apply(week, bytes);
    QVERIFY2(result.applied(), qPrintable(result.message));
    QCOMPARE(WeekFileBytes(week), written);
}

void WeekFileTest::refusals_name_the_line_and_change_nothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line"); // 0: refused before any line is read
    QTest::addColumn<QString>("reason");
    auto withMonday = [](const QStringList &monday) { return fileOf(weekLines({}, monday)); };
    QTest::newRow("empty") << QByteArray() << 0 << "is empty";
    QTest::newRow("a scenario file") << fileOf({"vnk", "80"}) << 0 << "is not a week file";
    QTest::newRow("fixed lines missing") << fileOf(Header.mid(0, 5)) << 6 << "needs 7 lines";
    QTest::newRow("slot length") << fileOf(QStringList(Header.mid(0, 6)) << "45" << weekLines().mid(7)) << 7
                                 << "slot length \"45\"";
    QTest::newRow("not a key=value line") << fileOf(weekLines({"120"})) << 8 << "\"120\" is not a key=value line";
    QTest::newRow("unknown option") << fileOf(weekLines({"colour=red"})) << 8 << "\"colour\" is not known";
    QTest::newRow("a scenario's roster") << fileOf(weekLines({"have=1,2"})) << 8 << "belongs to a scenario file";
    QTest::newRow("planning option out of range") << fileOf(weekLines({"shrinkage=99"})) << 8 << "shrinkage";
    QTest::newRow("option given twice") << fileOf(weekLines({"shrinkage=10", "shrinkage=20"})) << 9 << "given twice";
    QTest::newRow("week option among the days") << withMonday({"day=Mon,08:00,10:00", "shrinkage=10"}) << 9
                                                << "before Monday's day line";
    QTest::newRow("day option before the days") << fileOf(weekLines({"calls=1"})) << 8 << "belongs to a day";
    QTest::newRow("shift type unsound") << fileOf(weekLines({"shift=Day,8:00,6h,09:00"})) << 8
                                        << "earliest start \"6h\"";
    QTest::newRow("tour type unsound") << fileOf(weekLines({"tour=Full,5,together,60,40,Day"})) << 8
                                       << "Tour \"Full\": the days off \"together\"";
    QTest::newRow("tour allowing no agent") << fileOf(weekLines({"tour=Full,5,any,free,40,Day,max=0"})) << 8
                                            << "allows no agent";
    QTest::newRow("days out of order") << withMonday({"day=Tue,closed"}) << 8 << "where Monday's day line";
    QTest::newRow("period off the slots") << withMonday({"day=Mon,08:30,10:00"}) << 8 << "60-minute slots";
    QTest::newRow("period not times") << withMonday({"day=Mon,8,ten"}) << 8 << "not a start and an end";
    QTest::newRow("calls on a closed day") << withMonday({"day=Mon,closed", "calls=1"}) << 9 << "Monday is closed";
    QTest::newRow("more calls than slots") << withMonday({"day=Mon,08:00,10:00", "calls=1,2,3"}) << 9
                                           << "3 values and Monday has 2 time slots";
    QTest::newRow("a call volume not whole") << withMonday({"day=Mon,08:00,10:00", "calls=1,2.5"}) << 9
                                             << "\"2.5\" of Monday's time slot 2";
    QTest::newRow("an empty call volume") << withMonday({"day=Mon,08:00,10:00", "calls=,2"}) << 9 << "time slot 1";
    QTest::newRow("calls beyond a whole number")
        << withMonday({"day=Mon,08:00,10:00", "calls=2000000000,2000000000"}) << 9 << "add up to more";
    QTest::newRow("calls given twice") << withMonday({"day=Mon,08:00,10:00", "calls=1", "calls=2"}) << 10
                                       << "given twice for Monday";
    QTest::newRow("slot times beyond the slots") << withMonday({"day=Mon,08:00,10:00", "slot-talk=1,2,3"}) << 9
                                                 << "Monday has 2 time slots";
    QTest::newRow("date on another weekday") << withMonday({"day=Mon,08:00,10:00", "date=2026-12-15"}) << 9
                                             << "is a Tuesday";
    QTest::newRow("date not a date") << withMonday({"day=Mon,08:00,10:00", "date=14/12/2026"}) << 9
                                     << "not a date yyyy-mm-dd";
    QTest::newRow("dates of two weeks")
        << fileOf(Header + QStringList{"day=Mon,closed", "date=2026-12-14", "day=Tue,closed", "date=2026-12-22"}) << 11
        << "another week";
    QTest::newRow("Sunday missing") << fileOf(weekLines().mid(0, weekLines().size() - 1)) << 15
                                    << "ends before Sunday's day line";
    QTest::newRow("an eighth day") << fileOf(weekLines() << "day=Mon,closed") << 16 << "follows Sunday's";
}

// A refused file names its line and the reason, and the week it was read
// into keeps everything it held.
void WeekFileTest::refusals_name_the_line_and_change_nothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, reason);
    WeekScenario week = everyKindOfWeek();
    const QByteArray before = WeekFileBytes(week);
    const LoadResult result = apply(week, bytes);
    QVERIFY(!result.applied());
    QCOMPARE(result.line, line);
    QVERIFY2(result.message.contains(reason), qPrintable(result.message));
    if (line > 0)
        QVERIFY2(result.message.contains(QStringLiteral("at line %1:").arg(line)), qPrintable(result.message));
    QCOMPARE(WeekFileBytes(week), before);
}

void WeekFileTest::saves_and_loads_through_files()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("week.vnkw"));
    const WeekScenario week = everyKindOfWeek();
    QVERIFY(SaveWeek(week, path).ok);
    WeekScenario loaded;
    QVERIFY(LoadWeek(loaded, path).applied());
    QCOMPARE(WeekFileBytes(loaded), WeekFileBytes(week));

    const SaveResult failed = SaveWeek(week, dir.filePath(QStringLiteral("missing/week.vnkw")));
    QVERIFY(!failed.ok);
    QVERIFY2(failed.message.startsWith(QStringLiteral("Cannot create file")), qPrintable(failed.message));
    const LoadResult missing = LoadWeek(loaded, dir.filePath(QStringLiteral("none.vnkw")));
    QCOMPARE(missing.status, LoadResult::Status::CannotOpen);
    QCOMPARE(WeekFileBytes(loaded), WeekFileBytes(week));
}

QTEST_APPLESS_MAIN(WeekFileTest)
#include "test_weekfile.moc"
