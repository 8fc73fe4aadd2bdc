// SPDX-License-Identifier: MIT
#include "commandscenario.h"

#include "commandline.h"
#include "slotfloorinfo.h"
#include "conversions.h"
#include "inputfile.h"
#include "intervalimport.h"
#include "planningoptioninfo.h"
#include "planningoptiontexts.h"
#include "roster.h"
#include "scenarioevents.h"
#include "scenariofile.h"
#include "slotvolumepaste.h"

namespace {

void setFields(AgentScenario &scenario, const CommandLine &line)
{
    for (int i = 0; i < FieldCount; ++i) {
        if (const auto &text = line.fields[static_cast<std::size_t>(i)])
            scenario.setText(static_cast<Field>(i), *text);
    }
}

// A column of slot figures from a file ("-": standard input), read as a
// paste into the Schedule is and checked against the day's slots from the
// first one; or a run that failed. `what` names the file in messages
// ("volumes file").
std::optional<CalculatorRun> readSlotColumnFile(const AgentScenario &scenario, const QString &name, const QString &what,
                                                VolumeRefusal::Subject subject, const StandardInput &standardInput,
                                                VolumeColumn *column)
{
    // One byte more than a list may hold tells a file that is too long.
    QByteArray bytes;
    if (auto failure = ReadInputFile(name, what, VolumeColumn::MaxTextLength + 1, standardInput, &bytes))
        return failure;
    const QString where = WhereRead(name, what);
    auto refused = [&where, subject](VolumeRefusal refusal) {
        refusal.subject = subject;
        return InvalidInputRun(QStringLiteral("%1: %2").arg(where, refusal.text()));
    };
    if (bytes.size() > VolumeColumn::MaxTextLength)
        return refused(VolumeRefusal(VolumeRefusal::Reason::TooLong));
    *column = VolumeColumn::read(QString::fromUtf8(bytes), VolumeColumn::Source::File, QLocale::system(), subject);
    if (column->refusal())
        return refused(*column->refusal());
    const TimeSlots day = scenario.inputs().timeSlots();
    if (const auto refusal = SlotVolumePaste::checkFit(*column, 1, day.count, day.startText()))
        return refused(*refusal);
    return std::nullopt;
}

// --volumes-file: the volumes from the first slot on, checked as a paste
// into the Schedule is. Without --calls the number of calls is their sum.
std::optional<CalculatorRun> applyVolumesFile(AgentScenario &scenario, const CommandLine &line,
                                              const StandardInput &standardInput)
{
    VolumeColumn column;
    if (auto failure = readSlotColumnFile(scenario, *line.volumesFile, QStringLiteral("volumes file"),
                                          VolumeRefusal::Subject::Calls, standardInput, &column))
        return failure;
    SlotVolumePaste::store(scenario, 1, column);
    if (!line.fields[static_cast<std::size_t>(Field::Edit1)]) {
        qint64 sum = 0;
        for (const SlotVolume &volume : column.volumes())
            sum += volume.calls;
        scenario.setText(Field::Edit1, QString::number(sum));
    }
    return std::nullopt;
}

// --intervals: the day, its calls and slot times from an interval file.
// With --slots the file is read in that length, refused where its rows do
// not fit it.
std::optional<CalculatorRun> applyIntervalsFile(AgentScenario &scenario, const QString &name,
                                                std::optional<SlotLength> slotLength,
                                                const StandardInput &standardInput)
{
    const QString what = QStringLiteral("interval file");
    QByteArray bytes;
    if (auto failure = ReadInputFile(name, what, IntervalFile::MaxTextLength + 1, standardInput, &bytes))
        return failure;
    const IntervalFile file = IntervalFile::fromBytes(bytes, slotLength ? minutesOf(*slotLength) : 0);
    ScenarioInputs inputs = scenario.inputs();
    if (const std::optional<QString> refusal = IntervalImport::apply(inputs, file))
        return InvalidInputRun(QStringLiteral("%1: %2").arg(WhereRead(name, what), *refusal));
    scenario.setInputs(std::move(inputs));
    return std::nullopt;
}

// --have-file: the roster from the first slot on, by the rules of a volumes
// file; slots after the last value have none.
std::optional<CalculatorRun> applyRosterFile(AgentScenario &scenario, const QString &name,
                                             const StandardInput &standardInput)
{
    VolumeColumn column;
    if (auto failure = readSlotColumnFile(scenario, name, QStringLiteral("roster file"), VolumeRefusal::Subject::Roster,
                                          standardInput, &column))
        return failure;
    RosterValues roster;
    for (const SlotVolume &value : column.volumes())
        roster.push_back(value.calls);
    scenario.setRoster(roster);
    return std::nullopt;
}

std::optional<CalculatorRun> applyPlanningOptions(AgentScenario &scenario, const CommandLine &line)
{
    PlanningOptions options = scenario.inputs().Planning;
    if (auto failure = ApplyPlanningOptions(options, line))
        return failure;
    scenario.setPlanning(options);
    return std::nullopt;
}

// --have: the roster from the first slot on; an empty entry leaves a slot
// without a value.
std::optional<CalculatorRun> applyRoster(AgentScenario &scenario, const QString &text)
{
    const RosterListRead read = ParseRosterList(text);
    const TimeSlots day = scenario.inputs().timeSlots();
    if (!read.ok())
        return InvalidInputRun(QStringLiteral("the roster value \"%1\" of time slot %2 is not a whole number from 0 up")
                                   .arg(read.badText)
                                   .arg(read.badEntry));
    if (static_cast<int>(read.values.size()) > day.count)
        return InvalidInputRun(
            QStringLiteral("%1 roster values given for %2 time slots").arg(read.values.size()).arg(day.count));
    scenario.setRoster(read.values);
    return std::nullopt;
}

// The schedule form: slot length, volumes as typed into the Calls column or
// the number of calls spread evenly, then the switch to the Schedule tab,
// which recalculates. Empty when the volumes were accepted.
QString prepareSchedule(AgentScenario &scenario, const CommandLine &line)
{
    if (line.slotLength)
        scenario.setSlotLength(*line.slotLength);
    if (line.volumesFile || line.intervalsFile)
        return {};
    if (!line.volumes) {
        scenario.DistributeCalls();
        return {};
    }
    const QStringList &volumes = *line.volumes;
    const int slotCount = scenario.inputs().timeSlots().count;
    if (volumes.size() > slotCount)
        return QStringLiteral("%1 volumes given for %2 time slots").arg(volumes.size()).arg(slotCount);
    // As typing into a Calls cell: a whole number, else 0; an empty text
    // leaves the slot as it was.
    qint64 sum = 0;
    for (int i = 0; i < volumes.size(); ++i) {
        if (!volumes.at(i).isEmpty())
            scenario.setSlotCalls(i + 1, Calc::ParseInteger(volumes.at(i)).value_or(0));
        sum += scenario.inputs().SlotCalls[static_cast<std::size_t>(i + 1)];
    }
    scenario.setSlotCallsEdited(true);
    if (!line.fields[static_cast<std::size_t>(Field::Edit1)])
        scenario.setText(Field::Edit1, QString::number(sum));
    return {};
}

// schedule and shifts: the fields, the Schedule's slots and volumes (typed,
// from a file or an interval file), the planning options and the roster,
// then the switch to the Schedule tab, which recalculates.
std::optional<CalculatorRun> fillSchedule(AgentScenario &scenario, const CommandLine &line,
                                          const StandardInput &standardInput, RecalcResult *result)
{
    setFields(scenario, line);
    const QString error = prepareSchedule(scenario, line);
    if (!error.isEmpty())
        return UsageErrorRun(error);
    if (line.volumesFile) {
        if (auto failure = applyVolumesFile(scenario, line, standardInput))
            return failure;
    }
    if (line.intervalsFile) {
        if (auto failure = applyIntervalsFile(scenario, *line.intervalsFile, line.slotLength, standardInput))
            return failure;
    }
    if (auto failure = applyPlanningOptions(scenario, line))
        return failure;
    if (line.have) {
        if (auto failure = applyRoster(scenario, *line.have))
            return failure;
    }
    if (line.haveFile) {
        if (auto failure = applyRosterFile(scenario, *line.haveFile, standardInput))
            return failure;
    }
    *result = ScenarioEvents(scenario).TabSet1Click(Tab::Schedule);
    return std::nullopt;
}

// FILE: the scenario file on the tab asked for, with the planning options
// given over its own.
std::optional<CalculatorRun> loadFile(AgentScenario &scenario, const CommandLine &line, RecalcResult *result,
                                      QStringList *warnings)
{
    // A new window is switched to its tab first; at the defaults that
    // recalculation refuses the number of calls, as the window would.
    ScenarioEvents(scenario).TabSet1Click(line.tab);
    const LoadResult load = LoadScenario(scenario, line.fileName);
    if (!load.applied())
        return FailedRun(ExitFileError, load.message);
    *result = load.recalc;
    *warnings = load.warnings;
    const bool optionsGiven = line.model || line.shrinkage || line.maxOccupancy || line.maxAbandon || line.paidHours;
    if (optionsGiven) {
        if (auto failure = applyPlanningOptions(scenario, line))
            return failure;
        *result = scenario.Recalculate();
    }
    return std::nullopt;
}

} // namespace

std::optional<CalculatorRun> ApplyPlanningOptions(PlanningOptions &options, const CommandLine &line)
{
    PlanningOptionTexts texts = PlanningOptionTexts::of(options);
    if (line.model)
        texts.model = *line.model;
    auto given = [](const std::optional<QString> &text, QString &into) {
        if (text)
            into = *text;
    };
    given(line.shrinkage, texts.shrinkage);
    given(line.maxOccupancy, texts.maxOccupancy);
    given(line.maxAbandon, texts.maxAbandon);
    given(line.paidHours, texts.paidHours);
    const PlanningOptionsCheck check = CheckPlanningOptions(texts);
    if (!check.options) {
        const std::array<std::optional<QString>, 5> typed{std::nullopt, line.shrinkage, line.maxOccupancy,
                                                          line.maxAbandon, line.paidHours};
        const std::optional<QString> &text = typed[static_cast<std::size_t>(check.failing)];
        return InvalidInputRun(QStringLiteral("%1 (%2): \"%3\" is not %4")
                                   .arg(PlanningOptionDescription(check.failing),
                                        PlanningOptionInfo::of(check.failing).commandLineOption,
                                        text.value_or(QString()), check.requirement));
    }
    options = *check.options;
    return std::nullopt;
}

std::optional<CalculatorRun> FillScenario(AgentScenario &scenario, const CommandLine &line,
                                          const StandardInput &standardInput, RecalcResult *result,
                                          QStringList *warnings)
{
    switch (line.command) {
    case CommandLine::Command::Agents:
        setFields(scenario, line);
        if (auto failure = applyPlanningOptions(scenario, line))
            return failure;
        *result = scenario.Recalculate();
        break;
    case CommandLine::Command::Schedule:
    case CommandLine::Command::Shifts:
        return fillSchedule(scenario, line, standardInput, result);
    case CommandLine::Command::File:
        return loadFile(scenario, line, result, warnings);
    default:
        break;
    }
    return std::nullopt;
}

std::optional<CalculatorRun> ApplySlotFloor(SlotFloor &floor, const CommandLine &line)
{
    for (std::size_t i = 0; i < line.slotFloor.size(); ++i) {
        const std::optional<QString> &text = line.slotFloor[i];
        const SlotFloorInfo &info = SlotFloorInfo::all()[i];
        if (!text)
            continue;
        floor.*info.figure = info.parse(*text);
        if (!(floor.*info.figure))
            return InvalidInputRun(QStringLiteral("%1 (%2): \"%3\" is not %4")
                                       .arg(info.description, info.commandLineOption, *text, info.requirement));
    }
    return std::nullopt;
}
