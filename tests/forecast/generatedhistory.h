// SPDX-License-Identifier: MIT
#pragma once

// Histories with a known answer for the forecast's tests and benchmark: a
// daily and a weekly pattern, a trend and Poisson noise from a fixed seed,
// written as the interval file a telephone system exports.
#include "forecastseries.h"
#include "intervaldays.h"

#include <QDate>
#include <QString>

#include <cmath>
#include <random>

struct GeneratedHistory
{
    QDate first{2026, 1, 5}; // a Monday
    int days = 56;
    int slotMinutes = 30;
    int openMinute = 8 * 60;  // the first slot with calls
    int closeMinute = 20 * 60; // the end of the last
    double level = 40;         // calls per slot at the day's mean
    double trendPerDay = 0;    // growth of the level per day, a fraction
    bool noise = true;
    bool flat = false; // every slot of every day at `level`
    unsigned seed = 1;
    bool handleTimes = false;

    // The generating mean of a slot of day `day` (counted from `first`,
    // also past the history), `slot` counted from openMinute.
    double mean(int day, int slot) const
    {
        if (flat)
            return level;
        static const double weekly[7] = {1.25, 1.1, 1.0, 1.0, 0.95, 0.55, 0.35};
        const int slotCount = (closeMinute - openMinute) / slotMinutes;
        const double x = (slot + 0.5) / slotCount; // 0..1 over the open day
        // Two peaks, late morning and early afternoon.
        const double intraday = 0.4 + std::exp(-std::pow((x - 0.25) / 0.12, 2)) + 0.7 * std::exp(-std::pow((x - 0.6) / 0.15, 2));
        return level * (1 + trendPerDay * day) * weekly[first.addDays(day).dayOfWeek() - 1] * intraday;
    }

    QString text() const
    {
        std::mt19937 random(seed);
        QString csv = handleTimes ? QStringLiteral("date,interval,calls,talk,acw\n") : QStringLiteral("date,interval,calls\n");
        const int slotCount = (closeMinute - openMinute) / slotMinutes;
        for (int day = 0; day < days; ++day) {
            const QString date = first.addDays(day).toString(Qt::ISODate);
            for (int slot = 0; slot < slotCount; ++slot) {
                const double m = mean(day, slot);
                const int calls = noise ? std::poisson_distribution<int>(m)(random) : static_cast<int>(std::lround(m));
                const int minute = openMinute + slot * slotMinutes;
                csv += QStringLiteral("%1,%2:%3,%4").arg(date).arg(minute / 60, 2, 10, QLatin1Char('0'))
                           .arg(minute % 60, 2, 10, QLatin1Char('0')).arg(calls);
                if (handleTimes)
                    csv += QStringLiteral(",%1,%2").arg(150 + slot).arg(30 + day % 7);
                csv += QLatin1Char('\n');
            }
        }
        return csv;
    }

    ForecastSeries series(const std::vector<QDate> &excluded = {}) const
    {
        const ForecastSeries::Read read = ForecastSeries::fromDays(IntervalDays::read(text()), excluded);
        return *read.series;
    }
};
