// SPDX-License-Identifier: MIT
#pragma once

#include "reportcanvas.h"
#include "reportfontset.h"
#include "weekreport.h"

#include <QStringList>

#include <vector>

// The week's report drawn on a canvas. Page 1: the page header (product,
// page number, title), the week file, the heat map on the left and on the
// right the days' and tour types' tables, the week's totals and the cover
// notes (what does not fit goes on over the next page, full width). Then
// the agents' weeks, their headings at the top of every page; a table too
// wide for the page puts each day's break on a second line, then takes a
// smaller type, so that no column is cut. Layout constants are hundredths
// of an inch; positions printer pixels.
class WeekReportLayout
{
public:
    WeekReportLayout(ReportCanvas &canvas, const ReportFontSet &fonts);

    // On a document already begun; a PrinterError from the canvas ends it
    // at once, and nothing more is drawn once the job is aborted.
    void print(const WeekReport::Content &content);

private:
    // Where the text flows: from x, `width` pixels wide.
    struct Area
    {
        int x = 0;
        int width = 0;
    };
    // A table's rows (the headings first), each column's left edge from
    // the table's (one more entry: the table's whole width) and width; a
    // cell is split into lines at "\n".
    struct Table
    {
        std::vector<QStringList> rows;
        std::vector<int> columnX;
        std::vector<int> columnWidth;
        std::vector<bool> rightAligned;
        int lineCount = 1; // lines per body row
    };

    int scaleX(int hundredths) const;
    int scaleY(int hundredths) const;
    int lineHeight() const;
    void startPage();
    // A new page when `height` more pixels do not fit; after a break the
    // text flows over the whole width.
    void makeRoom(int height);
    void drawText(int x, int y, const QString &text);

    void printHeatMapAndTotals(const WeekReport::Content &content);
    // The columns of rows measured in the present font.
    Table measured(std::vector<QStringList> rows, const std::vector<bool> &rightAligned, int lineCount = 1) const;
    void printTable(const Table &table, bool headingsOnEveryPage);
    void printRow(const Table &table, const QStringList &row, int lines);
    void printLines(const std::vector<std::pair<QString, QString>> &lines);
    void printParagraph(const QString &text);
    void printAgents(const WeekPlan &plan);

    ReportCanvas &m_canvas;
    ReportFontSet m_fonts;
    PrinterFont m_bodyFont;
    int m_margin = 0;
    int m_right = 0;
    int m_bottomLimit = 0;
    int m_curY = 0;
    Area m_area;
    bool m_firstPage = true;
};
