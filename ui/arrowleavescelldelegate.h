// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// The editor of a table's cell as a spreadsheet's: Left, Right, Up and Down
// (without modifiers) commit what was typed, close the editor and make the
// neighbouring cell current, so that "8:00 Right Right 7:00" fills two cells
// rather than one. At the table's edge the key commits and stays put.
class ArrowLeavesCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ArrowLeavesCellDelegate(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QAbstractItemView *m_view;
};
