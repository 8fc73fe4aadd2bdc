// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include <optional>

class WeekScenario;
struct ShiftWeek;

// The week's days side by side (a column per day, Monday first): each
// day's calls, its open period ("08:00–18:00", "closed"), which the
// planner may edit, and the agent-hours its requirement needs.
class WeekDayModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Row { CallsRow, OpenRow, NeedRow, RowCount };

    explicit WeekDayModel(WeekScenario &week, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The open row takes "closed" (or an empty text) or a period
    // "hh:mm-hh:mm" (an en dash too) on the week's slots; anything else is
    // refused, leaving the day as it was, and the reason signalled.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The requirement as now built (none: refused): the need row follows,
    // and the calls row with it.
    void showRequirement(const std::optional<ShiftWeek> &requirement);
    void reload();

    // A day's period as the open row shows it.
    static QString periodText(const WeekScenario &week, int day);

signals:
    // A day's period was changed by an edit.
    void periodChanged(int day);
    // An edit was refused: why, naming the day and what was typed.
    void refused(const QString &message);

private:
    WeekScenario &m_week;
    std::array<std::optional<double>, 7> m_needHours{};
};
