// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;
class QKeyEvent;

// The editor of a table's cell as a spreadsheet's: Left, Right, Up and Down
// (without modifiers) commit what was typed, close the editor and make the
// neighbouring cell current, so that "8:00 Right Right 7:00" fills two cells
// rather than one. At the table's edge the key commits and stays put.
// Ctrl+Tab and Ctrl+Shift+Tab move to the next and the previous cell, row
// after row, in the table and from an open editor alike (committing it);
// Tab and Shift+Tab leave the table, from an open editor too, as in Qt's
// own item views with tab navigation off.
class ArrowLeavesCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ArrowLeavesCellDelegate(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // Ctrl+Tab in the table itself.
    bool viewKeyPress(const QKeyEvent &key);
    // Commits and closes `editor`.
    void leaveEditor(QWidget *editor);
    // Makes the cell `step` cells after the current one (row after row)
    // current, staying within the table.
    void moveCurrent(int step);

    QAbstractItemView *m_view;
};
