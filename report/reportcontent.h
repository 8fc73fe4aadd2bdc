// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"
#include "daytotalslines.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class AgentScenario;

// What a report prints, copied from an agent window when the print starts:
// the field texts as they stand, the scenario file's name, the active tab and
// the result grid's cell texts (row 0 the headings). Nothing is recalculated
// or checked.
struct ReportContent
{
    static constexpr int ColumnCount = 9;
    using Row = std::array<QString, ColumnCount>;

    QString caption;          // the window's caption
    QString scenarioFileName; // the full path, or "*.vnk"
    QString totalCalls;       // Edit1
    QString startTime;        // MaskEdit1
    QString endTime;          // MaskEdit7
    QString callLength;       // MaskEdit2
    QString afterCall;        // MaskEdit3
    QString maxWait;          // MaskEdit4
    QString goalPercent;      // MaskEdit5
    QString goalSeconds;      // MaskEdit6
    bool scheduleMode = false;
    std::vector<Row> cells;

    // Beyond the nine columns, only while a planning option or a roster
    // asks for them (all empty otherwise, and the report is as before):
    // the options set, listed with the inputs ("Shrinkage", "30%");
    std::vector<TotalsLine> options;
    // the scheduled agents per row (row 0 the heading "Sched"), printed
    // after column `schedAfter`;
    std::vector<QString> sched;
    int schedAfter = 0;
    // the slots' own talk and after-call times per row (row 0 the headings
    // "Talk" and "ACW"), printed after the calls;
    std::vector<std::array<QString, 2>> slotTimes;
    // the roster's table, printed under the first: per row the slot's time
    // and agents, then "Have", "Gap" and what the roster gives;
    std::vector<Row> rosterCells;
    // the day's lines under the tables.
    std::vector<TotalsLine> dayLines;
    // Under everything, while the fields differ from those the table was
    // computed with: that the table is out of date (empty otherwise).
    QString staleNote;
    // A shift plan's report instead of the table: titled "Shift Plan", the
    // inputs, then the plan's shifts and its cover per slot (row 0 the
    // headings of each), with the plan's totals as the day's lines.
    bool shiftPlan = false;
    std::vector<Row> shiftCells;
    std::vector<Row> coverCells;
    // The plan's chart, printed under the day's lines.
    std::optional<ChartModel> chart;

    // A report that is no agent window's (a forecast's): its own title and
    // lines in place of the scenario's inputs, then its tables, each under
    // its title (row 0 the headings); the day's lines and the chart follow.
    struct TitledTable
    {
        QString title;
        std::vector<Row> rows;
    };
    struct Document
    {
        QString title;
        std::vector<TotalsLine> lines;
        std::vector<TitledTable> tables;
    };
    std::optional<Document> document;

    QString cell(int column, int row) const;
    // The texts of a row of the first table as printed: the nine with
    // the slot times and "Sched" in their places.
    std::vector<QString> printedRow(int row) const;
    int lastRow() const { return static_cast<int>(cells.size()) - 1; }
    // Up to ColumnCount texts as a row; the rest are left out.
    static Row rowOf(const QStringList &texts);

    // The field texts and the grid of a scenario model.
    static ReportContent fromScenario(const AgentScenario &scenario, const QString &scenarioFileName,
                                      const QString &caption);
};
