// SPDX-License-Identifier: MIT
#include "agentscenario.h"
#include "scenariofilerecord.h"

#include <QtTest>

class ScenarioFileRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void followsTheLastSaveOrLoad_data();
    void followsTheLastSaveOrLoad();
};

namespace {
const QString DayPath = QStringLiteral("/plans/DAY.VNK");
const QString WeekPath = QStringLiteral("/plans/week.vnk");
} // namespace

void ScenarioFileRecordTest::followsTheLastSaveOrLoad_data()
{
    // Each step is "save", "load" (through the Load button) or "start"
    // (named on the command line), applied to the file of its path in turn.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("markedName");

    QTest::newRow("nothing yet") << QStringList{} << QStringLiteral("*.vnk") << QStringLiteral("New Agents")
                                 << QString();
    QTest::newRow("saved") << QStringList{QStringLiteral("save")} << DayPath << QStringLiteral("Day.vnk")
                           << QStringLiteral("DAY.VNK");
    QTest::newRow("loaded") << QStringList{QStringLiteral("load")} << DayPath << QStringLiteral("Day.vnk")
                            << QStringLiteral("DAY.VNK");
    QTest::newRow("command line keeps the name") << QStringList{QStringLiteral("start")} << QStringLiteral("*.vnk")
                                                 << QStringLiteral("Day.vnk") << QStringLiteral("DAY.VNK");
    QTest::newRow("command line, then saved elsewhere")
        << QStringList{QStringLiteral("start"), QStringLiteral("save")} << WeekPath << QStringLiteral("Week.vnk")
        << QStringLiteral("week.vnk");
    QTest::newRow("loaded, then a command-line file")
        << QStringList{QStringLiteral("load"), QStringLiteral("start")} << DayPath << QStringLiteral("Week.vnk")
        << QStringLiteral("week.vnk");
}

void ScenarioFileRecordTest::followsTheLastSaveOrLoad()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, fileName);
    QFETCH(QString, caption);
    QFETCH(QString, markedName);

    AgentScenario scenario;
    ScenarioFileRecord record;
    const QStringList paths{DayPath, WeekPath};
    for (int i = 0; i < steps.size(); ++i) {
        if (steps.at(i) == QLatin1String("save"))
            record.saved(scenario, paths.at(i));
        else
            record.loaded(scenario, paths.at(i), steps.at(i) == QLatin1String("load"));
    }
    QCOMPARE(record.ScenarioFileName(), fileName);
    QCOMPARE(record.caption(), caption);
    QCOMPARE(record.heldFileName(), markedName);
    QCOMPARE(record.hasScenarioFileName(), fileName != QLatin1String("*.vnk"));
    // Only the window's own file saves without a question; on a file system
    // that tells letter case apart, "day.vnk" is another file.
    QVERIFY(record.isOwnFile(fileName));
    QVERIFY(!record.isOwnFile(QStringLiteral("/plans/day.vnk")));

    // The mark holds the file's bytes: only a change to what the file
    // would hold counts.
    QCOMPARE(record.holdsFile(), !steps.isEmpty());
    QVERIFY(!record.changedSince(scenario));
    scenario.setText(Field::Edit1, QStringLiteral("250"));
    QCOMPARE(record.changedSince(scenario), !steps.isEmpty());
}

QTEST_GUILESS_MAIN(ScenarioFileRecordTest)
#include "test_scenariofilerecord.moc"
