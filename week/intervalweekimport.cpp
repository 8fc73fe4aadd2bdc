// SPDX-License-Identifier: MIT
#include "intervalweekimport.h"

#include <QStringList>

#include <algorithm>

namespace {

QString mondaysText(const std::vector<QDate> &mondays)
{
    QStringList texts;
    for (const QDate &monday : mondays)
        texts << monday.toString(Qt::ISODate);
    return texts.join(QStringLiteral(", "));
}

WeekScenario::Day dayOf(const IntervalDay &from, int slotMinutes)
{
    WeekScenario::Day day;
    day.open = true;
    day.startMinute = from.firstMinute;
    // No interval of a day passes midnight: its end is 24:00 at the latest.
    day.endMinute = from.firstMinute + static_cast<int>(from.slotValues.size()) * slotMinutes;
    for (const IntervalSlot &slot : from.slotValues) {
        day.calls.push_back(slot.calls);
        day.talkSeconds.push_back(slot.talkSeconds);
        day.wrapSeconds.push_back(slot.wrapSeconds);
    }
    for (RosterValues *times : {&day.talkSeconds, &day.wrapSeconds}) {
        while (!times->empty() && !times->back())
            times->pop_back();
    }
    day.date = from.date;
    return day;
}

} // namespace

std::optional<QDate> IntervalWeekImport::chooseWeek(const IntervalDays &file, const std::optional<QDate> &dateInWeek,
                                                    QString *reason)
{
    if (!file.dated())
        return QDate(); // a file of weekdays is its one week
    const std::vector<QDate> mondays = file.weeks();
    if (dateInWeek) {
        const QDate monday = dateInWeek->addDays(1 - dateInWeek->dayOfWeek());
        if (std::find(mondays.begin(), mondays.end(), monday) != mondays.end())
            return monday;
        *reason = QStringLiteral("the file holds no day in the week of %1 (its weeks begin %2)")
                      .arg(monday.toString(Qt::ISODate), mondaysText(mondays));
        return std::nullopt;
    }
    if (mondays.size() == 1)
        return mondays.front();
    *reason = QStringLiteral("the file holds %1 weeks, beginning %2: choose one").arg(mondays.size()).arg(mondaysText(mondays));
    return std::nullopt;
}

std::optional<QString> IntervalWeekImport::apply(WeekScenario &week, const IntervalDays &file, const QDate &monday)
{
    if (!file.accepted())
        return file.refusal()->text();
    return applyDays(week, file.week(monday), file.slotMinutes(), file.dated() ? monday : QDate());
}

std::optional<QString> IntervalWeekImport::applyDays(WeekScenario &week, const IntervalWeek &days, int slotMinutes,
                                                     const QDate &monday)
{
    const std::optional<SlotLength> length = slotLengthOfMinutes(slotMinutes);
    if (!length)
        return QStringLiteral("the file's slots of %1 minutes are not 15, 30 or 60 minutes").arg(slotMinutes);
    if (std::none_of(days.begin(), days.end(), [](const std::optional<IntervalDay> &day) { return day.has_value(); }))
        return monday.isValid() ? QStringLiteral("the file holds no day in the week of %1").arg(monday.toString(Qt::ISODate))
                                : QStringLiteral("the file holds no day");
    WeekScenario read = week;
    read.settings.setSlotLength(*length);
    for (std::size_t index = 0; index < days.size(); ++index) {
        WeekScenario::Day &day = read.days[index];
        day = days[index] ? dayOf(*days[index], slotMinutes) : WeekScenario::Day();
        if (monday.isValid())
            day.date = monday.addDays(static_cast<qint64>(index));
    }
    week = std::move(read);
    return std::nullopt;
}
