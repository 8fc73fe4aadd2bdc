// SPDX-License-Identifier: MIT
#include "forecastoutput.h"

#include "forecastmethodinfo.h"
#include "intervaldayscsv.h"
#include "shiftplanoutput.h"
#include "texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>
#include <map>

namespace ForecastOutput {

namespace {

QString percent(double fraction)
{
    return std::isnan(fraction) ? QStringLiteral("-") : QString::number(100 * fraction, 'f', 1) + QLatin1Char('%');
}

QJsonValue number(double value, int decimals = 4)
{
    return std::isnan(value) ? QJsonValue() : QJsonValue(std::round(value * std::pow(10, decimals)) / std::pow(10, decimals));
}

QJsonValue seconds(const std::optional<int> &value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

QString dayHeading(const IntervalDay &day)
{
    return QLocale::c().dayName(day.weekday, QLocale::ShortFormat) + QLatin1Char(' ') + day.date->toString(QStringLiteral("MM-dd"));
}

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
                const bool any = slot->talkSeconds || slot->wrapSeconds;
                const int handle = slot->talkSeconds.value_or(0) + slot->wrapSeconds.value_or(0);
                row << (any ? Calc::PadNumber(handle / 60, 2) + QLatin1Char(':') + Calc::PadNumber(handle % 60, 2) : QStringLiteral("-"));
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

std::vector<QStringList> backtestRows(const ForecastOutcome &outcome)
{
    QStringList heading{QStringLiteral("Method"), QStringLiteral("WAPE"), QStringLiteral("Bias"), QStringLiteral("MAPE")};
    for (int lead = 1; lead <= Backtest::LeadDays; ++lead)
        heading << QStringLiteral("Day %1").arg(lead);
    std::vector<QStringList> rows{heading};
    for (const MethodBacktest &method : outcome.backtests) {
        QStringList row{QLatin1String(ForecastMethodInfo::of(method.kind).key)};
        if (!method.leftOut.isEmpty()) {
            rows.push_back(row << QStringLiteral("-") << QStringLiteral("-") << QStringLiteral("-"));
            continue;
        }
        row << percent(method.figures.overall.wape) << percent(method.figures.overall.bias)
            << percent(method.figures.overall.mape);
        for (const AccuracyFigures &lead : method.figures.byLead)
            row << percent(lead.wape);
        rows.push_back(row);
    }
    return rows;
}

bool hasTimes(const ForecastOutcome &outcome)
{
    for (const IntervalDay &day : outcome.week) {
        for (const IntervalSlot &slot : day.slotValues) {
            if (slot.talkSeconds || slot.wrapSeconds)
                return true;
        }
    }
    return false;
}

QString chosenText(const ForecastOutcome &outcome)
{
    return QStringLiteral("%1: %2 (%3)")
        .arg(outcome.picked ? QStringLiteral("Method") : QStringLiteral("Chosen by the backtest"),
             QLatin1String(ForecastMethodInfo::of(outcome.chosen).name), outcome.chosenParameters);
}

QJsonObject figuresObject(const AccuracyFigures &figures)
{
    return QJsonObject{{QStringLiteral("wape"), number(figures.wape)},
                       {QStringLiteral("bias"), number(figures.bias)},
                       {QStringLiteral("mape"), number(figures.mape)},
                       {QStringLiteral("slots"), figures.compared}};
}

} // namespace

QString table(const ForecastOutcome &outcome)
{
    QString out = QStringLiteral("Forecast for the week of %1 (%2-minute slots)\n\n")
                      .arg(outcome.monday.toString(Qt::ISODate))
                      .arg(outcome.slotMinutes);
    out += ShiftPlanOutput::AlignedRows(weekRows(outcome, false));
    if (hasTimes(outcome))
        out += QLatin1Char('\n') + ShiftPlanOutput::AlignedRows(weekRows(outcome, true));
    out += QStringLiteral("\nBacktest over the last %1 days (WAPE per lead day)\n").arg(outcome.heldOutDays);
    out += ShiftPlanOutput::AlignedRows(backtestRows(outcome));
    for (const MethodBacktest &method : outcome.backtests) {
        if (!method.leftOut.isEmpty())
            out += QStringLiteral("%1 left out: %2\n").arg(QLatin1String(ForecastMethodInfo::of(method.kind).key), method.leftOut);
    }
    return out + chosenText(outcome) + QLatin1Char('\n');
}

QString csv(const ForecastOutcome &outcome)
{
    return IntervalDaysCsv(outcome.week, outcome.slotMinutes);
}

QString json(const ForecastOutcome &outcome)
{
    QJsonArray days;
    for (const IntervalDay &day : outcome.week) {
        QJsonArray slotArray;
        int total = 0;
        for (std::size_t s = 0; s < day.slotValues.size(); ++s) {
            const IntervalSlot &slot = day.slotValues[s];
            if (!slot.fromRow)
                continue;
            total += slot.calls;
            slotArray.append(QJsonObject{{QStringLiteral("slot"), Calc::ClockText(day.firstMinute + static_cast<int>(s) * outcome.slotMinutes)},
                                     {QStringLiteral("calls"), slot.calls},
                                     {QStringLiteral("talkSeconds"), seconds(slot.talkSeconds)},
                                     {QStringLiteral("wrapSeconds"), seconds(slot.wrapSeconds)}});
        }
        days.append(QJsonObject{{QStringLiteral("day"), QLocale::c().dayName(day.weekday, QLocale::ShortFormat)},
                                {QStringLiteral("date"), day.date->toString(Qt::ISODate)},
                                {QStringLiteral("calls"), total},
                                {QStringLiteral("slots"), slotArray}});
    }
    QJsonArray backtest;
    for (const MethodBacktest &method : outcome.backtests) {
        QJsonObject entry{{QStringLiteral("method"), QLatin1String(ForecastMethodInfo::of(method.kind).key)}};
        if (!method.leftOut.isEmpty()) {
            entry.insert(QStringLiteral("leftOut"), method.leftOut);
        } else {
            entry.insert(QStringLiteral("parameters"), method.parameters);
            entry.insert(QStringLiteral("overall"), figuresObject(method.figures.overall));
            QJsonArray leads;
            for (int lead = 0; lead < Backtest::LeadDays; ++lead) {
                QJsonObject figures = figuresObject(method.figures.byLead[static_cast<std::size_t>(lead)]);
                figures.insert(QStringLiteral("leadDay"), lead + 1);
                leads.append(figures);
            }
            entry.insert(QStringLiteral("leadDays"), leads);
        }
        backtest.append(entry);
    }
    const QJsonObject root{
        {QStringLiteral("week"), outcome.monday.toString(Qt::ISODate)},
        {QStringLiteral("slotMinutes"), outcome.slotMinutes},
        {QStringLiteral("forecast"), days},
        {QStringLiteral("backtest"), backtest},
        {QStringLiteral("heldOutDays"), outcome.heldOutDays},
        {QStringLiteral("chosen"), QJsonObject{{QStringLiteral("method"), QLatin1String(ForecastMethodInfo::of(outcome.chosen).key)},
                                               {QStringLiteral("picked"), outcome.picked},
                                               {QStringLiteral("parameters"), outcome.chosenParameters}}},
    };
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

QString format(const ForecastOutcome &outcome, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Csv:
        return csv(outcome);
    case OutputFormat::Json:
        return json(outcome);
    case OutputFormat::Table:
        break;
    }
    return table(outcome);
}

} // namespace ForecastOutput
