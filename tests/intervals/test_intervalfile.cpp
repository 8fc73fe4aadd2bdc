// SPDX-License-Identifier: MIT
#include "intervalfile.h"
#include "intervalimport.h"
#include "scenarioinputs.h"

#include <QTest>

namespace {

// Per slot: calls, talk and after-call seconds (-1: none of its own).
using SlotList = QList<QList<int>>;

SlotList slotsOf(const IntervalFile &file)
{
    SlotList result;
    for (const IntervalSlot &slot : file.daySlots())
        result << QList<int>{slot.calls, slot.talkSeconds.value_or(-1), slot.wrapSeconds.value_or(-1)};
    return result;
}

} // namespace

class IntervalFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsTheShapesPlannersExport_data();
    void readsTheShapesPlannersExport();
    void refusesWithTheLineAndReason_data();
    void refusesWithTheLineAndReason();
    void saysWhatEachColumnWasTakenFor();
    void slotLengthFromEndsSpacingOrRequest_data();
    void slotLengthFromEndsSpacingOrRequest();
    void rosterFollowsTheClockOnImport();
};

void IntervalFileTest::readsTheShapesPlannersExport_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("slotMinutes");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<SlotList>("expected");

    // As open data sets of call-centre arrivals publish them: a time stamp
    // and a count, nothing else.
    QTest::newRow("time stamps and a count") << "\xEF\xBB\xBFstart_time,count\r\n2024-03-04 07:00:00,12\r\n"
                                                "2024-03-04 07:30:00,20\r\n2024-03-04 08:00:00,31\r\n"
                                             << 30 << "07:00" << "08:30"
                                             << SlotList{{12, -1, -1}, {20, -1, -1}, {31, -1, -1}};
    QTest::newRow("AHT hh:mm:ss, tab separated") << "Interval\tOffered\tAHT (hh:mm:ss)\n08:00\t10\t00:03:20\n"
                                                    "09:00\t14\t0:04:05.6\n"
                                                 << 60 << "08:00" << "10:00" << SlotList{{10, 200, 0}, {14, 246, 0}};
    QTest::newRow("talk and ACW in seconds, decimal comma") << "Start;Volume;Talk (s);ACW [sec]\n08:00;10;180,4;60\n"
                                                               "08:30;0;;\n"
                                                            << 30 << "08:00" << "09:00"
                                                            << SlotList{{10, 180, 60}, {0, -1, -1}};
    QTest::newRow("AHT mm:ss and wrap in minutes") << "TIME,CALLS,Avg Handle Time,Wrap-Up (min)\n10:00,5,04:00,0.5\n"
                                                   << 60 << "10:00" << "11:00" << SlotList{{5, 210, 30}};
    QTest::newRow("AHT beside talk gives the wrap") << "time,calls,AHT,talk time\n10:00,5,240,200\n"
                                                    << 60 << "10:00" << "11:00" << SlotList{{5, 200, 40}};
    QTest::newRow("AHT beside an empty ACW is all talk") << "time,calls,AHT,ACW\n10:00,5,240,\n11:00,4,240,40\n"
                                                         << 60 << "10:00" << "12:00" << SlotList{{5, 240, 0}, {4, 200, 40}};
    QTest::newRow("quarter hours as ranges") << "\"Interval\",\"Calls Offered\",\"Agent\"\n\"08:00 - 08:15\",3,x\n"
                                                "\"08:15 - 08:30\",\"4\",y\n"
                                             << 15 << "08:00" << "08:30" << SlotList{{3, -1, -1}, {4, -1, -1}};
    // An export that leaves out its empty quarter hours is not read as
    // half hours: the ranges' ends say how long a slot is.
    QTest::newRow("ranges with empty rows left out") << "time,calls\n22:45 - 23:00,3\n23:15 - 23:30,4\n23:45 - 24:00,1\n"
                                                     << 15 << "22:45" << "24:00"
                                                     << SlotList{{3, -1, -1}, {0, -1, -1}, {4, -1, -1}, {0, -1, -1},
                                                                 {1, -1, -1}};
    QTest::newRow("quarter hours with times and a gap") << "time,calls,AHT,ACW\n07:45,2,300,60\n08:00,3,,\n08:30,1,240,\n"
                                                        << 15 << "07:45" << "08:45"
                                                        << SlotList{{2, 240, 60}, {3, -1, -1}, {0, -1, -1}, {1, 240, 0}};
    QTest::newRow("over midnight") << "time,calls\n23:00,4\n0:00,2\n01:00,1\n"
                                   << 60 << "23:00" << "02:00" << SlotList{{4, -1, -1}, {2, -1, -1}, {1, -1, -1}};
    QTest::newRow("a missing interval has no calls") << "time,calls\n08:00,4\n08:30,2\n09:30,1.0\n"
                                                     << 30 << "08:00" << "10:00"
                                                     << SlotList{{4, -1, -1}, {2, -1, -1}, {0, -1, -1}, {1, -1, -1}};
    QTest::newRow("AHT beside talk and ACW is not used") << "Time,Calls,AHT,Talk,ACW,AHT\n23:30,9,abc,100,20,x\n"
                                                         << 30 << "23:30" << "24:00" << SlotList{{9, 100, 20}};
}

void IntervalFileTest::readsTheShapesPlannersExport()
{
    QFETCH(QString, text);
    QFETCH(int, slotMinutes);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(SlotList, expected);
    const IntervalFile file = IntervalFile::read(text);
    QVERIFY2(file.accepted(), qPrintable(file.refusal() ? file.refusal()->text() : QString()));
    QCOMPARE(file.slotMinutes(), slotMinutes);
    QCOMPARE(file.startText(), start);
    QCOMPARE(file.endText(), end);
    QCOMPARE(slotsOf(file), expected);
}

void IntervalFileTest::refusesWithTheLineAndReason_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("no calls column") << "time,AHT\n08:00,100\n"
                                     << "line 1: no column of calls (a header \"calls\", \"offered\" or \"volume\")";
    QTest::newRow("no time column") << "hour,calls\n8,100\n"
                                    << "line 1: no column of interval start times (a header \"time\", \"interval\" or "
                                       "\"start\")";
    QTest::newRow("unit not known") << "time,calls,AHT (h)\n08:00,1,1\n"
                                    << "line 1: the unit of the column \"AHT (h)\" is not seconds, minutes, mm:ss or "
                                       "hh:mm:ss";
    QTest::newRow("header alone") << "time,calls\n\n" << "the file holds no intervals below its header";
    QTest::newRow("not a time") << "time,calls\n08:00,1\n25:00,2\n"
                                << "line 3: \"25:00\" in the column \"time\" is not a time of day hh:mm";
    QTest::newRow("negative calls") << "time,calls\n08:00,-3\n" << "line 2: \"-3\" in the column \"calls\" is negative";
    QTest::newRow("calls not a number") << "time,calls\n08:00,n/a\n"
                                        << "line 2: \"n/a\" in the column \"calls\" is not a number";
    QTest::newRow("calls not whole") << "time,calls\n08:00,2.5\n"
                                     << "line 2: \"2.5\" in the column \"calls\" is not a whole number of calls";
    QTest::newRow("negative time") << "time,calls,talk\n08:00,2,-00:10\n"
                                   << "line 2: \"-00:10\" in the column \"talk\" is negative";
    QTest::newRow("time not read") << "time,calls,ACW\n08:00,2,1:75\n"
                                   << "line 2: \"1:75\" in the column \"ACW\" is not a time mm:ss";
    QTest::newRow("too long") << "time,calls,AHT\n08:00,2,1440\n"
                              << "line 2: \"1440\" in the column \"AHT\" is longer than 23:59, the longest talk or "
                                 "after-call time";
    QTest::newRow("thousands separator") << "time;calls;AHT\n08:00;2;1,234\n"
                                         << "line 2: \"1,234\" in the column \"AHT\" reads as a number with a "
                                            "thousands separator: write it without one";
    QTest::newRow("thousands point") << "time,calls,talk\n08:00,2,1.234\n"
                                     << "line 2: \"1.234\" in the column \"talk\" reads as a number with a "
                                        "thousands separator: write it without one";
    QTest::newRow("range of no slot length") << "time,calls\n08:00 - 08:20,1\n"
                                             << "line 2: \"08:00 - 08:20\" is an interval of 20 minutes: slots are "
                                                "15, 30 or 60 minutes long";
    QTest::newRow("ranges of two lengths") << "time,calls\n08:00 - 08:30,1\n08:30 - 08:45,1\n"
                                           << "line 3: \"08:30 - 08:45\" is an interval of 15 minutes, where the "
                                              "intervals above are 30";
    QTest::newRow("AHT below talk") << "time,calls,AHT,talk\n08:00,2,100,120\n"
                                    << "line 2: \"100\" in the column \"AHT\" is shorter than the talk time beside it";
    QTest::newRow("off the slot boundary") << "time,calls\n08:00,1\n08:30,1\n08:50,1\n09:30,1\n"
                                           << "line 4: \"08:50\" is not on a 15-minute slot boundary";
    QTest::newRow("off the hour") << "time,calls\n08:00,1\n09:00,1\n09:45,1\n"
                                  << "line 4: \"09:45\" is not on a 30-minute slot boundary";
    QTest::newRow("too close") << "time,calls\n08:00,1\n08:10,1\n"
                               << "line 3: \"08:10\" is only 10 minutes after the time above it: slots are 15, 30 or "
                                  "60 minutes long";
    QTest::newRow("repeated") << "time,calls\n08:00,1\n08:30,1\n08:00,1\n"
                              << "line 4: \"08:00\" repeats a time given above";
    QTest::newRow("beyond the day") << "time,calls\n08:00,1\n20:00,1\n08:30,1\n"
                                    << "line 4: \"08:30\" falls outside the day of 24 hours from 08:00";
    QTest::newRow("another day") << "time,calls\n2024-03-04 08:00,1\n2024-03-06 07:00,1\n"
                                 << "line 3: \"2024-03-06 07:00\" falls outside the day of 24 hours from 08:00";
    QTest::newRow("dates out of order") << "time,calls\n2024-03-04 08:00,1\n2024-03-04 07:00,1\n"
                                        << "line 3: \"2024-03-04 07:00\" comes before the time above it: the rows must "
                                           "follow the day in order";
}

void IntervalFileTest::refusesWithTheLineAndReason()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const IntervalFile file = IntervalFile::read(text);
    QVERIFY(!file.accepted());
    QCOMPARE(file.refusal()->text(), message);
    QVERIFY(file.daySlots().empty());
}

void IntervalFileTest::saysWhatEachColumnWasTakenFor()
{
    const IntervalFile file = IntervalFile::read(QStringLiteral("Interval;Agents;Offered;AHT (mm:ss);Date\n08:00;2;5;03:00;x\n"));
    QVERIFY(file.accepted());
    QStringList uses;
    for (const IntervalColumn &column : file.columns())
        uses << column.header + QStringLiteral(": ") + column.use;
    QCOMPARE(uses, (QStringList{"Interval: interval start", "Agents: not used", "Offered: calls",
                                "AHT (mm:ss): talk time, no after-call work", "Date: not used"}));
}

void IntervalFileTest::slotLengthFromEndsSpacingOrRequest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("asked"); // 0: the file decides
    QTest::addColumn<int>("slotMinutes");
    QTest::addColumn<QList<int>>("others");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("refusal");
    const QString halfHours = QStringLiteral("time,calls\n08:00,1\n08:30,2\n09:00,3\n");
    QTest::newRow("spacing: shorter lengths fit too") << halfHours << 0 << 30 << QList<int>{15} << "09:30" << QString();
    QTest::newRow("quarter hours asked") << halfHours << 15 << 15 << QList<int>{} << "09:15" << QString();
    QTest::newRow("hours asked, rows off them") << halfHours << 60 << 0 << QList<int>{} << QString()
                                                << "line 3: \"08:30\" is not on a 60-minute slot boundary";
    QTest::newRow("one row on the hour") << "time,calls\n08:00,5\n" << 0 << 60 << QList<int>{15, 30} << "09:00" << QString();
    QTest::newRow("the ends decide") << "time,calls\n08:00 - 09:00,5\n" << 0 << 60 << QList<int>{} << "09:00" << QString();
    QTest::newRow("the ends refuse another") << "time,calls\n08:00 - 09:00,5\n" << 30 << 0 << QList<int>{} << QString()
                                             << "line 2: \"08:00 - 09:00\" is an interval of 60 minutes, not of 30";
}

void IntervalFileTest::slotLengthFromEndsSpacingOrRequest()
{
    QFETCH(QString, text);
    QFETCH(int, asked);
    QFETCH(int, slotMinutes);
    QFETCH(QList<int>, others);
    QFETCH(QString, end);
    QFETCH(QString, refusal);
    const IntervalFile file = IntervalFile::read(text, asked);
    QCOMPARE(file.refusal() ? file.refusal()->text() : QString(), refusal);
    if (!file.accepted())
        return;
    QCOMPARE(file.slotMinutes(), slotMinutes);
    QCOMPARE(QList<int>(file.otherSlotMinutes().begin(), file.otherSlotMinutes().end()), others);
    QCOMPARE(file.endText(), end);
}

// State: an hourly day from 08:00, 5 agents at 08:00 and 3 at 16:00.
// Action: a quarter-hour file from 06:00 to 09:00 is imported.
// Expected: the 5 stand at 08:00-09:00's quarters; the 16:00 value, outside
// the new day, is dropped and counted.
void IntervalFileTest::rosterFollowsTheClockOnImport()
{
    ScenarioInputs inputs;
    inputs.setText(Field::MaskEdit1, QStringLiteral("08:00"));
    inputs.setText(Field::MaskEdit7, QStringLiteral("17:00"));
    inputs.SlotHave[1] = 5;
    inputs.SlotHave[9] = 3;
    QString text = QStringLiteral("time,calls\n");
    for (int quarter = 0; quarter < 12; ++quarter)
        text += QStringLiteral("%1:%2,1\n").arg(6 + quarter / 4).arg(quarter % 4 * 15, 2, 10, QLatin1Char('0'));
    int dropped = -1;
    QCOMPARE(IntervalImport::apply(inputs, IntervalFile::read(text), &dropped), std::nullopt);
    QCOMPARE(dropped, 1);
    QList<int> roster;
    for (int slot = 1; slot <= 13; ++slot)
        roster << inputs.SlotHave[static_cast<std::size_t>(slot)].value_or(-1);
    QCOMPARE(roster, (QList<int>{-1, -1, -1, -1, -1, -1, -1, -1, 5, 5, 5, 5, -1}));
}

QTEST_APPLESS_MAIN(IntervalFileTest)
#include "test_intervalfile.moc"
