// SPDX-License-Identifier: MIT
#include "arrowleavescelldelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

namespace {

// +1 for Ctrl+Tab, -1 for Ctrl+Shift+Tab, 0 for any other key.
int CellStep(const QKeyEvent &key)
{
    if (!(key.modifiers() & Qt::ControlModifier))
        return 0;
    if (key.key() == Qt::Key_Backtab || (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier)))
        return -1;
    return key.key() == Qt::Key_Tab ? 1 : 0;
}

// Tab or Shift+Tab without Ctrl or Alt: the keys that move the focus.
bool LeavesTable(const QKeyEvent &key)
{
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
        && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

ArrowLeavesCellDelegate::ArrowLeavesCellDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
{
    view->installEventFilter(this);
}

bool ArrowLeavesCellDelegate::viewKeyPress(const QKeyEvent &key)
{
    const int step = CellStep(key);
    if (step == 0)
        return false;
    moveCurrent(step);
    return true;
}

void ArrowLeavesCellDelegate::leaveEditor(QWidget *editor)
{
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ArrowLeavesCellDelegate::moveCurrent(int step)
{
    const QAbstractItemModel *model = m_view->model();
    const QModelIndex current = m_view->currentIndex();
    if (!model || !current.isValid())
        return;
    const int columns = model->columnCount(current.parent());
    const int cells = model->rowCount(current.parent()) * columns;
    const int cell = std::clamp(current.row() * columns + current.column() + step, 0, cells - 1);
    // Not setCurrentIndex, which reads the held Ctrl as a wish to extend
    // the selection.
    if (QItemSelectionModel *selection = m_view->selectionModel())
        selection->setCurrentIndex(model->index(cell / columns, cell % columns, current.parent()),
                                   QItemSelectionModel::ClearAndSelect);
}

bool ArrowLeavesCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    // The view itself is watched for Ctrl+Tab only; it is no editor.
    if (object == m_view)
        return event->type() == QEvent::KeyPress && viewKeyPress(*static_cast<QKeyEvent *>(event));
    auto *editor = qobject_cast<QWidget *>(object);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (const int step = CellStep(*key)) {
        leaveEditor(editor);
        moveCurrent(step);
        return true;
    }
    if (LeavesTable(*key)) {
        // The closed editor gives the focus back to the view, which passes
        // the same key on to the next widget of the window.
        leaveEditor(editor);
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
        QApplication::sendEvent(m_view, &again);
        return true;
    }
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
    leaveEditor(editor);
    const QModelIndex next = current.siblingAtRow(current.row() + rowStep).siblingAtColumn(current.column() + columnStep);
    if (next.isValid())
        m_view->setCurrentIndex(next);
    return true;
}
