// SPDX-License-Identifier: MIT
#include "tableoutput.h"

#include "conversions.h"
#include "scenarioevents.h"
#include "texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// The Agents worked example: 100 calls from 08:00 to 09:00, goal row 4 (9 agents).
AgentScenario agentsExample()
{
    AgentScenario s;
    s.setText(Field::Edit1, QStringLiteral("100"));
    s.setText(Field::MaskEdit1, QStringLiteral("08:00"));
    s.setText(Field::MaskEdit7, QStringLiteral("09:00"));
    s.setText(Field::MaskEdit2, QStringLiteral("03:00"));
    s.setText(Field::MaskEdit3, QStringLiteral("00:30"));
    s.setText(Field::MaskEdit4, QStringLiteral("00:25"));
    s.setText(Field::MaskEdit5, QStringLiteral("80"));
    s.setText(Field::MaskEdit6, QStringLiteral("20"));
    s.Recalculate();
    return s;
}

// The Schedule worked example: 30-minute slots of 0, 10, 50 and 120 calls.
AgentScenario scheduleExample()
{
    AgentScenario s;
    s.setText(Field::Edit1, QStringLiteral("180"));
    s.setText(Field::MaskEdit7, QStringLiteral("10:00"));
    s.setText(Field::MaskEdit2, QStringLiteral("03:00"));
    s.setText(Field::MaskEdit5, QStringLiteral("80"));
    s.setText(Field::MaskEdit6, QStringLiteral("20"));
    s.setSlotLength(SlotLength::HalfHour);
    const int volumes[] = {0, 10, 50, 120};
    for (int i = 0; i < 4; ++i)
        s.setSlotCalls(i + 1, volumes[i]);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    return s;
}

} // namespace

class TableOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void table_aligns_columns_and_marks_the_goal_row();
    void schedule_table_ends_with_the_totals();
    void csv_quotes_as_rfc_4180();
    void json_of_the_agents_table();
    void json_of_the_schedule();
    void json_values_are_the_shown_figures_unrounded();
};

void TableOutputTest::table_aligns_columns_and_marks_the_goal_row()
{
    const AgentScenario s = agentsExample();
    QCOMPARE(s.results().goalRow, 4);
    const QStringList lines = TableOutput::table(s).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(0).simplified(), QStringLiteral("Agents Srv Lvl Queued Abndon Usage Ave Ans Q Time Avg Q Trunks"));
    QCOMPARE(lines.at(4).simplified(), QStringLiteral("9 87% 17% 11% 65% 00:11 01:06 0 14 <- goal"));
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines.at(i).endsWith(QLatin1String("<- goal")), i == 4);
        // Right-aligned: every row ends its columns where the header does.
        QCOMPARE(QString(lines.at(i)).remove(QStringLiteral("  <- goal")).size(), lines.at(0).size());
    }
}

void TableOutputTest::schedule_table_ends_with_the_totals()
{
    const QStringList lines = TableOutput::table(scheduleExample()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.at(4).simplified(), QStringLiteral("09:30 120 20 82% 26% 13% 80% 00:15 26"));
    QCOMPARE(lines.at(5), QStringLiteral("Total calls: 180"));
    QCOMPARE(lines.at(6), QStringLiteral("Total time: 02:00"));
    QVERIFY(!lines.join(QLatin1Char('\n')).contains(QLatin1String("goal")));
}

void TableOutputTest::csv_quotes_as_rfc_4180()
{
    AgentScenario s = agentsExample();
    s.StringGrid1().setCell(7, 1, QStringLiteral("1,234"));
    s.StringGrid1().setCell(8, 1, QStringLiteral("say \"hi\""));
    const QString csv = TableOutput::csv(s);
    const QStringList rows = csv.split(QStringLiteral("\r\n"));
    QCOMPARE(rows.size(), 12); // 11 rows and the empty text after the last CR LF
    QVERIFY(rows.last().isEmpty());
    QCOMPARE(rows.at(0), QStringLiteral("Agents,Srv Lvl,Queued,Abndon,Usage,Ave Ans,Q Time,Avg Q,Trunks"));
    QCOMPARE(rows.at(1), QStringLiteral("6,9%,92%,91%,97%,19:25,21:00,\"1,234\",\"say \"\"hi\"\"\""));
    QCOMPARE(rows.at(10), QStringLiteral("15,100%,0%,0%,39%,00:00,00:23,0,15"));
    QVERIFY(!csv.contains(QLatin1String("goal")));
}

void TableOutputTest::json_of_the_agents_table()
{
    const QJsonObject o = QJsonDocument::fromJson(TableOutput::json(agentsExample()).toUtf8()).object();
    QCOMPARE(o.value(QLatin1String("tab")).toString(), QStringLiteral("agents"));
    QCOMPARE(o.value(QLatin1String("goalRow")).toInt(), 4);
    const QJsonObject inputs = o.value(QLatin1String("inputs")).toObject();
    QCOMPARE(inputs.size(), 8);
    QCOMPARE(inputs.value(QLatin1String("calls")).toString(), QStringLiteral("100"));
    QCOMPARE(inputs.value(QLatin1String("arrivalEnd")).toString(), QStringLiteral("09:00"));
    QCOMPARE(inputs.value(QLatin1String("waitBeforeAbandon")).toString(), QStringLiteral("00:25"));
    QCOMPARE(inputs.value(QLatin1String("serviceLevelGoal")).toString(), QStringLiteral("80"));
    QCOMPARE(inputs.value(QLatin1String("goalSeconds")).toString(), QStringLiteral("20"));
    const QJsonArray table = o.value(QLatin1String("table")).toArray();
    QCOMPARE(table.size(), 11);
    QCOMPARE(table.at(0).toArray().at(0).toString(), QStringLiteral("Agents"));
    QCOMPARE(table.at(4).toArray().at(0).toString(), QStringLiteral("9"));
    QVERIFY(!o.contains(QLatin1String("slotCalls")));
}

void TableOutputTest::json_of_the_schedule()
{
    AgentScenario s = scheduleExample();
    const QJsonObject o = QJsonDocument::fromJson(TableOutput::json(s).toUtf8()).object();
    QCOMPARE(o.value(QLatin1String("tab")).toString(), QStringLiteral("schedule"));
    QVERIFY(o.value(QLatin1String("goalRow")).isNull());
    QCOMPARE(o.value(QLatin1String("totalTime")).toString(), QStringLiteral("02:00"));
    QCOMPARE(o.value(QLatin1String("halfHourSlots")).toBool(), true);
    QCOMPARE(o.value(QLatin1String("slotCalls")).toArray(), (QJsonArray{0, 10, 50, 120}));
    QCOMPARE(o.value(QLatin1String("inputs")).toObject().value(QLatin1String("calls")).toString(),
             QStringLiteral("180"));
    QCOMPARE(o.value(QLatin1String("table")).toArray().size(), 5);
}

void TableOutputTest::json_values_are_the_shown_figures_unrounded()
{
    for (const bool schedule : {false, true}) {
        const AgentScenario s = schedule ? scheduleExample() : agentsExample();
        const QJsonObject o = QJsonDocument::fromJson(TableOutput::json(s).toUtf8()).object();
        const QJsonArray values = o.value(QLatin1String("values")).toArray();
        const ResultTable &table = s.StringGrid1();
        QCOMPARE(values.size(), table.rowCount() - 1);
        // Each row's numbers, written as the table writes them, give its texts.
        const int agents = schedule ? int(ResultTable::SlotAgentsColumn) : int(ResultTable::AgentsColumn);
        const int service = schedule ? int(ResultTable::SlotServiceColumn) : int(ResultTable::ServiceColumn);
        const int usage = schedule ? int(ResultTable::SlotUsageColumn) : int(ResultTable::UsageColumn);
        const int answer = schedule ? int(ResultTable::SlotAnswerColumn) : int(ResultTable::AnswerColumn);
        const int trunks = schedule ? int(ResultTable::SlotTrunksColumn) : int(ResultTable::TrunksColumn);
        for (int row = 1; row < table.rowCount(); ++row) {
            const QJsonObject v = values.at(row - 1).toObject();
            QCOMPARE(QString::number(v.value(QLatin1String("agents")).toDouble()), table.cell(agents, row));
            QCOMPARE(QString::number(v.value(QLatin1String("trunks")).toInt()), table.cell(trunks, row));
            if (schedule) {
                QCOMPARE(v.value(QLatin1String("slot")).toString(), table.cell(ResultTable::TimeColumn, row));
                QCOMPARE(QString::number(v.value(QLatin1String("calls")).toDouble()),
                         table.cell(ResultTable::CallsColumn, row));
            }
            if (v.value(QLatin1String("calls")).toDouble() == 0 && schedule) {
                // A slot without calls has no figures.
                QVERIFY(v.value(QLatin1String("serviceLevel")).isNull());
                QVERIFY(v.value(QLatin1String("queueLength")).isNull());
                continue;
            }
            QCOMPARE(Calc::PercentText(v.value(QLatin1String("serviceLevel")).toDouble(), 0), table.cell(service, row));
            QCOMPARE(Calc::PercentText(v.value(QLatin1String("usage")).toDouble(), 0), table.cell(usage, row));
            QCOMPARE(Calc::DurationText(v.value(QLatin1String("answerSeconds")).toDouble() / 3600), table.cell(answer, row));
            if (!schedule) {
                QCOMPARE(Calc::PercentText(v.value(QLatin1String("waitProbability")).toDouble(), 0),
                         table.cell(ResultTable::QueuedColumn, row));
                QCOMPARE(Calc::PercentText(v.value(QLatin1String("abandonRate")).toDouble(), 0),
                         table.cell(ResultTable::AbandonColumn, row));
                QCOMPARE(Calc::DurationText(v.value(QLatin1String("queueSeconds")).toDouble() / 3600),
                         table.cell(ResultTable::QueueTimeColumn, row));
                QCOMPARE(Calc::FormatNumber(v.value(QLatin1String("queueLength")).toDouble(), 0),
                         table.cell(ResultTable::QueueLengthColumn, row));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TableOutputTest)
#include "test_tableoutput.moc"
