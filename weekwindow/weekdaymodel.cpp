// SPDX-License-Identifier: MIT
#include "weekdaymodel.h"

#include "shiftplantext.h"
#include "shiftweek.h"
#include "texts.h"
#include "weekscenario.h"

#include <QRegularExpression>

#include <numeric>

namespace {

const QString Closed = QStringLiteral("closed");

} // namespace

WeekDayModel::WeekDayModel(WeekScenario &week, QObject *parent)
    : QAbstractTableModel(parent)
    , m_week(week)
{
}

int WeekDayModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int WeekDayModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : WeekScenario::DayCount;
}

QString WeekDayModel::periodText(const WeekScenario &week, int day)
{
    const WeekScenario::Day &d = week.days.at(static_cast<std::size_t>(day));
    if (!d.open)
        return Closed;
    return Calc::ClockText(d.startMinute) + QChar(0x2013)
         + (d.endMinute == Calc::MinutesPerDay ? QStringLiteral("24:00") : Calc::ClockText(d.endMinute));
}

QVariant WeekDayModel::data(const QModelIndex &index, int role) const
{
    if ((!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)))
        return {};
    const int day = index.column();
    const WeekScenario::Day &d = m_week.days.at(static_cast<std::size_t>(day));
    QString text;
    switch (index.row()) {
    case CallsRow:
        if (d.open) {
            const int count = std::min(d.slotCount(m_week.slotMinutes()), static_cast<int>(d.calls.size()));
            text = QString::number(std::accumulate(d.calls.begin(), d.calls.begin() + count, qint64(0)));
        }
        break;
    case OpenRow:
        text = periodText(m_week, day);
        break;
    case NeedRow:
        if (const std::optional<double> &hours = m_needHours.at(static_cast<std::size_t>(day)))
            text = ShiftPlanText::hours(*hours);
        break;
    default:
        break;
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text;
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1, %2: %3")
            .arg(WeekScenario::dayTitle(day), headerData(index.row(), Qt::Vertical).toString(), text);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant WeekDayModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < WeekScenario::DayCount ? ShiftWeek::dayName(section) : QVariant();
    switch (section) {
    case CallsRow:
        return QStringLiteral("Calls");
    case OpenRow:
        return QStringLiteral("Open");
    case NeedRow:
        return QStringLiteral("Agent-hours needed");
    default:
        return {};
    }
}

Qt::ItemFlags WeekDayModel::flags(const QModelIndex &index) const
{
    if ((!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.row() == OpenRow ? flags | Qt::ItemIsEditable : flags;
}

bool WeekDayModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || index.row() != OpenRow)
        return false;
    WeekScenario::Day &day = m_week.days.at(static_cast<std::size_t>(index.column()));
    const QString text = value.toString().trimmed();
    WeekScenario::Day changed = day;
    if (text.isEmpty() || text.compare(Closed, Qt::CaseInsensitive) == 0) {
        changed.open = false;
    } else {
        auto refuse = [&](const QString &why) {
            emit refused(QStringLiteral("%1's open period \"%2\" %3").arg(WeekScenario::dayTitle(index.column()), text, why));
            return false;
        };
        static const QRegularExpression period(QStringLiteral("^(\\d{1,2}:\\d{2})\\s*[-\\x{2013}]\\s*(\\d{1,2}:\\d{2})$"));
        const QRegularExpressionMatch match = period.match(text);
        if (!match.hasMatch())
            return refuse(QStringLiteral("is not a period: type it as 08:00-18:00, or \"closed\""));
        const std::optional<int> start = Calc::ClockTextToMinutes(match.captured(1));
        const QString endText = match.captured(2);
        const std::optional<int> end = endText == QLatin1String("24:00") ? std::optional<int>(Calc::MinutesPerDay)
                                                                        : Calc::ClockTextToMinutes(endText);
        if (!start || !end)
            return refuse(QStringLiteral("holds a time that is not one of the day (00:00 to 24:00)"));
        changed.open = true;
        changed.startMinute = *start;
        changed.endMinute = *end == 0 ? Calc::MinutesPerDay : *end;
        if (!changed.onSlots(m_week.slotMinutes()))
            return refuse(QStringLiteral("does not start and end on the week's %1-minute slots").arg(m_week.slotMinutes()));
    }
    if (changed == day)
        return true;
    day = changed;
    emit dataChanged(this->index(0, index.column()), this->index(RowCount - 1, index.column()));
    emit periodChanged(index.column());
    return true;
}

void WeekDayModel::showRequirement(const std::optional<ShiftWeek> &requirement)
{
    for (std::size_t day = 0; day < m_needHours.size(); ++day) {
        m_needHours[day].reset();
        const std::optional<ShiftDay> &shifts = requirement ? requirement->days[day].shifts : std::nullopt;
        if (shifts && m_week.days[day].open) {
            const int agentSlots = std::accumulate(shifts->requirement.begin(), shifts->requirement.end(), 0);
            m_needHours[day] = agentSlots * shifts->slotMinutes / 60.0;
        }
    }
    emit dataChanged(index(0, 0), index(RowCount - 1, WeekScenario::DayCount - 1));
}

void WeekDayModel::reload()
{
    beginResetModel();
    endResetModel();
}
