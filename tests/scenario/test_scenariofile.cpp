// SPDX-License-Identifier: MIT
#include "scenarioevents.h"
#include "scenariofile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The 60-minute scenario from 08:00 to 10:00 with 200 calls typed as 120 and 80.
const QByteArray &exampleFile = ExampleScenarioFile;

QByteArray fileOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Lines 1 to 11 of a 60-minute scenario from 08:00 to 12:00 (4 slots).
QStringList fixedLines(const QString &calls, const QString &slotLength = QStringLiteral("1"))
{
    return {QStringLiteral("vnk"), QStringLiteral("80"), QStringLiteral("20"), calls,
            QStringLiteral("08:00"), QStringLiteral("03:00"), QStringLiteral("01:00"),
            QStringLiteral("00:30"), QStringLiteral("08:00"), QStringLiteral("12:00"), slotLength};
}

LoadResult apply(AgentScenario &scenario, const QByteArray &bytes)
{
    return ApplyScenario(scenario, SplitScenarioLines(bytes), QStringLiteral("test.vnk"));
}

QStringList texts(const AgentScenario &s)
{
    QStringList result;
    for (int i = 0; i < FieldCount; ++i)
        result << s.inputs().text(static_cast<Field>(i));
    return result;
}

QList<int> volumes(const AgentScenario &s, int count)
{
    QList<int> result;
    for (int i = 1; i <= count; ++i)
        result << s.inputs().SlotCalls[static_cast<std::size_t>(i)];
    return result;
}

// Everything a load could change, for "nothing changed" comparisons.
struct Snapshot
{
    explicit Snapshot(const AgentScenario &s)
        : fields(texts(s)), allSlots(volumes(s, ScenarioInputs::SlotCapacity)), button(s.inputs().checkedSlotButton()),
          length(s.inputs().slotLength()), edited(s.inputs().SlotCallsEdited),
          totalTime(s.inputs().totalTimeText())
    {
        for (int r = 0; r < s.StringGrid1().rowCount(); ++r)
            for (int c = 0; c < ResultTable::ColumnCount; ++c)
                grid << s.StringGrid1().cell(c, r);
    }
    bool operator==(const Snapshot &o) const
    {
        return fields == o.fields && allSlots == o.allSlots && button == o.button && length == o.length
            && edited == o.edited && totalTime == o.totalTime && grid == o.grid;
    }
    QStringList fields;
    QList<int> allSlots;
    std::optional<SlotLength> button;
    SlotLength length;
    bool edited;
    QString totalTime;
    QStringList grid;
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class ScenarioFileTest : public QObject
{
    Q_OBJECT

private slots:
    void splits_lines_data();
    void splits_lines();
    void writes_the_example_file_byte_for_byte();
    void loads_the_example_file();
    void one_digit_goals_load_as_whole_numbers();
    void save_then_load_restores_the_scenario_data();
    void save_then_load_restores_the_scenario();
    void eleven_lines_spread_the_stated_total();
    void volumes_with_a_stated_total_of_zero_set_the_number_of_calls();
    void volumes_that_miss_the_stated_total_are_respread();
    void slots_after_the_last_volume_line_hold_no_calls();
    void start_time_comes_from_line_9_not_line_5();
    void a_replaced_unreadable_time_is_said_data();
    void a_replaced_unreadable_time_is_said();
    void slot_length_line_neither_merges_nor_splits_volumes_data();
    void slot_length_line_neither_merges_nor_splits_volumes();
    void accepts_one_hundred_volume_lines();
    void empty_lines_at_the_very_end_are_ignored();
    void refused_files_change_nothing_data();
    void refused_files_change_nothing();
    void unreadable_paths_change_nothing_data();
    void unreadable_paths_change_nothing();
    void refuses_an_oversized_file();
    void failed_save_reports_and_keeps_the_old_file_data();
    void failed_save_reports_and_keeps_the_old_file();
    void save_refuses_a_number_of_calls_that_cannot_load_back();
    void failed_write_keeps_the_old_file_byte_for_byte();
};

void ScenarioFileTest::splits_lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("last line without end") << QByteArray("a\r\nbc") << QStringList{"a", "bc"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("no bytes") << QByteArray() << QStringList{};
    QTest::newRow("NUL ends the text") << QByteArray("a\r\nb\0c\r\nd", 9) << QStringList{"a", "b"};
    QTest::newRow("NUL first") << QByteArray("\0vnk\r\n", 6) << QStringList{};
    QTest::newRow("Latin-1") << QByteArray("caf\xe9\r\n") << QStringList{QStringLiteral("caf\u00e9")};
}

void ScenarioFileTest::splits_lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitScenarioLines(bytes), lines);
}

void ScenarioFileTest::writes_the_example_file_byte_for_byte()
{
    AgentScenario s;
    s.setText(Field::Edit1, QStringLiteral("200"));
    s.setText(Field::MaskEdit2, QStringLiteral("03:00"));
    s.setText(Field::MaskEdit3, QStringLiteral("00:30"));
    s.setText(Field::MaskEdit7, QStringLiteral("10:00"));
    s.setSlotLength(SlotLength::Hour);
    s.setSlotCalls(1, 120);
    s.setSlotCalls(2, 80);
    s.setSlotCallsEdited(true);
    QCOMPARE(ScenarioFileBytes(s), exampleFile);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("example.vnk"));
    const SaveResult saved = SaveScenario(s, path);
    QVERIFY2(saved.ok, qPrintable(saved.message));
    QCOMPARE(readAll(path), exampleFile);

    // Without hand-set volumes only the eleven fixed lines are written.
    s.setSlotCallsEdited(false);
    QCOMPARE(ScenarioFileBytes(s), exampleFile.left(exampleFile.indexOf("120")));
}

void ScenarioFileTest::loads_the_example_file()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("example.vnk"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(exampleFile);
    f.close();

    AgentScenario s;
    const LoadResult r = LoadScenario(s, path);
    QVERIFY2(r.applied(), qPrintable(r.message));
    QVERIFY(r.message.isEmpty());
    QVERIFY(r.recalc.ran);
    QVERIFY(r.recalc.valid);
    QCOMPARE(texts(s), (QStringList{"08:00", "10:00", "200", "03:00", "00:30", "00:30", "90", "10"}));
    QVERIFY(s.inputs().slotLength() == SlotLength::Hour);
    QVERIFY(s.inputs().checkedSlotButton() == SlotLength::Hour);
    QVERIFY(s.inputs().SlotCallsEdited);
    QCOMPARE(volumes(s, 3), (QList<int>{120, 80, 0}));
    // The Agents table of the loaded scenario has been filled.
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, 0), QStringLiteral("Agents"));
    QVERIFY(!s.StringGrid1().cell(ResultTable::ServiceColumn, 1).isEmpty());
}

void ScenarioFileTest::one_digit_goals_load_as_whole_numbers()
{
    // The masks pad one digit ("5 " seconds, " 8" percent); the load reads
    // the padding as blanks, not as part of the number.
    QStringList lines = fixedLines(QStringLiteral("100"));
    lines[1] = QStringLiteral("8");
    lines[2] = QStringLiteral("5");
    AgentScenario s;
    const LoadResult r = apply(s, fileOf(lines));
    QVERIFY2(r.applied() && r.recalc.valid, qPrintable(r.recalc.failing.name()));
    QCOMPARE(s.inputs().GoalPercent, 8);
    QCOMPARE(s.inputs().GoalSeconds, 5);
    QVERIFY(s.results().goalRow > 0);
}

void ScenarioFileTest::save_then_load_restores_the_scenario_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<QList<int>>("slotVolumes");
    QTest::newRow("30 min, typed volumes") << 30 << true << "180" << QList<int>{0, 10, 50, 120};
    QTest::newRow("60 min, typed volumes") << 60 << true << "15" << QList<int>{7, 8};
    QTest::newRow("60 min, spread volumes") << 60 << false << "100" << QList<int>{50, 50};
    QTest::newRow("15 min, typed volumes") << 15 << true << "36" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
}

void ScenarioFileTest::save_then_load_restores_the_scenario()
{
    QFETCH(int, minutes);
    const SlotLength length = *slotLengthOfMinutes(minutes);
    QFETCH(bool, edited);
    QFETCH(QString, calls);
    QFETCH(QList<int>, slotVolumes);

    AgentScenario original;
    original.setText(Field::MaskEdit5, QStringLiteral("80"));
    original.setText(Field::MaskEdit6, QStringLiteral("20"));
    original.setText(Field::Edit1, calls);
    original.setText(Field::MaskEdit1, QStringLiteral("08:00"));
    original.setText(Field::MaskEdit7, QStringLiteral("10:00"));
    original.setText(Field::MaskEdit2, QStringLiteral("03:00"));
    original.setText(Field::MaskEdit3, QStringLiteral("01:00"));
    original.setText(Field::MaskEdit4, QStringLiteral("00:45"));
    original.setSlotLength(length);
    if (edited) {
        for (int i = 0; i < slotVolumes.size(); ++i)
            original.setSlotCalls(i + 1, slotVolumes.at(i));
        original.setSlotCallsEdited(true);
    } else {
        original.DistributeCalls();
    }
    ScenarioEvents(original).TabSet1Click(Tab::Schedule);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.txt"));
    const SaveResult saved = SaveScenario(original, path);
    QVERIFY2(saved.ok, qPrintable(saved.message));

    AgentScenario loaded;
    const LoadResult r = LoadScenario(loaded, path);
    QVERIFY2(r.applied(), qPrintable(r.message));
    QVERIFY(r.recalc.valid);
    QCOMPARE(texts(loaded), texts(original));
    QVERIFY(loaded.inputs().slotLength() == length);
    QVERIFY(loaded.inputs().checkedSlotButton() == length);
    QCOMPARE(loaded.inputs().SlotCallsEdited, edited);
    QCOMPARE(volumes(loaded, static_cast<int>(slotVolumes.size())), slotVolumes);

    // The same schedule on the loaded scenario.
    ScenarioEvents(loaded).TabSet1Click(Tab::Schedule);
    for (int row = 0; row < original.StringGrid1().rowCount(); ++row)
        QCOMPARE(loaded.StringGrid1().row(row), original.StringGrid1().row(row));
}

void ScenarioFileTest::eleven_lines_spread_the_stated_total()
{
    AgentScenario s;
    const LoadResult r = apply(s, fileOf(fixedLines(QStringLiteral("100"))));
    QVERIFY(r.applied());
    QVERIFY(!s.inputs().SlotCallsEdited);
    QCOMPARE(volumes(s, 4), (QList<int>{25, 25, 25, 25}));
}

void ScenarioFileTest::volumes_with_a_stated_total_of_zero_set_the_number_of_calls()
{
    AgentScenario s;
    const LoadResult r = apply(s, fileOf(fixedLines(QStringLiteral("0")) << "5" << "0" << "12" << "3"));
    QVERIFY(r.applied());
    QCOMPARE(s.inputs().text(Field::Edit1), QStringLiteral("20"));
    QCOMPARE(volumes(s, 4), (QList<int>{5, 0, 12, 3}));
    QVERIFY(s.inputs().SlotCallsEdited);

    // A sum of exactly the smallest 32-bit whole number still fits.
    AgentScenario low;
    QVERIFY(apply(low, fileOf(fixedLines(QStringLiteral("0")) << "-2147483647" << "-1")).applied());
    QCOMPARE(low.inputs().text(Field::Edit1), QStringLiteral("-2147483648"));
    QCOMPARE(volumes(low, 2), (QList<int>{-2147483647, -1}));

    // A line past the last of the four slots belongs to none of them.
    AgentScenario past;
    QVERIFY(apply(past, fileOf(fixedLines(QStringLiteral("0")) << "1" << "2" << "3" << "4" << "90")).applied());
    QCOMPARE(past.inputs().text(Field::Edit1), QStringLiteral("10"));
}

void ScenarioFileTest::volumes_that_miss_the_stated_total_are_respread()
{
    AgentScenario s;
    const LoadResult r = apply(s, fileOf(fixedLines(QStringLiteral("100")) << "10" << "20"));
    QVERIFY(r.applied());
    QCOMPARE(s.inputs().text(Field::Edit1), QStringLiteral("100"));
    QCOMPARE(volumes(s, 4), (QList<int>{25, 25, 25, 25}));
    QVERIFY(s.inputs().SlotCallsEdited); // as the volume lines left it
}

void ScenarioFileTest::slots_after_the_last_volume_line_hold_no_calls()
{
    // State: 7 calls in every slot. Action: a file whose two volume lines
    // meet its total. Expected: those two volumes, then none; no re-spread.
    AgentScenario s;
    ScenarioInputs inputs = s.inputs();
    inputs.SlotCalls.fill(7);
    s.setInputs(inputs);
    QVERIFY(apply(s, fileOf(fixedLines(QStringLiteral("30")) << "10" << "20")).applied());
    QCOMPARE(volumes(s, 4), (QList<int>{10, 20, 0, 0}));
}

void ScenarioFileTest::start_time_comes_from_line_9_not_line_5()
{
    QStringList lines = fixedLines(QStringLiteral("40"));
    lines[4] = QStringLiteral("06:00");
    lines[8] = QStringLiteral("10:00");
    AgentScenario s;
    QVERIFY(apply(s, fileOf(lines)).applied());
    QCOMPARE(s.inputs().text(Field::MaskEdit1), QStringLiteral("10:00"));
    QCOMPARE(volumes(s, 3), (QList<int>{20, 20, 0})); // spread over 10:00 to 12:00
}

void ScenarioFileTest::a_replaced_unreadable_time_is_said_data()
{
    QTest::addColumn<int>("line"); // 0-based
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("end 12:60") << 9 << "12:60"
                               << QStringList{"The end time 12:60 in the file is not a time of day: 17:00 is used"};
    QTest::newRow("start of letters") << 8 << "x"
                                      << QStringList{"The start time x in the file is not a time of day: 09:00 is "
                                                     "used"};
    QTest::newRow("end of the day") << 9 << "24:00" << QStringList{};
}

// The replacement is the load's rule; a warning says it happened.
void ScenarioFileTest::a_replaced_unreadable_time_is_said()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QStringList, warnings);
    QStringList lines = fixedLines(QStringLiteral("100"));
    lines[line] = text;
    AgentScenario s;
    const LoadResult r = apply(s, fileOf(lines));
    QVERIFY(r.applied());
    QCOMPARE(r.warnings, warnings);
}

void ScenarioFileTest::slot_length_line_neither_merges_nor_splits_volumes_data()
{
    QTest::addColumn<QString>("line11");
    QTest::addColumn<bool>("radio1");
    QTest::addColumn<bool>("radio2");
    QTest::newRow("0: 30 min") << "0" << true << false;
    QTest::newRow("1: 60 min") << "1" << false << true;
    QTest::newRow("2: neither") << "2" << false << false;
    QTest::newRow("empty: neither") << "" << false << false;
}

void ScenarioFileTest::slot_length_line_neither_merges_nor_splits_volumes()
{
    QFETCH(QString, line11);
    QFETCH(bool, radio1);
    QFETCH(bool, radio2);
    // State: 60-minute volumes 5 and 8 in the window. Action: a file without
    // volume lines and a stated total of 0. Expected: the buttons follow line
    // 11 and the volumes stay as they were.
    AgentScenario s;
    s.setSlotLength(SlotLength::Hour);
    s.setSlotCalls(1, 5);
    s.setSlotCalls(2, 8);
    QVERIFY(apply(s, fileOf(fixedLines(QStringLiteral("0"), line11))).applied());
    QCOMPARE(s.inputs().checkedSlotButton() == SlotLength::HalfHour, radio1);
    QCOMPARE(s.inputs().checkedSlotButton() == SlotLength::Hour, radio2);
    QCOMPARE(s.inputs().slotLength() == SlotLength::HalfHour, radio1);
    QCOMPARE(volumes(s, 4), (QList<int>{5, 8, 0, 0}));
}

void ScenarioFileTest::accepts_one_hundred_volume_lines()
{
    QStringList lines = fixedLines(QStringLiteral("100"));
    for (int i = 0; i < 100; ++i)
        lines << QStringLiteral("1");
    AgentScenario s;
    QVERIFY(apply(s, fileOf(lines)).applied());
    QCOMPARE(s.inputs().SlotCalls[100], 1);
}

void ScenarioFileTest::empty_lines_at_the_very_end_are_ignored()
{
    AgentScenario withVolumes;
    QVERIFY(apply(withVolumes, fileOf(fixedLines(QStringLiteral("30")) << "10" << "20" << "" << "")).applied());
    QVERIFY(withVolumes.inputs().SlotCallsEdited);
    QCOMPARE(withVolumes.inputs().SlotCalls[1], 10);
    QCOMPARE(withVolumes.inputs().SlotCalls[2], 20);
    AgentScenario fixedOnly;
    QVERIFY(apply(fixedOnly, fileOf(fixedLines(QStringLiteral("30")) << "")).applied());
    QVERIFY(!fixedOnly.inputs().SlotCallsEdited);
}

void ScenarioFileTest::refused_files_change_nothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("shown"); // the damaged line's text as the message shows it

    const int empty = int(LoadResult::Status::Empty);
    const int foreign = int(LoadResult::Status::NotScenarioFile);
    const int damaged = int(LoadResult::Status::Damaged);
    const QStringList sound = fixedLines(QStringLiteral("30"));
    auto with = [&](int index, const QString &text) {
        QStringList lines = sound;
        lines[index] = text;
        return fileOf(lines);
    };
    QStringList hundredAndOne = sound;
    for (int i = 0; i < 101; ++i)
        hundredAndOne << QStringLiteral("0");

    QTest::newRow("no bytes") << QByteArray() << empty << 0 << QString();
    QTest::newRow("NUL first: binary, not empty") << QByteArray("\0vnk\r\n", 6) << foreign << 0 << QString();
    QTest::newRow("VNK in capitals") << with(0, "VNK") << foreign << 0 << QString();
    QTest::newRow("vnk and a blank") << with(0, "vnk ") << foreign << 0 << QString();
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + fileOf(sound) << foreign << 0 << QString();
    QTest::newRow("empty first line") << QByteArray("\r\nvnk\r\n") << foreign << 0 << QString();
    QTest::newRow("three lines") << fileOf(sound.mid(0, 3)) << damaged << 4 << QString();
    QTest::newRow("ten lines") << fileOf(sound.mid(0, 10)) << damaged << 11 << QString();
    QTest::newRow("calls not a number") << with(3, "abc") << damaged << 4 << "\"abc\"";
    QTest::newRow("calls empty") << with(3, "") << damaged << 4 << QString();
    QTest::newRow("calls trailing blank") << with(3, "12 ") << damaged << 4 << "\"12 \"";
    // Control characters show as '?'; a text longer than 24 characters is cut.
    const QString controls = QStringLiteral("1\t") + QChar(0x7f) + QChar(0x80) + QChar(0x9f) + QChar(0xa0) + QChar(0x7e);
    QTest::newRow("calls with control characters")
        << with(3, controls) << damaged << 4 << QStringLiteral("\"1????") + QChar(0xa0) + QStringLiteral("~\"");
    QTest::newRow("calls of 24 characters shown whole")
        << with(3, "123456789012345678901234") << damaged << 4 << "\"123456789012345678901234\"";
    QTest::newRow("calls of 25 characters cut")
        << with(3, "1234567890123456789012345") << damaged << 4 << "\"123456789012345678901234...\"";
    QTest::newRow("calls beyond 32 bits") << with(3, "2147483648") << damaged << 4 << QString();
    QTest::newRow("bad calls before missing lines")
        << fileOf(sound.mid(0, 4)).replace("30", "x") << damaged << 4 << QString();
    QTest::newRow("volume not a number") << fileOf(QStringList(sound) << "10" << "1.5") << damaged << 13
                                         << "\"1.5\" of time slot 2 is";
    QTest::newRow("empty line between volumes")
        << fileOf(QStringList(sound) << "10" << "" << "20") << damaged << 13 << QString();
    QTest::newRow("101 volume lines") << fileOf(hundredAndOne) << damaged << 112 << QString();
    QTest::newRow("volumes overflow") << fileOf(QStringList(sound) << "2147483647" << "1") << damaged << 13 << QString();
}

void ScenarioFileTest::refused_files_change_nothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(int, line);
    QFETCH(QString, shown);

    // State: a window holding the example scenario on the Schedule tab.
    AgentScenario s;
    QVERIFY(apply(s, exampleFile).applied());
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    const Snapshot before(s);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refused.vnk"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    const LoadResult r = LoadScenario(s, path);
    QCOMPARE(int(r.status), status);
    QCOMPARE(r.line, line);
    QVERIFY(!r.recalc.ran);
    QVERIFY(r.message.contains(path));
    if (line > 0)
        QVERIFY2(r.message.contains(QStringLiteral("line %1").arg(line)), qPrintable(r.message));
    QVERIFY2(r.message.contains(shown), qPrintable(r.message));
    QVERIFY(Snapshot(s) == before);
}

void ScenarioFileTest::unreadable_paths_change_nothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("failure");
    QTest::newRow("missing file") << "missing.vnk" << "Cannot open file";
    QTest::newRow("a folder") << "folder" << "Cannot open file";
    QTest::newRow("inside a missing folder") << "nowhere/x.vnk" << "Cannot open file";
    // Opens, but reading from its start fails (nothing is mapped at address 0).
    QTest::newRow("read error") << "/proc/self/mem" << "Cannot read file";
}

void ScenarioFileTest::unreadable_paths_change_nothing()
{
    QFETCH(QString, name);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    AgentScenario s;
    QVERIFY(apply(s, exampleFile).applied());
    const Snapshot before(s);

    const QString path = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
    const LoadResult r = LoadScenario(s, path);
    QCOMPARE(r.status, LoadResult::Status::CannotOpen);
    QVERIFY(!r.reason.isEmpty());
    QVERIFY2(r.message.startsWith(failure) && r.message.contains(path) && r.message.contains(r.reason),
             qPrintable(r.message));
    QVERIFY(Snapshot(s) == before);
}

void ScenarioFileTest::refuses_an_oversized_file()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.vnk"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(fileOf(fixedLines(QStringLiteral("0"))));
    f.write(QByteArray(MaxScenarioFileBytes, ' '));
    f.close();
    AgentScenario s;
    const Snapshot before(s);
    const LoadResult r = LoadScenario(s, path);
    QCOMPARE(r.status, LoadResult::Status::Damaged);
    QCOMPARE(r.line, 12);
    QVERIFY(Snapshot(s) == before);

    // A file of exactly the largest size is read line by line, not
    // refused for its size.
    const QString exact = dir.filePath(QStringLiteral("exact.vnk"));
    const QByteArray sound = fileOf(fixedLines(QStringLiteral("0")));
    QVERIFY(writeFile(exact, sound + QByteArray(MaxScenarioFileBytes - sound.size(), ' ')));
    const LoadResult exactly = LoadScenario(s, exact);
    QCOMPARE(exactly.status, LoadResult::Status::Damaged);
    QVERIFY(!exactly.message.contains(QLatin1String("larger than")));
    QVERIFY(r.message.contains(QLatin1String("larger than")));

    // One line too long for a scenario: reported at line 1.
    const QString longLine = dir.filePath(QStringLiteral("line.vnk"));
    QVERIFY(writeFile(longLine, QByteArray(MaxScenarioFileBytes + 1, 'x')));
    const LoadResult one = LoadScenario(s, longLine);
    QCOMPARE(one.status, LoadResult::Status::Damaged);
    QCOMPARE(one.line, 1);
}

void ScenarioFileTest::failed_save_reports_and_keeps_the_old_file_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing folder") << "nowhere/x.vnk";
    QTest::newRow("target is a folder") << "folder";
}

void ScenarioFileTest::failed_save_reports_and_keeps_the_old_file()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(name);
    AgentScenario s;
    const SaveResult r = SaveScenario(s, path);
    QVERIFY(!r.ok);
    QVERIFY2(r.message.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)), qPrintable(r.message));
    QVERIFY(r.message.size() > path.size() + 24); // a reason follows
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir(), true);
}

void ScenarioFileTest::save_refuses_a_number_of_calls_that_cannot_load_back()
{
    // State: an existing file and a window whose number of calls was
    // emptied. Action: save over the file. Expected: a report naming the
    // field's text; the old file stays as it was.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.vnk"));
    QVERIFY(writeFile(path, exampleFile));
    for (const QString &calls : {QString(), QStringLiteral("12 "), QStringLiteral("1.5")}) {
        AgentScenario s;
        s.setText(Field::Edit1, calls);
        const SaveResult r = SaveScenario(s, path);
        QVERIFY(!r.ok);
        QVERIFY2(r.message.startsWith(QStringLiteral("File \"%1\" was not saved: the number of calls").arg(path)),
                 qPrintable(r.message));
        QCOMPARE(readAll(path), exampleFile);
    }
}

void ScenarioFileTest::failed_write_keeps_the_old_file_byte_for_byte()
{
    // State: an existing scenario file. Action: a save whose writing fails
    // (the process may write no more than 16 bytes into a file; this holds
    // for root too). Expected: a report, and the old file byte for byte.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.vnk"));
    QVERIFY(writeFile(path, exampleFile));

    AgentScenario s;
    s.setText(Field::Edit1, QStringLiteral("999"));
    SaveResult r;
    {
        const FileSizeLimit limit(16);
        QVERIFY(limit.active());
        r = SaveScenario(s, path);
    }

    QVERIFY(!r.ok);
    QVERIFY2(r.message.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)), qPrintable(r.message));
    QVERIFY2(r.message.endsWith(QStringLiteral(". The file could not be written in full.")), qPrintable(r.message));
    QCOMPARE(readAll(path), exampleFile);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.vnk")});
}

QTEST_GUILESS_MAIN(ScenarioFileTest)
#include "test_scenariofile.moc"
