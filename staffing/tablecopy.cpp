// SPDX-License-Identifier: MIT
#include "tablecopy.h"

#include <QMimeData>

#include <algorithm>
#include <set>
#include <utility>

namespace {

QString flattened(QString cell)
{
    for (QChar &c : cell) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return cell;
}

bool isTableCell(const ResultTable &table, const TableCell &cell)
{
    return cell.column >= 0 && table.isShown(cell.column) && cell.row >= 1 && cell.row < table.rowCount();
}

// The place of a shown column in the order shown.
int shownPlace(const std::vector<int> &shown, int column)
{
    return static_cast<int>(std::find(shown.begin(), shown.end(), column) - shown.begin());
}

} // namespace

TableCopy TableCopy::wholeTable(const ResultTable &table, const std::vector<TotalsLine> &dayLines)
{
    TableCopy copy;
    const std::vector<int> columns = table.shownColumns();
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList cells;
        for (int c : columns)
            cells << table.cell(c, r);
        copy.m_rows << cells;
    }
    for (const TotalsLine &line : dayLines)
        copy.m_rows << QStringList{line.caption, line.value};
    return copy;
}

TableCopy TableCopy::ofRows(QList<QStringList> rows)
{
    TableCopy copy;
    copy.m_rows = std::move(rows);
    return copy;
}

TableCopy TableCopy::selectedCells(const ResultTable &table, const QList<TableCell> &cells)
{
    // Columns by their place in the order shown: "Sched" after the agents.
    const std::vector<int> shown = table.shownColumns();
    std::set<int> places;
    std::set<int> rows;
    std::set<std::pair<int, int>> chosen;
    for (const TableCell &cell : cells) {
        if (!isTableCell(table, cell))
            continue;
        places.insert(shownPlace(shown, cell.column));
        rows.insert(cell.row);
        chosen.insert({cell.column, cell.row});
    }
    std::vector<int> columns;
    for (int place : places)
        columns.push_back(shown[static_cast<std::size_t>(place)]);
    TableCopy copy;
    QStringList header;
    for (int c : columns)
        header << table.cell(c, 0);
    copy.m_rows << header;
    for (int r : rows) {
        QStringList line;
        for (int c : columns)
            line << (chosen.count({c, r}) ? table.cell(c, r) : QString());
        copy.m_rows << line;
    }
    return copy;
}

TableCopy TableCopy::forCopy(const ResultTable &table, const QList<TableCell> &selected, bool wholeRows,
                             const std::vector<TotalsLine> &dayLines)
{
    std::set<int> rows;
    int cells = 0;
    for (const TableCell &cell : selected) {
        if (!isTableCell(table, cell))
            continue;
        rows.insert(cell.row);
        ++cells;
    }
    const bool chosenByPlanner = rows.size() > 1 || (!wholeRows && cells > 1);
    // Every cell that can be selected (Select All) is the whole table, with
    // the fixed columns that cannot be.
    const int shownCount = static_cast<int>(table.shownColumns().size());
    const int selectable = (table.rowCount() - 1) * (shownCount - table.fixedColumns());
    std::set<std::pair<int, int>> distinct;
    for (const TableCell &cell : selected) {
        if (isTableCell(table, cell) && cell.column >= table.fixedColumns())
            distinct.insert({cell.column, cell.row});
    }
    const bool everything = static_cast<int>(distinct.size()) == selectable;
    return chosenByPlanner && !everything ? selectedCells(table, selected) : wholeTable(table, dayLines);
}

QString TableCopy::text() const
{
    QString text;
    for (const QStringList &row : m_rows) {
        QStringList cells;
        for (const QString &cell : row)
            cells << flattened(cell);
        text += cells.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

QString TableCopy::html() const
{
    // The character set is named so that a spreadsheet reads a locale's
    // thousands separator (a non-ASCII blank in some) as it was shown.
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
    for (int r = 0; r < m_rows.size(); ++r) {
        const QLatin1String tag = r == 0 ? QLatin1String("th") : QLatin1String("td");
        html += QLatin1String("<tr>");
        for (const QString &cell : m_rows.at(r))
            html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
        html += QLatin1String("</tr>\n");
    }
    html += QLatin1String("</table></body></html>\n");
    return html;
}

QMimeData *TableCopy::mimeData() const
{
    auto *data = new QMimeData;
    data->setText(text());
    data->setHtml(html());
    return data;
}
