// SPDX-License-Identifier: MIT
#include "tourtypetext.h"

#include "shifttimes.h"

#include <QStringList>

#include <tuple>

namespace {

const QLatin1String Consecutive("consecutive");
const QLatin1String AnyDaysOff("any");
const QLatin1String FreeBand("free");
const QLatin1Char RangeDash('-');
const QLatin1Char ShiftJoin('+');

// A week holds 168 hours.
constexpr int MaxWeekMinutes = 7 * 24 * 60;
constexpr int MaxBandMinutes = 24 * 60 - 1;

TourTypeRead refused(const QString &name, TourField field, const QString &what)
{
    TourTypeRead read;
    read.field = field;
    read.message = QStringLiteral("Tour \"%1\": %2.").arg(name, what);
    return read;
}

// The week's paid time "h:mm" or whole hours, at most a week's 168 hours.
std::optional<int> weekMinutes(const QString &text)
{
    return ParseHoursMinutes(text, 3, MaxWeekMinutes);
}

// "A" or "A-B" with A <= B, each read by `read`.
template <typename Read>
std::optional<std::pair<int, int>> range(const QString &text, Read read)
{
    const QStringList parts = text.trimmed().split(RangeDash);
    if (parts.size() > 2)
        return std::nullopt;
    const std::optional<int> low = read(parts.first());
    const std::optional<int> high = read(parts.last());
    if (!low || !high || *low > *high)
        return std::nullopt;
    return std::pair{*low, *high};
}

std::optional<int> dayCount(const QString &text)
{
    const std::optional<int> days = ParseDigits(text.trimmed(), 1);
    return days && *days >= 1 && *days <= 7 ? days : std::nullopt;
}

template <typename Text>
QString rangeText(int low, int high, Text text)
{
    return low == high ? text(low) : text(low) + RangeDash + text(high);
}

// The fields after the name, in the order of the line; a refusal naming
// the first one that is wrong.
std::optional<TourTypeRead> readFields(const QStringList &parts, TourType &tour)
{
    const auto days = range(parts[1], dayCount);
    if (!days)
        return refused(tour.name, TourField::Days,
                       QStringLiteral("the days \"%1\" are not a number of days from 1 to 7 or a range such as 3-4")
                           .arg(parts[1].trimmed()));
    std::tie(tour.minDays, tour.maxDays) = *days;
    const QString off = parts[2].trimmed().toLower();
    if (off != Consecutive && off != AnyDaysOff)
        return refused(tour.name, TourField::DaysOff,
                       QStringLiteral("the days off \"%1\" are not \"consecutive\" or \"any\"").arg(parts[2].trimmed()));
    tour.consecutiveDaysOff = off == Consecutive;
    const QString band = parts[3].trimmed().toLower();
    if (band != FreeBand) {
        const std::optional<int> minutes = ParseDigits(band, 4);
        if (!minutes || *minutes > MaxBandMinutes)
            return refused(tour.name, TourField::Band,
                           QStringLiteral("the start band \"%1\" is not whole minutes from 0 to %2 or \"free\"")
                               .arg(parts[3].trimmed())
                               .arg(MaxBandMinutes));
        tour.bandMinutes = *minutes;
    }
    const auto hours = range(parts[4], weekMinutes);
    if (!hours)
        return refused(tour.name, TourField::PaidHours,
                       QStringLiteral("the weekly paid hours \"%1\" are not h:mm or a range such as 37:30-40:00")
                           .arg(parts[4].trimmed()));
    std::tie(tour.minPaidMinutes, tour.maxPaidMinutes) = *hours;
    for (const QString &name : parts[5].split(ShiftJoin)) {
        const QString shift = name.trimmed();
        if (shift.isEmpty())
            return refused(tour.name, TourField::ShiftTypes,
                           QStringLiteral("the shift types \"%1\" are not names joined by \"+\"").arg(parts[5].trimmed()));
        if (tour.shiftTypes.contains(shift))
            return refused(tour.name, TourField::ShiftTypes, QStringLiteral("the shift type \"%1\" is named twice").arg(shift));
        tour.shiftTypes << shift;
    }
    return std::nullopt;
}

} // namespace

QString TourTypeText(const TourType &tour)
{
    QStringList parts{tour.name, rangeText(tour.minDays, tour.maxDays, [](int days) { return QString::number(days); }),
                      tour.consecutiveDaysOff ? QString(Consecutive) : QString(AnyDaysOff),
                      tour.bandMinutes ? QString::number(*tour.bandMinutes) : QString(FreeBand),
                      rangeText(tour.minPaidMinutes, tour.maxPaidMinutes, ShiftDurationText),
                      tour.shiftTypes.join(ShiftJoin)};
    if (tour.maxAgents)
        parts << QStringLiteral("max=%1").arg(*tour.maxAgents);
    return parts.join(QLatin1Char(','));
}

TourTypeRead ParseTourTypeText(const QString &text)
{
    QStringList parts = text.split(QLatin1Char(','));
    TourType tour;
    tour.name = parts.first().trimmed();
    if (tour.name.isEmpty()) {
        TourTypeRead read;
        read.message = QStringLiteral("A tour type needs a name before the first comma: \"%1\".").arg(text);
        return read;
    }
    const QString last = parts.last().trimmed();
    if (parts.size() > 1 && last.startsWith(QLatin1String("max="))) {
        const std::optional<int> max = ParseDigits(last.mid(4), 9);
        if (!max)
            return refused(tour.name, TourField::MaxAgents,
                           QStringLiteral("the maximum \"%1\" is not a whole number of agents").arg(last.mid(4)));
        tour.maxAgents = *max;
        parts.removeLast();
    }
    if (parts.size() != 6)
        return refused(tour.name, parts.size() < 6 ? TourField::Days : TourField::ShiftTypes,
                       QStringLiteral("give NAME,DAYS,OFF,BAND,HOURS,SHIFTS[,max=N]"));
    if (std::optional<TourTypeRead> refusal = readFields(parts, tour))
        return *refusal;
    TourTypeRead read;
    read.type = tour;
    return read;
}
