// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

class TLumStringGrid;

// Draws the grid's cells by its margin rule and gives the Schedule's cells a
// plain line editor whose every change and typed character the grid reports.
class LumCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit LumCellDelegate(TLumStringGrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    TLumStringGrid *m_grid;
};
