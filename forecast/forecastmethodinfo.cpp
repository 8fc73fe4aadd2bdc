// SPDX-License-Identifier: MIT
#include "forecastmethodinfo.h"

#include <QStringList>

namespace {

const std::array<ForecastMethodInfo, 4> methods{{
    {ForecastMethodKind::Naive, "naive", "Seasonal naive", "the same slot one week before"},
    {ForecastMethodKind::Average, "average", "Weekday average",
     "the mean of the same weekday and slot over the last k weeks"},
    {ForecastMethodKind::Daily, "daily", "Daily Holt-Winters",
     "day totals by Holt-Winters with a weekly season, times each weekday's intraday profile"},
    {ForecastMethodKind::Double, "double", "Double-seasonal Holt-Winters",
     "Holt-Winters over the slots with a daily and a weekly season"},
}};

} // namespace

const ForecastMethodInfo &ForecastMethodInfo::of(ForecastMethodKind kind)
{
    return methods[static_cast<std::size_t>(kind)];
}

std::optional<ForecastMethodKind> ForecastMethodInfo::ofKey(const QString &key)
{
    for (const ForecastMethodInfo &info : methods) {
        if (key == QLatin1String(info.key))
            return info.kind;
    }
    return std::nullopt;
}

const std::array<ForecastMethodInfo, 4> &ForecastMethodInfo::all()
{
    return methods;
}

QString ForecastMethodInfo::keysText()
{
    QStringList keys;
    for (const ForecastMethodInfo &info : methods)
        keys << QLatin1String(info.key);
    const QString last = keys.takeLast();
    return keys.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}
