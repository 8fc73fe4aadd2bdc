// SPDX-License-Identifier: MIT
#pragma once

#include "forecaster.h"
#include "forecastmethod.h"
#include "forecastseries.h"
#include "intervaldays.h"
#include "weekscenario.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// What the forecast window shows, without widgets: a history read from an
// interval file of several days, the method the planner picked (none: the
// backtest's choice) and the days left out, and the forecast they give.
// Every change forecasts again; a change that cannot be forecast is
// refused, saying why, and leaves everything as it was.
class ForecastSession
{
public:
    // The history in `bytes` (a file's, `fileName` in messages: the full
    // path), forecast with the backtest's choice and no day left out. None,
    // and in *refusal why (the reader's message naming the line), when the
    // file cannot be forecast from.
    static std::optional<ForecastSession> open(const QByteArray &bytes, const QString &fileName, QString *refusal);

    std::optional<QString> setMethod(std::optional<ForecastMethodKind> method);
    std::optional<QString> setExcluded(const QDate &date, bool excluded);

    const QString &fileName() const { return m_fileName; }
    // The dates of the history's days, in order: each can be left out.
    std::vector<QDate> historyDates() const;
    const std::vector<QDate> &excluded() const { return m_excluded; }
    bool isExcluded(const QDate &date) const;
    const std::optional<ForecastMethodKind> &method() const { return m_method; }
    const ForecastSeries &series() const { return *m_series; }
    const ForecastOutcome &outcome() const { return m_outcome; }

    // The forecast week as the week planner's days and slot length, the
    // week's settings, shift and tour types kept: each forecast day open from
    // its first slot to its last with its calls and handle times, the others
    // closed, every day dated. Why it cannot be, when no day was forecast.
    std::optional<QString> putWeekInto(WeekScenario &week) const;
    // The forecast week as rows of an interval file, tab-separated for a
    // spreadsheet; the interval readers take it back.
    QString copyText() const;

private:
    ForecastSession() = default;
    // Forecasts with these settings; only a forecast that succeeds replaces
    // the session's.
    std::optional<QString> rerun(const std::optional<ForecastMethodKind> &method, std::vector<QDate> excluded);

    QString m_fileName;
    IntervalDays m_history;
    std::optional<ForecastMethodKind> m_method;
    std::vector<QDate> m_excluded; // ascending
    std::optional<ForecastSeries> m_series;
    ForecastOutcome m_outcome;
};
