// SPDX-License-Identifier: MIT
#include "shiftcheck.h"

#include "shiftday.h"
#include "shifttimes.h"
#include "shifttype.h"
#include "slotlength.h"
#include "texts.h"

#include <algorithm>

namespace {

ShiftInputProblem DayProblem(const QString &message)
{
    return {-1, ShiftField::Day, message};
}

std::optional<ShiftInputProblem> CheckDay(const ShiftDay &day)
{
    if (!slotLengthOfMinutes(day.slotMinutes))
        return DayProblem(QStringLiteral("The slot length must be %1 minutes, not %2.").arg(SlotMinutesListText()).arg(day.slotMinutes));
    if (day.slotCount() < 1 || day.dayMinutes() > Calc::MinutesPerDay)
        return DayProblem(QStringLiteral("The day must have from 1 slot to 24 hours of slots."));
    if (day.startMinuteOfDay < 0 || day.startMinuteOfDay >= Calc::MinutesPerDay
        || day.startMinuteOfDay % day.slotMinutes != 0)
        return DayProblem(QStringLiteral("The day must start on a slot boundary."));
    bool anyRequired = false;
    for (int i = 0; i < day.slotCount(); ++i) {
        const int required = day.requirement[static_cast<std::size_t>(i)];
        if (required < 0)
            return DayProblem(QStringLiteral("The slot at %1 needs %2 agents: a requirement cannot be negative.")
                                  .arg(Calc::ClockText(day.minuteOfDayAt(i * day.slotMinutes)))
                                  .arg(required));
        anyRequired = anyRequired || required > 0;
    }
    if (!anyRequired)
        return DayProblem(QStringLiteral("No slot of the day needs an agent: there is nothing to plan."));
    return std::nullopt;
}

// Checks one type's fields in the order a planner fills them in.
class TypeCheck
{
public:
    TypeCheck(const ShiftDay &day, const ShiftType &type, int index) : m_day(day), m_type(type), m_index(index) {}

    std::optional<ShiftInputProblem> run() const
    {
        if (m_type.name.trimmed().isEmpty())
            return problem(ShiftField::Name, QStringLiteral("Shift type %1 has no name.").arg(m_index + 1));
        if (auto p = checkLength())
            return p;
        if (auto p = checkStarts())
            return p;
        if (auto p = checkBreak())
            return p;
        if (m_type.maxAgents && *m_type.maxAgents < 1)
            return problem(ShiftField::MaxAgents,
                           said(QStringLiteral("the maximum of %1 agents leaves the type unused; "
                                               "give at least 1 or no maximum"))
                               .arg(*m_type.maxAgents));
        return std::nullopt;
    }

private:
    QString said(const QString &what) const
    {
        return QStringLiteral("Shift \"%1\": %2.").arg(m_type.name.trimmed(), what);
    }
    ShiftInputProblem problem(ShiftField field, const QString &message) const { return {m_index, field, message}; }
    bool wholeSlots(int minutes) const { return minutes % m_day.slotMinutes == 0; }
    QString slotWords() const { return QStringLiteral("%1-minute slots").arg(m_day.slotMinutes); }

    std::optional<ShiftInputProblem> checkLength() const
    {
        const int length = m_type.lengthMinutes;
        if (length <= 0)
            return problem(ShiftField::Length, said(QStringLiteral("the length must be more than 0:00")));
        if (!wholeSlots(length))
            return problem(ShiftField::Length, said(QStringLiteral("the length %1 is not a whole number of %2")
                                                        .arg(ShiftDurationText(length), slotWords())));
        if (length > m_day.dayMinutes())
            return problem(ShiftField::Length, said(QStringLiteral("the length %1 is longer than the day (%2)")
                                                        .arg(ShiftDurationText(length),
                                                             ShiftDurationText(m_day.dayMinutes()))));
        return std::nullopt;
    }

    std::optional<ShiftInputProblem> checkStart(ShiftField field, int minuteOfDay, const QString &word) const
    {
        const int offset = m_day.offsetOf(minuteOfDay);
        const QString clock = Calc::ClockText(minuteOfDay);
        if (minuteOfDay < 0 || minuteOfDay >= Calc::MinutesPerDay || !wholeSlots(offset))
            return problem(field, said(QStringLiteral("the %1 %2 is not the start of one of the day's %3")
                                           .arg(word, clock, slotWords())));
        if (offset >= m_day.dayMinutes())
            return problem(field, said(QStringLiteral("the %1 %2 lies outside the day (%3 to %4)")
                                           .arg(word, clock, Calc::ClockText(m_day.minuteOfDayAt(0)),
                                                Calc::ClockText(m_day.minuteOfDayAt(m_day.dayMinutes())))));
        return std::nullopt;
    }

    std::optional<ShiftInputProblem> checkStarts() const
    {
        if (auto p = checkStart(ShiftField::EarliestStart, m_type.earliestStart, QStringLiteral("earliest start")))
            return p;
        if (auto p = checkStart(ShiftField::LatestStart, m_type.latestStart, QStringLiteral("latest start")))
            return p;
        const int earliest = m_day.offsetOf(m_type.earliestStart);
        const int latest = m_day.offsetOf(m_type.latestStart);
        if (latest < earliest)
            return problem(ShiftField::LatestStart, said(QStringLiteral("the latest start %1 comes before the earliest %2")
                                                             .arg(Calc::ClockText(m_type.latestStart),
                                                                  Calc::ClockText(m_type.earliestStart))));
        if (latest + m_type.lengthMinutes > m_day.dayMinutes())
            return problem(ShiftField::LatestStart,
                           said(QStringLiteral("a shift starting at the latest start %1 ends at %2, after the day's end %3")
                                    .arg(Calc::ClockText(m_type.latestStart),
                                         Calc::ClockText(m_day.minuteOfDayAt(latest + m_type.lengthMinutes)),
                                         Calc::ClockText(m_day.minuteOfDayAt(m_day.dayMinutes())))));
        return std::nullopt;
    }

    std::optional<ShiftInputProblem> checkBreak() const
    {
        if (!m_type.breakRule)
            return std::nullopt;
        const ShiftType::Break &b = *m_type.breakRule;
        if (b.lengthMinutes <= 0 || !wholeSlots(b.lengthMinutes))
            return problem(ShiftField::BreakLength, said(QStringLiteral("the break length %1 is not a whole number of %2")
                                                             .arg(ShiftDurationText(std::max(0, b.lengthMinutes)),
                                                                  slotWords())));
        if (b.lengthMinutes >= m_type.lengthMinutes)
            return problem(ShiftField::BreakLength, said(QStringLiteral("the break of %1 is not shorter than the shift (%2)")
                                                             .arg(ShiftDurationText(b.lengthMinutes),
                                                                  ShiftDurationText(m_type.lengthMinutes))));
        if (b.earliestMinutes < 0 || !wholeSlots(b.earliestMinutes))
            return problem(ShiftField::BreakEarliest, said(QStringLiteral("the break's earliest start %1 after the shift's "
                                                                          "start is not a whole number of %2")
                                                               .arg(ShiftDurationText(std::max(0, b.earliestMinutes)),
                                                                    slotWords())));
        // An unpaid break in the first or the last slot only makes the shift
        // shorter: a break lies inside the shift.
        if (b.earliestMinutes == 0)
            return problem(ShiftField::BreakEarliest, said(QStringLiteral("a break starting with the shift (0:00 in) "
                                                                          "only shortens it: it must start later")));
        if (b.latestMinutes < b.earliestMinutes || !wholeSlots(b.latestMinutes))
            return problem(ShiftField::BreakLatest, said(QStringLiteral("the break's latest start %1 must be a whole number "
                                                                        "of %2, not before its earliest %3")
                                                             .arg(ShiftDurationText(std::max(0, b.latestMinutes)),
                                                                  slotWords(), ShiftDurationText(b.earliestMinutes))));
        if (b.latestMinutes + b.lengthMinutes > m_type.lengthMinutes)
            return problem(ShiftField::BreakLatest, said(QStringLiteral("a break starting %1 in ends after the shift's %2")
                                                             .arg(ShiftDurationText(b.latestMinutes),
                                                                  ShiftDurationText(m_type.lengthMinutes))));
        if (b.latestMinutes + b.lengthMinutes == m_type.lengthMinutes)
            return problem(ShiftField::BreakLatest, said(QStringLiteral("a break starting %1 in ends with the shift's %2 "
                                                                        "and only shortens it: it must end earlier")
                                                             .arg(ShiftDurationText(b.latestMinutes),
                                                                  ShiftDurationText(m_type.lengthMinutes))));
        return std::nullopt;
    }

    const ShiftDay &m_day;
    const ShiftType &m_type;
    int m_index;
};

} // namespace

std::optional<ShiftInputProblem> CheckShiftInput(const ShiftDay &day, const std::vector<ShiftType> &types)
{
    if (auto p = CheckDay(day))
        return p;
    return CheckShiftTypes(day, types);
}

std::optional<ShiftInputProblem> CheckShiftTypes(const ShiftDay &day, const std::vector<ShiftType> &types)
{
    ShiftDay slotsOnly = day;
    std::fill(slotsOnly.requirement.begin(), slotsOnly.requirement.end(), 1);
    if (auto p = CheckDay(slotsOnly))
        return p;
    if (types.empty())
        return ShiftInputProblem{-1, ShiftField::ShiftList, QStringLiteral("There is no shift type to plan with.")};
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (auto p = TypeCheck(day, types[i], static_cast<int>(i)).run())
            return p;
    }
    return std::nullopt;
}
