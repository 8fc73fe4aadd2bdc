// SPDX-License-Identifier: MIT
#include "calculator.h"

#include "commandline.h"
#include "conversions.h"
#include "scenariofile.h"
#include "tableoutput.h"

namespace {

const QString programName = QStringLiteral("varnook-calc");

CalculatorRun failed(int status, const QString &message)
{
    CalculatorRun run;
    run.status = status;
    run.err = programName + QStringLiteral(": ") + message + QLatin1Char('\n');
    return run;
}

CalculatorRun usageError(const QString &message)
{
    CalculatorRun run = failed(ExitUsage, message);
    run.err += QStringLiteral("Try \"%1 --help\".\n").arg(programName);
    return run;
}

// The refused input in words and by component name: "number of calls
// (Edit1)", or the slot whose Calls cell was refused.
QString describeFailure(const AgentScenario &scenario, const RecalcResult &result)
{
    if (result.failing.isGridRow()) {
        const int row = result.failing.row();
        return QStringLiteral("call volume of time slot %1 starting at %2 (%3, row %1)")
            .arg(row)
            .arg(scenario.StringGrid1().cell(ResultTable::TimeColumn, row), result.failing.name());
    }
    if (result.failing.isField())
        return QStringLiteral("%1 (%2)").arg(FieldDescription(result.failing.field()), result.failing.name());
    return result.failing.name();
}

void setFields(AgentScenario &scenario, const CommandLine &line)
{
    for (int i = 0; i < FieldCount; ++i) {
        if (const auto &text = line.fields[static_cast<std::size_t>(i)])
            scenario.setText(static_cast<Field>(i), *text);
    }
}

// The schedule form: slot length, volumes as typed into the Calls column or
// the number of calls spread evenly, then the switch to the Schedule tab,
// which recalculates. Empty when the volumes were accepted.
QString prepareSchedule(AgentScenario &scenario, const CommandLine &line)
{
    if (line.halfHourSlots) {
        scenario.setSlotLength(*line.halfHourSlots);
    }
    if (!line.volumes) {
        scenario.DistributeCalls();
        return {};
    }
    const QStringList &volumes = *line.volumes;
    const int slotCount = scenario.timeSlots().count;
    if (volumes.size() > slotCount)
        return QStringLiteral("%1 volumes given for %2 time slots").arg(volumes.size()).arg(slotCount);
    // As typing into a Calls cell: a whole number, else 0; an empty text
    // leaves the slot as it was.
    qint64 sum = 0;
    for (int i = 0; i < volumes.size(); ++i) {
        int &volume = scenario.SlotCalls[static_cast<std::size_t>(i + 1)];
        if (!volumes.at(i).isEmpty())
            volume = Calc::ParseInteger(volumes.at(i)).value_or(0);
        sum += volume;
    }
    scenario.SlotCallsEdited = true;
    if (!line.fields[static_cast<std::size_t>(Field::Edit1)])
        scenario.setText(Field::Edit1, QString::number(sum));
    return {};
}

} // namespace

CalculatorRun RunCalculator(const QStringList &arguments)
{
    const CommandLine line = ParseCommandLine(arguments);
    if (line.command == CommandLine::Command::None)
        return usageError(line.error);
    if (line.command == CommandLine::Command::Help) {
        CalculatorRun run;
        run.out = HelpText();
        return run;
    }

    AgentScenario scenario;
    RecalcResult result;
    switch (line.command) {
    case CommandLine::Command::Agents:
        setFields(scenario, line);
        result = scenario.Recalculate();
        break;
    case CommandLine::Command::Schedule: {
        setFields(scenario, line);
        const QString error = prepareSchedule(scenario, line);
        if (!error.isEmpty())
            return usageError(error);
        result = scenario.TabSet1Click(Tab::Schedule);
        break;
    }
    case CommandLine::Command::File: {
        // A new window is switched to its tab first; at the defaults that
        // recalculation refuses the number of calls, as the window would.
        scenario.TabSet1Click(line.tab);
        const LoadResult load = LoadScenario(scenario, line.fileName);
        if (!load.applied())
            return failed(ExitFileError, load.message);
        result = load.recalc;
        break;
    }
    default:
        break;
    }

    if (!result.valid)
        return failed(ExitInvalidInput, QStringLiteral("invalid input: ") + describeFailure(scenario, result));
    CalculatorRun run;
    run.out = TableOutput::format(scenario, line.format);
    return run;
}
