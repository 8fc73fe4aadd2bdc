// SPDX-License-Identifier: MIT
#include "forecastoutput.h"

#include "forecastmethodinfo.h"
#include "forecasttext.h"
#include "intervaldayscsv.h"
#include "shiftplanoutput.h"
#include "texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace ForecastOutput {

namespace {

QJsonValue number(double value, int decimals = 4)
{
    return std::isnan(value) ? QJsonValue() : QJsonValue(std::round(value * std::pow(10, decimals)) / std::pow(10, decimals));
}

QJsonValue seconds(const std::optional<int> &value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

std::vector<QStringList> backtestRows(const ForecastOutcome &outcome)
{
    std::vector<QStringList> rows{QStringList{QStringLiteral("Method")} + ForecastText::figureHeadings()};
    for (const MethodBacktest &method : outcome.backtests)
        rows.push_back(QStringList{QLatin1String(ForecastMethodInfo::of(method.kind).key)} + ForecastText::figureCells(method));
    return rows;
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
    out += ShiftPlanOutput::AlignedRows(ForecastText::weekRows(outcome, false));
    if (ForecastText::hasHandleTimes(outcome))
        out += QLatin1Char('\n') + ShiftPlanOutput::AlignedRows(ForecastText::weekRows(outcome, true));
    out += QStringLiteral("\nBacktest over the last %1 days (WAPE per lead day)\n").arg(outcome.heldOutDays);
    out += ShiftPlanOutput::AlignedRows(backtestRows(outcome));
    for (const MethodBacktest &method : outcome.backtests) {
        if (!method.leftOut.isEmpty())
            out += QStringLiteral("%1 left out: %2\n").arg(QLatin1String(ForecastMethodInfo::of(method.kind).key), method.leftOut);
    }
    return out + ForecastText::chosenText(outcome) + QLatin1Char('\n');
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
