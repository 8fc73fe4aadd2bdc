// SPDX-License-Identifier: MIT
#include "reportlayout.h"

#include <cmath>

int ReportPixels(int hundredths, double pixelsPerInch)
{
    return static_cast<int>(std::trunc(hundredths * pixelsPerInch / 100.0));
}

namespace {

const QString LetterA = QStringLiteral("A");

// The distance between the right edges of two columns: nine columns keep
// their places; a tenth ("Sched") narrows them all so that the table ends
// within a line width of where nine end, inside the portrait page.
// The nine columns, or the nine and "Sched", take the same width (630
// units); further columns share it.
int columnStep(std::size_t columns)
{
    constexpr int TableWidth = 630;
    return columns > static_cast<std::size_t>(ReportContent::ColumnCount) ? TableWidth / static_cast<int>(columns) : 70;
}

} // namespace

ReportLayout::ReportLayout(ReportCanvas &canvas, const ReportFontSet &fonts)
    : m_canvas(canvas)
    , m_fonts(fonts)
{
}

QString ReportLayout::pageText(int pageNumber)
{
    return QStringLiteral("Page ") + QString::number(pageNumber);
}

QString ReportLayout::reportTitle(bool scheduleMode)
{
    return scheduleMode ? QStringLiteral("Daily Manning Schedule") : QStringLiteral("Service Level Table");
}

int ReportLayout::ScaleX(int n) const
{
    return ReportPixels(n, m_xPixelsPerInch);
}

int ReportLayout::ScaleY(int n) const
{
    return ReportPixels(n, m_yPixelsPerInch);
}

void ReportLayout::SetPrinterFont(const PrinterFont &font)
{
    m_xPixelsPerInch = m_canvas.pixelsPerInchX();
    m_yPixelsPerInch = m_canvas.pixelsPerInchY();
    m_canvas.setFont(font);
}

void ReportLayout::NewLine(int n)
{
    if (n == 0)
        n = 1;
    m_curX = m_lineStartX;
    m_curY += n * (m_canvas.textHeight(LetterA) + m_lineGap);
}

bool ReportLayout::PrintText(const QString &text, bool advance)
{
    if (m_rightAlign) {
        // A text wider than its place starts at the left edge, uncut.
        m_curX -= m_canvas.textWidth(text);
        if (m_curX < 0)
            m_curX = 0;
    }
    if (m_canvas.aborted())
        return false;
    m_canvas.drawText(m_curX, m_curY, text);
    m_curX += m_canvas.textWidth(text);
    if (advance)
        NewLine(1);
    return true;
}

bool ReportLayout::startPage()
{
    if (!m_needHeader) {
        // The document began page 1 itself; an aborted job begins none.
        if (!m_canvas.aborted())
            m_canvas.newPage();
        m_curY = m_topMargin;
    }
    m_needHeader = false;

    // The header is always left-aligned, whatever the table has set.
    const bool rightAlign = m_rightAlign;
    m_rightAlign = false;
    bool drawn = false;
    do {
        SetPrinterFont(m_fonts.pageHeader);
        m_curX = m_headerX;
        if (!PrintText(productHeader(), false))
            break;
        const QString page = pageText(m_canvas.pageNumber());
        m_curX = m_pageNumberRight - m_canvas.textWidth(page);
        if (!PrintText(page, true))
            break;
        NewLine(1);
        SetPrinterFont(m_fonts.reportHeader);
        m_curX = m_headerX;
        if (!PrintText(m_reportTitle, true))
            break;
        NewLine(2);
        SetPrinterFont(m_fonts.body);
        drawn = true;
    } while (false);
    m_rightAlign = rightAlign;
    return drawn;
}

bool ReportLayout::PrintItem(const QString &text, bool advance)
{
    if (m_needHeader || m_curY + m_canvas.textHeight(text) > m_bottomLimit) {
        if (!startPage())
            return false;
    }
    if (text.isEmpty()) {
        NewLine(1);
        return true;
    }
    return PrintText(text, advance);
}

void ReportLayout::initialiseState(const ReportContent &content)
{
    m_topMargin = ScaleY(50);
    m_lineStartX = ScaleX(50);
    m_curX = m_lineStartX;
    m_curY = m_topMargin;
    m_headerX = ScaleX(50);
    m_lineGap = ScaleY(5);
    // Two top margins above the bottom of the printable area, and the page
    // number two margins in from the right.
    m_bottomLimit = m_canvas.pageHeight() - 2 * m_topMargin;
    m_pageNumberRight = m_canvas.pageWidth() - 2 * ScaleX(50);
    m_rightAlign = false;
    m_needHeader = true;
    m_reportTitle = content.document ? content.document->title
                    : content.shiftPlan ? shiftPlanTitle()
                                        : reportTitle(content.scheduleMode);
}

void ReportLayout::printInputLine(const QString &caption, const QString &value)
{
    PrintItem(caption, false);
    m_curX = ScaleX(200);
    PrintItem(value, true);
}

void ReportLayout::printDocumentLines(const ReportContent::Document &document)
{
    for (const TotalsLine &line : document.lines) {
        if (m_canvas.aborted())
            return;
        printInputLine(line.caption.toUpper(), line.value);
    }
}

void ReportLayout::printInputBlock(const ReportContent &content)
{
    auto row = [this](const char *label, const QString &value) { printInputLine(QString::fromLatin1(label), value); };
    row("FILE", content.scenarioFileName);
    NewLine(1);
    row("TOTAL CALLS", content.totalCalls);
    row("BETWEEN", content.startTime + QStringLiteral(" and ") + content.endTime);
    row("CALL LENGTH", content.callLength);
    row("AFTER CALL", content.afterCall);
    row("MAX WAIT", content.maxWait);
    row("SERVICE LEVEL", content.goalPercent + QStringLiteral("% in ") + content.goalSeconds + QStringLiteral(" Secs"));
    for (const TotalsLine &option : content.options)
        printInputLine(option.caption.toUpper(), option.value);
}

void ReportLayout::printHeadings(const ReportContent &content)
{
    m_lineStartX = ScaleX(130);
    NewLine(1);
    m_rightAlign = true;
    int x = m_lineStartX;
    const std::vector<QString> texts = content.printedRow(0);
    for (std::size_t c = 0; c < texts.size() && !m_canvas.aborted(); ++c) {
        PrintItem(texts[c], false);
        x += ScaleX(columnStep(texts.size()));
        m_curX = x;
    }
}

void ReportLayout::printRows(const ReportContent &content)
{
    m_lineStartX = ScaleX(120);
    NewLine(1);
    for (int r = 1; r <= content.lastRow() && !m_canvas.aborted(); ++r) {
        int x = m_lineStartX;
        const std::vector<QString> texts = content.printedRow(r);
        for (const QString &text : texts) {
            PrintItem(text, false);
            x += ScaleX(columnStep(texts.size()));
            m_curX = x;
        }
        NewLine(1);
    }
}

void ReportLayout::printRosterTable(const ReportContent &content)
{
    printTitledTable(QStringLiteral("ROSTER"), content.rosterCells);
}

void ReportLayout::printTitledTable(const QString &title, const std::vector<ReportContent::Row> &rows)
{
    if (rows.empty() || m_canvas.aborted())
        return;
    m_rightAlign = false;
    m_lineStartX = ScaleX(50);
    NewLine(1);
    PrintItem(title, true);
    for (std::size_t r = 0; r < rows.size() && !m_canvas.aborted(); ++r) {
        // Headings as the first table's, rows a little left of them.
        m_lineStartX = ScaleX(r == 0 ? 130 : 120);
        m_curX = m_lineStartX;
        m_rightAlign = true;
        int x = m_lineStartX;
        for (const QString &text : rows[r]) {
            // A slot without a roster value leaves its cells blank.
            if (!text.isEmpty())
                PrintItem(text, false);
            x += ScaleX(70);
            m_curX = x;
        }
        NewLine(1);
    }
    m_rightAlign = false;
}

void ReportLayout::printDayLines(const ReportContent &content)
{
    if (content.dayLines.empty() || m_canvas.aborted())
        return;
    m_rightAlign = false;
    m_lineStartX = ScaleX(50);
    NewLine(1);
    for (const TotalsLine &line : content.dayLines) {
        if (m_canvas.aborted())
            return;
        PrintItem(line.caption.toUpper(), false);
        const int valueX = ScaleX(300);
        const QStringList parts = wrapped(line.value, m_pageNumberRight - valueX);
        for (const QString &part : parts) {
            m_curX = valueX;
            if (!PrintItem(part, true))
                return;
        }
    }
}

QStringList WrapReportText(const ReportCanvas &canvas, const QString &text, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && canvas.textWidth(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

void ReportLayout::printChart(const ReportContent &content)
{
    if (!content.chart || m_canvas.aborted())
        return;
    NewLine(1);
    const int height = ScaleY(350);
    if (m_curY + height > m_bottomLimit && !startPage())
        return;
    const QRect rect(ScaleX(50), m_curY, m_pageNumberRight - ScaleX(50), height);
    m_canvas.drawChart(rect, *content.chart);
    m_curY += height;
}

void ReportLayout::printStaleNote(const ReportContent &content)
{
    if (content.staleNote.isEmpty() || m_canvas.aborted())
        return;
    m_rightAlign = false;
    m_lineStartX = ScaleX(50);
    NewLine(1);
    PrintItem(content.staleNote, false);
}

void ReportLayout::printBody(const ReportContent &content)
{
    SetPrinterFont(m_fonts.body);
    initialiseState(content);
    SetPrinterFont(m_fonts.body);
    if (content.document) {
        printDocumentLines(*content.document);
        for (const ReportContent::TitledTable &table : content.document->tables)
            printTitledTable(table.title, table.rows);
        printDayLines(content);
        printChart(content);
        return;
    }
    printInputBlock(content);
    if (content.shiftPlan) {
        printTitledTable(QStringLiteral("SHIFTS"), content.shiftCells);
        printTitledTable(QStringLiteral("COVER"), content.coverCells);
        printDayLines(content);
        printChart(content);
        return;
    }
    printHeadings(content);
    printRows(content);
    printRosterTable(content);
    printDayLines(content);
    printStaleNote(content);
}
