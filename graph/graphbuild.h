// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"
#include "serieskinds.h"

#include <QString>

class ResultTable;
class SeriesColourTable;

// What a graph build reads besides the table: the tab shown, the graph
// window's series selection and line or bar style.
struct GraphRequest
{
    bool scheduleTab = false;
    SeriesSelectionWord selection = 0;
    bool barChart = false;
    // Schedule slots in an hour, so that crowded time labels keep to whole
    // hours; 1 and 2 leave the bottom axis its own steps.
    int slotsPerHour = 1;
};

// What a build has to tell the planner. The build itself shows nothing.
struct GraphBuildResult
{
    // Percentages, times and numbers were selected together: the number
    // series were left out of this build. The caller shows
    // IncompatibleSelectionMessage.
    bool incompatible = false;
    // A cell that does not convert ended the build: the chart has no series.
    // Empty when every cell converted.
    QString conversionError;
};

// "Incompatible series selection, only percentages and times shown."
QString IncompatibleSelectionMessage();

// Turns the result table of the tab into the chart's series and axes. Rows
// 1 to rowCount()-1 are the data rows; each selected kind becomes one line or
// bar series in kind order, its points the kind's column with the agent
// numbers or slot times as labels. Percentages go on the left axis (0 to 100)
// and at most one other group on the right; the other value axes are scaled
// from the largest time and the largest number in the whole table.
//
// Every series, the legend style, the title, the left axis and the axis
// titles are set anew. The right axis is set only when a group goes there;
// the bottom axis scale, the grids, the 3D view and the wall are left alone.
// An empty selection draws the tab's default pair for this build only. A
// table without data rows, or whose result cells are empty (after a refused
// recalculation), leaves the chart without series and nothing else changed.
GraphBuildResult BuildGraph(ChartModel &chart, const ResultTable &table, const GraphRequest &request,
                            const SeriesColourTable &colours);
