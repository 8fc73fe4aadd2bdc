// SPDX-License-Identifier: MIT
#include "agenteventfilter.h"

#include "fieldexitguard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>

AgentEventFilter::AgentEventFilter(QObject *parent)
    : QObject(parent)
{
}

AgentEventFilter::~AgentEventFilter()
{
    if (m_installed) {
        qApp->removeEventFilter(this);
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    }
}

void AgentEventFilter::addGuard(FieldExitGuard *guard)
{
    m_windows.insert(guard->window(), guard);
    if (m_installed)
        return;
    // Installed with the first window, as that window's own handlers would
    // be: after the main window's, which follow the focus too.
    m_installed = true;
    connect(qApp, &QApplication::focusChanged, this, &AgentEventFilter::onFocusChanged);
    qApp->installEventFilter(this);
}

void AgentEventFilter::removeGuard(FieldExitGuard *guard)
{
    m_windows.remove(guard->window());
    for (auto it = m_fields.begin(); it != m_fields.end();) {
        if (it.value() == guard)
            it = m_fields.erase(it);
        else
            ++it;
    }
}

void AgentEventFilter::addField(QObject *field, FieldExitGuard *guard)
{
    m_fields.insert(field, guard);
}

FieldExitGuard *AgentEventFilter::guardOf(const QWidget *widget) const
{
    if (!widget)
        return nullptr;
    // The frame holding a window (the child window's frame).
    for (FieldExitGuard *guard : m_windows) {
        if (guard->window()->parentWidget() == widget)
            return guard;
    }
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (FieldExitGuard *guard = m_windows.value(w))
            return guard;
    }
    return nullptr;
}

FieldExitGuard *AgentEventFilter::guardHoldingCursor() const
{
    Field f;
    for (FieldExitGuard *guard : m_windows) {
        if (guard->cursorField(&f))
            return guard;
    }
    return nullptr;
}

void AgentEventFilter::onFocusChanged(QWidget *old, QWidget *now)
{
    // A message box or another top-level window taking the focus is not
    // leaving a control; nor is the focus moving away from the program.
    if (focusMoveInHand() || !now || !old || now->window() != old->window())
        return;
    // The window the cursor leaves, then the one it enters.
    const QPointer<QWidget> entered = now;
    FieldExitGuard *left = guardOf(old);
    if (left)
        left->focusChanged(old, now);
    if (!entered)
        return;
    FieldExitGuard *enteredGuard = guardOf(entered);
    if (enteredGuard && enteredGuard != left)
        enteredGuard->focusChanged(old, entered);
}

bool AgentEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Close:
        return filterClose(watched, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        if (!watched->isWidgetType()) // the window system's own window gets them too
            break;
        auto *target = static_cast<QWidget *>(watched);
        if (filterPress(target, event))
            return true;
        if (event->type() == QEvent::MouseButtonPress)
            activateOnPress(target);
        break;
    }
    case QEvent::KeyPress:
        if (FieldExitGuard *guard = m_fields.value(watched)) {
            m_refusedThisPress = false;
            Field f;
            if (guard->fieldOf(watched, &f) && guard->fieldKeyPress(f, static_cast<QKeyEvent *>(event)))
                return true;
        }
        break;
    case QEvent::ShortcutOverride:
        // Ctrl+Z in a field undoes its typing while it has some to undo;
        // otherwise it is left to Edit > Undo (a field would swallow it).
        if (m_fields.contains(watched) && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
            const auto *field = qobject_cast<const QLineEdit *>(watched);
            if (field && !field->isUndoAvailable())
                return true;
        }
        break;
    case QEvent::FocusIn:
        if (FieldExitGuard *guard = m_fields.value(watched)) {
            Field f;
            if (guard->fieldOf(watched, &f)) {
                guard->fieldFocusIn(f, static_cast<QFocusEvent *>(event));
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool AgentEventFilter::filterClose(QObject *watched, QEvent *event)
{
    // The child window's frame closes: its window may keep it open.
    for (FieldExitGuard *guard : m_windows) {
        if (guard->window()->parentWidget() == watched && !guard->closing() && !guard->frameClosing()) {
            event->ignore();
            return true;
        }
    }
    return false;
}

bool AgentEventFilter::filterPress(QWidget *target, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease && m_dropRelease) {
        m_dropRelease = false;
        event->accept();
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    m_dropRelease = false;
    const bool refusedAlready = m_refusedThisPress;
    m_refusedThisPress = false;
    if (!isControlPress(target))
        return false;
    if (!refusedAlready) {
        FieldExitGuard *guard = guardHoldingCursor();
        if (!guard || !guard->refusesPress(target))
            return false;
    }
    // Refused: the cursor stays in the field, and the press, with its
    // release, is cancelled. A press whose focus move met the refusal is
    // cancelled whatever holds the focus now (after the message box the
    // window may not have its focus back yet).
    m_dropRelease = true;
    event->accept(); // taken here: not passed on to the parents either
    return true;
}

bool AgentEventFilter::isControlPress(const QWidget *target) const
{
    // Only presses on agent windows' controls: the tool buttons run their
    // own commands (which complete the exit first), and the frames, menus
    // and tool bar of the main window stay free.
    bool inAgentWindow = false;
    for (const QWidget *w = target; w && !inAgentWindow; w = w->parentWidget())
        inAgentWindow = m_windows.contains(w);
    if (!inAgentWindow)
        return false;
    const auto *button = qobject_cast<const QAbstractButton *>(target);
    return !(button && button->focusPolicy() == Qt::NoFocus);
}

void AgentEventFilter::activateOnPress(QWidget *target)
{
    for (QWidget *w = target; w; w = w->parentWidget()) {
        if (auto *subWindow = qobject_cast<QMdiSubWindow *>(w)) {
            if (FieldExitGuard *guard = m_windows.value(subWindow->widget()))
                guard->activate();
            return;
        }
    }
}
