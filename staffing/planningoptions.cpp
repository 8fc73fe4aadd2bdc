// SPDX-License-Identifier: MIT
#include "planningoptions.h"

#include "answeringshare.h"
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
    if (minutes < PlanningOptions::MinPaidMinutes || minutes > PlanningOptions::MaxPaidMinutes)
        return std::nullopt;
    return minutes;
}

QString PaidHoursText(int minutes)
{
    return Calc::ClockText(minutes);
}
