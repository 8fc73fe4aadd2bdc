// SPDX-License-Identifier: MIT
#include "weekplanoutput.h"

#include "shiftplanoutput.h"
#include "shiftplantext.h"
#include "texts.h"
#include "weekplantext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace WeekPlanOutput {

namespace {

using ShiftPlanOutput::OrNull;
using ShiftPlanOutput::Rows;
using ShiftPlanOutput::SlotTimesJson;

constexpr std::size_t Days = ShiftWeek::DayCount;

QString dateText(const ShiftWeek &week, std::size_t day)
{
    return week.days[day].date ? week.days[day].date->toString(Qt::ISODate) : QString();
}

Rows dayRows(const WeekPlan &plan, const ShiftWeek &week)
{
    Rows rows{WeekPlanText::dayHeadings()};
    for (std::size_t day = 0; day < Days; ++day)
        rows.push_back(WeekPlanText::dayRow(plan, static_cast<int>(day), week.days[day].date));
    return rows;
}

// One row per agent and day worked.
Rows agentDayRows(const WeekPlan &plan, const ShiftWeek &week)
{
    Rows rows{{QStringLiteral("Agent"), QStringLiteral("Tour"), QStringLiteral("Day"), QStringLiteral("Date"),
               QStringLiteral("Shift"), QStringLiteral("Start"), QStringLiteral("Break"), QStringLiteral("End"),
               QStringLiteral("Paid hrs")}};
    for (std::size_t agent = 0; agent < plan.agents.size(); ++agent) {
        for (std::size_t day = 0; day < Days; ++day) {
            const std::optional<WeekPlan::DayShift> &shift = plan.agents[agent].days[day];
            if (!shift)
                continue;
            rows.push_back({QString::number(agent + 1), plan.agents[agent].tourName, ShiftWeek::dayName(int(day)),
                            dateText(week, day), shift->typeName, Calc::ClockText(shift->start),
                            shift->breakStart ? Calc::ClockText(*shift->breakStart) : QString(),
                            Calc::ClockText(shift->end), ShiftPlanText::hours(shift->paidMinutes / 60.0)});
        }
    }
    return rows;
}

// One row per slot of every open day.
Rows coverRows(const WeekPlan &plan, const ShiftWeek &week)
{
    Rows rows{QStringList{QStringLiteral("Day"), QStringLiteral("Date")} + ShiftPlanText::coverHeadings()};
    for (std::size_t day = 0; day < Days; ++day) {
        for (const ShiftPlan::Slot &slot : plan.days[day].coverage)
            rows.push_back(QStringList{ShiftWeek::dayName(int(day)), dateText(week, day)} + ShiftPlanText::coverRow(slot));
    }
    return rows;
}

QJsonValue dayShiftJson(const std::optional<WeekPlan::DayShift> &shift)
{
    if (!shift)
        return QJsonValue();
    return QJsonObject{{QStringLiteral("shift"), shift->typeName},
                       {QStringLiteral("start"), Calc::ClockText(shift->start)},
                       {QStringLiteral("end"), Calc::ClockText(shift->end)},
                       {QStringLiteral("breakStart"), shift->breakStart ? QJsonValue(Calc::ClockText(*shift->breakStart))
                                                                        : QJsonValue()}};
}

QJsonObject dayJson(const WeekPlan &plan, const ShiftWeek &week, std::size_t index)
{
    const WeekPlan::Day &day = plan.days[index];
    QJsonArray coverage;
    for (const ShiftPlan::Slot &slot : day.coverage)
        coverage.append(QJsonObject{{QStringLiteral("slot"), Calc::ClockText(slot.start)},
                                    {QStringLiteral("required"), slot.required},
                                    {QStringLiteral("staffed"), slot.staffed}});
    const QString date = dateText(week, index);
    QJsonObject object{{QStringLiteral("day"), ShiftWeek::dayName(int(index))},
                       {QStringLiteral("date"), date.isEmpty() ? QJsonValue() : QJsonValue(date)},
                       {QStringLiteral("open"), day.open},
                       {QStringLiteral("coverage"), coverage},
                       {QStringLiteral("paidHours"), day.paidHours},
                       {QStringLiteral("requiredHours"), day.requiredHours},
                       {QStringLiteral("serviceLevel"), OrNull(day.serviceLevel)},
                       {QStringLiteral("shortSlots"), SlotTimesJson(day.coverage, day.shortSlots)},
                       {QStringLiteral("unreachableSlots"), SlotTimesJson(day.coverage, day.unreachableSlots)}};
    if (plan.serviceGoal)
        object.insert(QStringLiteral("serviceReachable"), OrNull(day.serviceReachable));
    return object;
}

QString json(const WeekPlan &plan, const ShiftWeek &week)
{
    QJsonArray agents;
    for (const WeekPlan::AgentWeek &agent : plan.agents) {
        QJsonArray days;
        for (const std::optional<WeekPlan::DayShift> &shift : agent.days)
            days.append(dayShiftJson(shift));
        agents.append(QJsonObject{{QStringLiteral("tour"), agent.tourName},
                                  {QStringLiteral("paidHours"), agent.paidMinutes / 60.0},
                                  {QStringLiteral("days"), days}});
    }
    QJsonArray days;
    for (std::size_t day = 0; day < Days; ++day)
        days.append(dayJson(plan, week, day));
    QJsonObject headcount;
    for (const WeekPlan::TourTotal &tour : plan.tours)
        headcount.insert(tour.name, tour.headcount);
    const QJsonObject totals{{QStringLiteral("paidHours"), plan.paidHours},
                             {QStringLiteral("requiredHours"), plan.requiredHours},
                             {QStringLiteral("agents"), static_cast<int>(plan.agents.size())},
                             {QStringLiteral("shortfall"), plan.shortfall},
                             {QStringLiteral("requirementMet"), plan.requirementMet()},
                             {QStringLiteral("headcount"), headcount}};
    QJsonObject root{{QStringLiteral("slotMinutes"), plan.slotMinutes},
                     {QStringLiteral("goal"), ShiftPlanText::goalKey(plan.goal())},
                     {QStringLiteral("agents"), agents},
                     {QStringLiteral("days"), days},
                     {QStringLiteral("totals"), totals},
                     {QStringLiteral("solver"), ShiftPlanOutput::SolverJson(plan.solver)}};
    if (plan.serviceGoal)
        root.insert(QStringLiteral("service"),
                    QJsonObject{{QStringLiteral("goal"), *plan.serviceGoal},
                                {QStringLiteral("reachable"), OrNull(plan.serviceReachable)}});
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

QString format(const WeekPlan &plan, const ShiftWeek &week, OutputFormat format)
{
    using ShiftPlanOutput::AlignedRows;
    using ShiftPlanOutput::CsvRows;
    using ShiftPlanOutput::LineRows;
    switch (format) {
    case OutputFormat::Table: {
        QString out = AlignedRows(WeekPlanText::agentTable(plan), 2 + int(Days)) + QLatin1Char('\n')
            + AlignedRows(dayRows(plan, week), 2) + QLatin1Char('\n') + AlignedRows(WeekPlanText::tourTable(plan))
            + QLatin1Char('\n') + AlignedRows(LineRows(WeekPlanText::totals(plan)));
        for (const QString &note : WeekPlanText::coverNotes(plan))
            out += note + QLatin1Char('\n');
        return out;
    }
    case OutputFormat::Csv:
        return CsvRows(agentDayRows(plan, week)) + QStringLiteral("\r\n") + CsvRows(coverRows(plan, week))
            + QStringLiteral("\r\n") + CsvRows(dayRows(plan, week)) + QStringLiteral("\r\n")
            + CsvRows(WeekPlanText::tourTable(plan)) + QStringLiteral("\r\n")
            + CsvRows(LineRows(WeekPlanText::totals(plan)));
    case OutputFormat::Json:
        return json(plan, week);
    }
    return {};
}

} // namespace WeekPlanOutput
