// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"
#include "commandline.h"

#include <QString>

// The result table of a scenario as the calculator prints it, from the cell
// texts of its grid. The shown tab decides between the Agents table and the
// Schedule.
namespace TableOutput {

// Right-aligned columns under the headers; the goal row ends in "<- goal".
// A schedule ends with its total number of calls and total time.
QString table(const AgentScenario &scenario);
// The header row and every row, RFC 4180 quoting, CR LF after each row.
QString csv(const AgentScenario &scenario);
// One JSON object: inputs, tab, goalRow, table; a schedule adds totalTime,
// halfHourSlots (slotMinutes with 15-minute slots) and slotCalls.
QString json(const AgentScenario &scenario);

QString format(const AgentScenario &scenario, OutputFormat format);

// A CSV field, quoted (RFC 4180) when it holds a comma, a quote or a line end.
QString csvField(const QString &text);

} // namespace TableOutput
