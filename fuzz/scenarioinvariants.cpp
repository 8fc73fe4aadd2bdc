// SPDX-License-Identifier: MIT
#include "scenarioinvariants.h"

#include "scenarioevents.h"
#include "scenariofile.h"
#include "staffingmodelinfo.h"

#include <QStringList>

namespace {

const QString FileName = QStringLiteral("fuzz.vnk");

// What a planner sees of a loaded scenario and what a save may write: the
// field texts, the slot length, the volumes and roster of the time slots,
// the options. Volumes past the last slot are neither shown nor saved. The
// slot buttons are not compared: a file stores the slot length, so one
// whose line 11 left both buttons unchecked (60-minute slots, as in a new
// window) is written with "60 min" checked.
QStringList visibleState(const AgentScenario &s)
{
    const ScenarioInputs &inputs = s.inputs();
    QStringList state;
    for (int i = 0; i < FieldCount; ++i)
        state << ComponentName(static_cast<Field>(i)) + QLatin1Char('=') + inputs.text(static_cast<Field>(i));
    state << QStringLiteral("slot-minutes=%1 edited=%2 total=%3")
                 .arg(minutesOf(inputs.slotLength()))
                 .arg(inputs.SlotCallsEdited)
                 .arg(inputs.totalTimeText());
    const int count = inputs.timeSlots().count;
    QStringList volumes;
    QStringList roster;
    for (int slot = 1; slot <= count; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        volumes << QString::number(inputs.SlotCalls[index]);
        roster << (inputs.SlotHave[index] ? QString::number(*inputs.SlotHave[index]) : QString());
    }
    state << QStringLiteral("volumes=") + volumes.join(QLatin1Char(','));
    state << QStringLiteral("have=") + roster.join(QLatin1Char(','));
    state << QStringLiteral("rostered=%1").arg(inputs.hasRoster());
    const PlanningOptions &p = inputs.Planning;
    state << QStringLiteral("options=%1 %2 %3 %4 %5")
                 .arg(StaffingModelInfo::of(p.model).key)
                 .arg(p.shrinkagePercent)
                 .arg(p.maxOccupancyPercent ? QString::number(*p.maxOccupancyPercent) : QStringLiteral("-"))
                 .arg(p.maxAbandonPercent ? QString::number(*p.maxAbandonPercent) : QStringLiteral("-"))
                 .arg(p.paidMinutes);
    return state;
}

QStringList gridTexts(const AgentScenario &s)
{
    QStringList cells;
    const ResultTable &grid = s.StringGrid1();
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < ResultTable::ColumnCount; ++column)
            cells << grid.cell(column, row);
    }
    return cells;
}

// The first entry in which the two states differ, as "was -> became".
QString difference(const QStringList &was, const QStringList &became)
{
    for (int i = 0; i < was.size() && i < became.size(); ++i) {
        if (was.at(i) != became.at(i))
            return was.at(i) + QStringLiteral(" -> ") + became.at(i);
    }
    return QStringLiteral("(the states differ in length)");
}

QString refusedFileBroke(AgentScenario &scenario, const LoadResult &result)
{
    static const AgentScenario fresh;
    static const QByteArray freshBytes = ScenarioFileBytes(fresh);
    if (result.message.isEmpty() || result.recalc.ran)
        return QStringLiteral("a refused file gives a message and no recalculation");
    if (ScenarioFileBytes(scenario) != freshBytes || scenario.inputs().SlotCalls != fresh.inputs().SlotCalls
        || visibleState(scenario) != visibleState(fresh))
        return QStringLiteral("a refused file changes nothing");
    return {};
}

} // namespace

QString BrokenScenarioInvariant(const QByteArray &bytes)
{
    AgentScenario scenario;
    const LoadResult result = ApplyScenario(scenario, SplitScenarioLines(bytes), FileName);
    if (!result.applied())
        return refusedFileBroke(scenario, result);
    if (!result.recalc.ran)
        return QStringLiteral("an applied file is recalculated");

    const QByteArray written = ScenarioFileBytes(scenario);
    AgentScenario reloaded;
    const LoadResult again = ApplyScenario(reloaded, SplitScenarioLines(written), FileName);
    if (!again.applied())
        return QStringLiteral("a file written from an applied scenario loads back: ") + again.message;
    const QStringList loadedState = visibleState(scenario);
    const QStringList reloadedState = visibleState(reloaded);
    if (reloadedState != loadedState)
        return QStringLiteral("a written file loads back into the same scenario: ")
            + difference(loadedState, reloadedState);
    if (gridTexts(reloaded) != gridTexts(scenario))
        return QStringLiteral("a reloaded scenario shows the same table");
    if (ScenarioFileBytes(reloaded) != written)
        return QStringLiteral("a reloaded scenario is written again byte for byte");
    if (again.recalc.valid != result.recalc.valid || again.recalc.failing != result.recalc.failing)
        return QStringLiteral("a reloaded scenario passes or fails the input check as the loaded one did");

    // The loaded scenario's Schedule, for the slot and schedule code.
    ScenarioEvents(scenario).TabSet1Click(Tab::Schedule);
    (void)ScenarioFileBytes(scenario);
    return {};
}
