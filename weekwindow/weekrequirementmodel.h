// SPDX-License-Identifier: MIT
#pragma once

#include "weekslotrows.h"

#include <QAbstractTableModel>

#include <optional>

struct ShiftWeek;

// The agents each slot of the week needs, a column per day (Monday first)
// and a row per slot of the widest period; a day's closed slots are
// blank, and so is every cell while the week's Schedules refuse an input.
class WeekRequirementModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit WeekRequirementModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The week's days and their requirement (none: refused) as now built.
    void show(const WeekScenario &week, const std::optional<ShiftWeek> &requirement);

private:
    WeekSlotRows m_rows;
    std::array<WeekScenario::Day, WeekScenario::DayCount> m_days;
    std::optional<ShiftWeek> m_requirement;
};
