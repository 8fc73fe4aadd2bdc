// SPDX-License-Identifier: MIT
#include "scenariooptionlines.h"

#include "intervalfile.h"

#include <QRegularExpression>

namespace {

const QLatin1String ModelKey("model");
const QLatin1String ShrinkageKey("shrinkage");
const QLatin1String MaxOccupancyKey("max-occupancy");
const QLatin1String MaxAbandonKey("max-abandon");
const QLatin1String PaidHoursKey("paid-hours");
const QLatin1String RosterKey("have");
const QLatin1String SlotTalkKey("slot-talk");
const QLatin1String SlotWrapKey("slot-wrap");

QString line(QLatin1String key, const QString &value)
{
    return key + QLatin1Char('=') + value;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text.left(24) + (text.size() > 24 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

// The entries of a slot list for the day's slots, slot 1 first.
RosterValues slotEntries(const AgentScenario &scenario, const std::array<std::optional<int>, AgentScenario::SlotCapacity + 1> &values)
{
    const int count = scenario.timeSlots().count;
    RosterValues entries;
    for (int slot = 1; slot <= count; ++slot)
        entries.push_back(values[static_cast<std::size_t>(slot)]);
    return entries;
}

// A list of slot times: whole seconds from 0 to the longest a field takes.
std::optional<QString> readSlotTimes(const QString &value, const QString &what, RosterValues &into)
{
    const RosterListRead read = ParseRosterList(value);
    int bad = read.badEntry;
    QString badText = read.badText;
    for (std::size_t i = 0; bad == 0 && i < read.values.size(); ++i) {
        if (read.values[i] && *read.values[i] > IntervalFile::LongestSeconds) {
            bad = static_cast<int>(i) + 1;
            badText = QString::number(*read.values[i]);
        }
    }
    if (bad > 0)
        return QStringLiteral("the %1 %2 of time slot %3 is not whole seconds from 0 to %4")
            .arg(what, quoted(badText))
            .arg(bad)
            .arg(IntervalFile::LongestSeconds);
    into = read.values;
    return std::nullopt;
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
    if (scenario.hasRoster())
        lines << line(RosterKey, RosterListText(slotEntries(scenario, scenario.SlotHave)));
    const QString talk = RosterListText(slotEntries(scenario, scenario.SlotTalkSeconds));
    if (!talk.isEmpty())
        lines << line(SlotTalkKey, talk);
    const QString wrap = RosterListText(slotEntries(scenario, scenario.SlotWrapSeconds));
    if (!wrap.isEmpty())
        lines << line(SlotWrapKey, wrap);
    return lines;
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
    } else if (key == SlotTalkKey) {
        return readSlotTimes(value, QStringLiteral("talk time"), read.slotTalk);
    } else if (key == SlotWrapKey) {
        return readSlotTimes(value, QStringLiteral("after-call work"), read.slotWrap);
    } else {
        return QStringLiteral("the option %1 is not known to this version of Varnook").arg(quoted(key));
    }
    return std::nullopt;
}
