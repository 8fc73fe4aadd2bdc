// SPDX-License-Identifier: MIT
#include "forecasttext.h"

#include "forecastmethodinfo.h"
#include "texts.h"

#include <QLocale>

#include <cmath>
#include <map>

namespace ForecastText {

namespace {

// The slots of the week by minute of the day, with each day's slot there.
using SlotMap = std::map<int, std::vector<const IntervalSlot *>>;

SlotMap slotMap(const ForecastOutcome &outcome)
{
    SlotMap map;
    for (std::size_t d = 0; d < outcome.week.size(); ++d) {
        const IntervalDay &day = outcome.week[d];
        for (std::size_t s = 0; s < day.slotValues.size(); ++s) {
            if (!day.slotValues[s].fromRow)
                continue;
            auto &row = map[day.firstMinute + static_cast<int>(s) * outcome.slotMinutes];
            row.resize(outcome.week.size(), nullptr);
            row[d] = &day.slotValues[s];
        }
    }
    return map;
}

QString handleTimeText(const IntervalSlot &slot)
{
    if (!slot.talkSeconds && !slot.wrapSeconds)
        return QStringLiteral("-");
    const int handle = slot.talkSeconds.value_or(0) + slot.wrapSeconds.value_or(0);
    return Calc::PadNumber(handle / 60, 2) + QLatin1Char(':') + Calc::PadNumber(handle % 60, 2);
}

} // namespace

QString percent(double fraction)
{
    return std::isnan(fraction) ? QStringLiteral("-") : QString::number(100 * fraction, 'f', 1) + QLatin1Char('%');
}

QString dayHeading(const IntervalDay &day)
{
    const QString date = day.date ? day.date->toString(QStringLiteral("MM-dd")) : QString();
    return QLocale::c().dayName(day.weekday, QLocale::ShortFormat) + QLatin1Char(' ') + date;
}

QString shortDayHeading(const QDate &date)
{
    return QLocale::c().dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') + QString::number(date.day());
}

bool hasHandleTimes(const ForecastOutcome &outcome)
{
    for (const IntervalDay &day : outcome.week) {
        for (const IntervalSlot &slot : day.slotValues) {
            if (slot.talkSeconds || slot.wrapSeconds)
                return true;
        }
    }
    return false;
}

std::vector<QStringList> weekRows(const ForecastOutcome &outcome, bool handleTimes)
{
    QStringList heading{handleTimes ? QStringLiteral("AHT") : QStringLiteral("Slot")};
    for (const IntervalDay &day : outcome.week)
        heading << dayHeading(day);
    std::vector<QStringList> rows{heading};
    std::vector<long long> totals(outcome.week.size(), 0);
    for (const auto &[minute, daySlots] : slotMap(outcome)) {
        QStringList row{Calc::ClockText(minute)};
        for (std::size_t d = 0; d < outcome.week.size(); ++d) {
            const IntervalSlot *slot = d < daySlots.size() ? daySlots[d] : nullptr;
            if (!slot) {
                row << QString();
            } else if (handleTimes) {
                row << handleTimeText(*slot);
            } else {
                row << QString::number(slot->calls);
                totals[d] += slot->calls;
            }
        }
        rows.push_back(row);
    }
    if (!handleTimes) {
        QStringList total{QStringLiteral("Total")};
        for (const long long calls : totals)
            total << QString::number(calls);
        rows.push_back(total);
    }
    return rows;
}

QStringList figureHeadings()
{
    QStringList headings{QStringLiteral("WAPE"), QStringLiteral("Bias"), QStringLiteral("MAPE")};
    for (int lead = 1; lead <= Backtest::LeadDays; ++lead)
        headings << QStringLiteral("Day %1").arg(lead);
    return headings;
}

QStringList figureCells(const MethodBacktest &method)
{
    if (!method.leftOut.isEmpty())
        return {QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
    QStringList cells{percent(method.figures.overall.wape), percent(method.figures.overall.bias),
                      percent(method.figures.overall.mape)};
    for (const AccuracyFigures &lead : method.figures.byLead)
        cells << percent(lead.wape);
    return cells;
}

QString chosenText(const ForecastOutcome &outcome)
{
    QString text = (outcome.picked ? QStringLiteral("Method: ") : QStringLiteral("Chosen by the backtest: "))
                   + QLatin1String(ForecastMethodInfo::of(outcome.chosen).name);
    // The seasonal naive has no parameters to show.
    if (!outcome.chosenParameters.isEmpty())
        text += QStringLiteral(" (%1)").arg(outcome.chosenParameters);
    return text;
}

} // namespace ForecastText
