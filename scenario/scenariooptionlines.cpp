// SPDX-License-Identifier: MIT
#include "scenariooptionlines.h"

#include "shifttypetext.h"

#include <QRegularExpression>

namespace {

const QLatin1String ModelKey("model");
const QLatin1String ShrinkageKey("shrinkage");
const QLatin1String MaxOccupancyKey("max-occupancy");
const QLatin1String MaxAbandonKey("max-abandon");
const QLatin1String PaidHoursKey("paid-hours");
const QLatin1String RosterKey("have");
const QLatin1String ShiftKey("shift");

QString line(QLatin1String key, const QString &value)
{
    return key + QLatin1Char('=') + value;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text.left(24) + (text.size() > 24 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

} // namespace

QStringList ScenarioOptionLines(const AgentScenario &scenario)
{
    const PlanningOptions &options = scenario.Planning;
    const PlanningOptions defaults;
    QStringList lines;
    if (options.model != defaults.model)
        lines << line(ModelKey, QueueModelKey(options.model));
    if (options.shrinkagePercent != defaults.shrinkagePercent)
        lines << line(ShrinkageKey, PercentOptionText(options.shrinkagePercent));
    if (options.maxOccupancyPercent)
        lines << line(MaxOccupancyKey, PercentOptionText(*options.maxOccupancyPercent));
    if (options.maxAbandonPercent)
        lines << line(MaxAbandonKey, PercentOptionText(*options.maxAbandonPercent));
    if (options.paidMinutes != defaults.paidMinutes)
        lines << line(PaidHoursKey, PaidHoursText(options.paidMinutes));
    if (scenario.hasRoster()) {
        const int count = scenario.timeSlots().count;
        RosterValues roster;
        for (int slot = 1; slot <= count; ++slot)
            roster.push_back(scenario.SlotHave[static_cast<std::size_t>(slot)]);
        lines << line(RosterKey, RosterListText(roster));
    }
    for (const ShiftType &type : scenario.ShiftTypes)
        lines << line(ShiftKey, ShiftTypeText(type));
    return lines;
}

bool IsRepeatableOption(const QString &key)
{
    return key == ShiftKey;
}

bool IsOptionLine(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z][a-z-]*="));
    return pattern.match(text).hasMatch();
}

std::optional<QString> ReadScenarioOptionLine(const QString &text, ScenarioOptionsRead &read)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const QString key = text.left(equals);
    const QString value = text.mid(equals + 1);
    auto bad = [&](const QString &what) {
        return QStringLiteral("the %1 %2 is not %3").arg(key, quoted(value), what);
    };
    if (key == ModelKey) {
        const std::optional<QueueModel> model = ParseQueueModelKey(value);
        if (!model)
            return bad(QStringLiteral("\"erlang-c\" or \"erlang-a\""));
        read.planning.model = *model;
    } else if (key == ShrinkageKey) {
        const std::optional<double> percent = ParsePercentOption(value, 0, PlanningOptions::MaxShrinkagePercent);
        if (!percent)
            return bad(QStringLiteral("a percentage from 0 to 95"));
        read.planning.shrinkagePercent = *percent;
    } else if (key == MaxOccupancyKey) {
        const std::optional<double> percent = ParsePercentOption(value, PlanningOptions::MinOccupancyPercent, 100);
        if (!percent)
            return bad(QStringLiteral("a percentage from 1 to 100"));
        read.planning.maxOccupancyPercent = percent;
    } else if (key == MaxAbandonKey) {
        const std::optional<double> percent = ParsePercentOption(value, 0, 100);
        if (!percent)
            return bad(QStringLiteral("a percentage from 0 to 100"));
        read.planning.maxAbandonPercent = percent;
    } else if (key == PaidHoursKey) {
        const std::optional<int> minutes = ParsePaidHours(value);
        if (!minutes)
            return bad(QStringLiteral("a time from 00:01 to 24:00"));
        read.planning.paidMinutes = *minutes;
    } else if (key == RosterKey) {
        const RosterListRead roster = ParseRosterList(value);
        if (!roster.ok())
            return QStringLiteral("the roster value %1 of time slot %2 is not a whole number from 0 up")
                .arg(quoted(roster.badText))
                .arg(roster.badEntry);
        read.roster = roster.values;
    } else if (key == ShiftKey) {
        // Whether a type fits the day is checked when the day is planned: the
        // day may change after the types were set.
        const ShiftTypeRead shift = ParseShiftTypeText(value);
        if (!shift.type)
            return QStringLiteral("the shift type %1 is not sound: %2").arg(quoted(value), shift.message);
        if (shift.type->maxAgents && *shift.type->maxAgents < 1)
            return QStringLiteral("the shift type %1 allows no agent (max=0)").arg(quoted(value));
        read.shiftTypes.push_back(*shift.type);
    } else {
        return QStringLiteral("the option %1 is not known to this version of Varnook").arg(quoted(key));
    }
    return std::nullopt;
}
