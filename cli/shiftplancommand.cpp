// SPDX-License-Identifier: MIT
#include "shiftplancommand.h"

#include "agentscenario.h"
#include "commandline.h"
#include "inputfile.h"
#include "lpformat.h"
#include "shiftplanpair.h"
#include "scheduleshiftday.h"
#include "shiftplanner.h"
#include "shiftplanoutput.h"
#include "shifttypetext.h"

#include <QSaveFile>

namespace {

// A shifts file holds a few dozen lines; this much is plenty.
constexpr qint64 MaxShiftsFileBytes = 1 << 20;

CalculatorRun invalid(const QString &message)
{
    return FailedRun(ExitInvalidInput, QStringLiteral("invalid input: ") + message);
}

// The lines of --shifts-file, without empty and # lines; or a failed run.
std::optional<CalculatorRun> readShiftsFile(const QString &name, const StandardInput &standardInput, QStringList *lines)
{
    QByteArray bytes;
    if (auto failure = ReadInputFile(name, QStringLiteral("shifts file"), MaxShiftsFileBytes + 1, standardInput, &bytes))
        return failure;
    if (bytes.size() > MaxShiftsFileBytes)
        return invalid(QStringLiteral("the shifts file \"%1\" is longer than 1 MiB").arg(name));
    for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(QLatin1Char('#')))
            *lines << text;
    }
    return std::nullopt;
}

std::optional<CalculatorRun> writeLp(const QString &name, const MipModel &model)
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
    const PlanServiceCheck check(scenario.inputs());
    const ShiftPlanPair pair = ShiftPlanPair::solve(day, types, settings, &check);
    for (const ShiftPlanResult *result : {&pair.cover, pair.service ? &*pair.service : nullptr}) {
        if (result && result->problem)
            return invalid(result->problem->message);
    }
    const ShiftPlanResult &chosen = pair.of(*line.planGoal);
    if (line.lpFile) {
        if (auto failure = writeLp(*line.lpFile, chosen.model))
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

CalculatorRun RunShiftPlanner(const AgentScenario &scenario, const CommandLine &line, const StandardInput &standardInput)
{
    QStringList texts = line.shiftTexts;
    if (line.shiftsFile) {
        if (auto failure = readShiftsFile(*line.shiftsFile, standardInput, &texts))
            return *failure;
    }
    std::vector<ShiftType> types;
    for (const QString &text : texts) {
        const ShiftTypeRead read = ParseShiftTypeText(text);
        if (!read.type)
            return invalid(read.message);
        types.push_back(*read.type);
    }
    MipSettings settings;
    settings.timeLimitSeconds = line.timeLimitSeconds;
    const ShiftDay day = ScheduleShiftDay(scenario);
    if (line.planGoal)
        return runWithGoal(scenario, line, day, types, settings);
    const ShiftPlanResult result = PlanShifts(day, types, settings);
    if (result.problem)
        return invalid(result.problem->message);
    if (line.lpFile) {
        if (auto failure = writeLp(*line.lpFile, result.model))
            return *failure;
    }
    if (!result.plan)
        return FailedRun(ExitSolverStopped, result.failure);
    CalculatorRun run;
    run.out = ShiftPlanOutput::format(*result.plan, line.format);
    return run;
}
