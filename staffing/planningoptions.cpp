// SPDX-License-Identifier: MIT
#include "planningoptions.h"

#include "staffingmodelinfo.h"

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
    if (minutes < 1 || minutes > PlanningOptions::MaxPaidMinutes)
        return std::nullopt;
    return minutes;
}

QString PaidHoursText(int minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString PlanningOptionDescription(PlanningOption option)
{
    switch (option) {
    case PlanningOption::Model:
        return QStringLiteral("queueing model");
    case PlanningOption::Shrinkage:
        return QStringLiteral("shrinkage");
    case PlanningOption::MaxOccupancy:
        return QStringLiteral("maximum occupancy");
    case PlanningOption::MaxAbandon:
        return QStringLiteral("maximum abandoned");
    case PlanningOption::PaidHours:
        return QStringLiteral("paid hours per agent");
    }
    return {};
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
    auto refuse = [&check](PlanningOption option, const QString &requirement) {
        check.failing = option;
        check.requirement = requirement;
        return check;
    };
    PlanningOptions options;
    options.model = texts.model;
    if (!texts.shrinkage.trimmed().isEmpty()) {
        const auto percent = ParsePercentOption(texts.shrinkage, 0, PlanningOptions::MaxShrinkagePercent);
        if (!percent)
            return refuse(PlanningOption::Shrinkage, QStringLiteral("a percentage from 0 to 95"));
        options.shrinkagePercent = *percent;
    }
    if (!texts.maxOccupancy.trimmed().isEmpty()) {
        options.maxOccupancyPercent = ParsePercentOption(texts.maxOccupancy, PlanningOptions::MinOccupancyPercent, 100);
        if (!options.maxOccupancyPercent)
            return refuse(PlanningOption::MaxOccupancy, QStringLiteral("a percentage from 1 to 100"));
    }
    if (!texts.maxAbandon.trimmed().isEmpty()) {
        options.maxAbandonPercent = ParsePercentOption(texts.maxAbandon, 0, 100);
        if (!options.maxAbandonPercent)
            return refuse(PlanningOption::MaxAbandon, QStringLiteral("a percentage from 0 to 100"));
    }
    if (!texts.paidHours.trimmed().isEmpty()) {
        const auto minutes = ParsePaidHours(texts.paidHours);
        if (!minutes)
            return refuse(PlanningOption::PaidHours, QStringLiteral("a time from 00:01 to 24:00"));
        options.paidMinutes = *minutes;
    }
    check.options = options;
    return check;
}

std::vector<ShownPlanningOption> ShownPlanningOptions(const PlanningOptions &options)
{
    std::vector<ShownPlanningOption> shown;
    const QString percent = QStringLiteral("%1%");
    if (options.model != QueueModel::ErlangC)
        shown.push_back({PlanningOption::Model, QStringLiteral("Model"), StaffingModelInfo::of(options.model).name});
    if (options.hasShrinkage())
        shown.push_back({PlanningOption::Shrinkage, QStringLiteral("Shrinkage"),
                         percent.arg(PercentOptionText(options.shrinkagePercent))});
    if (options.maxOccupancyPercent)
        shown.push_back({PlanningOption::MaxOccupancy, QStringLiteral("Max occupancy"),
                         percent.arg(PercentOptionText(*options.maxOccupancyPercent))});
    if (options.maxAbandonPercent)
        shown.push_back({PlanningOption::MaxAbandon, QStringLiteral("Max abandoned"),
                         percent.arg(PercentOptionText(*options.maxAbandonPercent))});
    if (options.paidMinutes != PlanningOptions::DefaultPaidMinutes)
        shown.push_back({PlanningOption::PaidHours, QStringLiteral("Paid hours"), PaidHoursText(options.paidMinutes)});
    return shown;
}
