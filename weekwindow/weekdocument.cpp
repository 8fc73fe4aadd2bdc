// SPDX-License-Identifier: MIT
#include "weekdocument.h"

#include "scenarioinputs.h"
#include "scenariofilerecord.h"
#include "texts.h"
#include "timeslots.h"
#include "weekfile.h"

#include <QFile>
#include <QFileInfo>

WeekScenario WeekDocument::newWeek(const ScenarioInputs *from)
{
    WeekScenario week;
    week.settings = from ? *from : ScenarioInputs();
    // The default tours' shifts have a 30-minute break, which hourly slots
    // cannot hold: a week of its own starts on half hours.
    if (!from)
        week.settings.setSlotLength(SlotLength::HalfHour);
    const TimeSlots period = week.settings.timeSlots();
    for (WeekScenario::Day &day : week.days) {
        day.open = true;
        day.startMinute = period.hour * 60 + period.minute;
        day.endMinute = period.endHour * 60 + period.endMinute;
        if (day.endMinute == 0)
            day.endMinute = Calc::MinutesPerDay;
    }
    return week;
}

WeekDocument::WeekDocument(WeekScenario week)
    : m_week(std::move(week))
    , m_mark(WeekFileBytes(m_week))
{
}

LoadResult WeekDocument::load(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    WeekScenario loaded = m_week;
    const LoadResult result = LoadWeek(loaded, fullPath);
    if (result.applied()) {
        m_week = std::move(loaded);
        m_path = fullPath;
        m_mark = WeekFileBytes(m_week);
    }
    return result;
}

SaveResult WeekDocument::save(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const SaveResult result = SaveWeek(m_week, fullPath);
    if (result.ok) {
        m_path = fullPath;
        m_mark = WeekFileBytes(m_week);
    }
    return result;
}

bool WeekDocument::changed() const
{
    return WeekFileBytes(m_week) != m_mark;
}

QString WeekDocument::caption() const
{
    return m_path.isEmpty() ? NewWeekCaption : ScenarioFileRecord::CaptionFor(QFileInfo(m_path).fileName());
}

QString WeekDocument::saveName() const
{
    return m_path.isEmpty() ? UntitledName : m_path;
}

bool WeekDocument::isWeekFile(const QString &path)
{
    if (path.endsWith(QLatin1String(".vnkw"), Qt::CaseInsensitive))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray first = file.readLine(16).trimmed();
    return first == "vnkw";
}
