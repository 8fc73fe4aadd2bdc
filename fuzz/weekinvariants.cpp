// SPDX-License-Identifier: MIT
#include "weekinvariants.h"

#include "shifttypetext.h"
#include "staffingmodelinfo.h"
#include "tourtypetext.h"
#include "weekfile.h"

#include <QStringList>

namespace {

const QString FileName = QStringLiteral("fuzz.vnkw");

QString listText(const RosterValues &values)
{
    return RosterListText(values);
}

// Everything a week holds that a save may write, as texts.
QStringList weekState(const WeekScenario &week)
{
    QStringList state;
    for (int i = 0; i < FieldCount; ++i)
        state << ComponentName(static_cast<Field>(i)) + QLatin1Char('=') + week.settings.text(static_cast<Field>(i));
    const PlanningOptions &p = week.settings.Planning;
    state << QStringLiteral("slots=%1 options=%2 %3 %4 %5 %6")
                 .arg(week.slotMinutes())
                 .arg(StaffingModelInfo::of(p.model).key)
                 .arg(p.shrinkagePercent)
                 .arg(p.maxOccupancyPercent ? QString::number(*p.maxOccupancyPercent) : QStringLiteral("-"))
                 .arg(p.maxAbandonPercent ? QString::number(*p.maxAbandonPercent) : QStringLiteral("-"))
                 .arg(p.paidMinutes);
    for (const ShiftType &type : week.shiftTypes)
        state << QStringLiteral("shift ") + ShiftTypeText(type);
    for (const TourType &tour : week.tourTypes)
        state << QStringLiteral("tour ") + TourTypeText(tour);
    for (const WeekScenario::Day &day : week.days) {
        QStringList calls;
        for (const int value : day.calls)
            calls << QString::number(value);
        state << QStringLiteral("day open=%1 %2-%3 date=%4 calls=%5 talk=%6 wrap=%7")
                     .arg(day.open)
                     .arg(day.startMinute)
                     .arg(day.endMinute)
                     .arg(day.date ? day.date->toString(Qt::ISODate) : QStringLiteral("-"), calls.join(QLatin1Char(',')),
                          listText(day.talkSeconds), listText(day.wrapSeconds));
    }
    return state;
}

QString difference(const QStringList &was, const QStringList &became)
{
    for (int i = 0; i < was.size() && i < became.size(); ++i) {
        if (was.at(i) != became.at(i))
            return was.at(i) + QStringLiteral(" -> ") + became.at(i);
    }
    return QStringLiteral("(the states differ in length)");
}

// Which day's Schedule refused what, or that every one passed.
QString checkOutcome(const WeekScenario &week)
{
    const WeekScenario::Build build = week.shiftWeek();
    if (build.week)
        return QStringLiteral("passed");
    return QStringLiteral("day %1 refused %2 row %3")
        .arg(build.failingDay)
        .arg(build.refused.failing.name())
        .arg(build.refused.failing.row());
}

} // namespace

QString BrokenWeekInvariant(const QByteArray &bytes)
{
    static const QByteArray freshBytes = WeekFileBytes(WeekScenario());
    WeekScenario week;
    const LoadResult result = ApplyWeek(week, SplitWeekLines(bytes), FileName);
    if (!result.applied()) {
        if (result.message.isEmpty())
            return QStringLiteral("a refused file gives a message");
        if (WeekFileBytes(week) != freshBytes || weekState(week) != weekState(WeekScenario()))
            return QStringLiteral("a refused file changes nothing");
        return {};
    }
    const QByteArray written = WeekFileBytes(week);
    WeekScenario reread;
    const LoadResult again = ApplyWeek(reread, SplitWeekLines(written), FileName);
    if (!again.applied())
        return QStringLiteral("a file written from a read week reads back: ") + again.message;
    const QStringList readState = weekState(week);
    const QStringList rereadState = weekState(reread);
    if (rereadState != readState)
        return QStringLiteral("a written file reads back into the same week: ") + difference(readState, rereadState);
    if (WeekFileBytes(reread) != written)
        return QStringLiteral("a reread week is written again byte for byte");
    if (checkOutcome(reread) != checkOutcome(week))
        return QStringLiteral("a reread week's days pass or fail their input check as the read one's did");
    return {};
}
