// SPDX-License-Identifier: MIT
#include "weekreportlayout.h"

#include "reportlayout.h"
#include "weekheatmappainter.h"
#include "weekplantext.h"

#include <algorithm>

namespace {

const QString LetterA = QStringLiteral("A");
// The smallest type the agents' table may take to fit the page.
constexpr int SmallestPointSize = 6;

class HeatMapPicture : public ReportPicture
{
public:
    explicit HeatMapPicture(const WeekPlan &plan)
        : m_plan(plan)
    {
    }
    void paint(QPainter &painter, const QRect &rect) const override { PaintWeekHeatMap(painter, rect, m_plan); }
    QString name() const override { return WeekReport::heatMapName(); }

private:
    const WeekPlan &m_plan;
};

// The columns none of whose body cells holds a text (the dates of a week
// without them) are left out.
std::vector<QStringList> withoutEmptyColumns(std::vector<QStringList> rows, std::vector<bool> &rightAligned)
{
    for (int c = int(rows.front().size()) - 1; c >= 0; --c) {
        const bool empty = std::all_of(rows.begin() + 1, rows.end(),
                                       [c](const QStringList &row) { return c >= row.size() || row[c].isEmpty(); });
        if (!empty || rows.size() < 2)
            continue;
        for (QStringList &row : rows)
            if (c < row.size())
                row.removeAt(c);
        rightAligned.erase(rightAligned.begin() + c);
    }
    return rows;
}

} // namespace

WeekReportLayout::WeekReportLayout(ReportCanvas &canvas, const ReportFontSet &fonts)
    : m_canvas(canvas)
    , m_fonts(fonts)
    , m_bodyFont(fonts.body)
{
}

int WeekReportLayout::scaleX(int hundredths) const
{
    return ReportPixels(hundredths, m_canvas.pixelsPerInchX());
}

int WeekReportLayout::scaleY(int hundredths) const
{
    return ReportPixels(hundredths, m_canvas.pixelsPerInchY());
}

int WeekReportLayout::lineHeight() const
{
    return m_canvas.textHeight(LetterA) + scaleY(5);
}

void WeekReportLayout::drawText(int x, int y, const QString &text)
{
    if (!m_canvas.aborted())
        m_canvas.drawText(x, y, text);
}

void WeekReportLayout::startPage()
{
    if (!m_firstPage && !m_canvas.aborted())
        m_canvas.newPage();
    m_firstPage = false;
    m_curY = scaleY(50);
    m_area = {m_margin, m_right - m_margin};
    // The header as an agent window's report has it.
    m_canvas.setFont(m_fonts.pageHeader);
    drawText(m_margin, m_curY, ReportLayout::productHeader());
    const QString pageText = ReportLayout::pageText(m_canvas.pageNumber());
    drawText(m_right - m_canvas.textWidth(pageText), m_curY, pageText);
    m_curY += 2 * lineHeight();
    m_canvas.setFont(m_fonts.reportHeader);
    drawText(m_margin, m_curY, WeekReport::title());
    m_curY += 3 * lineHeight();
    m_canvas.setFont(m_bodyFont);
}

void WeekReportLayout::makeRoom(int height)
{
    if (m_curY + height > m_bottomLimit)
        startPage();
}

void WeekReportLayout::print(const WeekReport::Content &content)
{
    m_margin = scaleX(50);
    // Two margins above the bottom of the printable area and in from its
    // right edge, as an agent window's report keeps them.
    m_right = m_canvas.pageWidth() - 2 * scaleX(50);
    m_bottomLimit = m_canvas.pageHeight() - 2 * scaleY(50);
    m_firstPage = true;
    startPage();
    printHeatMapAndTotals(content);
    if (!m_canvas.aborted())
        printAgents(content.plan);
}

void WeekReportLayout::printHeatMapAndTotals(const WeekReport::Content &content)
{
    const WeekPlan &plan = content.plan;
    drawText(m_margin, m_curY, QStringLiteral("FILE"));
    drawText(m_margin + scaleX(150), m_curY, content.fileName);
    m_curY += 2 * lineHeight();

    std::vector<QStringList> dayRows{WeekPlanText::dayHeadings()};
    for (int d = 0; d < ShiftWeek::DayCount; ++d)
        dayRows.push_back(WeekPlanText::dayRow(plan, d, content.dates[std::size_t(d)]));
    std::vector<bool> dayRight{false, false, true, true, true};
    dayRows = withoutEmptyColumns(std::move(dayRows), dayRight);
    const Table days = measured(dayRows, dayRight);
    const Table tours = measured(WeekPlanText::tourTable(plan), {false, true, true, true});

    // The heat map takes what the tables leave, at least two fifths.
    const int width = m_right - m_margin;
    const int gap = scaleX(25);
    const int tablesWidth = std::max({days.columnX.back(), tours.columnX.back(), scaleX(350)});
    const int mapWidth = std::max(width * 2 / 5, width - tablesWidth - gap);
    const int mapHeight = std::max(lineHeight(), m_bottomLimit - m_curY);
    if (!m_canvas.aborted())
        m_canvas.drawPicture(QRect(m_margin, m_curY, mapWidth, mapHeight), HeatMapPicture(plan));
    m_area = {m_margin + mapWidth + gap, width - mapWidth - gap};

    printTable(days, false);
    m_curY += lineHeight();
    if (!plan.tours.empty()) {
        printTable(tours, false);
        m_curY += lineHeight();
    }
    printLines(WeekPlanText::totals(plan));
    for (const QString &note : WeekPlanText::coverNotes(plan)) {
        m_curY += lineHeight() / 2;
        printParagraph(note);
    }
}

WeekReportLayout::Table WeekReportLayout::measured(std::vector<QStringList> rows, const std::vector<bool> &rightAligned,
                                                   int lineCount) const
{
    Table table;
    table.rows = std::move(rows);
    table.rightAligned = rightAligned;
    table.lineCount = lineCount;
    const int gap = scaleX(20);
    int x = 0;
    const int columns = table.rows.front().size();
    for (int c = 0; c < columns; ++c) {
        int widest = 0;
        for (const QStringList &row : table.rows)
            if (c < row.size())
                for (const QString &line : row[c].split(QLatin1Char('\n')))
                    widest = std::max(widest, m_canvas.textWidth(line));
        table.columnX.push_back(x);
        table.columnWidth.push_back(widest);
        x += widest + gap;
    }
    table.columnX.push_back(std::max(0, x - gap));
    return table;
}

void WeekReportLayout::printRow(const Table &table, const QStringList &row, int lines)
{
    for (int c = 0; c < row.size() && c < int(table.columnWidth.size()); ++c) {
        const QStringList parts = row[c].split(QLatin1Char('\n'));
        for (int i = 0; i < parts.size() && i < lines; ++i) {
            int x = m_area.x + table.columnX[std::size_t(c)];
            if (table.rightAligned[std::size_t(c)])
                x += table.columnWidth[std::size_t(c)] - m_canvas.textWidth(parts[i]);
            drawText(x, m_curY + i * lineHeight(), parts[i]);
        }
    }
    m_curY += lines * lineHeight();
}

void WeekReportLayout::printTable(const Table &table, bool headingsOnEveryPage)
{
    const int rowHeight = table.lineCount * lineHeight();
    // The headings never stand alone at the foot of a page.
    makeRoom(lineHeight() + (table.rows.size() > 1 ? rowHeight : 0));
    printRow(table, table.rows.front(), 1);
    for (std::size_t r = 1; r < table.rows.size() && !m_canvas.aborted(); ++r) {
        if (m_curY + rowHeight > m_bottomLimit) {
            startPage();
            if (headingsOnEveryPage)
                printRow(table, table.rows.front(), 1);
        }
        printRow(table, table.rows[r], table.lineCount);
    }
}

void WeekReportLayout::printLines(const std::vector<std::pair<QString, QString>> &lines)
{
    int captionWidth = 0;
    for (const auto &line : lines)
        captionWidth = std::max(captionWidth, m_canvas.textWidth(line.first + QLatin1Char(':')));
    captionWidth += scaleX(20);
    for (const auto &[caption, value] : lines) {
        if (m_canvas.aborted())
            return;
        makeRoom(lineHeight());
        drawText(m_area.x, m_curY, caption + QLatin1Char(':'));
        const int indent = std::min(captionWidth, m_area.width / 2);
        for (const QString &part : WrapReportText(m_canvas, value, m_area.width - indent)) {
            makeRoom(lineHeight());
            drawText(m_area.x + indent, m_curY, part);
            m_curY += lineHeight();
        }
    }
}

void WeekReportLayout::printParagraph(const QString &text)
{
    for (const QString &part : WrapReportText(m_canvas, text, m_area.width)) {
        if (m_canvas.aborted())
            return;
        makeRoom(lineHeight());
        drawText(m_area.x, m_curY, part);
        m_curY += lineHeight();
    }
}

void WeekReportLayout::printAgents(const WeekPlan &plan)
{
    startPage();
    drawText(m_margin, m_curY, QStringLiteral("AGENTS' WEEKS"));
    m_curY += 2 * lineHeight();
    if (plan.agents.empty()) {
        printParagraph(QStringLiteral("The plan has no agents."));
        return;
    }
    const std::vector<QStringList> rows = WeekPlanText::agentTable(plan);
    std::vector<bool> rightAligned(std::size_t(rows.front().size()), false);
    rightAligned.front() = rightAligned.back() = true;
    std::vector<QStringList> split = rows;
    for (std::size_t r = 1; r < split.size(); ++r)
        for (int c = 2; c < 2 + ShiftWeek::DayCount && c < split[r].size(); ++c)
            split[r][c].replace(QLatin1Char(' '), QLatin1Char('\n'));

    // One line a row in the body type; else the breaks on a line of their
    // own; else smaller type until it fits.
    Table table = measured(rows, rightAligned);
    for (int points = m_bodyFont.pointSize; table.columnX.back() > m_area.width && points >= SmallestPointSize; --points) {
        m_bodyFont.pointSize = points;
        m_canvas.setFont(m_bodyFont);
        table = measured(split, rightAligned, 2);
    }
    printTable(table, true);
}
