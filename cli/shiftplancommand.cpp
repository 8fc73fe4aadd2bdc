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
    if (line.lpFile) {
        if (auto failure = WriteLpFile(*line.lpFile, chosen.model))
            return *failure;
    }
    if (!chosen.plan)
        return FailedRun(ExitSolverStopped, chosen.failure);
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
    QStringList texts = line.shiftTexts;
    if (line.shiftsFile) {
        if (auto failure = ReadDefinitionLines(*line.shiftsFile, QStringLiteral("shifts file"), standardInput, &texts))
            return failure;
    }
    for (const QString &text : texts) {
        const ShiftTypeRead read = ParseShiftTypeText(text);
        if (!read.type)
            return InvalidInputRun(read.message);
        types->push_back(*read.type);
    }
    return std::nullopt;
}

std::optional<CalculatorRun> WriteLpFile(const QString &name, const MipModel &model)
{
    QSaveFile file(name);
    const std::string text = LpFormatText(model);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 || !file.commit())
        return FailedRun(ExitFileError, QStringLiteral("cannot write the LP file %1: %2").arg(name, file.errorString()));
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
    if (line.lpFile) {
        if (auto failure = WriteLpFile(*line.lpFile, result.model))
            return *failure;
    }
    if (!result.plan)
        return FailedRun(ExitSolverStopped, result.failure);
    CalculatorRun run;
    run.out = ShiftPlanOutput::format(*result.plan, line.format);
    return run;
}
