// SPDX-License-Identifier: MIT
#include "forecastsession.h"

#include "intervaldayscsv.h"
#include "intervalweekimport.h"

#include <algorithm>

std::optional<ForecastSession> ForecastSession::open(const QByteArray &bytes, const QString &fileName,
                                                     QString *refusal)
{
    ForecastSession session;
    session.m_fileName = fileName;
    session.m_history = IntervalDays::fromBytes(bytes);
    if (!session.m_history.accepted()) {
        *refusal = session.m_history.refusal()->text();
        return std::nullopt;
    }
    if (const auto problem = session.rerun(std::nullopt, {})) {
        *refusal = *problem;
        return std::nullopt;
    }
    return session;
}

std::optional<QString> ForecastSession::rerun(const std::optional<ForecastMethodKind> &method,
                                              std::vector<QDate> excluded)
{
    std::sort(excluded.begin(), excluded.end());
    const ForecastSeries::Read read = ForecastSeries::fromDays(m_history, excluded);
    if (!read.series)
        return read.refusal;
    ForecastOutcome outcome = Forecaster::run(*read.series, method);
    if (!outcome.refusal.isEmpty())
        return outcome.refusal;
    m_method = method;
    m_excluded = std::move(excluded);
    m_series = read.series;
    m_outcome = std::move(outcome);
    return std::nullopt;
}

std::optional<QString> ForecastSession::setMethod(std::optional<ForecastMethodKind> method)
{
    if (method == m_method)
        return std::nullopt;
    return rerun(method, m_excluded);
}

std::optional<QString> ForecastSession::setExcluded(const QDate &date, bool excluded)
{
    if (isExcluded(date) == excluded)
        return std::nullopt;
    std::vector<QDate> dates = m_excluded;
    if (excluded)
        dates.push_back(date);
    else
        dates.erase(std::find(dates.begin(), dates.end(), date));
    return rerun(m_method, std::move(dates));
}

std::vector<QDate> ForecastSession::historyDates() const
{
    std::vector<QDate> dates;
    for (const IntervalDay &day : m_history.days()) {
        if (day.date)
            dates.push_back(*day.date);
    }
    return dates;
}

bool ForecastSession::isExcluded(const QDate &date) const
{
    return std::binary_search(m_excluded.begin(), m_excluded.end(), date);
}

std::optional<QString> ForecastSession::putWeekInto(WeekScenario &week) const
{
    IntervalWeek days;
    for (const IntervalDay &day : m_outcome.week)
        days[static_cast<std::size_t>(day.weekday - 1)] = day;
    return IntervalWeekImport::applyDays(week, days, m_outcome.slotMinutes, m_outcome.monday);
}

QString ForecastSession::copyText() const
{
    return IntervalDaysCsv(m_outcome.week, m_outcome.slotMinutes, QLatin1Char('\t'));
}
