// SPDX-License-Identifier: MIT
#pragma once

#include "shiftplan.h"
#include "shiftplancomparison.h"

#include <QString>
#include <QStringList>

// The words a shift plan is shown, printed and written with, so that the
// window, the report and the command line say the same.
namespace ShiftPlanText {

// "Proven optimal" or how the solver stopped and how far the plan may be
// from the best possible: "Stopped by the time limit: not proven optimal,
// at most 3.5% above the best possible (bound 116.00 paid hours)".
QString solverStatus(const ShiftPlan::Solver &solver);
// "optimal", "time-limit" or "cancelled".
QString solverKey(const ShiftPlan::Solver &solver);
// The start times of slots (from 0, rising), runs of consecutive slots as
// a range from the first one's start to the last one's: "08:00, 11:30–12:30".
QString slotList(const ShiftPlan &plan, const std::vector<int> &slotIndices);
// The same for the slots of a cover table (a day of a week's plan).
QString slotList(const std::vector<ShiftPlan::Slot> &coverage, const std::vector<int> &slotIndices);
// Notes on slots left out or short, one sentence each; none with full
// cover. A plan for the day's service level names the slots below their
// requirement as its choice, a goal it does not reach and the slots below
// its slot floor or where that is out of reach.
QStringList coverNotes(const ShiftPlan &plan);
// Hours with two decimals, "22.50".
QString hours(double value);
// A day's service level with one decimal, "80.3%".
QString level(double value);
// A slot floor: "60%", "60%, at most 5% abandoned" or "at most 5% abandoned".
QString floorName(const SlotFloor &floor);
// A slot floor and how a plan holds it: "60%: met in every slot" or
// "60%: missed in 2 slots".
QString floorOutcome(const SlotFloor &floor, std::size_t missedSlots);
// A service-level goal (a share from 0 to 1) as a percentage, "80%".
QString goalPercent(double goal);
// The share of the requirement a plan meets: "95.0% of 120.00 agent-hours".
QString requirementMet(double share, double requiredHours);
// What the plan aims at: "Cover every slot" or "Service level 80%".
QString goalName(const ShiftPlan &plan);
// "cover" or "service", as varnook-calc takes and writes the goal.
QString goalKey(ShiftGoal goal);

// The shifts table: headings, and one row of texts per shift.
QStringList shiftHeadings();
QStringList shiftRow(const ShiftPlan::Shift &shift);
// The cover table: headings, and per slot its time, requirement, staffed
// agents and over- (+) or under-cover; a slot no shift reaches says so.
QStringList coverHeadings();
QStringList coverRow(const ShiftPlan::Slot &slot);
// The day's figures, caption and value: paid and required agent-hours,
// efficiency, agents, and the solver's status; a plan for the day's
// service level adds that level (the roster check's) after the agents and,
// under a slot floor, whether every slot meets it.
std::vector<std::pair<QString, QString>> totals(const ShiftPlan &plan);

// The two plans side by side: headings, then per plan its goal, paid hours
// and the roster check's day's service level ("no plan" for one missing);
// or per plan its goal and a line "195.00 paid hours, service level 90.0%".
QStringList comparisonHeadings();
std::vector<QStringList> comparisonRows(const ShiftPlanComparison &plans);
std::vector<std::pair<QString, QString>> comparisonLines(const ShiftPlanComparison &plans);

} // namespace ShiftPlanText
