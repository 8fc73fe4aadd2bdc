// SPDX-License-Identifier: MIT
#pragma once

#include "weekplan.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The words a week's plan is shown and written with, so that every place
// that shows one says the same; hours and levels as a day's plan writes
// them (shiftplantext.h).
namespace WeekPlanText {

// One agent's day: "08:00–16:30 b11:00" (start, end and the break's start),
// or "off".
QString dayShift(const std::optional<WeekPlan::DayShift> &shift);
// The agents' weeks: agent (from 1), tour, each day Monday first, the
// week's paid hours.
QStringList agentHeadings();
QStringList agentRow(int number, const WeekPlan::AgentWeek &agent);
// The headings, then a row per agent.
std::vector<QStringList> agentTable(const WeekPlan &plan);
// Per day: its name, date (empty without one), paid and required hours and
// the roster check's service level ("closed" for a closed day, "-" for a
// level without calls).
QStringList dayHeadings();
QStringList dayRow(const WeekPlan &plan, int day, const std::optional<QDate> &date);
// Per tour type: its headcount, paid hours and FTE.
QStringList tourHeadings();
QStringList tourRow(const WeekPlan::TourTotal &tour);
// The headings, then a row per tour type.
std::vector<QStringList> tourTable(const WeekPlan &plan);
// The week's figures, caption and value: the share of the requirement met
// when short, paid and required agent-hours, agents, FTE, the service goal
// when planned for it, and the solver's status.
std::vector<std::pair<QString, QString>> totals(const WeekPlan &plan);
// Per day, slots no tour reaches and slots short of their requirement as
// time ranges ("Mon: ..."), and a service goal the plan does not reach;
// none with full cover.
QStringList coverNotes(const WeekPlan &plan);
// The plans of the two goals side by side, the cover plan first: each
// goal's name and its paid hours, agents and lowest open day's service
// level by the roster check ("no plan" for a goal without one).
std::vector<std::pair<QString, QString>> comparisonLines(const WeekPlan *cover, const WeekPlan *service);
// The lowest service level of the plan's open days that have one.
std::optional<double> lowestDayLevel(const WeekPlan &plan);

} // namespace WeekPlanText
