// SPDX-License-Identifier: MIT
#include "agentcommandhost.h"
#include "fakedialogservice.h"
#include "planningcommand.h"
#include "scenariofile.h"
#include "scenariofilecommand.h"
#include "scenariofilerecord.h"
#include "slottimescommand.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The window as the commands see it, without widgets: the pending field
// exit answers as the test says, and the host counts what it was asked.
class FakeCommandHost : public AgentCommandHost
{
public:
    AgentScenario &scenario() override { return m_scenario; }
    DialogService &dialogs() override { return fakeDialogs; }
    ScenarioFileRecord &scenarioFile() override { return file; }
    QString caption() const override { return file.caption(); }
    // The window's helper as the interface states it.
    void runCommand(const std::function<bool()> &operation) override
    {
        if (!completePendingFieldExit())
            return;
        syncFieldsToModel();
        if (operation())
            refresh();
    }
    bool completePendingFieldExit() override { return !exitRefused; }
    void syncFieldsToModel() override {}
    void refresh() override { ++refreshes; }
    void takeGridsCurrentCell() override {}
    void showCell(int, int) override { ++refreshes; }
    void showTab(Tab) override { ++refreshes; }
    void holdInvalidInput(bool) override {}
    void reportHeldInvalidInput() override {}
    void fieldsLoaded() override {}
    void fileUsed(const QString &) override { ++refreshes; }

    // Anything the planner could have seen: a dialog, a message, the window
    // shown again.
    bool anythingShown() const
    {
        return refreshes > 0 || !fakeDialogs.shown.isEmpty() || !fakeDialogs.openSetups.isEmpty()
               || !fakeDialogs.saveSetups.isEmpty() || !fakeDialogs.planningShown.isEmpty();
    }

    FakeDialogService fakeDialogs;
    ScenarioFileRecord file;
    bool exitRefused = false;
    int refreshes = 0;

private:
    AgentScenario m_scenario;
};

} // namespace

class AgentCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void aRefusedFieldExitRunsNoCommand_data();
    void aRefusedFieldExitRunsNoCommand();
};

void AgentCommandsTest::aRefusedFieldExitRunsNoCommand_data()
{
    QTest::addColumn<QString>("command");
    for (const char *command : {"planning options", "roster columns", "roster paste", "slot time columns",
                                "slot time paste", "import intervals", "save", "load", "close and save"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

void AgentCommandsTest::aRefusedFieldExitRunsNoCommand()
{
    // State: a field whose exit is refused holds the cursor (a masked field
    // lacking a digit). Action: each command of the window. Expected:
    // nothing changes and nothing shows; with the exit allowed, the same
    // command does show something, so the row is not passed by default.
    QFETCH(QString, command);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("day.vnk"));
    FakeCommandHost host;
    QVERIFY(SaveScenario(host.scenario(), path).ok);
    host.file.loaded(host.scenario(), path, false);
    host.scenario().setText(Field::Edit1, QStringLiteral("250"));
    PlanningOptions changed = host.scenario().inputs().Planning;
    changed.maxOccupancyPercent = 85;
    host.fakeDialogs.planningAnswer = changed;
    host.fakeDialogs.openAnswer = path;
    host.fakeDialogs.saveAnswer = path;
    host.fakeDialogs.saveChangesAnswer = SaveChoice::Save;
    PlanningCommand planning(host);
    SlotTimesCommand slotTimes(host);
    ScenarioFileCommand file(host);
    bool closed = false;
    const std::map<QString, std::function<void()>> commands{
        {QStringLiteral("planning options"), [&] { planning.editOptions(); }},
        {QStringLiteral("roster columns"), [&] { planning.setRosterColumns(true); }},
        {QStringLiteral("roster paste"), [&] { planning.pasteRoster(QStringLiteral("5")); }},
        {QStringLiteral("slot time columns"), [&] { slotTimes.setSlotTimesColumns(true); }},
        {QStringLiteral("slot time paste"), [&] { slotTimes.pasteSlotTimes(QStringLiteral("03:00")); }},
        {QStringLiteral("import intervals"), [&] { slotTimes.importIntervals(); }},
        {QStringLiteral("save"), [&] { file.save(); }},
        {QStringLiteral("load"), [&] { file.load(); }},
        {QStringLiteral("close and save"), [&] { closed = file.confirmClose(); }},
    };
    const QByteArray before = ScenarioFileBytes(host.scenario());
    auto scenarioChanged = [&] {
        const AgentScenario &scenario = host.scenario();
        return ScenarioFileBytes(scenario) != before || scenario.inputs().rosterColumnsShown()
               || scenario.inputs().slotTimesColumnsShown();
    };
    const QByteArray fileBefore = [&] {
        QFile saved(path);
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }();

    host.exitRefused = true;
    commands.at(command)();
    QVERIFY(!scenarioChanged());
    QVERIFY(!closed);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), fileBefore);
    if (command == QLatin1String("close and save"))
        QCOMPARE(host.fakeDialogs.texts(QStringLiteral("saveChanges")).size(), 1);
    else
        QVERIFY(!host.anythingShown());

    host.exitRefused = false;
    host.fakeDialogs.clear();
    commands.at(command)();
    QVERIFY(host.anythingShown() || scenarioChanged());
}

QTEST_MAIN(AgentCommandsTest)
#include "test_agentcommands.moc"
