// SPDX-License-Identifier: MIT
#pragma once

#include "weekslotrows.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <optional>

class WeekScenario;

// The week's calls per slot, a column per day (Monday first) and a row per
// slot of the widest period (WeekSlotRows); a slot outside a day's period
// is blank and takes nothing. Typed, pasted and cleared cells change the
// week it shows, and each change is signalled.
class WeekVolumeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit WeekVolumeModel(WeekScenario &week, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A whole number of calls from 0 up (an empty text: 0); anything else
    // is refused, and the reason signalled.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // A block from a spreadsheet (tab-separated, a column per day) from
    // `topLeft` down and right: each column is read as the Schedule reads a
    // pasted list. Refused as a whole, changing nothing, when a value is
    // bad or runs past the last day or past a day's period; the reason in
    // words is returned.
    std::optional<QString> paste(const QModelIndex &topLeft, const QString &text,
                                 const QLocale &locale = QLocale::system());
    // Every slot of the day loses its calls.
    void clearDay(int day);
    // The days' periods or the slot length changed: the rows follow.
    void reload();

    const WeekSlotRows &rows() const { return m_rows; }

signals:
    // Calls were typed, pasted or cleared.
    void volumesChanged();
    // A typed value was refused: why, naming the day and slot.
    void refused(const QString &message);

private:
    int daySlot(const QModelIndex &index) const;
    void setCalls(int day, int slot, int calls);

    WeekScenario &m_week;
    WeekSlotRows m_rows;
};
