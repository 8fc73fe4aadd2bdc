// SPDX-License-Identifier: MIT
#include "scenariotexts.h"
#include "slotvolumepaste.h"
#include "tablecopy.h"

using Reason = VolumeRefusal::Reason;

namespace {

QList<int> calls(const VolumeColumn &column)
{
    QList<int> result;
    for (const SlotVolume &v : column.volumes())
        result << v.calls;
    return result;
}

VolumeColumn fromClipboard(const QString &text, const QLocale &locale = QLocale::c())
{
    return VolumeColumn::read(text, VolumeColumn::Source::Clipboard, locale);
}

} // namespace

class SlotVolumePasteTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWhatSpreadsheetsAndFilesHold_data();
    void readsWhatSpreadsheetsAndFilesHold();
    void refusesTheWholeListNamingTheValue_data();
    void refusesTheWholeListNamingTheValue();
    void pasteOfADayGivesTheTableTypingGives();
    void refusedPasteChangesNothing_data();
    void refusedPasteChangesNothing();
    void slotTimesReadByThePasteRules_data();
    void slotTimesReadByThePasteRules();
};

void SlotVolumePasteTest::readsWhatSpreadsheetsAndFilesHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fromFile");
    const QString bom = QString(QChar(0xFEFF));
    QTest::newRow("column, CR LF, header") << "Calls\r\n0\r\n10\r\n50\r\n120\r\n" << false;
    QTest::newRow("blank lines around") << "\n\n  \nCalls\n0\n10\n50\n120\n\n\t\n" << false;
    QTest::newRow("one row with its header cell") << "Calls\t0\t10\t50\t120" << false;
    QTest::newRow("the Schedule copied") << "Time\tCalls\tAgents\n08:00\t0\t0\n08:30\t10\t3\n09:00\t50\t10\n09:30\t120\t20\n"
                                         << false;
    QTest::newRow("whole-number forms") << "+0\n1e1\n50.0\n 120 " << false;
    QTest::newRow("file, CSV column quoted, BOM") << bom + "\"Calls\"\r\n\"0\"\r\n10\r\n\"50\"\r\n120\r\n" << true;
    QTest::newRow("file, CSV table by semicolon") << "Time;Calls\n08:00;0\n08:30;10\n09:00;50\n09:30;120\n" << true;
}

void SlotVolumePasteTest::readsWhatSpreadsheetsAndFilesHold()
{
    QFETCH(QString, text);
    QFETCH(bool, fromFile);
    const VolumeColumn column = VolumeColumn::read(
        text, fromFile ? VolumeColumn::Source::File : VolumeColumn::Source::Clipboard, QLocale::c());
    QVERIFY2(column.accepted(), qPrintable(column.refusal() ? column.refusal()->text() : QString()));
    QCOMPARE(calls(column), (QList<int>{0, 10, 50, 120}));

    // Numbers follow the locale: a German "1.200" is 1200 and "1,5" a decimal.
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(calls(fromClipboard(QStringLiteral("1.200\n7"), german)), (QList<int>{1200, 7}));
    QCOMPARE(fromClipboard(QStringLiteral("7\n1,5"), german).refusal()->reason, Reason::NotWhole);
}

void SlotVolumePasteTest::refusesTheWholeListNamingTheValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("message");
    const QString rule = QStringLiteral("the calls of a time slot are a whole number from 0 up");
    QTest::newRow("negative") << "Calls\n10\n-5\n7\n" << int(Reason::Negative) << "\"-5\" on line 3 is negative: " + rule;
    QTest::newRow("decimal") << "10\n12.5\n" << int(Reason::NotWhole) << "\"12.5\" on line 2 is not a whole number: " + rule;
    QTest::newRow("text in the middle") << "10\n20\nabc\n30\n" << int(Reason::NotANumber) << "\"abc\" on line 3 is not a number";
    QTest::newRow("empty cell in a row") << "10\t\t30" << int(Reason::Empty)
                                         << "line 1, column 2 is empty: every time slot needs its number of calls";
    QTest::newRow("quoted empty cell in a row") << "10\t\"\"\t30" << int(Reason::Empty)
                                                << "line 1, column 2 is empty: every time slot needs its number of calls";
    QTest::newRow("quoted empty cell in a column") << "10\n\"\"\n30" << int(Reason::Empty)
                                                   << "line 2 is empty: every time slot needs its number of calls";
    QTest::newRow("beyond a 32-bit count") << "2147483648" << int(Reason::TooLarge)
                                           << "\"2147483648\" on line 1 is too large: a time slot takes at most 2147483647 calls";
    QTest::newRow("table without a Calls column") << "Time\tAgents\n08:00\t3\n" << int(Reason::SeveralColumns)
                                                  << "line 1 has 2 columns: give one column of numbers, or a table with a \"Calls\" column";
    QTest::newRow("first value of a row") << "-5\t10" << int(Reason::Negative)
                                          << "\"-5\" on line 1, column 1 is negative: " + rule;
    const QString forty(40, QLatin1Char('x'));
    QTest::newRow("forty characters shown whole") << "10\n" + forty << int(Reason::NotANumber)
                                                  << "\"" + forty + "\" on line 2 is not a number";
    QTest::newRow("at the length limit, shortened")
        << "10\n" + QString(VolumeColumn::MaxTextLength - 3, QLatin1Char('x')) << int(Reason::NotANumber)
        << "\"" + forty + "...\" on line 2 is not a number";
    QTest::newRow("header alone") << "Calls\n" << int(Reason::NoValues) << "there are no numbers of calls";
    QTest::newRow("far too long") << QString(VolumeColumn::MaxTextLength + 1, QLatin1Char('1')) << int(Reason::TooLong)
                                  << "the text is too long to be a list of call volumes (more than 1048576 characters)";
}

void SlotVolumePasteTest::refusesTheWholeListNamingTheValue()
{
    QFETCH(QString, text);
    QFETCH(int, reason);
    QFETCH(QString, message);
    const VolumeColumn column = fromClipboard(text);
    QVERIFY(column.volumes().isEmpty());
    QCOMPARE(int(column.refusal()->reason), reason);
    QCOMPARE(column.refusal()->text(), message);
}

void SlotVolumePasteTest::pasteOfADayGivesTheTableTypingGives()
{
    // A whole day of half-hour slots on the Schedule.
    AgentScenario typed;
    setTexts(typed, {"00:00", "24:00", "1", "03:00", "01:00", "00:30", "80", "20"});
    useHalfHours(typed);
    typed.setSlotCalls(1, 1);
    ScenarioEvents(typed).TabSet1Click(Tab::Schedule);
    typed.setSlotCallsEdited(false);
    AgentScenario pasted = typed;

    // Typed: each Calls cell in turn, then Enter. Pasted: a spreadsheet's
    // column with its header, the cursor in the first slot.
    QString clipboard = QStringLiteral("Forecast\r\n");
    for (int row = 1; row <= 48; ++row) {
        const QString text = QString::number((row * 37) % 211);
        clipboard += text + QStringLiteral("\r\n");
        ScenarioEvents(typed).StringGrid1KeyPress(text.at(0));
        ScenarioEvents(typed).StringGrid1SetEditText(ResultTable::CallsColumn, row, text);
    }
    QVERIFY(ScenarioEvents(typed).StringGrid1KeyPress(QChar(13)).valid);
    int recalculations = 0;
    pasted.hooks().addTableFilledListener([&recalculations] { ++recalculations; });
    pasted.StringGrid1().setCurrentCell(ResultTable::CallsColumn, 1);
    QVERIFY(!SlotVolumePaste::paste(pasted, clipboard, QLocale::c()));

    QCOMPARE(recalculations, 1);
    QVERIFY(pasted.inputs().SlotCalls == typed.inputs().SlotCalls);
    QVERIFY(pasted.inputs().SlotCallsEdited);
    QCOMPARE(pasted.inputs().text(Field::Edit1), typed.inputs().text(Field::Edit1));
    QCOMPARE(TableCopy::wholeTable(pasted.StringGrid1()).text(), TableCopy::wholeTable(typed.StringGrid1()).text());
    QCOMPARE(pasted.StringGrid1().rowCount(), 49);

    // From a later row down, the slots above keep their volumes.
    pasted.StringGrid1().setCurrentCell(ResultTable::CallsColumn, 47);
    QVERIFY(!SlotVolumePaste::paste(pasted, QStringLiteral("5\n6"), QLocale::c()));
    QCOMPARE(column(pasted, 1).mid(45), (QStringList{"14", "5", "6"}));

    // A first slot past the day (a day without slots, say) leaves room for none.
    const auto none = SlotVolumePaste::checkFit(fromClipboard(QStringLiteral("7")), 5, 4, QStringLiteral("10:00"));
    QVERIFY(none);
    QCOMPARE(none->text(), QStringLiteral("\"7\" on line 1 is value 1 of 1, but only 0 time slots remain from 10:00 on"));
    // Stored from slot 0, whatever the caller: the unused entry 0 stays 0.
    AgentScenario stored = workedScheduleScenario();
    SlotVolumePaste::store(stored, 0, fromClipboard(QStringLiteral("3\n4")));
    QCOMPARE(stored.inputs().SlotCalls[0], 0);
    QCOMPARE(stored.inputs().SlotCalls[1], 4);

    // As the planner reads them: a sentence, and whether anything changed.
    QCOMPARE(SlotVolumePaste::message(VolumeRefusal(Reason::NoValues)),
             QStringLiteral("There are no numbers of calls. Nothing was pasted."));
    QCOMPARE(SlotVolumePaste::message(VolumeRefusal(Reason::NotInCallsCell)),
             QStringLiteral("Put the cursor in a Calls cell of the Schedule to paste call volumes."));
}

void SlotVolumePasteTest::refusedPasteChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("agentsTab");
    QTest::addColumn<QString>("message");
    const QString elsewhere = QStringLiteral("put the cursor in a Calls cell of the Schedule to paste call volumes");
    QTest::newRow("a bad value") << "5\n-1\n" << 1 << 1 << false
                                 << "\"-1\" on line 2 is negative: the calls of a time slot are a whole number from 0 up";
    // Slot 4 of 08:00 to 10:00 in half hours starts at 09:30.
    QTest::newRow("too many from the last slot")
        << "1\t2" << 1 << 4 << false << "\"2\" on line 1, column 2 is value 2 of 2, but only 1 time slot remains from 09:30 on";
    QTest::newRow("cursor in a result column") << "5" << 3 << 1 << false << elsewhere;
    QTest::newRow("Agents tab") << "5" << 1 << 1 << true << elsewhere;
}

void SlotVolumePasteTest::refusedPasteChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, agentsTab);
    QFETCH(QString, message);
    AgentScenario s = workedScheduleScenario();
    QVERIFY(ScenarioEvents(s).TabSet1Click(agentsTab ? Tab::Agents : Tab::Schedule).valid);
    s.setSlotCallsEdited(false);
    s.StringGrid1().setCurrentCell(column, row);
    const auto before = s.inputs().SlotCalls;
    const QString cells = TableCopy::wholeTable(s.StringGrid1()).text();
    int recalculations = 0;
    s.hooks().addTableFilledListener([&recalculations] { ++recalculations; });

    const auto refusal = SlotVolumePaste::paste(s, text, QLocale::c());
    QCOMPARE(refusal->text(), message);
    QCOMPARE(recalculations, 0);
    QVERIFY(s.inputs().SlotCalls == before);
    QVERIFY(!s.inputs().SlotCallsEdited);
    QCOMPARE(TableCopy::wholeTable(s.StringGrid1()).text(), cells);
}

void SlotVolumePasteTest::slotTimesReadByThePasteRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("talk");
    QTest::addColumn<QString>("read"); // the seconds, or the refusal
    QTest::newRow("talk column with a header") << "Talk\n03:20\n200\n0:04:05" << true << "200,200,245";
    QTest::newRow("table's ACW column") << "Time\tACW\n08:00\t00:30\n08:30\t45" << false << "30,45";
    QTest::newRow("not a time") << "03:20\n1:75" << true
                                << "\"1:75\" on line 2 is not a time: a talk time is mm:ss or seconds, at most 23:59";
    QTest::newRow("negative") << "-00:10" << false
                              << "\"-00:10\" on line 1 is negative: an after-call time is mm:ss or seconds, at most 23:59";
    QTest::newRow("too long") << "24:00" << true << "\"24:00\" on line 1 is too large: a time slot takes at most 23:59";
}

void SlotVolumePasteTest::slotTimesReadByThePasteRules()
{
    QFETCH(QString, text);
    QFETCH(bool, talk);
    QFETCH(QString, read);
    const VolumeColumn column = VolumeColumn::read(text, VolumeColumn::Source::Clipboard, QLocale::c(),
                                                   talk ? VolumeRefusal::Subject::Talk : VolumeRefusal::Subject::Wrap);
    QStringList seconds;
    for (int value : calls(column))
        seconds << QString::number(value);
    QCOMPARE(column.refusal() ? column.refusal()->text() : seconds.join(QLatin1Char(',')), read);
}

QTEST_GUILESS_MAIN(SlotVolumePasteTest)
#include "test_slotvolumepaste.moc"
