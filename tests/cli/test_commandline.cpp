// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "commandoption.h"
#include "helptext.h"

#include <QRegularExpression>
#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void reads_commands_and_values_data();
    void reads_commands_and_values();
    void refuses_bad_usage_data();
    void refuses_bad_usage();
    void help_wins_anywhere();
    void help_names_every_option();
    void reads_report_options();
    void reads_the_week_planners_options();
};

void CommandLineTest::reads_commands_and_values_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("calls"); // "<unset>" when --calls is not given
    QTest::addColumn<QString>("goalSeconds");
    const int agents = int(CommandLine::Command::Agents);
    const int schedule = int(CommandLine::Command::Schedule);
    const int file = int(CommandLine::Command::File);
    QTest::newRow("separate value") << QStringList{"agents", "--calls", "100"} << agents << "100" << "<unset>";
    QTest::newRow("joined value") << QStringList{"agents", "--calls=100"} << agents << "100" << "<unset>";
    QTest::newRow("value with a minus") << QStringList{"agents", "--calls", "-5"} << agents << "-5" << "<unset>";
    QTest::newRow("value looking like an option") << QStringList{"agents", "--calls", "--goal"} << agents << "--goal"
                                                  << "<unset>";
    QTest::newRow("empty joined value") << QStringList{"agents", "--calls="} << agents << "" << "<unset>";
    QTest::newRow("value holding '='") << QStringList{"agents", "--calls==3"} << agents << "=3" << "<unset>";
    QTest::newRow("last one counts") << QStringList{"schedule", "--calls=1", "--calls", "2", "--goal-secs", "20"}
                                     << schedule << "2" << "20";
    QTest::newRow("file") << QStringList{"monday.vnk", "--format", "json"} << file << "<unset>" << "<unset>";
    QTest::newRow("week file among the options") << QStringList{"week", "--goal-secs", "15", "w.vnkw"}
                                                 << int(CommandLine::Command::Week) << "<unset>" << "15";
}

void CommandLineTest::reads_commands_and_values()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, command);
    QFETCH(QString, calls);
    QFETCH(QString, goalSeconds);
    const CommandLine line = ParseCommandLine(arguments);
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(int(line.command), command);
    QCOMPARE(line.fields[std::size_t(Field::Edit1)].value_or(QStringLiteral("<unset>")), calls);
    QCOMPARE(line.fields[std::size_t(Field::MaskEdit6)].value_or(QStringLiteral("<unset>")), goalSeconds);
}

void CommandLineTest::refuses_bad_usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing") << QStringList{} << "no command given";
    QTest::newRow("option first") << QStringList{"--calls", "5"} << "before \"--calls\"";
    QTest::newRow("unknown option") << QStringList{"agents", "--agents", "5"} << "unknown option \"--agents\"";
    QTest::newRow("single dash") << QStringList{"agents", "-c", "5"} << "unexpected argument \"-c\"";
    QTest::newRow("missing value") << QStringList{"agents", "--calls"} << "--calls needs a value";
    QTest::newRow("bad format") << QStringList{"agents", "--format", "xml"} << "--format must be";
    QTest::newRow("bad slots") << QStringList{"schedule", "--slots", "45"} << "--slots must be 30 or 60";
    QTest::newRow("bad tab") << QStringList{"a.vnk", "--tab=graph"} << "--tab must be";
    QTest::newRow("slots with agents") << QStringList{"agents", "--slots", "30"} << "not used with agents";
    QTest::newRow("volumes with agents") << QStringList{"agents", "--volumes=1"} << "not used with agents";
    QTest::newRow("volumes file with agents") << QStringList{"agents", "--volumes-file=-"} << "not used with agents";
    QTest::newRow("volumes twice over") << QStringList{"schedule", "--volumes-file", "a.txt", "--volumes", "1"}
                                        << "either with --volumes or with --volumes-file";
    QTest::newRow("intervals with the day's own options") << QStringList{"schedule", "--intervals", "a.csv", "--start", "08:00"}
                                                          << "--intervals sets the start, end and calls";
    QTest::newRow("intervals and roster from standard input")
        << QStringList{"schedule", "--intervals=-", "--have-file=-"} << "either --intervals or --have-file";
    QTest::newRow("tab with schedule") << QStringList{"schedule", "--tab", "agents"} << "not used with schedule";
    QTest::newRow("fields with a file") << QStringList{"a.vnk", "--calls", "5"} << "not used with a scenario file";
    QTest::newRow("stray argument") << QStringList{"agents", "100"} << "unexpected argument \"100\"";
    QTest::newRow("paper without pdf") << QStringList{"a.vnk", "--paper", "a4"} << "--paper is only used with --pdf";
    QTest::newRow("bad paper") << QStringList{"a.vnk", "--pdf", "x.pdf", "--paper", "legal"} << "--paper must be a4 or letter";
    QTest::newRow("format with pdf") << QStringList{"a.vnk", "--pdf", "x.pdf", "--format=csv"} << "--format is not used with --pdf";
    QTest::newRow("pdf without name") << QStringList{"a.vnk", "--pdf="} << "--pdf needs a file name";
    QTest::newRow("bad plan goal") << QStringList{"shifts", "--shift", "A,4:00,08:00,09:00", "--plan-goal", "level"}
                                   << "--plan-goal must be cover or service, not \"level\"";
    QTest::newRow("slot floor without a plan goal") << QStringList{"shifts", "--shift", "A,4:00,08:00,09:00", "--slot-floor", "60"}
                                                    << "only used with --plan-goal";
    QTest::newRow("roster with shifts") << QStringList{"shifts", "--have", "1"} << "option --have is not used with shifts";
    QTest::newRow("shift types with schedule") << QStringList{"schedule", "--shift", "a"} << "not used with schedule";
    QTest::newRow("time limit with a file") << QStringList{"a.vnk", "--time-limit=5"} << "not used with a scenario file";
    QTest::newRow("graph with shifts") << QStringList{"shifts", "--graph", "a.png"} << "not used with shifts";
    QTest::newRow("pdf with shifts") << QStringList{"shifts", "--pdf", "a.pdf"} << "not used with shifts";
    QTest::newRow("week without a week file") << QStringList{"week", "--tour", "A,5,any,free,40,B"}
                                              << "week needs either a week file or --intervals FILE";
    QTest::newRow("a week file and intervals") << QStringList{"week", "a.vnkw", "--intervals", "a.csv"}
                                               << "week needs either a week file or --intervals";
    QTest::newRow("week of a week file") << QStringList{"week", "a.vnkw", "--week-of", "2026-12-14"}
                                         << "--week-of are only used with --intervals";
    QTest::newRow("week of no date") << QStringList{"week", "--intervals", "a.csv", "--week-of", "14/12/2026"}
                                     << "--week-of must be a date yyyy-mm-dd";
    QTest::newRow("two week files") << QStringList{"week", "a.vnkw", "b.vnkw"} << "unexpected argument \"b.vnkw\"";
    QTest::newRow("a day's calls with week") << QStringList{"week", "a.vnkw", "--calls", "5"}
                                             << "option --calls is not used with week";
    QTest::newRow("tours with shifts") << QStringList{"shifts", "--tour", "A"} << "option --tour is not used with shifts";
    QTest::newRow("shifts and tours from standard input")
        << QStringList{"week", "a.vnkw", "--shifts-file=-", "--tours-file", "-"} << "either --shifts-file or --tours-file";
    // The first fault in the order given is the one named.
    QTest::newRow("bad value before an unknown option") << QStringList{"agents", "--format", "xml", "--bogus"}
                                                        << "--format must be";
    QTest::newRow("stray argument before an unknown option") << QStringList{"agents", "100", "--bogus"}
                                                             << "unexpected argument \"100\"";
    QTest::newRow("other command's option before an unknown one") << QStringList{"agents", "--slots", "30", "--bogus"}
                                                                  << "option --slots is not used with agents";
    QTest::newRow("switch before a missing value") << QStringList{"agents", "--bar", "--calls"}
                                                   << "option --calls needs a value";
    QTest::newRow("double dash alone") << QStringList{"agents", "--", "--calls", "5"} << "unknown option \"--\"";
    QTest::newRow("single-dash letters") << QStringList{"agents", "-abc"} << "unexpected argument \"-abc\"";
    QTest::newRow("switch with a value") << QStringList{"a.vnk", "--bar=1"} << "option --bar takes no value";
    QTest::newRow("graph option without graph") << QStringList{"a.vnk", "--size", "800x500"}
                                                << "option --size is only used with --graph";
}

void CommandLineTest::refuses_bad_usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const CommandLine line = ParseCommandLine(arguments);
    QCOMPARE(line.command, CommandLine::Command::None);
    QVERIFY2(line.error.contains(error), qPrintable(line.error));
}

void CommandLineTest::help_wins_anywhere()
{
    QCOMPARE(ParseCommandLine({"agents", "--bogus", "--help"}).command, CommandLine::Command::Help);
    QCOMPARE(ParseCommandLine({"-h"}).command, CommandLine::Command::Help);
    // Every option is explained.
    for (const char *option : {"--calls", "--start", "--end", "--talk", "--wrap", "--abandon", "--goal ",
                               "--goal-secs", "--slots", "--volumes", "--tab", "--format"})
        QVERIFY2(HelpText().contains(QLatin1String(option)), option);
}

void CommandLineTest::help_names_every_option()
{
    for (const CommandOption &option : CommandOption::all())
        QVERIFY2(HelpText().contains(option.name), qPrintable(option.name));
    // Every default, range and model word taken from its owner is filled in.
    const QRegularExpressionMatch unfilled = QRegularExpression(QStringLiteral("%\\d+")).match(HelpText());
    QVERIFY2(!unfilled.hasMatch(), qPrintable(unfilled.captured()));
}

void CommandLineTest::reads_report_options()
{
    CommandLine line = ParseCommandLine({"monday.vnk", "--tab", "schedule", "--pdf", "out.pdf", "--paper=letter"});
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(line.pdfFile.value_or(QString()), QStringLiteral("out.pdf"));
    QCOMPARE(line.paper, PaperSize::Letter);
    QCOMPARE(line.tab, Tab::Schedule);
    line = ParseCommandLine({"schedule", "--pdf=day.pdf"});
    QCOMPARE(line.pdfFile.value_or(QString()), QStringLiteral("day.pdf"));
    QCOMPARE(line.paper, PaperSize::A4);
    QVERIFY(!ParseCommandLine({"agents"}).pdfFile);
    QVERIFY(HelpText().contains(QLatin1String("--pdf OUT.pdf")) && HelpText().contains(QLatin1String("--paper")));
}

void CommandLineTest::reads_the_week_planners_options()
{
    const CommandLine line = ParseCommandLine({"week", "--tour", "Full,5,consecutive,60,40,Day", "w.vnkw", "--tour=Part",
                                               "--tours-file", "t.txt", "--shift", "Day,8,06:00,10:00", "--plan-goal",
                                               "service", "--talk", "03:00", "--time-limit", "60"});
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(line.fileName, QStringLiteral("w.vnkw"));
    QCOMPARE(line.tourTexts, (QStringList{"Full,5,consecutive,60,40,Day", "Part"}));
    QCOMPARE(line.toursFile.value_or(QString()), QStringLiteral("t.txt"));
    QCOMPARE(line.shiftTexts.size(), 1);
    QCOMPARE(line.planGoal, ShiftGoal::ServiceLevel);
    QCOMPARE(line.fields[std::size_t(Field::MaskEdit2)].value_or(QString()), QStringLiteral("03:00"));
    QCOMPARE(line.timeLimitSeconds, 60.0);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"
