// SPDX-License-Identifier: MIT
#pragma once

#include "commandline.h"
#include "shiftplan.h"
#include "shiftplancomparison.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// A shift plan as varnook-calc prints it.
namespace ShiftPlanOutput {

// The shifts, then per slot the requirement, staffed agents and over- or
// under-cover, then the day's totals and the solver's status, as aligned
// columns (table), RFC 4180 rows with CR LF (csv: the shifts, an empty row,
// the cover, an empty row, the totals) or one JSON object with "shifts",
// "coverage", "totals" and "solver". With a comparison the table and CSV
// end with it (after an empty line or row) and JSON adds "goal",
// "comparison" and, for a service-level plan, "service".
QString format(const ShiftPlan &plan, OutputFormat format, const ShiftPlanComparison *comparison = nullptr);

// Rows of cells, as the plans' tables are printed.
using Rows = std::vector<QStringList>;
// Columns padded to their widest cell; the first `textColumns` to the left,
// the others to the right; one line each.
QString AlignedRows(const Rows &rows, int textColumns = 1);
// RFC 4180 rows with CR LF.
QString CsvRows(const Rows &rows);
// Caption and value lines (a plan's totals) as rows of two cells.
Rows LineRows(const std::vector<std::pair<QString, QString>> &lines);
// How the solver ended: status, optimal, objective, bound, seconds.
QJsonObject SolverJson(const ShiftPlan::Solver &solver);
// The start times of the slots `indices` of `coverage`.
QJsonArray SlotTimesJson(const std::vector<ShiftPlan::Slot> &coverage, const std::vector<int> &indices);
// The value, or null without one.
QJsonValue OrNull(const std::optional<double> &value);

} // namespace ShiftPlanOutput
