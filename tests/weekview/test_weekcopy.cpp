// SPDX-License-Identifier: MIT
// The week's copy for spreadsheets.
#include "weekcopy.h"
#include "weekplanfixtures.h"

#include <QTest>

class WeekCopyTest : public QObject
{
    Q_OBJECT
private slots:
    void agentsWeeksThenCoverAsTabSeparatedText();
};

void WeekCopyTest::agentsWeeksThenCoverAsTabSeparatedText()
{
    // State: one agent on Wednesday 08:00–09:00; Wednesday needs 2 then 0.
    WeekPlan plan;
    plan.slotMinutes = 30;
    WeekPlanFixtures::openDay(plan, 2, 8 * 60, {2, 0}, {1, 1});
    WeekPlan::AgentWeek agent;
    agent.tourName = QStringLiteral("Part time");
    agent.paidMinutes = 60;
    WeekPlan::DayShift shift;
    shift.start = 8 * 60;
    shift.end = 9 * 60;
    agent.days[2] = shift;
    plan.agents.push_back(agent);

    QCOMPARE(WeekCopy::week(plan).text(),
             QStringLiteral("Agent\tTour\tMon\tTue\tWed\tThu\tFri\tSat\tSun\tPaid hrs\n"
                            "1\tPart time\toff\toff\t08:00\u201309:00\toff\toff\toff\toff\t1.00\n"
                            "\n"
                            "Day\tSlot\tRequired\tStaffed\tDifference\n"
                            "Wed\t08:00\t2\t1\t-1\n"
                            "Wed\t08:30\t0\t1\t1\n"));
}

QTEST_MAIN(WeekCopyTest)
#include "test_weekcopy.moc"
