// SPDX-License-Identifier: MIT
#include "shiftplanreport.h"

#include "shiftplanchart.h"
#include "shiftplantext.h"

namespace {

ReportContent::Row ReportRow(const QStringList &texts)
{
    ReportContent::Row row;
    for (int i = 0; i < texts.size() && i < ReportContent::ColumnCount; ++i)
        row[static_cast<std::size_t>(i)] = texts[i];
    return row;
}

} // namespace

ReportContent ShiftPlanReport(const ReportContent &base, const ShiftPlan &plan, const ShiftPlanComparison *comparison)
{
    ReportContent content = base;
    content.shiftPlan = true;
    content.cells.clear();
    content.sched.clear();
    content.rosterCells.clear();
    content.shiftCells = {ReportRow(ShiftPlanText::shiftHeadings())};
    for (const ShiftPlan::Shift &s : plan.shifts)
        content.shiftCells.push_back(ReportRow(ShiftPlanText::shiftRow(s)));
    content.coverCells = {ReportRow(ShiftPlanText::coverHeadings())};
    for (const ShiftPlan::Slot &slot : plan.coverage)
        content.coverCells.push_back(ReportRow(ShiftPlanText::coverRow(slot)));
    content.dayLines.clear();
    for (const auto &[caption, value] : ShiftPlanText::totals(plan))
        content.dayLines.push_back({caption, value});
    for (const QString &note : ShiftPlanText::coverNotes(plan))
        content.dayLines.push_back({QStringLiteral("Note"), note});
    if (comparison) {
        for (const auto &[caption, value] : ShiftPlanText::comparisonLines(*comparison))
            content.dayLines.push_back({caption, value});
    }
    content.chart.emplace();
    BuildShiftPlanChart(*content.chart, plan);
    return content;
}
