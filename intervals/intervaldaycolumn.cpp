// SPDX-License-Identifier: MIT
#include "intervaldaycolumn.h"

#include <QRegularExpression>

#include <climits>

namespace {

// How one cell is written.
struct CellForm
{
    enum class Kind { Weekday, Date, Slashed };
    Kind kind = Kind::Date;
    int weekday = 0;
    QDate date;          // Kind::Date
    int first = 0;       // Kind::Slashed: first/second/year
    int second = 0;
    int year = 0;
};

std::optional<int> weekdayOf(const QString &text)
{
    static const char *const names[7][2] = {{"mon", "monday"},  {"tue", "tuesday"}, {"wed", "wednesday"},
                                            {"thu", "thursday"}, {"fri", "friday"},  {"sat", "saturday"},
                                            {"sun", "sunday"}};
    const QString lower = text.toLower();
    for (int day = 0; day < 7; ++day) {
        if (lower == QLatin1String(names[day][0]) || lower == QLatin1String(names[day][1]))
            return day + 1;
    }
    return std::nullopt;
}

// The form of a cell; empty when it is neither a date nor a weekday (an ISO
// date that is no day of the calendar included).
std::optional<CellForm> formOf(const QString &text)
{
    CellForm form;
    if (const std::optional<int> weekday = weekdayOf(text)) {
        form.kind = CellForm::Kind::Weekday;
        form.weekday = *weekday;
        return form;
    }
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression slashed(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    if (const QRegularExpressionMatch match = iso.match(text); match.hasMatch()) {
        form.date = QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        if (!form.date.isValid())
            return std::nullopt;
        return form;
    }
    if (const QRegularExpressionMatch match = slashed.match(text); match.hasMatch()) {
        form.kind = CellForm::Kind::Slashed;
        form.first = match.captured(1).toInt();
        form.second = match.captured(2).toInt();
        form.year = match.captured(3).toInt();
        return form;
    }
    return std::nullopt;
}

// The dates of every cell under one reading of the slashed ones, with the
// line of its first fault (INT_MAX without one): a slashed cell that is no
// date, or a date before the one above.
struct Reading
{
    std::vector<QDate> dates;
    int faultLine = INT_MAX;
    bool faultIsDate = false; // the fault is a cell that is no date
    qint64 span = 0;          // days from the first date to the last

    bool passes() const { return faultLine == INT_MAX; }
};

Reading readAs(const std::vector<IntervalDayColumn::Cell> &cells, const std::vector<CellForm> &forms, bool dayFirst)
{
    Reading reading;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const CellForm &form = forms[i];
        QDate date = form.date;
        if (form.kind == CellForm::Kind::Slashed)
            date = dayFirst ? QDate(form.year, form.second, form.first) : QDate(form.year, form.first, form.second);
        if (!date.isValid()) {
            reading.faultLine = cells[i].line;
            reading.faultIsDate = true;
            return reading;
        }
        if (!reading.dates.empty() && date < reading.dates.back() && reading.passes())
            reading.faultLine = cells[i].line;
        reading.dates.push_back(date);
    }
    reading.span = reading.dates.front().daysTo(reading.dates.back());
    return reading;
}

} // namespace

IntervalDayColumn IntervalDayColumn::read(const std::vector<Cell> &cells, const QString &header)
{
    IntervalDayColumn column;
    auto refuse = [&](const Cell &cell, const QString &problem) {
        column.refusal = IntervalRefusal{cell.line, QStringLiteral("%1 in the column %2 %3")
                                                        .arg(IntervalRefusal::quoted(cell.text),
                                                             IntervalRefusal::quoted(header), problem)};
        column.days.clear();
        return column;
    };
    std::vector<CellForm> forms;
    bool anySlashed = false;
    for (const Cell &cell : cells) {
        if (cell.text.isEmpty())
            return refuse(cell, QStringLiteral("is empty where a date or a weekday is needed"));
        const std::optional<CellForm> form = formOf(cell.text);
        if (!form)
            return refuse(cell, QStringLiteral("is not a date (yyyy-mm-dd, dd/mm/yyyy or mm/dd/yyyy) nor a "
                                               "weekday (Mon to Sun)"));
        const bool weekday = form->kind == CellForm::Kind::Weekday;
        if (forms.empty())
            column.dated = !weekday;
        else if (weekday == column.dated)
            return refuse(cell, weekday ? QStringLiteral("is a weekday where the rows above give dates")
                                        : QStringLiteral("is a date where the rows above give weekdays"));
        anySlashed = anySlashed || form->kind == CellForm::Kind::Slashed;
        forms.push_back(*form);
    }
    if (!column.dated) {
        for (const CellForm &form : forms)
            column.days.push_back(Day{std::nullopt, form.weekday});
        return column;
    }

    const Reading dayFirst = readAs(cells, forms, true);
    Reading chosen = dayFirst;
    if (anySlashed) {
        const Reading monthFirst = readAs(cells, forms, false);
        if (dayFirst.passes() && monthFirst.passes()) {
            if (monthFirst.span < dayFirst.span) {
                chosen = monthFirst;
            } else if (monthFirst.span == dayFirst.span && monthFirst.dates != dayFirst.dates) {
                for (std::size_t i = 0; i < cells.size(); ++i) {
                    if (dayFirst.dates[i] != monthFirst.dates[i])
                        return refuse(cells[i], QStringLiteral("reads as %1 or as %2: write the dates as yyyy-mm-dd")
                                                    .arg(dayFirst.dates[i].toString(Qt::ISODate),
                                                         monthFirst.dates[i].toString(Qt::ISODate)));
                }
            }
        } else if (monthFirst.passes() || (!dayFirst.passes() && monthFirst.faultLine > dayFirst.faultLine)) {
            chosen = monthFirst;
        }
    }
    if (chosen.faultIsDate) {
        for (const Cell &cell : cells) {
            if (cell.line == chosen.faultLine)
                return refuse(cell, QStringLiteral("is not a date (yyyy-mm-dd, dd/mm/yyyy or mm/dd/yyyy)"));
        }
    }
    for (const QDate &date : chosen.dates)
        column.days.push_back(Day{date, date.dayOfWeek()});
    return column;
}
