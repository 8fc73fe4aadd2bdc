// SPDX-License-Identifier: MIT
#include "tourtypetext.h"

#include <QTest>

Q_DECLARE_METATYPE(TourField)

class TourTypeTextTest : public QObject
{
    Q_OBJECT
private slots:
    void reads_every_field_and_writes_it_back_data();
    void reads_every_field_and_writes_it_back();
    void refusals_name_the_tour_and_the_field_data();
    void refusals_name_the_tour_and_the_field();
};

void TourTypeTextTest::reads_every_field_and_writes_it_back_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("minDays");
    QTest::addColumn<int>("maxDays");
    QTest::addColumn<int>("band"); // -1: free
    QTest::addColumn<int>("minPaid");
    QTest::addColumn<int>("maxPaid");
    QTest::addColumn<int>("max"); // -1: none
    QTest::newRow("full time") << "Full,5,consecutive,60,37:30-40:00,8 hours" << "" << 5 << 5 << 60 << 2250 << 2400 << -1;
    QTest::newRow("part time, whole hours, a maximum") << "Part,3-4,any,free,16-28,6 hours+4 hours,max=7"
                                                       << "Part,3-4,any,free,16:00-28:00,6 hours+4 hours,max=7" << 3
                                                       << 4 << -1 << 960 << 1680 << 7;
    QTest::newRow("blanks and capitals") << " Night , 4 , Any , FREE , 40:00 , N ,max=2"
                                         << "Night,4,any,free,40:00,N,max=2" << 4 << 4 << -1 << 2400 << 2400 << 2;
    QTest::newRow("a whole week, the same start") << "All,7,consecutive,0,168:00,A" << "" << 7 << 7 << 0 << 10080
                                                  << 10080 << -1;
}

void TourTypeTextTest::reads_every_field_and_writes_it_back()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    QFETCH(int, minDays);
    QFETCH(int, maxDays);
    QFETCH(int, band);
    QFETCH(int, minPaid);
    QFETCH(int, maxPaid);
    QFETCH(int, max);
    const TourTypeRead read = ParseTourTypeText(text);
    QVERIFY2(read.type, qPrintable(read.message));
    const TourType &tour = *read.type;
    QCOMPARE(tour.minDays, minDays);
    QCOMPARE(tour.maxDays, maxDays);
    QCOMPARE(tour.bandMinutes.value_or(-1), band);
    QCOMPARE(tour.minPaidMinutes, minPaid);
    QCOMPARE(tour.maxPaidMinutes, maxPaid);
    QCOMPARE(tour.maxAgents.value_or(-1), max);
    QCOMPARE(TourTypeText(tour), written.isEmpty() ? text : written);
    QCOMPARE(TourTypeText(*ParseTourTypeText(TourTypeText(tour)).type), TourTypeText(tour));
}

void TourTypeTextTest::refusals_name_the_tour_and_the_field_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TourField>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << ",5,any,free,40,A" << TourField::Name << "needs a name";
    QTest::newRow("too few fields") << "Full,5,any,60" << TourField::Days << "Tour \"Full\": give NAME,DAYS";
    QTest::newRow("too many fields") << "Full,5,any,60,40,A,B" << TourField::ShiftTypes << "give NAME";
    QTest::newRow("eight days") << "Full,8,any,60,40,A" << TourField::Days << "the days \"8\"";
    QTest::newRow("days falling") << "Full,4-3,any,60,40,A" << TourField::Days << "the days \"4-3\"";
    QTest::newRow("days off") << "Full,5,weekends,60,40,A" << TourField::DaysOff << "the days off \"weekends\"";
    QTest::newRow("band in hours") << "Full,5,any,1:00,40,A" << TourField::Band << "the start band \"1:00\"";
    QTest::newRow("band a day") << "Full,5,any,1440,40,A" << TourField::Band << "from 0 to 1439";
    QTest::newRow("hours beyond a week") << "Full,5,any,60,37:30-169:00,A" << TourField::PaidHours
                                         << "weekly paid hours \"37:30-169:00\"";
    QTest::newRow("hours falling") << "Full,5,any,60,40-37:30,A" << TourField::PaidHours << "weekly paid hours";
    QTest::newRow("minutes of one digit") << "Full,5,any,60,37:3,A" << TourField::PaidHours << "weekly paid hours";
    QTest::newRow("empty shift name") << "Full,5,any,60,40,A++B" << TourField::ShiftTypes << "the shift types \"A++B\"";
    QTest::newRow("shift named twice") << "Full,5,any,60,40,A+A" << TourField::ShiftTypes << "\"A\" is named twice";
    QTest::newRow("maximum not whole") << "Full,5,any,60,40,A,max=-1" << TourField::MaxAgents << "the maximum \"-1\"";
}

void TourTypeTextTest::refusals_name_the_tour_and_the_field()
{
    QFETCH(QString, text);
    QFETCH(TourField, field);
    QFETCH(QString, message);
    const TourTypeRead read = ParseTourTypeText(text);
    QVERIFY(!read.type);
    QCOMPARE(read.field, field);
    QVERIFY2(read.message.contains(message), qPrintable(read.message));
}

QTEST_APPLESS_MAIN(TourTypeTextTest)
#include "test_tourtypetext.moc"
