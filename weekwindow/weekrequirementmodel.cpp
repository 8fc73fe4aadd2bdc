// SPDX-License-Identifier: MIT
#include "weekrequirementmodel.h"

#include "shiftweek.h"

WeekRequirementModel::WeekRequirementModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int WeekRequirementModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.count;
}

int WeekRequirementModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : WeekScenario::DayCount;
}

QVariant WeekRequirementModel::data(const QModelIndex &index, int role) const
{
    if ((!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)) || !m_requirement)
        return {};
    const auto day = static_cast<std::size_t>(index.column());
    const int slot = m_rows.daySlot(m_days.at(day), index.row());
    const std::optional<ShiftDay> &shifts = m_requirement->days.at(day).shifts;
    if (slot < 0 || !shifts || slot >= shifts->slotCount())
        return {};
    const int agents = shifts->requirement[static_cast<std::size_t>(slot)];
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(agents);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1 %2: %3 agents needed")
            .arg(WeekScenario::dayTitle(index.column()), m_rows.rowTitle(index.row()))
            .arg(agents);
    default:
        return {};
    }
}

QVariant WeekRequirementModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < WeekScenario::DayCount ? ShiftWeek::dayName(section) : QVariant();
    return section >= 0 && section < m_rows.count ? m_rows.rowTitle(section) : QVariant();
}

void WeekRequirementModel::show(const WeekScenario &week, const std::optional<ShiftWeek> &requirement)
{
    beginResetModel();
    m_rows = WeekSlotRows::of(week);
    m_days = week.days;
    m_requirement = requirement;
    endResetModel();
}
