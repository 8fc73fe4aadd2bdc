// SPDX-License-Identifier: MIT
#include "weekvolumemodel.h"

#include "volumecolumn.h"
#include "weekscenario.h"

#include <QStringList>

WeekVolumeModel::WeekVolumeModel(WeekScenario &week, QObject *parent)
    : QAbstractTableModel(parent)
    , m_week(week)
    , m_rows(WeekSlotRows::of(week))
{
}

int WeekVolumeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.count;
}

int WeekVolumeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : WeekScenario::DayCount;
}

int WeekVolumeModel::daySlot(const QModelIndex &index) const
{
    if ((!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)))
        return -1;
    return m_rows.daySlot(m_week.days.at(static_cast<std::size_t>(index.column())), index.row());
}

QVariant WeekVolumeModel::data(const QModelIndex &index, int role) const
{
    const int slot = daySlot(index);
    if (slot < 0)
        return {};
    const std::vector<int> &calls = m_week.days.at(static_cast<std::size_t>(index.column())).calls;
    const int value = slot < static_cast<int>(calls.size()) ? calls[static_cast<std::size_t>(slot)] : 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::number(value);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1 %2: %3 calls")
            .arg(WeekScenario::dayTitle(index.column()), m_rows.rowTitle(index.row()))
            .arg(value);
    default:
        return {};
    }
}

QVariant WeekVolumeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < WeekScenario::DayCount ? ShiftWeek::dayName(section) : QVariant();
    return section >= 0 && section < m_rows.count ? m_rows.rowTitle(section) : QVariant();
}

Qt::ItemFlags WeekVolumeModel::flags(const QModelIndex &index) const
{
    if ((!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)))
        return Qt::NoItemFlags;
    if (daySlot(index) < 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void WeekVolumeModel::setCalls(int day, int slot, int calls)
{
    std::vector<int> &list = m_week.days.at(static_cast<std::size_t>(day)).calls;
    if (slot >= static_cast<int>(list.size()))
        list.resize(static_cast<std::size_t>(slot) + 1, 0);
    list[static_cast<std::size_t>(slot)] = calls;
}

bool WeekVolumeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int slot = daySlot(index);
    if (role != Qt::EditRole || slot < 0)
        return false;
    // An emptied cell has no calls.
    const QString text = value.toString().trimmed().isEmpty() ? QStringLiteral("0") : value.toString();
    const VolumeColumn read = VolumeColumn::read(text, VolumeColumn::Source::Clipboard);
    if (!read.accepted() || read.volumes().size() != 1) {
        const QString why = read.accepted() ? QStringLiteral("takes one whole number of calls")
                                            : read.refusal()->text();
        emit refused(QStringLiteral("%1 %2: %3")
                         .arg(WeekScenario::dayTitle(index.column()), m_rows.rowTitle(index.row()), why));
        return false;
    }
    setCalls(index.column(), slot, read.volumes().front().calls);
    emit dataChanged(index, index);
    emit volumesChanged();
    return true;
}

std::optional<QString> WeekVolumeModel::paste(const QModelIndex &topLeft, const QString &text, const QLocale &locale)
{
    if (daySlot(topLeft) < 0)
        return QStringLiteral("Choose an open slot of a day to paste into");
    if (text.size() > VolumeColumn::MaxTextLength)
        return VolumeRefusal(VolumeRefusal::Reason::TooLong).text();
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    // Each column of the block is one day's list of volumes.
    std::vector<QStringList> columns;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList cells = line.split(QLatin1Char('\t'));
        while (columns.size() < static_cast<std::size_t>(cells.size()))
            columns.emplace_back(columns.empty() ? 0 : static_cast<int>(columns.front().size()), QString());
        for (std::size_t c = 0; c < columns.size(); ++c)
            columns[c] << (static_cast<int>(c) < cells.size() ? cells[static_cast<int>(c)] : QString());
    }
    // A shorter day's column ends in blanks: they are no values.
    for (QStringList &column : columns) {
        while (!column.isEmpty() && column.last().trimmed().isEmpty())
            column.removeLast();
    }
    const int firstDay = topLeft.column();
    if (firstDay + static_cast<int>(columns.size()) > WeekScenario::DayCount)
        return QStringLiteral("The block has %1 columns: from %2 on there are only %3 days")
            .arg(columns.size())
            .arg(WeekScenario::dayTitle(firstDay))
            .arg(WeekScenario::DayCount - firstDay);
    std::vector<std::vector<int>> values(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int day = firstDay + static_cast<int>(c);
        const QString dayName = WeekScenario::dayTitle(day);
        if (columns[c].isEmpty())
            continue; // a day left blank keeps its calls
        const VolumeColumn read = VolumeColumn::read(columns[c].join(QLatin1Char('\n')), VolumeColumn::Source::Clipboard, locale);
        if (!read.accepted())
            return dayName + QStringLiteral(": ") + read.refusal()->text();
        const WeekScenario::Day &target = m_week.days.at(static_cast<std::size_t>(day));
        const int first = m_rows.daySlot(target, topLeft.row());
        const int daySlots = target.slotCount(m_week.slotMinutes());
        if (first < 0 || first + static_cast<int>(read.volumes().size()) > daySlots)
            return QStringLiteral("%1: %2 values do not fit from %3 to the end of the day's period")
                .arg(dayName)
                .arg(read.volumes().size())
                .arg(m_rows.rowTitle(topLeft.row()));
        for (const SlotVolume &v : read.volumes())
            values[c].push_back(v.calls);
    }
    for (std::size_t c = 0; c < values.size(); ++c) {
        const int day = firstDay + static_cast<int>(c);
        const int first = m_rows.daySlot(m_week.days.at(static_cast<std::size_t>(day)), topLeft.row());
        for (std::size_t i = 0; i < values[c].size(); ++i)
            setCalls(day, first + static_cast<int>(i), values[c][i]);
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit volumesChanged();
    return std::nullopt;
}

void WeekVolumeModel::clearDay(int day)
{
    if (day < 0 || day >= WeekScenario::DayCount)
        return;
    m_week.days.at(static_cast<std::size_t>(day)).calls.clear();
    if (m_rows.count > 0)
        emit dataChanged(index(0, day), index(m_rows.count - 1, day));
    emit volumesChanged();
}

void WeekVolumeModel::reload()
{
    beginResetModel();
    m_rows = WeekSlotRows::of(m_week);
    endResetModel();
}
