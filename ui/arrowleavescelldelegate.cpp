// SPDX-License-Identifier: MIT
#include "arrowleavescelldelegate.h"

#include <QAbstractItemView>
#include <QKeyEvent>

ArrowLeavesCellDelegate::ArrowLeavesCellDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
{
}

bool ArrowLeavesCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    int rowStep = 0;
    int columnStep = 0;
    switch (key->key()) {
    case Qt::Key_Left: columnStep = -1; break;
    case Qt::Key_Right: columnStep = 1; break;
    case Qt::Key_Up: rowStep = -1; break;
    case Qt::Key_Down: rowStep = 1; break;
    default: return QStyledItemDelegate::eventFilter(object, event);
    }
    // Shift+arrow and the like still select within the text.
    if (key->modifiers() & ~Qt::KeypadModifier)
        return QStyledItemDelegate::eventFilter(object, event);
    const QModelIndex current = m_view->currentIndex();
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    const QModelIndex next = current.siblingAtRow(current.row() + rowStep).siblingAtColumn(current.column() + columnStep);
    if (next.isValid())
        m_view->setCurrentIndex(next);
    return true;
}
