// SPDX-License-Identifier: MIT
#include "planningoptions.h"

#include "answeringshare.h"
#include "planningoptioninfo.h"
#include "staffingmodelinfo.h"
#include "texts.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// A quotient that should be whole but lies a rounding error above it (a
// shrinkage such as 30.1 % has no exact binary value) is still that whole
// number of agents.
constexpr double WholeAgentTolerance = 1e-9;

} // namespace

bool PlanningOptions::operator==(const PlanningOptions &other) const
{
    return model == other.model && shrinkagePercent == other.shrinkagePercent &&
           maxOccupancyPercent == other.maxOccupancyPercent && maxAbandonPercent == other.maxAbandonPercent &&
           paidMinutes == other.paidMinutes;
}

double PlanningOptions::scheduledAgents(double agents) const
{
    if (shrinkagePercent <= 0)
        return agents;
    return std::ceil(agents * 100 / (100 - shrinkagePercent) - WholeAgentTolerance);
}

int PlanningOptions::answeringAgents(int rostered) const
{
    return AnsweringShare::ofShrinkage(shrinkagePercent).answering(rostered);
}

std::optional<double> ParsePercentOption(const QString &text, double min, double max)
{
    static const QRegularExpression pattern(QStringLiteral("^ *([0-9]{1,3}(\\.[0-9]{1,2})?) *%? *$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

QString PercentOptionText(double percent)
{
    return QString::number(percent, 'g', 6);
}

std::optional<int> ParsePaidHours(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^ *([0-9]{1,2})(:([0-5][0-9]))? *$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int minutes = match.captured(1).toInt() * 60 + (match.hasCaptured(3) ? match.captured(3).toInt() : 0);
    const PlanningOptionInfo &paid = PlanningOptionInfo::of(PlanningOption::PaidHours);
    if (minutes < paid.minimum || minutes > paid.maximum)
        return std::nullopt;
    return minutes;
}

QString PaidHoursText(int minutes)
{
    return Calc::ClockText(minutes);
}

QString PlanningOptionDescription(PlanningOption option)
{
    return PlanningOptionInfo::of(option).description;
}

PlanningOptionTexts PlanningOptionTexts::of(const PlanningOptions &options)
{
    PlanningOptionTexts texts;
    texts.model = options.model;
    if (options.hasShrinkage())
        texts.shrinkage = PercentOptionText(options.shrinkagePercent);
    if (options.maxOccupancyPercent)
        texts.maxOccupancy = PercentOptionText(*options.maxOccupancyPercent);
    if (options.maxAbandonPercent)
        texts.maxAbandon = PercentOptionText(*options.maxAbandonPercent);
    texts.paidHours = PaidHoursText(options.paidMinutes);
    return texts;
}

PlanningOptionsCheck CheckPlanningOptions(const PlanningOptionTexts &texts)
{
    PlanningOptionsCheck check;
    auto refuse = [&check](PlanningOption option) {
        check.failing = option;
        check.requirement = PlanningOptionInfo::of(option).requirement;
        return check;
    };
    auto percent = [](PlanningOption option, const QString &text) {
        const PlanningOptionInfo &info = PlanningOptionInfo::of(option);
        return ParsePercentOption(text, info.minimum, info.maximum);
    };
    PlanningOptions options;
    options.model = texts.model;
    if (!texts.shrinkage.trimmed().isEmpty()) {
        const auto shrinkage = percent(PlanningOption::Shrinkage, texts.shrinkage);
        if (!shrinkage)
            return refuse(PlanningOption::Shrinkage);
        options.shrinkagePercent = *shrinkage;
    }
    if (!texts.maxOccupancy.trimmed().isEmpty()) {
        options.maxOccupancyPercent = percent(PlanningOption::MaxOccupancy, texts.maxOccupancy);
        if (!options.maxOccupancyPercent)
            return refuse(PlanningOption::MaxOccupancy);
    }
    if (!texts.maxAbandon.trimmed().isEmpty()) {
        options.maxAbandonPercent = percent(PlanningOption::MaxAbandon, texts.maxAbandon);
        if (!options.maxAbandonPercent)
            return refuse(PlanningOption::MaxAbandon);
    }
    if (!texts.paidHours.trimmed().isEmpty()) {
        const auto minutes = ParsePaidHours(texts.paidHours);
        if (!minutes)
            return refuse(PlanningOption::PaidHours);
        options.paidMinutes = *minutes;
    }
    check.options = options;
    return check;
}

std::vector<ShownPlanningOption> ShownPlanningOptions(const PlanningOptions &options)
{
    std::vector<ShownPlanningOption> shown;
    auto show = [&shown](PlanningOption option, const QString &value) {
        shown.push_back({option, PlanningOptionInfo::of(option).caption, value});
    };
    const QString percent = QStringLiteral("%1%");
    if (options.model != QueueModel::ErlangC)
        show(PlanningOption::Model, StaffingModelInfo::of(options.model).name);
    if (options.hasShrinkage())
        show(PlanningOption::Shrinkage, percent.arg(PercentOptionText(options.shrinkagePercent)));
    if (options.maxOccupancyPercent)
        show(PlanningOption::MaxOccupancy, percent.arg(PercentOptionText(*options.maxOccupancyPercent)));
    if (options.maxAbandonPercent)
        show(PlanningOption::MaxAbandon, percent.arg(PercentOptionText(*options.maxAbandonPercent)));
    if (options.paidMinutes != PlanningOptions::DefaultPaidMinutes)
        show(PlanningOption::PaidHours, PaidHoursText(options.paidMinutes));
    return shown;
}
