// SPDX-License-Identifier: MIT
#include "scenariooptionlines.h"

#include "planningoptioninfo.h"
#include "shifttypetext.h"
#include "slotfloorinfo.h"
#include "staffingmodelinfo.h"
#include "texts.h"

#include <QRegularExpression>

namespace {

using ScenarioOptionKey::Roster;
using ScenarioOptionKey::Shift;
using ScenarioOptionKey::SlotMinutes;
using ScenarioOptionKey::SlotTalk;
using ScenarioOptionKey::SlotWrap;

QString line(QLatin1String key, const QString &value)
{
    return key + QLatin1Char('=') + value;
}

QString line(const QString &key, const QString &value)
{
    return key + QLatin1Char('=') + value;
}

QString line(PlanningOption option, const QString &value)
{
    return PlanningOptionInfo::of(option).fileKey + QLatin1Char('=') + value;
}

// The planning option whose file key this is; none for another key.
std::optional<PlanningOption> optionOfKey(const QString &key)
{
    for (const PlanningOptionInfo &info : PlanningOptionInfo::all()) {
        if (info.fileKey == key)
            return info.option;
    }
    return std::nullopt;
}

// Reads the value of a planning option's line into `options`; false when
// the value is refused.
bool readOption(PlanningOption option, const QString &value, PlanningOptions &options)
{
    const PlanningOptionInfo &info = PlanningOptionInfo::of(option);
    switch (option) {
    case PlanningOption::Model: {
        const std::optional<QueueModel> model = StaffingModelInfo::ofKey(value);
        options.model = model.value_or(options.model);
        return model.has_value();
    }
    case PlanningOption::Shrinkage: {
        const std::optional<double> percent = ParsePercentOption(value, info.minimum, info.maximum);
        options.shrinkagePercent = percent.value_or(options.shrinkagePercent);
        return percent.has_value();
    }
    case PlanningOption::MaxOccupancy:
        options.maxOccupancyPercent = ParsePercentOption(value, info.minimum, info.maximum);
        return options.maxOccupancyPercent.has_value();
    case PlanningOption::MaxAbandon:
        options.maxAbandonPercent = ParsePercentOption(value, info.minimum, info.maximum);
        return options.maxAbandonPercent.has_value();
    case PlanningOption::PaidHours: {
        const std::optional<int> minutes = ParsePaidHours(value);
        options.paidMinutes = minutes.value_or(options.paidMinutes);
        return minutes.has_value();
    }
    }
    return false;
}

// The slot floor's figure whose file key this is; none for another key.
const SlotFloorInfo *floorOfKey(const QString &key)
{
    for (const SlotFloorInfo &info : SlotFloorInfo::all()) {
        if (info.fileKey == key)
            return &info;
    }
    return nullptr;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text.left(24) + (text.size() > 24 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

// The entries of a slot list for the day's slots, slot 1 first.
RosterValues slotEntries(const AgentScenario &scenario,
                         const std::array<std::optional<int>, ScenarioInputs::SlotCapacity + 1> &values)
{
    const int count = scenario.inputs().timeSlots().count;
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
        if (read.values[i] && *read.values[i] > Calc::LongestDurationSeconds) {
            bad = static_cast<int>(i) + 1;
            badText = QString::number(*read.values[i]);
        }
    }
    if (bad > 0)
        return QStringLiteral("the %1 %2 of time slot %3 is not whole seconds from 0 to %4")
            .arg(what, quoted(badText))
            .arg(bad)
            .arg(Calc::LongestDurationSeconds);
    into = read.values;
    return std::nullopt;
}

} // namespace

QStringList PlanningOptionLines(const PlanningOptions &options)
{
    const PlanningOptions defaults;
    QStringList lines;
    if (options.model != defaults.model)
        lines << line(PlanningOption::Model, StaffingModelInfo::of(options.model).key);
    if (options.shrinkagePercent != defaults.shrinkagePercent)
        lines << line(PlanningOption::Shrinkage, PercentOptionText(options.shrinkagePercent));
    if (options.maxOccupancyPercent)
        lines << line(PlanningOption::MaxOccupancy, PercentOptionText(*options.maxOccupancyPercent));
    if (options.maxAbandonPercent)
        lines << line(PlanningOption::MaxAbandon, PercentOptionText(*options.maxAbandonPercent));
    if (options.paidMinutes != defaults.paidMinutes)
        lines << line(PlanningOption::PaidHours, PaidHoursText(options.paidMinutes));
    return lines;
}

bool IsPlanningOptionKey(const QString &key)
{
    return optionOfKey(key).has_value();
}

QString ShiftTypeLine(const ShiftType &type)
{
    return line(Shift, ShiftTypeText(type));
}

QStringList ScenarioOptionLines(const AgentScenario &scenario)
{
    const ScenarioInputs &inputs = scenario.inputs();
    QStringList lines;
    if (slotLengthInfo(inputs.slotLength()).optionLine)
        lines << line(SlotMinutes, QString::number(minutesOf(inputs.slotLength())));
    lines << PlanningOptionLines(inputs.Planning);
    if (inputs.hasRoster())
        lines << line(Roster, RosterListText(slotEntries(scenario, inputs.SlotHave)));
    // The slots' own times follow the roster and come before the shift
    // types, so that a scenario without them is written as before.
    const QString talk = RosterListText(slotEntries(scenario, inputs.SlotTalkSeconds));
    if (!talk.isEmpty())
        lines << line(SlotTalk, talk);
    const QString wrap = RosterListText(slotEntries(scenario, inputs.SlotWrapSeconds));
    if (!wrap.isEmpty())
        lines << line(SlotWrap, wrap);
    // The slot floor goes with the shift types, before them.
    lines << SlotFloorLines(inputs.ServiceFloor);
    for (const ShiftType &type : inputs.ShiftTypes)
        lines << ShiftTypeLine(type);
    return lines;
}

QStringList SlotFloorLines(const SlotFloor &floor)
{
    QStringList lines;
    for (const SlotFloorInfo &info : SlotFloorInfo::all()) {
        if (const std::optional<double> &value = floor.*info.figure)
            lines << line(info.fileKey, SlotFloorInfo::text(*value));
    }
    return lines;
}

bool IsSlotFloorKey(const QString &key)
{
    return floorOfKey(key) != nullptr;
}

bool IsRepeatableOption(const QString &key)
{
    return key == Shift;
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
    if (key == SlotMinutes) {
        // 30 and 60 minutes are line 11's to tell: one home for the length.
        const std::optional<SlotLength> length = slotLengthOfMinutes(value.toInt());
        if (!length || !slotLengthInfo(*length).optionLine || value != QString::number(minutesOf(*length)))
            return bad(QStringLiteral("15 (line 11 tells 30 and 60 minutes)"));
        read.slotLength = *length;
    } else if (const std::optional<PlanningOption> option = optionOfKey(key)) {
        if (!readOption(*option, value, read.planning))
            return bad(PlanningOptionInfo::of(*option).requirement);
    } else if (key == Roster) {
        const RosterListRead roster = ParseRosterList(value);
        if (!roster.ok())
            return QStringLiteral("the roster value %1 of time slot %2 is not a whole number from 0 up")
                .arg(quoted(roster.badText))
                .arg(roster.badEntry);
        read.roster = roster.values;
    } else if (key == SlotTalk) {
        return readSlotTimes(value, QStringLiteral("talk time"), read.slotTalk);
    } else if (key == SlotWrap) {
        return readSlotTimes(value, QStringLiteral("after-call work"), read.slotWrap);
    } else if (const SlotFloorInfo *floor = floorOfKey(key)) {
        read.serviceFloor.*floor->figure = floor->parse(value);
        if (!(read.serviceFloor.*floor->figure))
            return bad(floor->requirement);
    } else if (key == Shift) {
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
