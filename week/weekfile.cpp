// SPDX-License-Identifier: MIT
#include "weekfile.h"

#include "conversions.h"
#include "scenariolines.h"
#include "scenariooptionlines.h"
#include "texts.h"
#include "tourtypetext.h"

#include <limits>

namespace {

using ScenarioLines::Excerpt;

const QLatin1String FirstLine("vnkw");
// Lines 1 to 7 are fixed; the key=value lines follow.
constexpr int FixedLines = 7;
constexpr int SlotMinutesLine = 6;
// The field whose text each fixed line holds, by index.
constexpr std::pair<int, Field> FieldLines[] = {
    {1, Field::MaskEdit5}, {2, Field::MaskEdit6}, {3, Field::MaskEdit2}, {4, Field::MaskEdit3}, {5, Field::MaskEdit4},
};

const QLatin1String TourKey("tour");
const QLatin1String DayKey("day");
const QLatin1String DateKey("date");
const QLatin1String CallsKey("calls");
const QLatin1String ClosedWord("closed");

QString keyLine(const QString &key, const QString &value)
{
    return key + QLatin1Char('=') + value;
}

// "Monday" for a message; the file names a day as the plan does ("Mon").
QString dayTitle(int day)
{
    return WeekScenario::dayTitle(day);
}

// A list of the day's slots, cut to them.
template <typename Value>
std::vector<Value> forSlots(std::vector<Value> values, int slotCount, Value fill)
{
    values.resize(static_cast<std::size_t>(slotCount), fill);
    return values;
}

QStringList dayLines(const WeekScenario::Day &day, int index, int slotMinutes)
{
    const QString name = ShiftWeek::dayName(index);
    QStringList lines;
    if (day.open)
        lines << keyLine(DayKey, QStringList{name, Calc::ClockText(day.startMinute), Calc::ClockText(day.endMinute)}
                                     .join(QLatin1Char(',')));
    else
        lines << keyLine(DayKey, name + QLatin1Char(',') + ClosedWord);
    if (day.date)
        lines << keyLine(DateKey, day.date->toString(Qt::ISODate));
    if (!day.open)
        return lines;
    const int count = day.slotCount(slotMinutes);
    QStringList calls;
    for (const int value : forSlots(day.calls, count, 0))
        calls << QString::number(value);
    lines << keyLine(CallsKey, calls.join(QLatin1Char(',')));
    const std::pair<QLatin1String, const RosterValues *> times[] = {{ScenarioOptionKey::SlotTalk, &day.talkSeconds},
                                                                    {ScenarioOptionKey::SlotWrap, &day.wrapSeconds}};
    for (const auto &[key, values] : times) {
        const QString text = RosterListText(forSlots(*values, count, std::optional<int>()));
        if (!text.isEmpty())
            lines << keyLine(key, text);
    }
    return lines;
}

} // namespace

QByteArray WeekFileBytes(const WeekScenario &week)
{
    QStringList lines(FixedLines);
    lines[0] = FirstLine;
    for (const auto &[index, field] : FieldLines)
        lines[index] = week.settings.text(field);
    lines[SlotMinutesLine] = QString::number(week.slotMinutes());
    lines << PlanningOptionLines(week.settings.Planning);
    lines << SlotFloorLines(week.settings.ServiceFloor);
    for (const ShiftType &type : week.shiftTypes)
        lines << ShiftTypeLine(type);
    for (const TourType &tour : week.tourTypes)
        lines << keyLine(TourKey, TourTypeText(tour));
    for (int day = 0; day < WeekScenario::DayCount; ++day)
        lines << dayLines(week.days[static_cast<std::size_t>(day)], day, week.slotMinutes());
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

SaveResult SaveWeek(const WeekScenario &week, const QString &path)
{
    return SaveFileBytes(WeekFileBytes(week), path);
}

namespace {

// Lines split as a scenario file's are read as Latin-1, byte for character;
// a week file's are UTF-8.
QStringList fromUtf8(QStringList lines)
{
    for (QString &line : lines)
        line = QString::fromUtf8(line.toLatin1());
    return lines;
}

} // namespace

QStringList SplitWeekLines(const QByteArray &bytes)
{
    return fromUtf8(SplitScenarioLines(bytes));
}

namespace {

// Reads the key=value lines after the fixed ones into a week, line by line,
// and says what is wrong with the first line it refuses.
class WeekLinesReader
{
public:
    explicit WeekLinesReader(WeekScenario &week)
        : m_week(week)
    {
    }

    // What is wrong with one line, in words; empty when it was read.
    std::optional<QString> read(const QString &line);
    // What the file lacks after its last line; empty when it is whole.
    std::optional<QString> finish() const;

private:
    std::optional<QString> readWeekOption(const QString &key, const QString &value, const QString &line);
    std::optional<QString> readDayLine(const QString &value);
    std::optional<QString> readDayOption(const QString &key, const QString &value, const QString &line);
    std::optional<QString> readCalls(const QString &value);
    std::optional<QString> readDate(const QString &value);
    WeekScenario::Day &day() { return m_week.days[static_cast<std::size_t>(m_day)]; }

    WeekScenario &m_week;
    ScenarioOptionsRead m_options; // the week's planning options and shift types
    int m_day = -1;                // the day whose lines are read; -1 before Monday's
    QStringList m_keys;            // the keys read since the last day line
    std::optional<QDate> m_monday; // the Monday of the first date given
};

std::optional<QString> WeekLinesReader::read(const QString &line)
{
    if (!IsOptionLine(line))
        return QStringLiteral("the line %1 is not a key=value line").arg(Excerpt(line));
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QString key = line.left(equals);
    const QString value = line.mid(equals + 1);
    if (key == DayKey)
        return readDayLine(value);
    const bool repeatable = key == TourKey || IsRepeatableOption(key);
    if (m_keys.contains(key) && !repeatable)
        return m_day < 0 ? QStringLiteral("the option \"%1\" is given twice").arg(key)
                         : QStringLiteral("the option \"%1\" is given twice for %2").arg(key, dayTitle(m_day));
    m_keys << key;
    if (key == TourKey || key == ScenarioOptionKey::Shift || IsPlanningOptionKey(key) || IsSlotFloorKey(key))
        return readWeekOption(key, value, line);
    if (key == DateKey || key == CallsKey || key == ScenarioOptionKey::SlotTalk || key == ScenarioOptionKey::SlotWrap)
        return readDayOption(key, value, line);
    if (key == ScenarioOptionKey::Roster || key == ScenarioOptionKey::SlotMinutes)
        return QStringLiteral("the option \"%1\" belongs to a scenario file, not to a week file").arg(key);
    return QStringLiteral("the option %1 is not known to this version of Varnook").arg(Excerpt(key));
}

std::optional<QString> WeekLinesReader::readWeekOption(const QString &key, const QString &value, const QString &line)
{
    if (m_day >= 0)
        return QStringLiteral("the option \"%1\" belongs to the week and stands before Monday's day line").arg(key);
    if (key != TourKey) {
        const std::optional<QString> reason = ReadScenarioOptionLine(line, m_options);
        m_week.settings.Planning = m_options.planning;
        m_week.settings.ServiceFloor = m_options.serviceFloor;
        m_week.shiftTypes = m_options.shiftTypes;
        return reason;
    }
    const TourTypeRead tour = ParseTourTypeText(value);
    if (!tour.type)
        return QStringLiteral("the tour type %1 is not sound: %2").arg(Excerpt(value), tour.message);
    if (tour.type->maxAgents && *tour.type->maxAgents < 1)
        return QStringLiteral("the tour type %1 allows no agent (max=0)").arg(Excerpt(value));
    m_week.tourTypes.push_back(*tour.type);
    return std::nullopt;
}

std::optional<QString> WeekLinesReader::readDayLine(const QString &value)
{
    if (m_day + 1 >= WeekScenario::DayCount)
        return QStringLiteral("the day line %1 follows Sunday's, the last").arg(Excerpt(value));
    ++m_day;
    m_keys.clear();
    const QString name = ShiftWeek::dayName(m_day);
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.first() != name)
        return QStringLiteral("the day %1 stands where %2's day line (\"day=%3,...\") should")
            .arg(Excerpt(parts.first()), dayTitle(m_day), name);
    WeekScenario::Day &today = day();
    today = WeekScenario::Day();
    if (parts.size() == 2 && parts[1] == ClosedWord)
        return std::nullopt;
    const QString period = parts.mid(1).join(QLatin1Char(','));
    const std::optional<int> start = parts.size() == 3 ? Calc::ClockTextToMinutes(parts[1]) : std::nullopt;
    std::optional<int> end = parts.size() == 3 ? Calc::ClockTextToMinutes(parts[2]) : std::nullopt;
    if (parts.size() == 3 && parts[2] == Calc::EndOfDayText)
        end = Calc::MinutesPerDay;
    if (!start || !end)
        return QStringLiteral("the period %1 of %2 is not a start and an end hh:mm or \"closed\"")
            .arg(Excerpt(period), dayTitle(m_day));
    today.open = true;
    today.startMinute = *start;
    today.endMinute = *end;
    if (!today.onSlots(m_week.slotMinutes()))
        return QStringLiteral("the period %1 of %2 does not start and end on the week's %3-minute slots")
            .arg(Excerpt(period), dayTitle(m_day))
            .arg(m_week.slotMinutes());
    today.calls.assign(static_cast<std::size_t>(today.slotCount(m_week.slotMinutes())), 0);
    return std::nullopt;
}

std::optional<QString> WeekLinesReader::readDayOption(const QString &key, const QString &value, const QString &line)
{
    if (m_day < 0)
        return QStringLiteral("the line %1 belongs to a day and stands before Monday's day line").arg(Excerpt(line));
    if (key == DateKey)
        return readDate(value);
    if (!day().open)
        return QStringLiteral("%1 is closed: it has no time slots for %2").arg(dayTitle(m_day), Excerpt(line));
    if (key == CallsKey)
        return readCalls(value);
    ScenarioOptionsRead times;
    if (const std::optional<QString> reason = ReadScenarioOptionLine(line, times))
        return reason;
    RosterValues &values = key == ScenarioOptionKey::SlotTalk ? times.slotTalk : times.slotWrap;
    const int slotCount = day().slotCount(m_week.slotMinutes());
    if (static_cast<int>(values.size()) > slotCount)
        return QStringLiteral("the option \"%1\" holds %2 values and %3 has %4 time slots")
            .arg(key)
            .arg(values.size())
            .arg(dayTitle(m_day))
            .arg(slotCount);
    while (!values.empty() && !values.back())
        values.pop_back();
    (key == ScenarioOptionKey::SlotTalk ? day().talkSeconds : day().wrapSeconds) = values;
    return std::nullopt;
}

std::optional<QString> WeekLinesReader::readCalls(const QString &value)
{
    const RosterListRead read = ParseRosterList(value);
    int bad = read.badEntry;
    for (std::size_t i = 0; bad == 0 && i < read.values.size(); ++i) {
        if (!read.values[i])
            bad = static_cast<int>(i) + 1;
    }
    if (bad > 0)
        return QStringLiteral("the call volume %1 of %2's time slot %3 is not a whole number from 0 up")
            .arg(Excerpt(value.split(QLatin1Char(',')).value(bad - 1)), dayTitle(m_day))
            .arg(bad);
    const int slotCount = day().slotCount(m_week.slotMinutes());
    if (static_cast<int>(read.values.size()) > slotCount)
        return QStringLiteral("the calls hold %1 values and %2 has %3 time slots")
            .arg(read.values.size())
            .arg(dayTitle(m_day))
            .arg(slotCount);
    qint64 sum = 0;
    for (std::size_t slot = 0; slot < read.values.size(); ++slot) {
        sum += *read.values[slot];
        if (sum > std::numeric_limits<int>::max())
            return QStringLiteral("%1's calls add up to more than a whole number can hold").arg(dayTitle(m_day));
        day().calls[slot] = *read.values[slot];
    }
    return std::nullopt;
}

// A date falls on its own weekday, and every date given lies in one week.
std::optional<QString> WeekLinesReader::readDate(const QString &value)
{
    const QDate date = QDate::fromString(value, Qt::ISODate);
    if (!date.isValid() || date.toString(Qt::ISODate) != value)
        return QStringLiteral("the date %1 of %2 is not a date yyyy-mm-dd").arg(Excerpt(value), dayTitle(m_day));
    if (date.dayOfWeek() != m_day + 1)
        return QStringLiteral("the date %1 of %2 is a %3").arg(value, dayTitle(m_day), dayTitle(date.dayOfWeek() - 1));
    const QDate monday = date.addDays(-m_day);
    if (m_monday && *m_monday != monday)
        return QStringLiteral("the date %1 of %2 lies in another week than the dates before it").arg(value, dayTitle(m_day));
    m_monday = monday;
    day().date = date;
    return std::nullopt;
}

std::optional<QString> WeekLinesReader::finish() const
{
    if (m_day + 1 < WeekScenario::DayCount)
        return QStringLiteral("the file ends before %1's day line, and a week file holds all seven days")
            .arg(dayTitle(m_day + 1));
    return std::nullopt;
}

LoadResult failure(LoadResult::Status status, const QString &message)
{
    LoadResult result;
    result.status = status;
    result.message = message;
    return result;
}

} // namespace

LoadResult LoadWeek(WeekScenario &week, const QString &path)
{
    QStringList lines;
    if (std::optional<LoadResult> failed = ReadFileLines(path, QStringLiteral("week"), &lines))
        return *failed;
    return ApplyWeek(week, fromUtf8(lines), path);
}

LoadResult ApplyWeek(WeekScenario &week, const QStringList &fileLines, const QString &fileName)
{
    QStringList lines = fileLines;
    while (lines.size() > FixedLines && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return failure(LoadResult::Status::Empty, QStringLiteral("File \"%1\" is empty.").arg(fileName));
    if (lines.at(0) != FirstLine)
        return failure(LoadResult::Status::NotScenarioFile,
                       QStringLiteral("File \"%1\" is not a week file: its first line is not \"vnkw\".").arg(fileName));
    if (lines.size() < FixedLines)
        return DamagedFile(fileName, static_cast<int>(lines.size()) + 1,
                           QStringLiteral("the file ends after line %1, and a week file needs %2 lines")
                               .arg(lines.size())
                               .arg(FixedLines));
    // The file's week is put together apart and replaces `week` as a whole.
    WeekScenario read;
    for (const auto &[index, field] : FieldLines)
        read.settings.setText(field, MaskedText(field, lines.at(index)));
    const std::optional<SlotLength> length = slotLengthOfMinutes(lines.at(SlotMinutesLine).toInt());
    if (!length || lines.at(SlotMinutesLine) != QString::number(minutesOf(*length)))
        return DamagedFile(fileName, SlotMinutesLine + 1,
                           QStringLiteral("the slot length %1 is not 15, 30 or 60 minutes")
                               .arg(Excerpt(lines.at(SlotMinutesLine))));
    read.settings.setSlotLength(*length);
    WeekLinesReader reader(read);
    for (int i = FixedLines; i < lines.size(); ++i) {
        if (const std::optional<QString> reason = reader.read(lines.at(i)))
            return DamagedFile(fileName, i + 1, *reason);
    }
    if (const std::optional<QString> reason = reader.finish())
        return DamagedFile(fileName, static_cast<int>(lines.size()) + 1, *reason);
    week = std::move(read);
    LoadResult result;
    result.status = LoadResult::Status::Applied;
    return result;
}
