// SPDX-License-Identifier: MIT
#include "scenariotexts.h"
#include "slotvolumepaste.h"

#include <QLocale>

using Reason = VolumeRefusal::Reason;

namespace {

QList<int> calls(const VolumeColumn &column)
{
    QList<int> result;
    for (const SlotVolume &v : column.volumes())
        result << v.calls;
    return result;
}

QList<int> slotCalls(const AgentScenario &s, int count)
{
    QList<int> result;
    for (int i = 1; i <= count; ++i)
        result << s.SlotCalls[static_cast<std::size_t>(i)];
    return result;
}

// A whole day of half-hour slots on the Schedule, every volume 0 by hand.
AgentScenario wholeDaySchedule()
{
    AgentScenario s;
    setTexts(s, {"00:00", "24:00", "1", "03:00", "01:00", "00:30", "80", "20"});
    useHalfHours(s);
    s.SlotCalls[1] = 1;
    s.TabSet1Click(Tab::Schedule);
    return s;
}

QList<int> forecast()
{
    QList<int> volumes;
    for (int i = 0; i < 48; ++i)
        volumes << (i * 37) % 211;
    return volumes;
}

} // namespace

class SlotVolumePasteTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWhatSpreadsheetsAndFilesHold_data();
    void readsWhatSpreadsheetsAndFilesHold();
    void numbersFollowTheLocale();
    void refusesTheWholeListNamingTheValue_data();
    void refusesTheWholeListNamingTheValue();
    void pasteOfADayGivesTheTableTypingGives();
    void pasteFillsFromTheCurrentRowDown();
    void refusedPasteChangesNothing_data();
    void refusedPasteChangesNothing();
    void workedScheduleByPaste();
};

void SlotVolumePasteTest::readsWhatSpreadsheetsAndFilesHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<int>("lastLine");
    const QList<int> four = {0, 10, 50, 120};
    QTest::newRow("column, CR LF, header") << "Calls\r\n0\r\n10\r\n50\r\n120\r\n" << false << four << 5;
    QTest::newRow("column, LF, no header") << "0\n10\n50\n120" << false << four << 4;
    QTest::newRow("column, lone CR") << "0\r10\r50\r120\r" << false << four << 4;
    QTest::newRow("blank lines around") << "\n\n  \nCalls\n0\n10\n50\n120\n\n\t\n" << false << four << 8;
    QTest::newRow("one row, tabs") << "0\t10\t50\t120\n" << false << four << 1;
    QTest::newRow("one row with its header cell") << "Calls\t0\t10\t50\t120" << false << four << 1;
    QTest::newRow("blank columns beside") << "0\t\t\n10\t\n50\n120\t\t\t\n" << false << four << 4;
    QTest::newRow("the Schedule copied") << "Time\tCalls\tAgents\n08:00\t0\t0\n08:30\t10\t3\n09:00\t50\t10\n09:30\t120\t20\n"
                                         << false << four << 5;
    QTest::newRow("whole-number forms") << "+0\n1e1\n50.0\n 120 " << false << four << 4;
    QTest::newRow("clipboard keeps commas for numbers") << "Calls\n1,200\n" << false << QList<int>{1200} << 2;
    QTest::newRow("file, one a line") << "0\n10\n50\n120\n" << true << four << 4;
    QTest::newRow("file, CSV column quoted, BOM") << "\xEF\xBB\xBF\"Calls\"\r\n\"0\"\r\n10\r\n\"50\"\r\n120\r\n" << true << four << 5;
    QTest::newRow("file, CSV table by comma") << "Time,Calls,Agents\n08:00,0,0\n08:30,10,3\n09:00,50,10\n09:30,120,20\n"
                                              << true << four << 5;
    QTest::newRow("file, CSV table by semicolon") << "Time;Calls\n08:00;0\n08:30;10\n09:00;50\n09:30;120\n" << true << four << 5;
    QTest::newRow("file, quoted comma stays in its cell") << "Slot,Calls\n\"a,b\",7\n" << true << QList<int>{7} << 2;
}

void SlotVolumePasteTest::readsWhatSpreadsheetsAndFilesHold()
{
    QFETCH(QString, text);
    QFETCH(bool, fromFile);
    QFETCH(QList<int>, calls);
    QFETCH(int, lastLine);
    const VolumeColumn column = VolumeColumn::read(
        fromFile ? QString::fromUtf8(text.toLatin1()) : text,
        fromFile ? VolumeColumn::Source::File : VolumeColumn::Source::Clipboard, QLocale::c());
    QVERIFY2(column.accepted(), qPrintable(column.refusal() ? column.refusal()->text() : QString()));
    QCOMPARE(::calls(column), calls);
    QCOMPARE(column.volumes().last().line, lastLine);
}

void SlotVolumePasteTest::numbersFollowTheLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(calls(VolumeColumn::read(QStringLiteral("1.200\n7\n"), VolumeColumn::Source::Clipboard, german)),
             (QList<int>{1200, 7}));
    // The C locale's point still reads, so "2.5" is a decimal here too.
    const VolumeColumn decimals = VolumeColumn::read(QStringLiteral("1,5\n2.5\n"), VolumeColumn::Source::Clipboard, german);
    QCOMPARE(decimals.refusal()->reason, Reason::NotWhole);
    QCOMPARE(decimals.refusal()->value, QStringLiteral("1,5"));
    // In the C locale a comma only groups thousands.
    QCOMPARE(VolumeColumn::read(QStringLiteral("1,5"), VolumeColumn::Source::Clipboard, QLocale::c()).refusal()->reason,
             Reason::NoValues);
}

void SlotVolumePasteTest::refusesTheWholeListNamingTheValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative") << "Calls\n10\n-5\n7\n" << int(Reason::Negative)
                              << "\"-5\" on line 3 is negative: the calls of a time slot are a whole number from 0 up";
    QTest::newRow("decimal") << "10\n12.5\n" << int(Reason::NotWhole)
                             << "\"12.5\" on line 2 is not a whole number: the calls of a time slot are a whole number from 0 up";
    QTest::newRow("text in the middle") << "10\n20\nabc\n30\n" << int(Reason::NotANumber) << "\"abc\" on line 3 is not a number";
    QTest::newRow("text at the top is a header, twice is not") << "Calls\nVolume\n1\n" << int(Reason::NotANumber)
                                                                << "\"Volume\" on line 2 is not a number";
    QTest::newRow("empty cell between values") << "10\n\n30\n" << int(Reason::Empty)
                                               << "line 2 is empty: every time slot needs its number of calls";
    QTest::newRow("empty cell in a row") << "10\t\t30" << int(Reason::Empty)
                                         << "line 1, column 2 is empty: every time slot needs its number of calls";
    QTest::newRow("beyond a 32-bit count") << "2147483648" << int(Reason::TooLarge)
                                           << "\"2147483648\" on line 1 is too large: a time slot takes at most 2147483647 calls";
    QTest::newRow("infinity") << "1\ninf\n" << int(Reason::NotANumber) << "\"inf\" on line 2 is not a number";
    QTest::newRow("table without a Calls column") << "Time\tAgents\n08:00\t3\n" << int(Reason::SeveralColumns)
                                                  << "line 1 has 2 columns: give one column of numbers, or a table with a \"Calls\" column";
    QTest::newRow("header alone") << "Calls\n" << int(Reason::NoValues) << "there are no numbers of calls";
    QTest::newRow("nothing") << " \n\t\n" << int(Reason::NoValues) << "there are no numbers of calls";
    QTest::newRow("far too long") << QString(VolumeColumn::MaxTextLength + 1, QLatin1Char('1')) << int(Reason::TooLong)
                                  << "the text is too long to be a list of call volumes (more than 1048576 characters)";
}

void SlotVolumePasteTest::refusesTheWholeListNamingTheValue()
{
    QFETCH(QString, text);
    QFETCH(int, reason);
    QFETCH(QString, message);
    const VolumeColumn column = VolumeColumn::read(text, VolumeColumn::Source::Clipboard, QLocale::c());
    QVERIFY(!column.accepted());
    QVERIFY(column.volumes().isEmpty());
    QCOMPARE(int(column.refusal()->reason), reason);
    QCOMPARE(column.refusal()->text(), message);
}

void SlotVolumePasteTest::pasteOfADayGivesTheTableTypingGives()
{
    const QList<int> volumes = forecast();

    // Typed: each Calls cell in turn, then Enter.
    AgentScenario typed = wholeDaySchedule();
    typed.SlotCallsEdited = false;
    for (int row = 1; row <= 48; ++row) {
        const QString text = QString::number(volumes.at(row - 1));
        for (int n = 1; n <= text.size(); ++n) {
            typed.StringGrid1KeyPress(text.at(n - 1));
            typed.StringGrid1SetEditText(1, row, text.left(n));
        }
    }
    QVERIFY(typed.StringGrid1KeyPress(QChar(13)).valid);

    // Pasted: a spreadsheet's column with its header, at the first slot.
    AgentScenario pasted = wholeDaySchedule();
    pasted.SlotCallsEdited = false;
    QString clipboard = QStringLiteral("Forecast\r\n");
    for (int v : volumes)
        clipboard += QString::number(v) + QStringLiteral("\r\n");
    int recalculations = 0;
    pasted.onTableFilled = [&recalculations] { ++recalculations; };
    pasted.grid().setCurrentCell(1, 1);
    QVERIFY(!SlotVolumePaste::paste(pasted, clipboard, QLocale::c()));

    QCOMPARE(recalculations, 1);
    QCOMPARE(slotCalls(pasted, 48), volumes);
    QVERIFY(pasted.SlotCallsEdited);
    QCOMPARE(pasted.text(Field::Edit1), typed.text(Field::Edit1));
    QCOMPARE(pasted.StringGrid1().rowCount(), 49);
    for (int r = 0; r < 49; ++r)
        QCOMPARE(row(pasted, r), row(typed, r));
}

void SlotVolumePasteTest::pasteFillsFromTheCurrentRowDown()
{
    AgentScenario s = workedSchedule();
    QVERIFY(s.TabSet1Click(Tab::Schedule).valid);
    s.SlotCallsEdited = false;
    s.grid().setCurrentCell(1, 3);
    QVERIFY(!SlotVolumePaste::paste(s, QStringLiteral("60\n100\n"), QLocale::c()));
    QCOMPARE(slotCalls(s, 4), (QList<int>{0, 10, 60, 100}));
    QCOMPARE(column(s, 1), (QStringList{"0", "10", "60", "100"}));
    QCOMPARE(s.text(Field::Edit1), QStringLiteral("170"));
    QVERIFY(s.SlotCallsEdited);
    // The cursor stays where the paste began.
    QCOMPARE(s.StringGrid1().currentRow(), 3);
    QCOMPARE(s.StringGrid1().currentColumn(), 1);
}

void SlotVolumePasteTest::refusedPasteChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("agentsTab");
    QTest::addColumn<QString>("message");
    const QString rule = QStringLiteral("the calls of a time slot are a whole number from 0 up");
    QTest::newRow("negative") << "5\n-1\n" << 1 << 1 << false << "\"-1\" on line 2 is negative: " + rule;
    QTest::newRow("decimal") << "5\n0.5\n" << 1 << 1 << false << "\"0.5\" on line 2 is not a whole number: " + rule;
    QTest::newRow("text in the middle") << "5\nn/a\n6\n" << 1 << 1 << false << "\"n/a\" on line 2 is not a number";
    QTest::newRow("one value too many") << "Calls\n1\n2\n3\n" << 1 << 3 << false
                                        << "\"3\" on line 4 is value 3 of 3, but only 2 time slots remain from 09:00 on";
    QTest::newRow("too many from the last slot") << "1\t2" << 1 << 4 << false
                                                 << "\"2\" on line 1, column 2 is value 2 of 2, but only 1 time slot remains from 09:30 on";
    QTest::newRow("cursor in a result column") << "5" << 3 << 1 << false
                                               << "put the cursor in a Calls cell of the Schedule to paste call volumes";
    QTest::newRow("Agents tab") << "5" << 1 << 1 << true
                                << "put the cursor in a Calls cell of the Schedule to paste call volumes";
}

void SlotVolumePasteTest::refusedPasteChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, agentsTab);
    QFETCH(QString, message);
    // 08:00 to 10:00 in half hours: slots 2 and 3 start at 09:00 and 09:30.
    AgentScenario s = workedSchedule();
    QVERIFY(s.TabSet1Click(agentsTab ? Tab::Agents : Tab::Schedule).valid);
    s.SlotCallsEdited = false;
    s.grid().setCurrentCell(column, row);
    const auto before = s.SlotCalls;
    QStringList cells;
    for (int r = 0; r < s.StringGrid1().rowCount(); ++r)
        cells << ::row(s, r);
    int recalculations = 0;
    s.onTableFilled = [&recalculations] { ++recalculations; };

    const auto refusal = SlotVolumePaste::paste(s, text, QLocale::c());
    QVERIFY(refusal);
    QCOMPARE(refusal->text(), message);
    QCOMPARE(recalculations, 0);
    QVERIFY(s.SlotCalls == before);
    QVERIFY(!s.SlotCallsEdited);
    QStringList after;
    for (int r = 0; r < s.StringGrid1().rowCount(); ++r)
        after << ::row(s, r);
    QCOMPARE(after, cells);
}

void SlotVolumePasteTest::workedScheduleByPaste()
{
    // The worked volumes pasted over a spread of 180 calls.
    AgentScenario s = workedSchedule();
    s.DistributeCalls();
    QVERIFY(s.TabSet1Click(Tab::Schedule).valid);
    QCOMPARE(column(s, 1), (QStringList{"45", "45", "45", "45"}));
    s.grid().setCurrentCell(1, 1);
    QVERIFY(!SlotVolumePaste::paste(s, QStringLiteral("0\n10\n50\n120\n"), QLocale::c()));
    QCOMPARE(row(s, 4), (QStringList{"09:30", "120", "20", "82%", "26%", "13%", "80%", "00:15", "26"}));
    QCOMPARE(column(s, 2), (QStringList{"0", "3", "10", "20"}));
    QCOMPARE(s.text(Field::Edit1), QStringLiteral("180"));
}

QTEST_GUILESS_MAIN(SlotVolumePasteTest)
#include "test_slotvolumepaste.moc"
