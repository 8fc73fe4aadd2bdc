// SPDX-License-Identifier: MIT
#include "backtesttablemodel.h"

#include "backtesttable.h"

#include <QFont>

BacktestTableModel::BacktestTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_headings(BacktestTable::headings())
{
}

void BacktestTableModel::setOutcome(const ForecastOutcome &outcome)
{
    beginResetModel();
    m_rows = BacktestTable::rows(outcome);
    m_chosen = BacktestTable::chosenRow(outcome);
    endResetModel();
}

int BacktestTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BacktestTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant BacktestTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString &text = m_rows[static_cast<std::size_t>(index.row())][index.column()];
    const bool chosen = index.row() == m_chosen;
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::AccessibleTextRole:
        // The cell with its column, and the method's name with "chosen".
        if (index.column() == 0)
            return chosen ? text + QStringLiteral(", chosen") : text;
        return m_headings[index.column()] + QStringLiteral(": ") + (text.isEmpty() ? QStringLiteral("none") : text);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(BacktestTable::isFigureColumn(index.column()) ? Qt::AlignRight | Qt::AlignVCenter
                                                                                 : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (chosen) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant BacktestTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headings.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_headings[section];
    if (role == Qt::ToolTipRole && BacktestTable::isFigureColumn(section)) {
        if (section == 1)
            return QStringLiteral("Weighted absolute percentage error: the absolute errors over the calls that came");
        if (section == 2)
            return QStringLiteral("The forecast's calls above (or, below 0, under) the calls that came");
        if (section == 3)
            return QStringLiteral("Mean absolute percentage error over the slots with calls");
        return QStringLiteral("WAPE of the forecasts made that many days ahead");
    }
    return {};
}
