// SPDX-License-Identifier: MIT
#include "calculator.h"
#include "intervaldays.h"
#include "intervaldayscsv.h"
#include "intervalfile.h"
#include "testfiles.h"
#include "volumecolumn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList agentsExample{"agents", "--calls", "100", "--start", "08:00", "--end", "09:00", "--talk", "03:00",
                                "--wrap", "00:30", "--abandon", "00:25", "--goal", "80", "--goal-secs", "20"};
const QStringList scheduleExample{"schedule", "--slots", "30", "--start", "08:00", "--end", "10:00", "--volumes",
                                  "0,10,50,120", "--talk", "03:00", "--wrap", "01:00", "--abandon", "00:30",
                                  "--goal", "80", "--goal-secs", "20"};
const QByteArray &exampleFile = ExampleScenarioFile;

QJsonObject jsonOf(QStringList arguments)
{
    const CalculatorRun run = RunCalculator(arguments << QStringLiteral("--format=json"));
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

class CalculatorTest : public QObject
{
    Q_OBJECT

private slots:
    void agents_prints_the_worked_example();
    void schedule_prints_the_worked_example();
    void schedule_volumes_are_read_as_typed();
    void schedule_without_volumes_spreads_the_calls();
    void names_the_refused_input_data();
    void names_the_refused_input();
    void too_many_volumes_is_a_usage_error();
    void volumes_file_agrees_with_volumes_data();
    void volumes_file_agrees_with_volumes();
    void volumes_file_refusals_name_the_line_data();
    void volumes_file_refusals_name_the_line();
    void program_reads_volumes_from_standard_input();
    void intervals_file_sets_the_day_and_slot_times_data();
    void intervals_file_sets_the_day_and_slot_times();
    void intervals_file_of_quarter_hours_fills_quarter_hour_slots();
    void intervals_file_refusals_name_the_line_data();
    void intervals_file_refusals_name_the_line();
    void loads_a_scenario_file();
    void reports_a_file_that_does_not_load_data();
    void reports_a_file_that_does_not_load();
    void writes_the_report_as_pdf();
    void program_exit_statuses_data();
    void program_exit_statuses();
    void plan_goal_adds_both_plans_side_by_side();
    void week_plans_agents_weeks_that_add_up_to_the_cover();
    void week_refusals_name_what_is_wrong_data();
    void week_refusals_name_what_is_wrong();
    void week_plans_a_week_of_an_interval_file();
    void week_service_goal_holds_every_day_and_its_floor();
    void forecast_prints_the_week_and_its_backtest();
};

void CalculatorTest::agents_prints_the_worked_example()
{
    const CalculatorRun run = RunCalculator(QStringList(agentsExample) << QStringLiteral("--format=csv"));
    QCOMPARE(run.status, int(ExitDone));
    QVERIFY(run.err.isEmpty());
    const QStringList expected{
        "Agents,Srv Lvl,Queued,Abndon,Usage,Ave Ans,Q Time,Avg Q,Trunks",
        "6,9%,92%,91%,97%,19:25,21:00,32,56",
        "7,50%,56%,49%,83%,01:41,03:00,3,18",
        "8,74%,32%,24%,73%,00:31,01:37,1,15",
        "9,87%,17%,11%,65%,00:11,01:06,0,14",
        "10,94%,9%,5%,58%,00:04,00:50,0,14",
        "11,97%,4%,2%,53%,00:02,00:41,0,14",
        "12,99%,2%,1%,49%,00:01,00:34,0,14",
        "13,100%,1%,1%,45%,00:00,00:29,0,14",
        "14,100%,0%,1%,42%,00:00,00:26,0,14",
        "15,100%,0%,0%,39%,00:00,00:23,0,15",
        "",
    };
    QCOMPARE(run.out.split(QStringLiteral("\r\n")), expected);
    const QString table = RunCalculator(agentsExample).out;
    QVERIFY(table.contains(QRegularExpression(QStringLiteral("\n +9 .*14  <- goal\n"))));
    QCOMPARE(table.count(QLatin1String("<- goal")), 1);
}

void CalculatorTest::schedule_prints_the_worked_example()
{
    const CalculatorRun run = RunCalculator(QStringList(scheduleExample) << QStringLiteral("--format=csv"));
    QCOMPARE(run.status, int(ExitDone));
    const QStringList expected{
        "Time,Calls,Agents,Srv Lvl,Queued,Abndon,Usage,Ave Ans,Trunks",
        "08:00,0,0,100%,0%,0%,0%,00:00,0",
        "08:30,10,3,84%,18%,15%,44%,00:26,6",
        "09:00,50,10,87%,17%,11%,67%,00:13,14",
        "09:30,120,20,82%,26%,13%,80%,00:15,26",
        "",
    };
    QCOMPARE(run.out.split(QStringLiteral("\r\n")), expected);
    QVERIFY(RunCalculator(scheduleExample).out.contains(QLatin1String("\nTotal calls: 180\n")));
}

void CalculatorTest::schedule_volumes_are_read_as_typed()
{
    // Not a whole number counts 0, an empty value leaves the slot at 0, and
    // the number of calls starts as the sum.
    QJsonObject o = jsonOf({"schedule", "--start", "08:00", "--end", "12:00", "--talk", "03:00", "--volumes",
                            "7,x,,4"});
    QCOMPARE(o.value(QLatin1String("slotCalls")).toArray(), (QJsonArray{7, 0, 0, 4}));
    QCOMPARE(o.value(QLatin1String("inputs")).toObject().value(QLatin1String("calls")).toString(), QStringLiteral("11"));
    // Fewer values than slots: the rest stay 0.
    o = jsonOf({"schedule", "--start", "08:00", "--end", "11:00", "--talk", "03:00", "--volumes", "9"});
    QCOMPARE(o.value(QLatin1String("slotCalls")).toArray(), (QJsonArray{9, 0, 0}));
    QCOMPARE(o.value(QLatin1String("halfHourSlots")).toBool(), false);
}

void CalculatorTest::schedule_without_volumes_spreads_the_calls()
{
    const QJsonObject o = jsonOf({"schedule", "--calls", "1000", "--talk", "03:00"});
    QCOMPARE(o.value(QLatin1String("slotCalls")).toArray(), (QJsonArray{111, 111, 111, 111, 112, 111, 111, 111, 111}));
    QCOMPARE(o.value(QLatin1String("totalTime")).toString(), QStringLiteral("09:00"));
    QCOMPARE(o.value(QLatin1String("inputs")).toObject().value(QLatin1String("calls")).toString(),
             QStringLiteral("1000"));
    // Quarter hours: the slots and their length, which halfHourSlots cannot tell.
    const QJsonObject quarters = jsonOf({"schedule", "--calls", "10", "--end", "09:00", "--slots", "15"});
    QCOMPARE(quarters.value(QLatin1String("slotCalls")).toArray(), (QJsonArray{3, 2, 3, 2}));
    QCOMPARE(quarters.value(QLatin1String("slotMinutes")).toInt(), 15);
    QVERIFY(!o.contains(QLatin1String("slotMinutes")));
}

void CalculatorTest::names_the_refused_input_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("defaults") << QStringList{"agents"} << "number of calls (Edit1)";
    QTest::newRow("start not a time") << QStringList{"agents", "--calls", "10", "--start", "25:00"}
                                      << "arrival start time (MaskEdit1)";
    QTest::newRow("equal times") << QStringList{"agents", "--calls", "10", "--end", "08:00"}
                                 << "arrival end time (MaskEdit7)";
    QTest::newRow("no handling time") << QStringList{"agents", "--calls", "10", "--wrap", "00:00"}
                                      << "call talk time (MaskEdit2)";
    QTest::newRow("negative goal") << QStringList{"agents", "--calls", "10", "--goal", "-1"}
                                   << "(MaskEdit5)";
    QTest::newRow("negative slot volume")
        << QStringList{"schedule", "--slots", "30", "--end", "10:00", "--volumes", "5,-1,3", "--talk", "03:00"}
        << "call volume of time slot 2 starting at 08:30 (StringGrid1, row 2)";
    QTest::newRow("shift break outside its shift")
        << QStringList{"shifts", "--calls", "100", "--talk", "03:00", "--slots", "30", "--shift", "Early,4:00,08:00,09:00,0:30,1:00,4:00"}
        << "Shift \"Early\": a break starting 4:00 in ends after the shift's 4:00";
    QTest::newRow("abandoned cap per slot under erlang c")
        << QStringList{"shifts", "--calls", "100", "--talk", "03:00", "--slots", "30", "--shift", "Early,4:00,08:00,09:00",
                       "--plan-goal", "service", "--slot-abandon-max", "5"}
        << "needs the Erlang A model";
    QTest::newRow("slot floor out of range")
        << QStringList{"shifts", "--calls", "100", "--talk", "03:00", "--slots", "30", "--shift", "Early,4:00,08:00,09:00",
                       "--plan-goal", "service", "--slot-floor", "100"}
        << "slot floor (--slot-floor): \"100\" is not a percentage from 1 to 99.9";
}

void CalculatorTest::names_the_refused_input()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CalculatorRun run = RunCalculator(arguments);
    QCOMPARE(run.status, int(ExitInvalidInput));
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith(QLatin1String("varnook-calc: invalid input: ")) && run.err.contains(message),
             qPrintable(run.err));
}

void CalculatorTest::too_many_volumes_is_a_usage_error()
{
    const CalculatorRun run = RunCalculator({"schedule", "--end", "10:00", "--volumes", "1,2,3"});
    QCOMPARE(run.status, int(ExitUsage));
    QVERIFY2(run.err.contains(QLatin1String("3 volumes given for 2 time slots")), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

namespace {

// The Schedule's worked example with its volumes from `source`.
QStringList scheduleExampleWithVolumesFrom(const QString &source)
{
    QStringList arguments = scheduleExample;
    const qsizetype at = arguments.indexOf(QStringLiteral("--volumes"));
    arguments[at] = QStringLiteral("--volumes-file");
    arguments[at + 1] = source;
    return arguments;
}

} // namespace

void CalculatorTest::volumes_file_agrees_with_volumes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("standardInput");
    QTest::newRow("one a line") << QByteArray("0\n10\n50\n120\n") << false;
    QTest::newRow("a schedule printed as CSV") << QByteArray("Time,Calls,Agents\r\n08:00,0,0\r\n08:30,10,3\r\n"
                                                             "09:00,50,10\r\n09:30,120,20\r\n")
                                               << false;
    QTest::newRow("standard input") << QByteArray("0\n10\n50\n120\n") << true;
}

void CalculatorTest::volumes_file_agrees_with_volumes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, standardInput);
    QTemporaryDir dir;
    const QString source = standardInput ? QStringLiteral("-") : writeFileIn(dir, QStringLiteral("day.csv"), bytes);
    qint64 asked = 0;
    const StandardInput input = [&](qint64 maxBytes) {
        asked = maxBytes;
        return bytes;
    };
    const CalculatorRun expected = RunCalculator(scheduleExample);
    const CalculatorRun run = RunCalculator(scheduleExampleWithVolumesFrom(source), input);
    QCOMPARE(run.status, int(ExitDone));
    QCOMPARE(run.out, expected.out);
    // Standard input is read only for "-", and no further than a list may go.
    QCOMPARE(asked, standardInput ? qint64(VolumeColumn::MaxTextLength) + 1 : 0);
}

void CalculatorTest::volumes_file_refusals_name_the_line_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<none>": no file; "<folder>": a folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative") << QByteArray("Calls\n0\n-10\n") << int(ExitInvalidInput)
                              << ": \"-10\" on line 3 is negative";
    QTest::newRow("too many") << QByteArray("1\n2\n3\n4\n5\n6\n") << int(ExitInvalidInput)
                              << ": \"5\" on line 5 is value 5 of 6, but only 4 time slots remain from 08:00 on";
    QTest::newRow("table without Calls") << QByteArray("Time,Agents\n08:00,3\n") << int(ExitInvalidInput)
                                         << ": line 1 has 2 columns";
    QTest::newRow("too long") << QByteArray(VolumeColumn::MaxTextLength + 1, '\n') << int(ExitInvalidInput)
                              << ": the text is too long";
    QTest::newRow("missing") << QByteArray("<none>") << int(ExitFileError) << "cannot open volumes file";
    QTest::newRow("folder") << QByteArray("<folder>") << int(ExitFileError) << "volumes file";
}

void CalculatorTest::volumes_file_refusals_name_the_line()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = bytes == "<none>" ? dir.filePath(QStringLiteral("none.txt"))
                         : bytes == "<folder>" ? dir.path()
                                               : writeFileIn(dir, QStringLiteral("day.txt"), bytes);
    const CalculatorRun run = RunCalculator(scheduleExampleWithVolumesFrom(path));
    QCOMPARE(run.status, status);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("volumes file \"%1\"").arg(path)) && run.err.contains(message),
             qPrintable(run.err));
}

void CalculatorTest::program_reads_volumes_from_standard_input()
{
    QProcess process;
    process.start(QStringLiteral(VARNOOK_CALC_PATH), scheduleExampleWithVolumesFrom(QStringLiteral("-")));
    process.write("Calls\n0\n10\n50\n120\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()), RunCalculator(scheduleExample).out);
}

namespace {

// The Schedule example's inputs, with the day from an interval file.
QStringList intervalsExample(const QString &source)
{
    return {"schedule", "--intervals", source, "--talk", "03:00", "--wrap", "01:00", "--abandon", "00:30",
            "--goal",   "80",          "--goal-secs", "20"};
}

} // namespace

void CalculatorTest::intervals_file_sets_the_day_and_slot_times_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("talk"); // the fields' times that give the same table
    QTest::addColumn<QString>("wrap");
    QTest::addColumn<QString>("slotTimes"); // the JSON's talkSeconds/wrapSeconds of slot 2
    QTest::newRow("time and count") << QByteArray("Time,Calls\n08:00,0\n08:30,10\n09:00,50\n09:30,120\n")
                                    << "03:00" << "01:00" << "";
    QTest::newRow("AHT hh:mm:ss") << QByteArray("Interval\tOffered\tAHT (hh:mm:ss)\n08:00\t0\t00:04:00\n"
                                                "08:30\t10\t00:04:00\n09:00\t50\t00:04:00\n09:30\t120\t00:04:00\n")
                                  << "04:00" << "00:00" << "240/0";
    QTest::newRow("talk and ACW, from standard input") << QByteArray("start;volume;talk;acw\n08:00;0;;\n"
                                                                     "08:30;10;200;40\n09:00;50;200;40\n"
                                                                     "09:30;120;200;40\n")
                                                       << "03:20" << "00:40" << "200/40";
}

void CalculatorTest::intervals_file_sets_the_day_and_slot_times()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, talk);
    QFETCH(QString, wrap);
    QFETCH(QString, slotTimes);
    QTemporaryDir dir;
    const bool standardInput = QString::fromLatin1(QTest::currentDataTag()).contains(QLatin1String("standard input"));
    const QString source = standardInput ? QStringLiteral("-") : writeFileIn(dir, QStringLiteral("day.csv"), bytes);
    const StandardInput input = [&](qint64) { return bytes; };
    QStringList expected = scheduleExample;
    expected[expected.indexOf(QStringLiteral("--talk")) + 1] = talk;
    expected[expected.indexOf(QStringLiteral("--wrap")) + 1] = wrap;
    const CalculatorRun run = RunCalculator(intervalsExample(source) << QStringLiteral("--format=json"), input);
    QCOMPARE(run.status, int(ExitDone));
    QJsonArray values = QJsonDocument::fromJson(run.out.toUtf8())[QLatin1String("values")].toArray();
    const QJsonObject second = values.at(1).toObject();
    const QString times = second.contains(QLatin1String("talkSeconds"))
        ? QStringLiteral("%1/%2").arg(second[QLatin1String("talkSeconds")].toInt()).arg(second[QLatin1String("wrapSeconds")].toInt())
        : QString();
    // Without their own times the figures are those of the fields' times;
    // a slot without calls is the same whatever its times.
    for (int slot = 0; slot < values.size(); ++slot) {
        QJsonObject v = values.at(slot).toObject();
        v.remove(QLatin1String("talkSeconds"));
        v.remove(QLatin1String("wrapSeconds"));
        values[slot] = v;
    }
    QCOMPARE(values, jsonOf(expected)[QLatin1String("values")].toArray());
    QCOMPARE(times, slotTimes);
}

void CalculatorTest::intervals_file_of_quarter_hours_fills_quarter_hour_slots()
{
    // Quarter-hour rows give a quarter-hour Schedule whose figures are those
    // of the same volumes typed, with the slot's own times where it has them.
    const QByteArray bytes("time,calls,talk,acw\n08:00,0,,\n08:15,10,300,60\n08:30,50,,\n08:45,120,,\n");
    QTemporaryDir dir;
    const QString path = writeFileIn(dir, QStringLiteral("day.csv"), bytes);
    const CalculatorRun run = RunCalculator(intervalsExample(path) << QStringLiteral("--format=json"));
    QCOMPARE(run.status, int(ExitDone));
    const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(o.value(QLatin1String("slotMinutes")).toInt(), 15);
    QJsonArray values = o.value(QLatin1String("values")).toArray();
    QCOMPARE(values.size(), 4);
    QCOMPARE(values.at(1).toObject().value(QLatin1String("talkSeconds")).toInt(), 300);
    QCOMPARE(values.at(1).toObject().value(QLatin1String("wrapSeconds")).toInt(), 60);
    QVERIFY(values.at(2).toObject().value(QLatin1String("talkSeconds")).isNull());
    QStringList typed = scheduleExample;
    typed[typed.indexOf(QStringLiteral("--slots")) + 1] = QStringLiteral("15");
    typed[typed.indexOf(QStringLiteral("--end")) + 1] = QStringLiteral("09:00");
    const QJsonArray same = jsonOf(typed)[QLatin1String("values")].toArray();
    for (int slot : {0, 2, 3}) {
        QJsonObject v = values.at(slot).toObject();
        v.remove(QLatin1String("talkSeconds"));
        v.remove(QLatin1String("wrapSeconds"));
        QCOMPARE(v, same.at(slot).toObject());
    }
    // The slot with its own, longer handle time needs more agents than typed.
    QVERIFY(values.at(1).toObject().value(QLatin1String("agents")).toDouble()
            > same.at(1).toObject().value(QLatin1String("agents")).toDouble());
}

void CalculatorTest::intervals_file_refusals_name_the_line_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("ten minutes apart") << QByteArray("time,calls\n08:00,1\n08:10,1\n")
                                       << "invalid input: interval file \"%1\": line 3: ";
    QTest::newRow("too long") << QByteArray(IntervalFile::MaxTextLength + 1, 'x')
                              << "interval file \"%1\": the file is longer than an interval file can be";
}

void CalculatorTest::intervals_file_refusals_name_the_line()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = writeFileIn(dir, QStringLiteral("day.csv"), bytes);
    const CalculatorRun run = RunCalculator(intervalsExample(path));
    QCOMPARE(run.status, int(ExitInvalidInput));
    QVERIFY2(run.err.contains(message.arg(path)), qPrintable(run.err));
}

void CalculatorTest::loads_a_scenario_file()
{
    QTemporaryDir dir;
    const QString path = writeFileIn(dir, QStringLiteral("monday.vnk"), exampleFile);
    QJsonObject o = jsonOf({path, "--tab", "schedule"});
    QCOMPARE(o.value(QLatin1String("tab")).toString(), QStringLiteral("schedule"));
    QCOMPARE(o.value(QLatin1String("slotCalls")).toArray(), (QJsonArray{120, 80}));
    QCOMPARE(o.value(QLatin1String("table")).toArray().size(), 3);
    o = jsonOf({path});
    QCOMPARE(o.value(QLatin1String("tab")).toString(), QStringLiteral("agents"));
    QCOMPARE(o.value(QLatin1String("inputs")).toObject().value(QLatin1String("calls")).toString(), QStringLiteral("200"));
}

void CalculatorTest::reports_a_file_that_does_not_load_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<none>": no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray("<none>") << "Cannot open file";
    QTest::newRow("empty") << QByteArray() << "is empty";
    QTest::newRow("foreign") << QByteArray("VNK\r\n") << "is not a scenario file";
    QTest::newRow("damaged") << exampleFile + "\r\n5\r\n" << "damaged at line 14";
}

void CalculatorTest::reports_a_file_that_does_not_load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = bytes == "<none>" ? dir.filePath(QStringLiteral("none.vnk"))
                                           : writeFileIn(dir, QStringLiteral("bad.vnk"), bytes);
    const CalculatorRun run = RunCalculator({path, "--tab", "schedule"});
    QCOMPARE(run.status, int(ExitFileError));
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(path) && run.err.contains(message), qPrintable(run.err));
}

namespace {

struct ProgramRun
{
    int status = -1;
    QString err;
};

ProgramRun runProgram(const QStringList &arguments, const QString &workingDirectory = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(VARNOOK_CALC_PATH), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QString pdfOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

void CalculatorTest::writes_the_report_as_pdf()
{
    QTemporaryDir dir;
    // A whole day of half hours runs onto a second page.
    const QString day = dir.filePath(QStringLiteral("day.pdf"));
    ProgramRun run = runProgram({"schedule", "--start", "00:00", "--end", "24:00", "--slots", "30", "--calls", "4800",
                                 "--talk", "03:00", "--pdf", day, "--paper", "letter"});
    QCOMPARE(run.status, int(ExitDone));
    const QString info = pdfOutput(QStringLiteral("pdfinfo"), {day});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(letter)")), qPrintable(info));
    QString text = pdfOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), day, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("Page 2")) && text.contains(QStringLiteral("*.vnk")));

    // A file's report names it by its full path, on A4 by default.
    const QString path = writeFileIn(dir, QStringLiteral("monday.vnk"), exampleFile);
    const QString pdf = dir.filePath(QStringLiteral("monday.pdf"));
    run = runProgram({"monday.vnk", "--tab", "schedule", "--pdf", pdf}, dir.path());
    QCOMPARE(run.status, int(ExitDone));
    QVERIFY(pdfOutput(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("(A4)")));
    text = pdfOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Daily Manning Schedule")) && text.contains(path), qPrintable(text));

    // Failures: no PDF, and nothing half-written left behind.
    const QString unwritable = dir.filePath(QStringLiteral("missing/folder/out.pdf"));
    run = runProgram({path, "--pdf", unwritable});
    QCOMPARE(run.status, int(ExitFileError));
    QVERIFY2(run.err.contains(unwritable), qPrintable(run.err));
    const QString refused = dir.filePath(QStringLiteral("refused.pdf"));
    QCOMPARE(runProgram({"agents", "--calls", "0", "--pdf", refused}).status, int(ExitInvalidInput));
    QCOMPARE(runProgram({dir.filePath(QStringLiteral("none.vnk")), "--pdf", refused}).status, int(ExitFileError));
    QVERIFY(!QFileInfo::exists(refused));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"day.pdf", "monday.pdf", "monday.vnk"}));
}

void CalculatorTest::program_exit_statuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("prints");
    QTest::newRow("agents") << agentsExample << 0 << true;
    QTest::newRow("schedule") << scheduleExample << 0 << true;
    QTest::newRow("shifts") << QStringList{"shifts", "--calls", "300", "--talk", "03:00", "--slots", "30", "--shift",
                                           "Day,8:00,08:00,09:00,0:30,3:00,5:00", "--shift", "Part,4,08:00,13:00",
                                           "--format", "json"}
                            << 0 << true;
    QTest::newRow("week") << QStringList{"week", QStringLiteral(VARNOOK_FUZZ_DIR "/week-corpus/example.vnkw"), "--shift",
                                         "A,2:00,08:00,10:00", "--tour", "T,1-5,any,free,2-10,A"}
                          << 0 << true;
    QTest::newRow("help") << QStringList{"--help"} << 0 << true;
    QTest::newRow("version") << QStringList{"schedule", "--version"} << 0 << true;
    QTest::newRow("invalid input") << QStringList{"agents", "--calls", "0"} << 1 << false;
    QTest::newRow("no command") << QStringList{} << 2 << false;
    QTest::newRow("unknown option") << QStringList{"agents", "--agents=5"} << 2 << false;
    QTest::newRow("missing file") << QStringList{"/nonexistent/x.vnk"} << 3 << false;
}

void CalculatorTest::program_exit_statuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, prints);
    QProcess process;
    process.start(QStringLiteral(VARNOOK_CALC_PATH), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(!process.readAllStandardOutput().isEmpty(), prints);
    QCOMPARE(process.readAllStandardError().isEmpty(), status == 0);
}

// --plan-goal keeps every key of the plan it prints and adds the other
// plan beside it. The cover plan gives every slot its goal, so the plan for
// the day's service level costs no more; both levels are the roster's.
void CalculatorTest::plan_goal_adds_both_plans_side_by_side()
{
    const QStringList shifts{"shifts", "--calls", "800", "--talk", "03:00", "--slots", "30", "--format", "json",
                             "--shift", "Day,8:00,08:00,09:00,0:30,3:00,5:00", "--shift", "Part,4:00,08:00,13:00"};
    auto json = [](const QStringList &arguments) {
        const CalculatorRun run = RunCalculator(arguments);
        return QJsonDocument::fromJson(run.out.toUtf8()).object();
    };
    QJsonObject plain = json(shifts);
    QJsonObject cover = json(shifts + QStringList{"--plan-goal", "cover"});
    const QJsonObject service = json(shifts + QStringList{"--plan-goal", "service"});
    QCOMPARE(cover.take(QStringLiteral("goal")).toString(), QStringLiteral("cover"));
    const QJsonArray plans = cover.take(QStringLiteral("comparison")).toArray();
    for (QJsonObject *object : {&plain, &cover})
        object->insert(QStringLiteral("solver"), object->value(QStringLiteral("solver")).toObject().value(QStringLiteral("status")));
    QCOMPARE(cover, plain);

    QCOMPARE(plans.size(), 2);
    QCOMPARE(plans, service.value(QStringLiteral("comparison")).toArray());
    const QJsonObject level = service.value(QStringLiteral("service")).toObject();
    QVERIFY(level.value(QStringLiteral("meetsGoal")).toBool());
    QCOMPARE(level.value(QStringLiteral("serviceLevel")), plans[1].toObject().value(QStringLiteral("serviceLevel")));
    QCOMPARE(service.value(QStringLiteral("totals")).toObject().value(QStringLiteral("paidHours")),
             plans[1].toObject().value(QStringLiteral("paidHours")));
    QVERIFY(plans[1].toObject().value(QStringLiteral("paidHours")).toDouble()
            <= plans[0].toObject().value(QStringLiteral("paidHours")).toDouble());

    // A slot floor: the plan says every slot meets it, in the table too.
    const QStringList floored = shifts + QStringList{"--plan-goal", "service", "--slot-floor", "75"};
    const QJsonObject floor = json(floored).value(QStringLiteral("service")).toObject().value(QStringLiteral("slotFloor")).toObject();
    QCOMPARE(floor.value(QStringLiteral("serviceLevel")).toDouble(), 0.75);
    QVERIFY(floor.value(QStringLiteral("met")).toBool() && floor.value(QStringLiteral("missedSlots")).toArray().isEmpty());
    QVERIFY(RunCalculator(floored.mid(0, 7) + floored.mid(9)).out.contains(QRegularExpression(QStringLiteral("\nSlot floor +75%: met in every slot\n"))));
    QVERIFY(!service.value(QStringLiteral("service")).toObject().contains(QStringLiteral("slotFloor")));

    // The table ends with the same two plans after an empty line.
    QStringList table = RunCalculator(shifts.mid(0, 7) + shifts.mid(9) + QStringList{"--plan-goal", "service"}).out.split(QLatin1Char('\n'));
    table.removeLast();
    QCOMPARE(table.mid(table.size() - 4, 2), (QStringList{QString(), QStringLiteral("Plan               Paid hrs  Service level")}));
    for (int plan = 0; plan < 2; ++plan) {
        const QJsonObject figures = plans[plan].toObject();
        const QString hours = QString::number(figures.value(QStringLiteral("paidHours")).toDouble(), 'f', 2);
        const QString level = QString::number(figures.value(QStringLiteral("serviceLevel")).toDouble() * 100, 'f', 1);
        QVERIFY2(table[table.size() - 2 + plan].contains(QRegularExpression(QStringLiteral(" %1 +%2%$").arg(hours, level))),
                 qPrintable(table[table.size() - 2 + plan]));
    }
}

// The week's JSON gives every agent's seven days, and the agents working a
// slot are its staffed ones; the table and CSV show the same plan: an
// agent-day row for each day worked, a cover row for each slot, the short
// slots of each day named as ranges.
void CalculatorTest::week_plans_agents_weeks_that_add_up_to_the_cover()
{
    QTemporaryDir dir;
    const QString lp = dir.filePath(QStringLiteral("week.lp"));
    const QStringList week{"week", QStringLiteral(VARNOOK_FUZZ_DIR "/week-corpus/quarter-hours-dates-slot-times.vnkw"),
                           "--shift", "A,1:00,07:00,08:00", "--tour", "T,1-3,any,30,1-3,A,max=4", "--write-lp", lp};
    const QJsonObject plan = jsonOf(week);
    QCOMPARE(plan.value(QStringLiteral("solver")).toObject().value(QStringLiteral("status")).toString(),
             QStringLiteral("optimal"));
    const QJsonArray agents = plan.value(QStringLiteral("agents")).toArray();
    const QJsonObject totals = plan.value(QStringLiteral("totals")).toObject();
    QCOMPARE(totals.value(QStringLiteral("agents")).toInt(), agents.size());
    QCOMPARE(totals.value(QStringLiteral("headcount")).toObject(), (QJsonObject{{"T", agents.size()}}));
    QVERIFY(totals.value(QStringLiteral("requirementMet")).toDouble() < 1);
    const QJsonArray days = plan.value(QStringLiteral("days")).toArray();
    QCOMPARE(days.size(), 7);
    int worked = 0;
    int slotCount = 0;
    for (int day = 0; day < 7; ++day) {
        const QJsonObject today = days[day].toObject();
        QCOMPARE(today.value(QStringLiteral("day")).toString(), QStringList({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})[day]);
        for (const QJsonValue slot : today.value(QStringLiteral("coverage")).toArray()) {
            const QString time = slot.toObject().value(QStringLiteral("slot")).toString();
            int staffed = 0;
            for (const QJsonValue agent : agents) {
                const QJsonValue shift = agent.toObject().value(QStringLiteral("days")).toArray()[day];
                staffed += shift.isObject() && shift[QStringLiteral("start")].toString() <= time
                    && time < shift[QStringLiteral("end")].toString();
            }
            QCOMPARE(slot.toObject().value(QStringLiteral("staffed")).toInt(), staffed);
            ++slotCount;
        }
    }
    for (const QJsonValue agent : agents) {
        QCOMPARE(agent[QStringLiteral("days")].toArray().size(), 7);
        for (const QJsonValue shift : agent[QStringLiteral("days")].toArray())
            worked += shift.isObject();
    }
    QCOMPARE(days[0].toObject().value(QStringLiteral("date")).toString(), QStringLiteral("2026-12-14"));
    QVERIFY(days[3].toObject().value(QStringLiteral("date")).isNull());
    QVERIFY(QFileInfo(lp).size() > 0);

    const QStringList csv = RunCalculator(week + QStringList{"--format", "csv"}).out.split(QStringLiteral("\r\n"));
    QCOMPARE(csv.indexOf(QString()), worked + 1);
    QCOMPARE(csv.indexOf(QString(), worked + 2), worked + 2 + slotCount + 1);
    QCOMPARE(csv[worked + 2], QStringLiteral("Day,Date,Time,Required,Staffed,+/-"));
    const QString table = RunCalculator(week).out;
    QVERIFY2(table.startsWith(QStringLiteral("Agent  Tour  Mon")), qPrintable(table));
    QVERIFY2(table.contains(QStringLiteral("\nMon  2026-12-14")), qPrintable(table));
    QVERIFY2(table.contains(QRegularExpression(QStringLiteral("\nMon: the maximums leave \\d+ agent-slots short, at 0"))),
             qPrintable(table));
    QVERIFY2(table.contains(QStringLiteral("Solver  ")) && table.contains(QStringLiteral("Proven optimal")), qPrintable(table));
}

void CalculatorTest::week_refusals_name_what_is_wrong_data()
{
    QTest::addColumn<QByteArray>("file"); // written as FILE
    QTest::addColumn<QStringList>("arguments"); // after "week"
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QFile example(QStringLiteral(VARNOOK_FUZZ_DIR "/week-corpus/example.vnkw"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QByteArray week = example.readAll();
    const QByteArray twoWeeks = "date,time,calls\n2026-12-11,08:00,5\n2026-12-14,08:00,5\n";
    QTest::newRow("malformed tour") << week << QStringList{"FILE", "--tour", "Full,5,together,60,40,Day"}
                                    << int(ExitInvalidInput) << "invalid input: Tour \"Full\": the days off \"together\"";
    QTest::newRow("malformed tour in a tours file") << week << QStringList{"FILE", "--tours-file", "TOURS"}
                                                    << int(ExitInvalidInput)
                                                    << "Tour \"Part\": the weekly paid hours \"many\"";
    QTest::newRow("malformed shift") << week << QStringList{"FILE", "--shift", "Day,8,6h,09:00"} << int(ExitInvalidInput)
                                     << "Shift \"Day\": the earliest start \"6h\"";
    QTest::newRow("a day's input refused") << week << QStringList{"FILE", "--talk", "00:00", "--wrap", "00:00"}
                                           << int(ExitInvalidInput) << "invalid input: Monday: call talk time (MaskEdit2)";
    QTest::newRow("planning option out of range") << week << QStringList{"FILE", "--shrinkage", "99"}
                                                  << int(ExitInvalidInput) << "(--shrinkage): \"99\"";
    QTest::newRow("tours file missing") << week << QStringList{"FILE", "--tours-file", "/nonexistent/tours.txt"}
                                        << int(ExitFileError) << "cannot open tours file";
    QTest::newRow("week file missing") << week << QStringList{"/nonexistent/week.vnkw"} << int(ExitFileError)
                                       << "Cannot open file";
    QTest::newRow("week file damaged") << QByteArray(week).replace("day=Tue", "day=Wed") << QStringList{"FILE"}
                                       << int(ExitFileError) << "is damaged at line 10: the day \"Wed\"";
    QTest::newRow("a scenario file") << exampleFile << QStringList{"FILE"} << int(ExitFileError) << "is not a week file";
    QTest::newRow("interval file of two weeks") << twoWeeks << QStringList{"--intervals", "FILE"} << int(ExitInvalidInput)
                                                << "2 weeks, beginning 2026-12-07, 2026-12-14: choose one with --week-of";
    QTest::newRow("interval file, a week not in it") << twoWeeks << QStringList{"--intervals", "FILE", "--week-of", "2026-12-01"}
                                                     << int(ExitInvalidInput) << "no day in the week of 2026-11-30";
    QTest::newRow("abandon cap without Erlang A") << week << QStringList{"FILE", "--plan-goal", "service", "--slot-abandon-max", "10"}
                                                  << int(ExitInvalidInput) << "cap on abandoned calls needs the Erlang A model";
    QTest::newRow("interval file refused") << QByteArray("date,time,calls\n2026-12-14,08:00,x\n")
                                           << QStringList{"--intervals", "FILE"} << int(ExitInvalidInput) << "line 2: \"x\"";
}

// Each refusal comes before anything is planned, names the tour, shift,
// day, line or week at fault and prints nothing on standard output.
void CalculatorTest::week_refusals_name_what_is_wrong()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    arguments.replaceInStrings(QStringLiteral("FILE"), writeFileIn(dir, "week", file));
    arguments.replaceInStrings(QStringLiteral("TOURS"),
                               writeFileIn(dir, "tours.txt", "# tours\nFull,5,consecutive,60,37:30-40:00,8 hours\n"
                                                             "Part,3-4,any,free,many,4 hours\n"));
    const CalculatorRun run = RunCalculator(QStringList{"week"} + arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

// The week of an interval file of several days is planned with each day's
// date; the days it does not hold are closed.
void CalculatorTest::week_plans_a_week_of_an_interval_file()
{
    QTemporaryDir dir;
    const QString file = writeFileIn(dir, "weeks.csv", "date,time,calls\n2026-12-11,08:00,50\n2026-12-14,08:00,40\n"
                                                       "2026-12-14,09:00,60\n2026-12-16,09:00,30\n");
    const QJsonObject plan = jsonOf({"week", "--intervals", file, "--week-of", "2026-12-18", "--talk", "03:00",
                                     "--shift", "A,1:00,08:00,09:00", "--tour", "T,1-2,any,free,1-2,A"});
    const QJsonArray days = plan.value(QStringLiteral("days")).toArray();
    QCOMPARE(days.size(), 7);
    for (int day = 0; day < 7; ++day) {
        QCOMPARE(days[day][QStringLiteral("date")].toString(), QDate(2026, 12, 14).addDays(day).toString(Qt::ISODate));
        QCOMPARE(days[day][QStringLiteral("open")].toBool(), day == 0 || day == 2);
    }
    QCOMPARE(days[0][QStringLiteral("coverage")].toArray().size(), 2);
    QCOMPARE(plan.value(QStringLiteral("slotMinutes")).toInt(), 60);
    QVERIFY(!plan.value(QStringLiteral("agents")).toArray().isEmpty());
}

// State: three weeks of history, two half hours a day, from standard input.
// Expected: JSON with the week after it, a backtest per method (the
// Holt-Winters ones left out, saying why) and the choice; the CSV reads back
// With the service-level goal every open day's service level by the roster
// check reaches the goal, and the slot floor's line says whether each slot
// holds it.
void CalculatorTest::week_service_goal_holds_every_day_and_its_floor()
{
    const QStringList week{"week", QStringLiteral(VARNOOK_FUZZ_DIR "/week-corpus/example.vnkw"), "--shift",
                           "A,2:00,08:00,10:00", "--tour", "T,1-5,any,free,2-10,A", "--plan-goal", "service",
                           "--slot-floor", "60"};
    const QJsonObject plan = jsonOf(week);
    QCOMPARE(plan.value(QStringLiteral("service")).toObject().value(QStringLiteral("goal")).toDouble(), 0.8);
    int open = 0;
    for (const QJsonValue day : plan.value(QStringLiteral("days")).toArray()) {
        if (!day[QStringLiteral("open")].toBool())
            continue;
        ++open;
        QVERIFY2(day[QStringLiteral("serviceLevel")].toDouble() >= 0.8, qPrintable(day[QStringLiteral("day")].toString()));
        QVERIFY(day[QStringLiteral("serviceReachable")].isNull());
    }
    QCOMPARE(open, 5);
    const QString table = RunCalculator(week).out;
    QVERIFY2(table.contains(QRegularExpression(QStringLiteral("\nSlot floor +60%: met in every slot\n"))), qPrintable(table));
}

// as that week; a bad row exits 1 naming its line.
void CalculatorTest::forecast_prints_the_week_and_its_backtest()
{
    QByteArray history = "date,time,calls,AHT\n";
    for (int day = 0; day < 21; ++day) {
        const QByteArray date = QDate(2026, 11, 2).addDays(day).toString(Qt::ISODate).toLatin1();
        history += date + ",08:00," + QByteArray::number(10 + day % 7) + ",200\n" + date + ",08:30,"
            + QByteArray::number(20 + day % 3) + ",\n";
    }
    const StandardInput input = [&](qint64) { return history; };
    const CalculatorRun json = RunCalculator({"forecast", "--history", "-", "--format", "json"}, input);
    QCOMPARE(json.status, int(ExitDone));
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(root.value("week").toString(), QStringLiteral("2026-11-23"));
    QCOMPARE(root.value("forecast").toArray().size(), 7);
    const QJsonArray backtest = root.value("backtest").toArray();
    QCOMPARE(backtest.size(), 4);
    QVERIFY(backtest.at(0).toObject().value("overall").toObject().contains("wape"));
    QVERIFY(backtest.at(2).toObject().value("leftOut").toString().contains("needs 14 days"));
    QCOMPARE(backtest.at(0).toObject().value("leadDays").toArray().size(), 7);
    QVERIFY(root.value("chosen").toObject().contains("method"));
    const QJsonObject monday = root.value("forecast").toArray().at(0).toObject();
    QCOMPARE(monday.value("slots").toArray().at(0).toObject().value("talkSeconds").toInt(), 200);

    const CalculatorRun csv = RunCalculator({"forecast", "--history=-", "--format=csv", "--method", "naive"}, input);
    const IntervalDays week = IntervalDays::read(csv.out);
    QVERIFY(week.accepted());
    QCOMPARE(week.weeks(), std::vector<QDate>{QDate(2026, 11, 23)});
    QCOMPARE(week.days().front().slotValues.front().calls, 10);
    QCOMPARE(IntervalDaysCsv(week.days(), week.slotMinutes()), csv.out);
    QVERIFY(RunCalculator({"forecast", "--history", "-"}, input).out.contains("Backtest over the last 14 days"));

    const StandardInput bad = [](qint64) { return QByteArray("date,time,calls\n2026-11-02,08:00,1\n2026-11-03,08:00,-4\n"); };
    const CalculatorRun refused = RunCalculator({"forecast", "--history", "-"}, bad);
    QCOMPARE(refused.status, int(ExitInvalidInput));
    QVERIFY2(refused.err.contains("standard input: line 3: \"-4\" in the column \"calls\" is negative"), qPrintable(refused.err));
    QCOMPARE(RunCalculator({"forecast", "--method", "best", "--history", "-"}, input).status, int(ExitUsage));
    QCOMPARE(RunCalculator({"forecast", "--exclude", "25/12/2026", "--history", "-"}, input).status, int(ExitUsage));
    QCOMPARE(RunCalculator({"forecast"}, input).status, int(ExitUsage));
}

QTEST_GUILESS_MAIN(CalculatorTest)
#include "test_calculator.moc"
