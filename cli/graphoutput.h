// SPDX-License-Identifier: MIT
#pragma once

#include "serieskinds.h"

#include <QString>

#include <optional>

class AgentScenario;
class ResultTable;
struct CommandLine;

// The graph form of varnook-calc: the chart a new graph window shows for the
// scenario's table, drawn by the same build and painter into a PNG picture
// or a one-page PDF. Needs a QGuiApplication.
namespace GraphOutput {

// The selection named by --series: menu captions of the kinds the tab
// offers, "Sched" and (on the Schedule) "Have" included. Empty with the
// words of a usage error in *error.
std::optional<SeriesSelectionWord> SelectionFromCaptions(const QStringList &captions, bool scheduleTab, QString *error);
// Once the table is computed: the words of a usage error when the
// selection names an extra column's series ("Sched", "Have") that the
// table does not show; empty otherwise.
QString MissingExtraSeries(SeriesSelectionWord selection, bool scheduleTab, const ResultTable &table);

struct Written
{
    bool ok = false;
    QString error;   // the file could not be written
    QString message; // what the build has to tell: the incompatibility message
};

Written WriteGraph(const AgentScenario &scenario, const CommandLine &line, SeriesSelectionWord selection);

} // namespace GraphOutput
