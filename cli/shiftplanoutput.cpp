// SPDX-License-Identifier: MIT
#include "shiftplanoutput.h"

#include "shiftplantext.h"
#include "tableoutput.h"
#include "texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace ShiftPlanOutput {

namespace {

Rows shiftRows(const ShiftPlan &plan)
{
    Rows rows{ShiftPlanText::shiftHeadings()};
    for (const ShiftPlan::Shift &s : plan.shifts)
        rows.push_back(ShiftPlanText::shiftRow(s));
    return rows;
}

Rows coverRows(const ShiftPlan &plan)
{
    Rows rows{ShiftPlanText::coverHeadings()};
    for (const ShiftPlan::Slot &slot : plan.coverage)
        rows.push_back(ShiftPlanText::coverRow(slot));
    return rows;
}

Rows comparisonRows(const ShiftPlanComparison &comparison)
{
    Rows rows{ShiftPlanText::comparisonHeadings()};
    for (const QStringList &row : ShiftPlanText::comparisonRows(comparison))
        rows.push_back(row);
    return rows;
}

} // namespace

QString AlignedRows(const Rows &rows, int textColumns)
{
    std::vector<qsizetype> widths;
    for (const QStringList &row : rows)
        for (int c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), static_cast<std::size_t>(c + 1)), 0);
            widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], row[c].size());
        }
    QString out;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (int c = 0; c < row.size(); ++c) {
            const auto width = widths[static_cast<std::size_t>(c)];
            cells << (c < textColumns ? row[c].leftJustified(width) : row[c].rightJustified(width));
        }
        out += cells.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return out;
}

QString CsvRows(const Rows &rows)
{
    QString out;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (const QString &cell : row)
            cells << TableOutput::csvField(cell);
        out += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out;
}

Rows LineRows(const std::vector<std::pair<QString, QString>> &lines)
{
    Rows rows;
    for (const auto &[caption, value] : lines)
        rows.push_back({caption, value});
    return rows;
}

QJsonObject SolverJson(const ShiftPlan::Solver &solver)
{
    return QJsonObject{{QStringLiteral("status"), ShiftPlanText::solverKey(solver)},
                       {QStringLiteral("optimal"), solver.optimal()},
                       {QStringLiteral("objective"), solver.objective},
                       {QStringLiteral("bound"), solver.bound},
                       {QStringLiteral("seconds"), solver.seconds}};
}

QJsonArray SlotTimesJson(const std::vector<ShiftPlan::Slot> &coverage, const std::vector<int> &indices)
{
    QJsonArray times;
    for (const int slot : indices)
        times.append(Calc::ClockText(coverage[static_cast<std::size_t>(slot)].start));
    return times;
}

QJsonValue OrNull(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

namespace {

// The keys --plan-goal adds.
void addGoalKeys(QJsonObject &root, const ShiftPlan &plan, const ShiftPlanComparison &comparison)
{
    root.insert(QStringLiteral("goal"), ShiftPlanText::goalKey(plan.goal()));
    QJsonArray plans;
    for (const auto &[goal, compared] : {std::pair{ShiftGoal::Cover, comparison.cover}, {ShiftGoal::ServiceLevel, comparison.service}})
        plans.append(QJsonObject{{QStringLiteral("goal"), ShiftPlanText::goalKey(goal)},
                                 {QStringLiteral("paidHours"), compared ? QJsonValue(compared->paidHours) : QJsonValue()},
                                 {QStringLiteral("serviceLevel"), compared ? OrNull(compared->dayServiceLevel) : QJsonValue()},
                                 {QStringLiteral("optimal"), compared && compared->solver.optimal()}});
    root.insert(QStringLiteral("comparison"), plans);
    if (!plan.serviceGoal)
        return;
    QJsonObject service{{QStringLiteral("goal"), *plan.serviceGoal},
                        {QStringLiteral("serviceLevel"), OrNull(plan.dayServiceLevel)},
                        {QStringLiteral("meetsGoal"), plan.meetsServiceGoal()},
                        {QStringLiteral("reachable"), OrNull(plan.serviceReachable)}};
    if (plan.floorCheck) {
        // Shares 0..1, as the goal is.
        const ShiftPlan::FloorCheck &check = *plan.floorCheck;
        auto share = [](const std::optional<double> &percent) {
            return percent ? QJsonValue(*percent / 100) : QJsonValue();
        };
        service.insert(QStringLiteral("slotFloor"),
                       QJsonObject{{QStringLiteral("serviceLevel"), share(check.floor.servicePercent)},
                                   {QStringLiteral("maxAbandoned"), share(check.floor.maxAbandonPercent)},
                                   {QStringLiteral("met"), check.missedSlots.empty()},
                                   {QStringLiteral("missedSlots"), SlotTimesJson(plan.coverage, check.missedSlots)},
                                   {QStringLiteral("outOfReachSlots"), SlotTimesJson(plan.coverage, check.outOfReachSlots)}});
    }
    root.insert(QStringLiteral("service"), service);
}

QString json(const ShiftPlan &plan, const ShiftPlanComparison *comparison)
{
    QJsonArray shifts;
    for (const ShiftPlan::Shift &s : plan.shifts)
        shifts.append(QJsonObject{{QStringLiteral("type"), s.typeName},
                                  {QStringLiteral("start"), Calc::ClockText(s.start)},
                                  {QStringLiteral("break"), s.breakStart ? QJsonValue(Calc::ClockText(*s.breakStart)) : QJsonValue()},
                                  {QStringLiteral("breakMinutes"), s.breakMinutes},
                                  {QStringLiteral("end"), Calc::ClockText(s.end)},
                                  {QStringLiteral("agents"), s.agents},
                                  {QStringLiteral("paidHours"), s.paidHours}});
    QJsonArray coverage;
    for (const ShiftPlan::Slot &slot : plan.coverage)
        coverage.append(QJsonObject{{QStringLiteral("slot"), Calc::ClockText(slot.start)},
                                    {QStringLiteral("required"), slot.required},
                                    {QStringLiteral("staffed"), slot.staffed},
                                    {QStringLiteral("difference"), slot.difference()},
                                    {QStringLiteral("reachable"), slot.reachable}});
    QJsonObject totals{{QStringLiteral("paidHours"), plan.paidHours},
                       {QStringLiteral("requiredHours"), plan.requiredHours},
                       {QStringLiteral("efficiency"), plan.efficiency},
                       {QStringLiteral("agents"), plan.agents},
                       {QStringLiteral("shortfall"), plan.shortfall},
                       {QStringLiteral("unreachableSlots"), SlotTimesJson(plan.coverage, plan.unreachableSlots)},
                       {QStringLiteral("shortSlots"), SlotTimesJson(plan.coverage, plan.shortSlots)}};
    if (plan.coversShort())
        totals.insert(QStringLiteral("requirementMet"), plan.metHours / plan.requiredHours);
    const QJsonObject solver = SolverJson(plan.solver);
    QJsonObject root{{QStringLiteral("slotMinutes"), plan.slotMinutes},
                           {QStringLiteral("shifts"), shifts},
                           {QStringLiteral("coverage"), coverage},
                           {QStringLiteral("totals"), totals},
                           {QStringLiteral("solver"), solver}};
    if (comparison)
        addGoalKeys(root, plan, *comparison);
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

QString format(const ShiftPlan &plan, OutputFormat format, const ShiftPlanComparison *comparison)
{
    switch (format) {
    case OutputFormat::Table: {
        QString out = AlignedRows(shiftRows(plan)) + QLatin1Char('\n') + AlignedRows(coverRows(plan)) + QLatin1Char('\n')
            + AlignedRows(LineRows(ShiftPlanText::totals(plan)));
        for (const QString &note : ShiftPlanText::coverNotes(plan))
            out += note + QLatin1Char('\n');
        if (comparison)
            out += QLatin1Char('\n') + AlignedRows(comparisonRows(*comparison));
        return out;
    }
    case OutputFormat::Csv: {
        QString out = CsvRows(shiftRows(plan)) + QStringLiteral("\r\n") + CsvRows(coverRows(plan))
            + QStringLiteral("\r\n") + CsvRows(LineRows(ShiftPlanText::totals(plan)));
        if (comparison)
            out += QStringLiteral("\r\n") + CsvRows(comparisonRows(*comparison));
        return out;
    }
    case OutputFormat::Json:
        return json(plan, comparison);
    }
    return {};
}

} // namespace ShiftPlanOutput
