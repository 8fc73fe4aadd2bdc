// SPDX-License-Identifier: MIT
#include "reportfixtures.h"

#include <QTest>

using Text = RecordingCanvas::Text;

// The report of a scenario with planning options or a roster: the options
// with the inputs, the "Sched" column, the roster's table and the day's
// lines.
class ReportPlanningTest : public QObject
{
    Q_OBJECT
private slots:
    void contentTakesWhatIsShown_data();
    void contentTakesWhatIsShown();
    void scheduleReportEndsWithTheRosterAndTheDay();
    void slotTimesPrintAfterTheCalls();
};

namespace {

AgentScenario plannedSchedule()
{
    AgentScenario s = workedScheduleScenario();
    PlanningOptions planning = s.inputs().Planning;
    planning.shrinkagePercent = 30;
    s.setPlanning(planning);
    s.setSlotHave(2, 3);
    s.setSlotHave(3, 13); // 9 of them on the phones
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    return s;
}

QStringList captions(const std::vector<TotalsLine> &lines)
{
    QStringList texts;
    for (const TotalsLine &line : lines)
        texts << line.caption + QLatin1Char('=') + line.value;
    return texts;
}

int right(const RecordingCanvas &canvas, const Text &t)
{
    RecordingCanvas measure(canvas.pixelsPerInchX(), canvas.pixelsPerInchY(), 1, 1);
    measure.setFont(t.font);
    return t.x + measure.textWidth(t.text);
}

} // namespace

void ReportPlanningTest::contentTakesWhatIsShown_data()
{
    QTest::addColumn<bool>("schedule");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("schedHeading"); // empty: no "Sched"
    QTest::addColumn<int>("rosterRows");
    QTest::addColumn<int>("dayLines");
    QTest::newRow("agents, nothing set") << false << QStringList() << "" << 0 << 0;
    QTest::newRow("agents, erlang a, cap, shrinkage")
        << false << QStringList{"Model=Erlang A", "Shrinkage=30%", "Max occupancy=70%"} << "Sched" << 0 << 0;
    QTest::newRow("schedule, paid hours only") << true << QStringList{"Paid hours=07:30"} << "" << 0 << 4;
    QTest::newRow("schedule, shrinkage and roster") << true << QStringList{"Shrinkage=30%"} << "Sched" << 5 << 8;
}

void ReportPlanningTest::contentTakesWhatIsShown()
{
    QFETCH(bool, schedule);
    QFETCH(QStringList, options);
    QFETCH(QString, schedHeading);
    QFETCH(int, rosterRows);
    QFETCH(int, dayLines);
    AgentScenario s = schedule ? workedScheduleScenario() : workedAgentsScenario();
    PlanningOptions planning = s.inputs().Planning;
    for (const QString &option : options) {
        if (option.startsWith(QLatin1String("Model")))
            planning.model = QueueModel::ErlangA;
        if (option.startsWith(QLatin1String("Shrinkage")))
            planning.shrinkagePercent = 30;
        if (option.startsWith(QLatin1String("Max occupancy")))
            planning.maxOccupancyPercent = 70;
        if (option.startsWith(QLatin1String("Paid")))
            planning.paidMinutes = 450;
    }
    s.setPlanning(planning);
    if (rosterRows > 0)
        s.setSlotHave(3, 9);
    QVERIFY(ScenarioEvents(s).TabSet1Click(schedule ? Tab::Schedule : Tab::Agents).valid);
    const ReportContent content = ReportContent::fromScenario(s, QStringLiteral("*.vnk"), QStringLiteral("New Agents"));
    QCOMPARE(captions(content.options), options);
    QCOMPARE(content.sched.empty() ? QString() : content.sched.front(), schedHeading);
    QCOMPARE(int(content.rosterCells.size()), rosterRows);
    QCOMPARE(int(content.dayLines.size()), dayLines);
    const std::vector<QString> heading = content.printedRow(0);
    QCOMPARE(int(heading.size()), schedHeading.isEmpty() ? 9 : 10);
    if (!schedHeading.isEmpty())
        QCOMPARE(heading[schedule ? 3 : 1], schedHeading);
}

void ReportPlanningTest::slotTimesPrintAfterTheCalls()
{
    AgentScenario s = workedScheduleScenario();
    s.setSlotTimes(2, 200, s.inputs().SlotWrapSeconds[2]);
    PlanningOptions planning = s.inputs().Planning;
    planning.shrinkagePercent = 30;
    s.setPlanning(planning);
    QVERIFY(ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid);
    const ReportContent content = ReportContent::fromScenario(s, QStringLiteral("*.vnk"), QStringLiteral("New Agents"));
    const std::vector<QString> heading = content.printedRow(0);
    QCOMPARE(QStringList(heading.begin(), heading.begin() + 6),
             (QStringList{"Time", "Calls", "Talk", "ACW", "Agents", "Sched"}));
    const std::vector<QString> slot = content.printedRow(2);
    QCOMPARE(QStringList(slot.begin(), slot.begin() + 4), (QStringList{"08:30", "10", "03:20", ""}));
    QCOMPARE(int(heading.size()), 12);
}

void ReportPlanningTest::scheduleReportEndsWithTheRosterAndTheDay()
{
    const ReportContent content =
        ReportContent::fromScenario(plannedSchedule(), QStringLiteral("*.vnk"), QStringLiteral("New Agents"));
    QCOMPARE(content.rosterCells[3], (ReportContent::Row{"09:00", "10", "13", "-2", "74%", "31%", "23%", "74%", "00:32"}));
    QCOMPARE(captions(content.dayLines),
             (QStringList{"Required agent-hours=16.5", "Scheduled agent-hours=24.5", "FTE at 8 paid hours per agent=3.06",
                          "Peak slot=09:30, 20 agents", "Roster service level=70.1%", "Short slots=2",
                          "Shortfall agent-hours=2.0", "Roster agent-hours=8.0"}));

    RecordingCanvas canvas(600, 600, 4800, 6600);
    printRecorded(canvas, content);
    QStringList texts;
    for (const Text &t : canvas.texts)
        texts << t.text;
    // The option stands in the inputs block, under the service level.
    const qsizetype shrinkage = texts.indexOf(QStringLiteral("SHRINKAGE"));
    QCOMPARE(texts.at(shrinkage - 1), QStringLiteral("80% in 20 Secs"));
    QCOMPARE(texts.at(shrinkage + 1), QStringLiteral("30%"));
    // Ten headings, narrowed, the last within the page's printed width.
    const qsizetype time = texts.indexOf(QStringLiteral("Time"));
    QCOMPARE(texts.at(time + 3), QStringLiteral("Sched"));
    QCOMPARE(right(canvas, canvas.texts.at(time + 3)), 780 + 3 * 378);
    QVERIFY(right(canvas, canvas.texts.at(time + 9)) <= 4800 - 600);
    // The roster's table: a slot without a value prints its time and agents
    // only, and the next slot follows on the very next line.
    const qsizetype roster = texts.indexOf(QStringLiteral("ROSTER"));
    QCOMPARE(roster, time + 10 * 5);
    const Text &first = canvas.texts.at(roster + 10);
    QCOMPARE(first.text, QStringLiteral("08:00"));
    QCOMPARE(canvas.texts.at(roster + 12).text, QStringLiteral("08:30"));
    const int line = canvas.texts.at(roster + 12).y - first.y;
    QCOMPARE(canvas.texts.at(roster + 21).text, QStringLiteral("09:00"));
    QCOMPARE(canvas.texts.at(roster + 21).y, first.y + 2 * line);
    QCOMPARE(texts.mid(texts.size() - 4),
             (QStringList{"SHORTFALL AGENT-HOURS", "2.0", "ROSTER AGENT-HOURS", "8.0"}));

    // A goal typed after the table was computed: the report says the table
    // is out of date.
    AgentScenario changed = plannedSchedule();
    changed.setText(Field::MaskEdit6, QStringLiteral("30"));
    RecordingCanvas staleCanvas(600, 600, 4800, 6600);
    printRecorded(staleCanvas, ReportContent::fromScenario(changed, QStringLiteral("*.vnk"), QStringLiteral("New Agents")));
    QVERIFY(staleCanvas.texts.back().text.startsWith(QStringLiteral("The inputs were changed after the table")));
}

QTEST_MAIN(ReportPlanningTest)
#include "test_reportplanning.moc"
