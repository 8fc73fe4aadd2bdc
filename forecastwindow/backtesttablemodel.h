// SPDX-License-Identifier: MIT
#pragma once

#include "forecaster.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// The backtest table of BacktestTable as an item model: read-only texts,
// figures right-aligned, the row of the method forecast with in bold and
// read as "chosen" by a screen reader.
class BacktestTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit BacktestTableModel(QObject *parent = nullptr);

    // A new outcome's rows; the table is reset.
    void setOutcome(const ForecastOutcome &outcome);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headings;
    std::vector<QStringList> m_rows;
    int m_chosen = -1;
};
