// SPDX-License-Identifier: MIT
#pragma once

#include "commandline.h"
#include "shiftplan.h"
#include "shiftplancomparison.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

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
// How the solver ended: status, optimal, objective, bound, seconds.
QJsonObject SolverJson(const ShiftPlan::Solver &solver);

} // namespace ShiftPlanOutput
