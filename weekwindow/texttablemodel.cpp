// SPDX-License-Identifier: MIT
#include "texttablemodel.h"

TextTableModel::TextTableModel(QStringList headings, QObject *parent)
    : QAbstractTableModel(parent)
    , m_headings(std::move(headings))
{
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if ((!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)))
        return {};
    const QStringList &row = m_rows[static_cast<std::size_t>(index.row())];
    const QString text = index.column() < row.size() ? row[index.column()] : QString();
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case SortRole: {
        bool number = false;
        const double value = text.toDouble(&number);
        return number ? QVariant(value) : QVariant(text);
    }
    case Qt::AccessibleTextRole:
        return m_headings[index.column()] + QStringLiteral(": ") + text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_headings.size())
        return {};
    return m_headings[section];
}

void TextTableModel::setRows(std::vector<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}
