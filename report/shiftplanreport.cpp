// SPDX-License-Identifier: MIT
#include "shiftplanreport.h"

#include "shiftplanchart.h"
#include "shiftplantext.h"

ReportContent ShiftPlanReport(const ReportContent &base, const ShiftPlan &plan, const ShiftPlanComparison *comparison)
{
    ReportContent content = base;
    content.shiftPlan = true;
    content.cells.clear();
    content.sched.clear();
    content.rosterCells.clear();
    content.shiftCells = {ReportContent::rowOf(ShiftPlanText::shiftHeadings())};
    for (const ShiftPlan::Shift &s : plan.shifts)
        content.shiftCells.push_back(ReportContent::rowOf(ShiftPlanText::shiftRow(s)));
    content.coverCells = {ReportContent::rowOf(ShiftPlanText::coverHeadings())};
    for (const ShiftPlan::Slot &slot : plan.coverage)
        content.coverCells.push_back(ReportContent::rowOf(ShiftPlanText::coverRow(slot)));
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
