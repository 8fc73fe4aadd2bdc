// SPDX-License-Identifier: MIT
#include "forecastreport.h"

#include "forecastchart.h"
#include "forecastmethodinfo.h"
#include "forecasttext.h"

namespace {

std::vector<ReportContent::Row> reportRows(const std::vector<QStringList> &rows)
{
    std::vector<ReportContent::Row> printed;
    for (const QStringList &row : rows)
        printed.push_back(ReportContent::rowOf(row));
    return printed;
}

// The week's table with each day headed by its weekday and day of the
// month alone ("Mon 14"), which fits a report column; the week line above
// gives the dates.
std::vector<ReportContent::Row> weekTable(const ForecastOutcome &outcome, bool handleTimes)
{
    std::vector<QStringList> rows = ForecastText::weekRows(outcome, handleTimes);
    for (std::size_t d = 0; d < outcome.week.size(); ++d)
        rows.front()[static_cast<int>(d) + 1] = ForecastText::shortDayHeading(*outcome.week[d].date);
    return reportRows(rows);
}

// The backtest's figures are wider than a report row: WAPE, bias and MAPE
// over all in one table, WAPE per lead day in the next.
std::vector<ReportContent::TitledTable> backtestTables(const ForecastOutcome &outcome)
{
    const QStringList headings = ForecastText::figureHeadings();
    std::vector<QStringList> overall{QStringList{QStringLiteral("Method")} + headings.mid(0, 3)};
    std::vector<QStringList> byLead{QStringList{QStringLiteral("Method")} + headings.mid(3)};
    for (const MethodBacktest &method : outcome.backtests) {
        const QString key = QLatin1String(ForecastMethodInfo::of(method.kind).key);
        const QStringList cells = ForecastText::figureCells(method);
        overall.push_back(QStringList{key} + cells.mid(0, 3));
        if (method.leftOut.isEmpty())
            byLead.push_back(QStringList{key} + cells.mid(3));
    }
    return {{QStringLiteral("BACKTEST"), reportRows(overall)}, {QStringLiteral("WAPE PER LEAD DAY"), reportRows(byLead)}};
}

QString excludedText(const ForecastSession &session)
{
    QStringList dates;
    for (const QDate &date : session.excluded())
        dates << date.toString(Qt::ISODate);
    return dates.isEmpty() ? QStringLiteral("none") : dates.join(QStringLiteral(", "));
}

} // namespace

ReportContent ForecastReport::content(const ForecastSession &session, const QString &caption)
{
    const ForecastOutcome &outcome = session.outcome();
    ReportContent content;
    content.caption = caption;
    ReportContent::Document document;
    document.title = QStringLiteral("Forecast");
    document.lines = {
        {QStringLiteral("History"), session.fileName()},
        {QStringLiteral("Week"), outcome.monday.toString(Qt::ISODate) + QStringLiteral(" to ")
                                     + outcome.monday.addDays(6).toString(Qt::ISODate)},
        {QStringLiteral("Slots"), QStringLiteral("%1 minutes").arg(outcome.slotMinutes)},
        {QStringLiteral("Method"), ForecastText::chosenText(outcome)},
        {QStringLiteral("Left out"), excludedText(session)},
        {QStringLiteral("Backtest"), QStringLiteral("the last %1 days").arg(outcome.heldOutDays)},
    };
    document.tables.push_back({QStringLiteral("CALLS"), weekTable(outcome, false)});
    if (ForecastText::hasHandleTimes(outcome))
        document.tables.push_back({QStringLiteral("HANDLE TIMES"), weekTable(outcome, true)});
    for (ReportContent::TitledTable &table : backtestTables(outcome))
        document.tables.push_back(std::move(table));
    content.document = std::move(document);
    for (const MethodBacktest &method : outcome.backtests) {
        if (!method.leftOut.isEmpty())
            content.dayLines.push_back({QLatin1String(ForecastMethodInfo::of(method.kind).key) + QStringLiteral(" left out"),
                                        method.leftOut});
    }
    content.chart.emplace();
    ForecastChart::build(*content.chart, session.series(), outcome);
    return content;
}
