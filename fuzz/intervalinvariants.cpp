// SPDX-License-Identifier: MIT
#include "intervalinvariants.h"

#include "intervaldays.h"
#include "intervaldayscsv.h"
#include "intervalfile.h"
#include "texts.h"

#include <QStringList>

#include <set>

namespace {

// A refusal names a line of the file (0: the file as a whole) and a reason.
QString refusalBroke(const IntervalRefusal &refusal, const QByteArray &bytes)
{
    if (refusal.reason.isEmpty())
        return QStringLiteral("a refusal says why");
    if (refusal.line < 0 || refusal.line > bytes.count('\n') + bytes.count('\r') + 1)
        return QStringLiteral("a refusal names a line the file has: %1").arg(refusal.text());
    return {};
}

// Slots from a row to a row, within the day.
QString slotsBroke(const std::vector<IntervalSlot> &daySlots, int firstMinute, int slotMinutes, bool withinOneDay)
{
    if (daySlots.empty() || !daySlots.front().fromRow || !daySlots.back().fromRow)
        return QStringLiteral("a day's slots run from a row to a row");
    if (firstMinute % slotMinutes != 0 || firstMinute < 0 || firstMinute >= Calc::MinutesPerDay)
        return QStringLiteral("a day starts on a slot boundary of the day");
    const long long end = firstMinute + static_cast<long long>(daySlots.size()) * slotMinutes;
    if (end > (withinOneDay ? Calc::MinutesPerDay : firstMinute + Calc::MinutesPerDay))
        return QStringLiteral("a day's slots fit into 24 hours");
    return {};
}

QStringList daysState(const IntervalDays &days)
{
    QStringList state{QString::number(days.slotMinutes())};
    for (const IntervalDay &day : days.days()) {
        QStringList daySlots;
        for (const IntervalSlot &slot : day.slotValues)
            daySlots << QStringLiteral("%1:%2:%3:%4")
                         .arg(slot.fromRow)
                         .arg(slot.calls)
                         .arg(slot.talkSeconds.value_or(-1))
                         .arg(slot.wrapSeconds.value_or(-1));
        state << QStringLiteral("%1 %2 %3 %4")
                     .arg(day.date ? day.date->toString(Qt::ISODate) : QStringLiteral("-"))
                     .arg(day.weekday)
                     .arg(day.firstMinute)
                     .arg(daySlots.join(QLatin1Char(',')));
    }
    return state;
}

QString oneDayBroke(const QByteArray &bytes)
{
    const IntervalFile file = IntervalFile::fromBytes(bytes);
    if (!file.accepted())
        return file.daySlots().empty() ? refusalBroke(*file.refusal(), bytes)
                                       : QStringLiteral("a refused file holds no slots");
    const int start = Calc::ClockTextToMinutes(file.startText()).value_or(-1);
    return slotsBroke(file.daySlots(), start, file.slotMinutes(), false);
}

QString severalDaysBroke(const QByteArray &bytes)
{
    const IntervalDays days = IntervalDays::fromBytes(bytes);
    if (!days.accepted())
        return days.days().empty() ? refusalBroke(*days.refusal(), bytes)
                                   : QStringLiteral("a refused file holds no days");
    std::set<int> weekdays;
    for (std::size_t i = 0; i < days.days().size(); ++i) {
        const IntervalDay &day = days.days()[i];
        if (const QString broken = slotsBroke(day.slotValues, day.firstMinute, days.slotMinutes(), true); !broken.isEmpty())
            return broken;
        if (day.date.has_value() != days.dated() || (day.date && day.date->dayOfWeek() != day.weekday))
            return QStringLiteral("a day's weekday is its date's");
        if (day.date && i > 0 && !(*days.days()[i - 1].date < *day.date))
            return QStringLiteral("dated days follow in order");
        if (!day.date && !weekdays.insert(day.weekday).second)
            return QStringLiteral("no weekday comes twice");
    }
    const QString written = IntervalDaysCsv(days.days(), days.slotMinutes());
    const IntervalDays again = IntervalDays::read(written);
    if (!again.accepted())
        return QStringLiteral("written days read back: ") + again.refusal()->text();
    if (daysState(again) != daysState(days))
        return QStringLiteral("written days read back into the same days");
    if (IntervalDaysCsv(again.days(), again.slotMinutes()) != written)
        return QStringLiteral("days read back are written again byte for byte");
    return {};
}

} // namespace

QString BrokenIntervalInvariant(const QByteArray &bytes)
{
    if (const QString broken = oneDayBroke(bytes); !broken.isEmpty())
        return QStringLiteral("one day: ") + broken;
    if (const QString broken = severalDaysBroke(bytes); !broken.isEmpty())
        return QStringLiteral("several days: ") + broken;
    return {};
}
