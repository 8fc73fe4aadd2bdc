// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// A read-only table of texts under headings, as the week's result tables
// are written (weekplantext.h). SortRole gives a cell's sort key: its
// number when the text is one, otherwise the text, so that "9.5" sorts
// before "40.0".
class TextTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit TextTableModel(QStringList headings, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Rows longer than the headings are cut, shorter ones end blank.
    void setRows(std::vector<QStringList> rows);
    const std::vector<QStringList> &rows() const { return m_rows; }

private:
    QStringList m_headings;
    std::vector<QStringList> m_rows;
};
