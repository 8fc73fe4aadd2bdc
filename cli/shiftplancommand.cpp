// SPDX-License-Identifier: MIT
#include "shiftplancommand.h"

#include "agentscenario.h"
#include "commandline.h"
#include "commandscenario.h"
#include "inputfile.h"
#include "lpformat.h"
#include "shiftplanpair.h"
#include "scheduleshiftday.h"
#include "shiftplanner.h"
#include "shiftplanoutput.h"
#include "shifttypetext.h"

#include <QSaveFile>

namespace {

// The model in the LP format; or a run that failed, leaving no partial file.
std::optional<CalculatorRun> writeLpFile(const QString &name, const MipModel &model)
{
    QSaveFile file(name);
    const std::string text = LpFormatText(model);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 || !file.commit())
        return FailedRun(ExitFileError, QStringLiteral("cannot write the LP file %1: %2").arg(name, file.errorString()));
    return std::nullopt;
}

// --plan-goal: both plans, the goal's printed with the two side by side,
// and the goal's model written.
CalculatorRun runWithGoal(const AgentScenario &scenario, const CommandLine &line, const ShiftDay &day,
                          const std::vector<ShiftType> &types, const MipSettings &settings)
{
    ScenarioInputs inputs = scenario.inputs();
    if (auto failure = ApplySlotFloor(inputs.ServiceFloor, line))
        return *failure;
    const PlanServiceCheck check(inputs);
    const ShiftPlanPair pair = ShiftPlanPair::solve(day, types, settings, &check);
    for (const ShiftPlanResult *result : {&pair.cover, pair.service ? &*pair.service : nullptr}) {
        if (result && result->problem)
            return InvalidInputRun(result->problem->message);
    }
    const ShiftPlanResult &chosen = pair.of(*line.planGoal);
    if (auto failure = WriteModelAndCheckPlan(line, chosen.model, chosen.plan.has_value(), chosen.failure))
        return *failure;
    const ShiftPlanComparison comparison{pair.cover.plan ? &*pair.cover.plan : nullptr,
                                                 pair.service && pair.service->plan ? &*pair.service->plan : nullptr};
    CalculatorRun run;
    run.out = ShiftPlanOutput::format(*chosen.plan, line.format, &comparison);
    return run;
}

} // namespace

std::optional<CalculatorRun> ReadShiftTypes(const CommandLine &line, const StandardInput &standardInput,
                                            std::vector<ShiftType> *types)
{
    return ReadDefinitions(line.shiftTexts, line.shiftsFile, QStringLiteral("shifts file"), standardInput,
                           ParseShiftTypeText, types);
}

std::optional<CalculatorRun> WriteModelAndCheckPlan(const CommandLine &line, const MipModel &model, bool planned,
                                                    const QString &failure)
{
    if (line.lpFile) {
        if (auto written = writeLpFile(*line.lpFile, model))
            return written;
    }
    if (!planned)
        return FailedRun(ExitSolverStopped, failure);
    return std::nullopt;
}

CalculatorRun RunShiftPlanner(const AgentScenario &scenario, const CommandLine &line, const StandardInput &standardInput)
{
    std::vector<ShiftType> types;
    if (auto failure = ReadShiftTypes(line, standardInput, &types))
        return *failure;
    MipSettings settings;
    settings.timeLimitSeconds = line.timeLimitSeconds;
    const ShiftDay day = ScheduleShiftDay(scenario);
    if (line.planGoal)
        return runWithGoal(scenario, line, day, types, settings);
    const ShiftPlanResult result = PlanShifts(day, types, settings);
    if (result.problem)
        return InvalidInputRun(result.problem->message);
    if (auto failure = WriteModelAndCheckPlan(line, result.model, result.plan.has_value(), result.failure))
        return *failure;
    CalculatorRun run;
    run.out = ShiftPlanOutput::format(*result.plan, line.format);
    return run;
}
