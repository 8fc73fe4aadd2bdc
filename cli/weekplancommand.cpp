// SPDX-License-Identifier: MIT
#include "weekplancommand.h"

#include "commandline.h"
#include "commandscenario.h"
#include "inputfile.h"
#include "intervalweekimport.h"
#include "shiftplancommand.h"
#include "tourtypetext.h"
#include "weekfile.h"
#include "weekplanner.h"
#include "weekplanoutput.h"

namespace {

// The tour types of --tour and --tours-file, in order; or a run that failed.
std::optional<CalculatorRun> readTourTypes(const CommandLine &line, const StandardInput &standardInput,
                                           std::vector<TourType> *tours)
{
    return ReadDefinitions(line.tourTexts, line.toursFile, QStringLiteral("tours file"), standardInput,
                           ParseTourTypeText, tours);
}

// --intervals: the days, their calls and slot times from an interval file of
// several days, one week of it (--week-of, or its only one). With --slots the
// file is read in that length.
std::optional<CalculatorRun> readIntervals(const CommandLine &line, const StandardInput &standardInput,
                                           WeekScenario *week)
{
    const QString what = QStringLiteral("interval file");
    QByteArray bytes;
    if (auto failure = ReadInputFile(*line.intervalsFile, what, IntervalDays::MaxTextLength + 1, standardInput, &bytes))
        return failure;
    const IntervalDays file = IntervalDays::fromBytes(bytes, line.slotLength ? minutesOf(*line.slotLength) : 0);
    auto refused = [&](const QString &reason) {
        return InvalidInputRun(QStringLiteral("%1: %2").arg(WhereRead(*line.intervalsFile, what), reason));
    };
    if (!file.accepted())
        return refused(file.refusal()->text());
    QString reason;
    const std::optional<QDate> monday = IntervalWeekImport::chooseWeek(file, line.weekOf, &reason);
    if (!monday)
        return refused(line.weekOf ? reason : reason + QStringLiteral(" with --week-of"));
    if (const std::optional<QString> problem = IntervalWeekImport::apply(*week, file, *monday))
        return refused(*problem);
    return std::nullopt;
}

// The week file or the interval file's week, with the options given over its
// own: the call settings, the planning options, and shift or tour types that
// replace the file's.
std::optional<CalculatorRun> readWeek(const CommandLine &line, const StandardInput &standardInput, WeekScenario *week)
{
    if (line.intervalsFile) {
        if (auto failure = readIntervals(line, standardInput, week))
            return failure;
    } else if (const LoadResult load = LoadWeek(*week, line.fileName); !load.applied()) {
        return FailedRun(ExitFileError, load.message);
    }
    for (int i = 0; i < FieldCount; ++i) {
        if (const std::optional<QString> &text = line.fields[static_cast<std::size_t>(i)])
            week->settings.setText(static_cast<Field>(i), *text);
    }
    if (auto failure = ApplyPlanningOptions(week->settings.Planning, line))
        return failure;
    if (auto failure = ApplySlotFloor(week->settings.ServiceFloor, line))
        return failure;
    std::vector<ShiftType> shiftTypes;
    if (auto failure = ReadShiftTypes(line, standardInput, &shiftTypes))
        return failure;
    if (!shiftTypes.empty())
        week->shiftTypes = shiftTypes;
    std::vector<TourType> tours;
    if (auto failure = readTourTypes(line, standardInput, &tours))
        return failure;
    if (!tours.empty())
        week->tourTypes = tours;
    return std::nullopt;
}

// The goal every open day's service level aims at: the days' own, as
// their Schedules' input check read it.
std::optional<double> serviceGoalOf(const ShiftWeek &week)
{
    for (const ShiftWeek::Day &day : week.days) {
        if (day.service)
            return day.service->goal;
    }
    return std::nullopt;
}

} // namespace

CalculatorRun RunWeekPlanner(const CommandLine &line, const StandardInput &standardInput)
{
    WeekScenario week;
    if (auto failure = readWeek(line, standardInput, &week))
        return *failure;
    const bool forService = line.planGoal == ShiftGoal::ServiceLevel;
    if (const std::optional<QString> problem = week.floorProblem(); problem && forService)
        return InvalidInputRun(*problem);
    const WeekScenario::Build build = week.shiftWeek(forService);
    if (!build.week)
        return InvalidInputRun(WeekScenario::dayTitle(build.failingDay) + QStringLiteral(": ")
                       + DescribeRefusedInput(week.daySchedule(build.failingDay), build.refused));
    MipSettings settings;
    settings.timeLimitSeconds = line.timeLimitSeconds;
    const WeekPlanResult result = PlanWeek(*build.week, week.plannedShiftTypes(), week.plannedTourTypes(), settings,
                                           forService ? serviceGoalOf(*build.week) : std::nullopt);
    if (result.problem)
        return InvalidInputRun(result.problem->message);
    if (auto failure = WriteModelAndCheckPlan(line, result.model, result.plan.has_value(), result.failure))
        return *failure;
    WeekPlan plan = *result.plan;
    week.checkPlan(plan);
    CalculatorRun run;
    run.out = WeekPlanOutput::format(plan, *build.week, line.format);
    return run;
}
