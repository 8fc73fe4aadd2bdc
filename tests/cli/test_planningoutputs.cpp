// SPDX-License-Identifier: MIT
#include "calculator.h"
#include "testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// What varnook-calc writes when planning options or a roster are given:
// the extra columns, the figures behind them and the day's lines.
namespace {

const QStringList rosterExample{"schedule", "--slots", "30", "--start", "08:00", "--end", "10:00", "--volumes",
                                "0,10,50,120", "--talk", "03:00", "--wrap", "01:00", "--abandon", "00:30",
                                "--goal", "80", "--goal-secs", "20"};

QJsonObject jsonOf(QStringList arguments)
{
    const CalculatorRun run = RunCalculator(arguments << QStringLiteral("--format=json"));
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QJsonObject goalValues(const QJsonObject &json)
{
    const int goal = json.value(QLatin1String("goalRow")).toInt();
    return json.value(QLatin1String("values")).toArray().at(goal - 1).toObject();
}

QStringList split(const QString &arguments)
{
    return arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class PlanningOutputsTest : public QObject
{
    Q_OBJECT

private slots:
    void goal_row_follows_the_options_data();
    void goal_row_follows_the_options();
    void erlang_a_gives_the_published_figures();
    void roster_gives_the_agents_tables_figures();
    void overloaded_roster_answers_nothing_in_time();
    void schedule_table_and_csv_end_with_the_days_lines();
    void options_at_their_defaults_change_nothing_data();
    void options_at_their_defaults_change_nothing();
    void roster_file_agrees_with_have_data();
    void roster_file_agrees_with_have();
    void roster_refusals_name_the_value_data();
    void roster_refusals_name_the_value();
};

void PlanningOutputsTest::goal_row_follows_the_options_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("agents");
    QTest::addColumn<double>("usage");
    QTest::addColumn<int>("sched"); // -1: no "sched" in the values
    QTest::addColumn<QString>("note");
    const QString hundred = QStringLiteral("agents --calls 100 --start 08:00 --end 08:30 --talk 03:00 --wrap 00:00 "
                                           "--goal 80 --goal-secs 20 ");
    const QString thousand = QStringLiteral("agents --calls 1000 --start 08:00 --end 09:00 --talk 02:00 --wrap 00:00 "
                                            "--goal 80 --goal-secs 20 ");
    QTest::newRow("cap 70, shrinkage 30") << hundred + "--max-occupancy 70 --shrinkage 30" << 15 << 0.6667 << 22
                                          << "14 agents: usage 71.4 % is above the 70 % cap.";
    QTest::newRow("no cap") << thousand << 38 << 0.8772 << -1 << "";
    QTest::newRow("cap 85 breaks at 85.47") << thousand + "--max-occupancy 85" << 40 << 0.8333 << -1
                                            << "39 agents: usage 85.5 % is above the 85 % cap.";
    QTest::newRow("cap 85, shrinkage 30") << thousand + "--max-occupancy 85 --shrinkage 30" << 40 << 0.8333 << 58
                                          << "39 agents: usage 85.5 % is above the 85 % cap.";
    QTest::newRow("shrinkage alone") << thousand + "--shrinkage 30" << 38 << 0.8772 << 55 << "";
    QTest::newRow("erlang a, patience 05:00") << hundred + "--abandon 05:00 --model erlang-a" << 13 << 0.7500 << -1
                                              << "";
    QTest::newRow("erlang a, a 1 % abandonment limit")
        << hundred + "--abandon 05:00 --model erlang-a --max-abandon 1" << 15 << 0.6617 << -1
        << "14 agents: abandonment 1.4 % is above the 1 % limit.";
    QTest::newRow("erlang a meets its goal by losing callers")
        << "agents --calls 50000 --start 08:00 --end 09:00 --talk 05:00 --wrap 00:00 --abandon 00:25 --goal 80 "
           "--goal-secs 20 --model erlang-a" << 3313 << 1.0 << -1
        << "At the goal row 20.5 % of callers hang up: set Max abandoned % to limit them.";
}

void PlanningOutputsTest::goal_row_follows_the_options()
{
    QFETCH(QString, arguments);
    QFETCH(int, agents);
    QFETCH(double, usage);
    QFETCH(int, sched);
    QFETCH(QString, note);
    const QJsonObject json = jsonOf(split(arguments));
    const QJsonObject goal = goalValues(json);
    QCOMPARE(goal.value(QLatin1String("agents")).toInt(), agents);
    QVERIFY2(qAbs(goal.value(QLatin1String("usage")).toDouble() - usage) < 5e-5,
             qPrintable(QString::number(goal.value(QLatin1String("usage")).toDouble(), 'g', 10)));
    QCOMPARE(goal.contains(QLatin1String("sched")), sched >= 0);
    if (sched >= 0)
        QCOMPARE(goal.value(QLatin1String("sched")).toInt(), sched);
    // The header names "Sched" right after "Agents" exactly when it is set.
    const QJsonArray header = json.value(QLatin1String("table")).toArray().at(0).toArray();
    QCOMPARE(header.at(1).toString() == QLatin1String("Sched"), sched >= 0);
    const QString table = RunCalculator(split(arguments)).out;
    QCOMPARE(table.endsWith(note + QLatin1Char('\n')), true);
}

void PlanningOutputsTest::erlang_a_gives_the_published_figures()
{
    const QJsonObject json = jsonOf(split(QStringLiteral("agents --calls 100 --start 08:00 --end 08:30 --talk 03:00 "
                                                         "--wrap 00:00 --abandon 05:00 --goal 80 --goal-secs 20 "
                                                         "--model erlang-a")));
    QCOMPARE(json.value(QLatin1String("inputs")).toObject().value(QLatin1String("model")).toString(),
             QStringLiteral("erlang-a"));
    QJsonObject fourteen;
    for (const QJsonValue row : json.value(QLatin1String("values")).toArray()) {
        if (row.toObject().value(QLatin1String("agents")).toInt() == 14)
            fourteen = row.toObject();
    }
    const struct
    {
        const char *key;
        double published;
        double within;
    } figures[] = {{"waitProbability", 0.14526, 5e-6}, {"abandonRate", 0.013984, 5e-7}, {"usage", 0.7043, 5e-5},
                   {"answerSeconds", 4.195, 5e-4},      {"serviceLevel", 0.91679, 5e-6}};
    for (const auto &figure : figures)
        QVERIFY2(qAbs(fourteen.value(QLatin1String(figure.key)).toDouble() - figure.published) < figure.within,
                 figure.key);
}

void PlanningOutputsTest::roster_gives_the_agents_tables_figures()
{
    const QJsonObject json = jsonOf(QStringList(rosterExample) << QStringLiteral("--have") << QStringLiteral("0,3,9,20"));
    const QJsonArray values = json.value(QLatin1String("values")).toArray();
    const QJsonObject nine = values.at(2).toObject();
    QCOMPARE(nine.value(QLatin1String("slot")).toString(), QStringLiteral("09:00"));
    QCOMPARE(nine.value(QLatin1String("have")).toInt(), 9);
    QCOMPARE(nine.value(QLatin1String("gap")).toInt(), -1);

    // The 09:00 slot's roster gives what 50 calls in 30 minutes give at 9
    // agents on the Agents tab.
    const QJsonObject agents = jsonOf(split(QStringLiteral(
        "agents --calls 50 --start 09:00 --end 09:30 --talk 03:00 --wrap 01:00 --abandon 00:30 --goal 80 --goal-secs 20")));
    QJsonObject atNine;
    for (const QJsonValue row : agents.value(QLatin1String("values")).toArray()) {
        if (row.toObject().value(QLatin1String("agents")).toInt() == 9)
            atNine = row.toObject();
    }
    const QJsonObject have = nine.value(QLatin1String("haveValues")).toObject();
    for (const char *key : {"serviceLevel", "waitProbability", "abandonRate", "usage", "answerSeconds"})
        QCOMPARE(have.value(QLatin1String(key)).toDouble(), atNine.value(QLatin1String(key)).toDouble());
    QVERIFY(!have.contains(QLatin1String("overloaded")));

    // The day: call-weighted over the slots, one short slot of half an hour.
    double calls = 0;
    double answered = 0;
    for (const QJsonValue row : values) {
        const QJsonObject slot = row.toObject();
        calls += slot.value(QLatin1String("calls")).toDouble();
        answered += slot.value(QLatin1String("calls")).toDouble()
            * slot.value(QLatin1String("haveValues")).toObject().value(QLatin1String("serviceLevel")).toDouble();
    }
    const QJsonObject roster = json.value(QLatin1String("roster")).toObject();
    QCOMPARE(roster.value(QLatin1String("serviceLevel")).toDouble(), answered / calls);
    QCOMPARE(roster.value(QLatin1String("shortSlots")).toInt(), 1);
    QCOMPARE(roster.value(QLatin1String("shortfallAgentHours")).toDouble(), 0.5);
    QCOMPARE(roster.value(QLatin1String("agentHours")).toDouble(), 16.0);
    QVERIFY(!json.contains(QLatin1String("totals"))); // no planning option set
}

void PlanningOutputsTest::overloaded_roster_answers_nothing_in_time()
{
    const QStringList arguments = QStringList(rosterExample) << QStringLiteral("--have") << QStringLiteral(",3,6");
    const QJsonArray values = jsonOf(arguments).value(QLatin1String("values")).toArray();
    QCOMPARE(values.at(0).toObject().value(QLatin1String("have")), QJsonValue());
    QCOMPARE(values.at(0).toObject().value(QLatin1String("haveValues")), QJsonValue());
    QCOMPARE(values.at(0).toObject().value(QLatin1String("gap")), QJsonValue());
    // 50 calls of four minutes in half an hour are a load of 6.67 agents.
    const QJsonObject have = values.at(2).toObject().value(QLatin1String("haveValues")).toObject();
    QCOMPARE(have.value(QLatin1String("overloaded")).toBool(), true);
    QCOMPARE(have.value(QLatin1String("serviceLevel")).toDouble(), 0.0);
    QCOMPARE(have.value(QLatin1String("usage")), QJsonValue());
    const QStringList csv = RunCalculator(QStringList(arguments) << QStringLiteral("--format=csv"))
                                .out.split(QStringLiteral("\r\n"));
    QCOMPARE(csv.at(3), QStringLiteral("09:00,50,10,87%,17%,11%,67%,00:13,14,6,-4,overloaded,,,,"));
}

void PlanningOutputsTest::schedule_table_and_csv_end_with_the_days_lines()
{
    const QStringList arguments = QStringList(rosterExample)
        << split(QStringLiteral("--have 0,5,13,29 --shrinkage 30 --paid-hours 07:30"));
    // At 30 % shrinkage 0, 3, 9 and 20 of the agents rostered answer calls.
    const QStringList csv = RunCalculator(QStringList(arguments) << QStringLiteral("--format=csv"))
                                .out.split(QStringLiteral("\r\n"));
    QCOMPARE(csv.at(0), QStringLiteral("Time,Calls,Agents,Sched,Srv Lvl,Queued,Abndon,Usage,Ave Ans,Trunks,"
                                       "Have,Gap,Roster Srv,Roster Que,Roster Abn,Roster Use,Roster Ans"));
    QCOMPARE(csv.mid(5), (QStringList{"Required agent-hours,16.5", "Scheduled agent-hours,24.5",
                                      "FTE at 7.5 paid hours per agent,3.27", "Peak slot,\"09:30, 20 agents\"",
                                      "Roster service level,79.7%", "Short slots,1", "Shortfall agent-hours,1.0",
                                      "Roster agent-hours,23.5", ""}));
    const QString table = RunCalculator(arguments).out;
    QVERIFY2(table.endsWith(QStringLiteral("Total time: 02:00\nRequired agent-hours: 16.5\n"
                                           "Scheduled agent-hours: 24.5\nFTE at 7.5 paid hours per agent: 3.27\n"
                                           "Peak slot: 09:30, 20 agents\nRoster service level: 79.7%\n"
                                           "Short slots: 1\nShortfall agent-hours: 1.0\nRoster agent-hours: 23.5\n")),
             qPrintable(table));
    const QJsonObject json = jsonOf(arguments);
    const QJsonObject totals = json.value(QLatin1String("totals")).toObject();
    QCOMPARE(totals.value(QLatin1String("requiredAgentHours")).toDouble(), 16.5);
    QCOMPARE(totals.value(QLatin1String("scheduledAgentHours")).toDouble(), 24.5);
    QCOMPARE(totals.value(QLatin1String("fte")).toDouble(), 24.5 / 7.5);
    QCOMPARE(totals.value(QLatin1String("peakSlot")).toString(), QStringLiteral("09:30"));
    QCOMPARE(totals.value(QLatin1String("peakAgents")).toDouble(), 20.0);
    const QJsonObject inputs = json.value(QLatin1String("inputs")).toObject();
    QCOMPARE(inputs.value(QLatin1String("shrinkage")).toDouble(), 30.0);
    QCOMPARE(inputs.value(QLatin1String("paidHours")).toString(), QStringLiteral("07:30"));
    QVERIFY(!inputs.contains(QLatin1String("model")));
    QCOMPARE(json.value(QLatin1String("table")).toArray().at(0).toArray().size(), 17);
}

void PlanningOutputsTest::options_at_their_defaults_change_nothing_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("table") << "table";
    QTest::newRow("csv") << "csv";
    QTest::newRow("json") << "json";
}

void PlanningOutputsTest::options_at_their_defaults_change_nothing()
{
    QFETCH(QString, format);
    const QStringList plain = QStringList(rosterExample) << QStringLiteral("--format") << format;
    const QStringList defaults = QStringList(plain)
        << split(QStringLiteral("--model erlang-c --shrinkage 0 --paid-hours 08:00 --have ,,,"));
    QCOMPARE(RunCalculator(defaults).out, RunCalculator(plain).out);
}

void PlanningOutputsTest::roster_file_agrees_with_have_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("one column") << QByteArray("0\n3\n9\n20\n");
    QTest::newRow("with a header") << QByteArray("Have\n0\n3\n9\n20\n");
    QTest::newRow("table with a Have column") << QByteArray("Time,Calls,Have\n08:00,0,0\n08:30,10,3\n09:00,50,9\n"
                                                            "09:30,120,20\n");
    QTest::newRow("one row, semicolons") << QByteArray("0;3;9;20\n");
}

void PlanningOutputsTest::roster_file_agrees_with_have()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = writeFileIn(dir, QStringLiteral("roster.csv"), bytes);
    const CalculatorRun expected = RunCalculator(QStringList(rosterExample) << "--have" << "0,3,9,20");
    const CalculatorRun fromFile = RunCalculator(QStringList(rosterExample) << "--have-file" << path);
    QCOMPARE(fromFile.status, int(ExitDone));
    QCOMPARE(fromFile.out, expected.out);
    const CalculatorRun fromInput =
        RunCalculator(QStringList(rosterExample) << "--have-file" << "-", [&bytes](qint64) { return bytes; });
    QCOMPARE(fromInput.out, expected.out);
}

void PlanningOutputsTest::roster_refusals_name_the_value_data()
{
    QTest::addColumn<QStringList>("arguments"); // "FILE" stands for a file holding `bytes`
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QStringList file{"--have-file", "FILE"};
    QTest::newRow("have: not whole") << QStringList{"--have", "0,3.5"} << QByteArray() << int(ExitInvalidInput)
                                     << "the roster value \"3.5\" of time slot 2 is not a whole number from 0 up";
    QTest::newRow("have: negative") << QStringList{"--have", "-1"} << QByteArray() << int(ExitInvalidInput)
                                    << "the roster value \"-1\" of time slot 1";
    QTest::newRow("have: too many") << QStringList{"--have", "1,2,3,4,5"} << QByteArray() << int(ExitInvalidInput)
                                    << "5 roster values given for 4 time slots";
    QTest::newRow("file: negative") << file << QByteArray("Have\n0\n-3\n") << int(ExitInvalidInput)
                                    << "roster file \"FILE\": \"-3\" on line 3 is negative: a roster value is a whole "
                                       "number of agents from 0 up";
    QTest::newRow("file: not whole") << file << QByteArray("1\n2.5\n") << int(ExitInvalidInput)
                                     << "\"2.5\" on line 2 is not a whole number";
    QTest::newRow("file: too many") << file << QByteArray("1\n2\n3\n4\n5\n") << int(ExitInvalidInput)
                                    << "\"5\" on line 5 is value 5 of 5, but only 4 time slots remain from 08:00 on";
    QTest::newRow("file: no Have column") << file << QByteArray("Time,Calls\n08:00,3\n") << int(ExitInvalidInput)
                                          << "line 1 has 2 columns: give one column of numbers, or a table with a "
                                             "\"Have\" column";
    QTest::newRow("file: empty") << file << QByteArray("\n\n") << int(ExitInvalidInput)
                                 << "there are no roster values";
    QTest::newRow("file: missing") << QStringList{"--have-file", "/nonexistent/roster.csv"} << QByteArray()
                                   << int(ExitFileError) << "cannot open roster file \"/nonexistent/roster.csv\"";
    QTest::newRow("graph: Sched without shrinkage") << QStringList{"--graph", "FILE.png", "--series", "Agents,Sched"}
                                                    << QByteArray() << int(ExitUsage)
                                                    << "the table has no \"Sched\" column for --series Sched";
    QTest::newRow("graph: Have without roster") << QStringList{"--graph", "FILE.png", "--series", "have"}
                                                << QByteArray() << int(ExitUsage)
                                                << "the table has no \"Have\" column for --series Have";
    QTest::newRow("both from standard input") << QStringList{"--have-file", "-", "--volumes-file", "-"}
                                              << QByteArray() << int(ExitUsage) << "standard input serves either";
}

void PlanningOutputsTest::roster_refusals_name_the_value()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = writeFileIn(dir, QStringLiteral("roster.txt"), bytes);
    arguments.replaceInStrings(QStringLiteral("FILE"), path);
    message.replace(QStringLiteral("FILE"), path);
    QStringList all = rosterExample;
    if (arguments.contains(QStringLiteral("--volumes-file")))
        all.remove(all.indexOf(QStringLiteral("--volumes")), 2);
    const CalculatorRun run = RunCalculator(all << arguments);
    QCOMPARE(run.status, status);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(PlanningOutputsTest)
#include "test_planningoutputs.moc"
