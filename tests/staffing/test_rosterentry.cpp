// SPDX-License-Identifier: MIT
// Roster values typed and pasted into the Schedule's Have column.
#include "rosterentry.h"
#include "scenariotexts.h"

#include <array>

using Reason = VolumeRefusal::Reason;
using Roster = std::array<std::optional<int>, 5>;

Q_DECLARE_METATYPE(Roster)

namespace {

// The Schedule worked example with the roster's columns shown and the
// current cell in the Have column of `row`.
AgentScenario rosterSchedule(int row = 1)
{
    AgentScenario s = workedScheduleScenario();
    s.setRosterView(true);
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    s.StringGrid1().setCurrentCell(ResultTable::HaveColumn, row);
    return s;
}

Roster rosterOf(const AgentScenario &s)
{
    Roster roster;
    for (std::size_t slot = 1; slot < roster.size(); ++slot)
        roster[slot] = s.inputs().SlotHave[slot];
    return roster;
}

} // namespace

class RosterEntryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typedRosterGivesTheWorkedCheck();
    void refusedTypedValueNamesItAndChangesNothing_data();
    void refusedTypedValueNamesItAndChangesNothing();
    void emptiedCellClearsTheSlot();
    void pastedColumnFillsFromTheCurrentSlot();
    void refusedPasteChangesNothing_data();
    void refusedPasteChangesNothing();
};

void RosterEntryTest::typedRosterGivesTheWorkedCheck()
{
    AgentScenario s = rosterSchedule();
    const QStringList typed = {"0", "3", " 9 ", "20"};
    for (int slot = 1; slot <= 4; ++slot)
        QVERIFY(!RosterEntry::enter(s, slot, typed.at(slot - 1)));
    QCOMPARE(rosterOf(s), (Roster{std::nullopt, 0, 3, 9, 20}));
    // The 09:00 slot needs 10 agents: one short.
    QCOMPARE(s.StringGrid1().cell(ResultTable::TimeColumn, 3), QStringLiteral("09:00"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::HaveColumn, 3), QStringLiteral("9"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::GapColumn, 3), QStringLiteral("-1"));
    // Its roster service level is the Agents table's at 9 agents for 50
    // calls in 30 minutes.
    AgentScenario agents;
    setTexts(agents, {"09:00", "09:30", "50", "03:00", "01:00", "00:30", "80", "20"});
    agents.Recalculate();
    QString atNine;
    for (int r = 1; r < agents.StringGrid1().rowCount(); ++r) {
        if (agents.StringGrid1().cell(ResultTable::AgentsColumn, r) == QStringLiteral("9"))
            atNine = agents.StringGrid1().cell(ResultTable::ServiceColumn, r);
    }
    QVERIFY(!atNine.isEmpty());
    QCOMPARE(s.StringGrid1().cell(ResultTable::HaveServiceColumn, 3), atNine);
}

void RosterEntryTest::refusedTypedValueNamesItAndChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("message");
    const QString rule = QStringLiteral(" slot is not a roster value: a roster value is a whole number of agents "
                                        "from 0 up. Nothing was changed.");
    QTest::newRow("letter") << "x" << 3 << "\"x\" for the 09:00" + rule;
    QTest::newRow("negative") << "-1" << 2 << "\"-1\" for the 08:30" + rule;
    QTest::newRow("decimal") << "2.5" << 4 << "\"2.5\" for the 09:30" + rule;
    QTest::newRow("beyond the slots") << "3" << 5 << "Roster values are typed into the Have column of the Schedule.";
}

void RosterEntryTest::refusedTypedValueNamesItAndChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(int, slot);
    QFETCH(QString, message);
    AgentScenario s = rosterSchedule();
    QVERIFY(!RosterEntry::enter(s, 2, QStringLiteral("4")));
    const Roster before = rosterOf(s);
    const int recalculations = s.results().recalculations;
    QCOMPARE(RosterEntry::enter(s, slot, text).value_or(QString()), message);
    QCOMPARE(rosterOf(s), before);
    QCOMPARE(s.results().recalculations, recalculations);
}

void RosterEntryTest::emptiedCellClearsTheSlot()
{
    AgentScenario s = rosterSchedule();
    QVERIFY(!RosterEntry::enter(s, 3, QStringLiteral("9")));
    QVERIFY(s.inputs().hasRoster());
    QVERIFY(!RosterEntry::enter(s, 3, QStringLiteral("  ")));
    QVERIFY(!s.inputs().hasRoster());
    QCOMPARE(s.StringGrid1().cell(ResultTable::GapColumn, 3), QString());
    // Without the view asked for, an empty roster hides its columns.
    s.setRosterView(false);
    s.Recalculate();
    QVERIFY(!s.StringGrid1().isShown(ResultTable::HaveColumn));
    QVERIFY(RosterEntry::enter(s, 3, QStringLiteral("9")));
    QVERIFY(!s.inputs().hasRoster());
}

void RosterEntryTest::pastedColumnFillsFromTheCurrentSlot()
{
    AgentScenario s = rosterSchedule(2);
    QVERIFY(!RosterEntry::paste(s, QStringLiteral("Have\r\n3\r\n9\r\n20\r\n"), QLocale::c()));
    QCOMPARE(rosterOf(s), (Roster{std::nullopt, std::nullopt, 3, 9, 20}));
    QCOMPARE(s.StringGrid1().cell(ResultTable::GapColumn, 3), QStringLiteral("-1"));
    // Typing volumes marks them as set by hand; the roster does not.
    QVERIFY(!s.inputs().SlotCallsEdited);
}

void RosterEntryTest::refusedPasteChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("message");
    const int have = ResultTable::HaveColumn;
    QTest::newRow("more values than slots")
        << "1\n2\n3\n4" << 2 << have << int(Reason::NoSlot)
        << "\"4\" on line 4 is value 4 of 4, but only 3 time slots remain from 08:30 on";
    QTest::newRow("negative") << "1\n-2" << 1 << have << int(Reason::Negative)
                              << "\"-2\" on line 2 is negative: a roster value is a whole number of agents from 0 up";
    QTest::newRow("empty between") << "1\t\t3" << 1 << have << int(Reason::Empty)
                                   << "line 1, column 2 is empty: every time slot needs its roster value";
    QTest::newRow("cursor in Calls") << "1" << 1 << int(ResultTable::CallsColumn) << int(Reason::NotInCallsCell)
                                     << QString();
}

void RosterEntryTest::refusedPasteChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, reason);
    QFETCH(QString, message);
    AgentScenario s = rosterSchedule();
    QVERIFY(!RosterEntry::enter(s, 1, QStringLiteral("5")));
    s.StringGrid1().setCurrentCell(column, row);
    const Roster before = rosterOf(s);
    const int recalculations = s.results().recalculations;
    const auto refusal = RosterEntry::paste(s, text, QLocale::c());
    QVERIFY(refusal);
    QCOMPARE(int(refusal->reason), reason);
    if (!message.isEmpty())
        QCOMPARE(refusal->text(), message);
    QCOMPARE(rosterOf(s), before);
    QCOMPARE(s.results().recalculations, recalculations);
}

QTEST_GUILESS_MAIN(RosterEntryTest)
#include "test_rosterentry.moc"
