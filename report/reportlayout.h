// SPDX-License-Identifier: MIT
#pragma once

#include "reportcanvas.h"
#include "reportcontent.h"
#include "reportfontset.h"

#include <QStringList>

// The words of text in lines that fit `width` pixels in the canvas's
// current font; a word wider than that has a line of its own, uncut.
QStringList WrapReportText(const ReportCanvas &canvas, const QString &text, int width);

// `hundredths` of an inch in pixels at `pixelsPerInch`, truncated toward
// zero: 0.5 in at 203 pixels per inch is 101 pixels.
int ReportPixels(int hundredths, double pixelsPerInch);

// The report drawn text by text on a canvas: the page header with the product
// name and the page number, the title, the block of inputs and the result
// table, with page breaks before any item that would reach below the bottom
// limit. Every layout constant is in hundredths of an inch and converted for
// the canvas at hand; positions are printer pixels.
class ReportLayout
{
public:
    ReportLayout(ReportCanvas &canvas, const ReportFontSet &fonts);

    // The body of a print, from the first font to the last row, on a
    // document already begun: the input block, the headings and the rows.
    // A PrinterError from the canvas ends it at once; what was printed stays.
    // The document is not ended here.
    void printBody(const ReportContent &content);

    // n hundredths of an inch in pixels, truncated toward zero.
    int ScaleX(int n) const;
    int ScaleY(int n) const;

    // Reads the resolution from the canvas afresh, then makes the font the
    // canvas font.
    void SetPrinterFont(const PrinterFont &font);
    // Back to the line start, n lines down (0 counts as 1).
    void NewLine(int n);
    // Draws at the current position (ending there while right-aligned) and
    // moves past the text; false, drawing nothing, once the job is aborted.
    bool PrintText(const QString &text, bool advance);
    // Starts a page when one is due, then prints the text; an empty text
    // only feeds a line. False when a header text or the item was not drawn
    // because the job was aborted.
    bool PrintItem(const QString &text, bool advance);

    // The report state, for a look from outside.
    int curX() const { return m_curX; }
    int curY() const { return m_curY; }
    int topMargin() const { return m_topMargin; }
    int lineStartX() const { return m_lineStartX; }
    int lineGap() const { return m_lineGap; }
    int bottomLimit() const { return m_bottomLimit; }
    int pageNumberRight() const { return m_pageNumberRight; }
    double xPixelsPerInch() const { return m_xPixelsPerInch; }
    double yPixelsPerInch() const { return m_yPixelsPerInch; }

    // The page header's texts: the product name on the left, the page
    // number ("Page 2") on the right.
    static QString productHeader() { return QStringLiteral("Varnook "); }
    static QString pageText(int pageNumber);
    // The title for the active tab.
    static QString reportTitle(bool scheduleMode);
    static QString shiftPlanTitle() { return QStringLiteral("Shift Plan"); }

private:
    void initialiseState(const ReportContent &content);
    void printInputBlock(const ReportContent &content);
    void printInputLine(const QString &caption, const QString &value);
    void printHeadings(const ReportContent &content);
    void printRows(const ReportContent &content);
    // With a roster: its own table under the first, under the title
    // "ROSTER".
    void printRosterTable(const ReportContent &content);
    // A table under its own title, headings a little right of the rows,
    // right-aligned in columns of 0.7 inch; empty cells are left blank.
    void printTitledTable(const QString &title, const std::vector<ReportContent::Row> &rows);
    // The day's totals and roster figures, one caption and value a line;
    // a value too wide for the page goes on over further lines.
    void printDayLines(const ReportContent &content);
    QStringList wrapped(const QString &text, int width) const { return WrapReportText(m_canvas, text, width); }
    // A shift plan's chart under what was printed, on a page of its own
    // when it would reach below the bottom limit.
    void printChart(const ReportContent &content);
    void printStaleNote(const ReportContent &content);
    // A document's own lines in place of the inputs, one caption and value
    // a line, as the inputs print.
    void printDocumentLines(const ReportContent::Document &document);
    // The page header at the top of a new page; false when a header text
    // was not drawn because the job was aborted.
    bool startPage();

    ReportCanvas &m_canvas;
    ReportFontSet m_fonts;
    double m_xPixelsPerInch = 0;
    double m_yPixelsPerInch = 0;

    int m_curX = 0;
    int m_curY = 0;
    int m_topMargin = 0;
    int m_lineStartX = 0;
    int m_headerX = 0;
    int m_lineGap = 0;
    int m_bottomLimit = 0;
    int m_pageNumberRight = 0;
    bool m_rightAlign = false;
    bool m_needHeader = true;
    QString m_reportTitle;
};
