// SPDX-License-Identifier: MIT
#include "fieldexitguard.h"

#include "agenteventfilter.h"
#include "dialogservice.h"
#include "fieldexithost.h"
#include "focusmoveinhand.h"
#include "handlerguard.h"
#include "maskedfield.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QString InvalidInputMessage = QStringLiteral("Invalid input! - Cursor is positioned in failing field");
const QString RefusedExitMessage = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

// A masked field that was changed and lacks a required digit may not be left.
bool mayNotLeave(const QLineEdit &edit, Field field)
{
    return IsMaskedField(field) && edit.isModified() && !edit.hasAcceptableInput();
}

} // namespace

FieldExitGuard::FieldExitGuard(FieldExitHost &host, DialogService &dialogs, AgentEventFilter &events)
    : m_host(host)
    , m_dialogs(dialogs)
    , m_events(&events)
{
    events.addGuard(this);
}

FieldExitGuard::~FieldExitGuard()
{
    if (m_events)
        m_events->removeGuard(this);
}

QWidget *FieldExitGuard::window() const
{
    return m_host.guardedWindow();
}

QWidget *FieldExitGuard::frame() const
{
    return window()->parentWidget();
}

void FieldExitGuard::addField(Field f, QLineEdit *edit, const QString &text)
{
    const auto index = static_cast<std::size_t>(f);
    m_fields[index] = edit;
    m_textBeforeEdit[index] = text;
    m_events->addField(edit, this);
    // Typing makes the exit due again, even after a command completed it.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, index] { m_exitPending[index] = true; });
}

bool FieldExitGuard::fieldOf(const QObject *object, Field *f) const
{
    if (!object)
        return false;
    for (int i = 0; i < FieldCount; ++i) {
        if (m_fields[static_cast<std::size_t>(i)] == object) {
            *f = static_cast<Field>(i);
            return true;
        }
    }
    return false;
}

bool FieldExitGuard::cursorField(Field *f) const
{
    QWidget *focus = QApplication::focusWidget();
    if (fieldOf(focus, f))
        return true;
    return focus && focus == frame() && fieldOf(m_frameHeld, f);
}

FieldExitGuard::ExitOutcome FieldExitGuard::completePendingExit()
{
    // A Calls cell being edited keeps its text and closes first.
    if (!m_closing)
        m_host.closeCellEditor();
    Field f;
    if (m_closing || !cursorField(&f) || !m_exitPending[static_cast<std::size_t>(f)])
        return ExitOutcome::Done;
    return runFieldExit(f);
}

FieldExitGuard::ExitOutcome FieldExitGuard::runFieldExit(Field f)
{
    if (m_closing)
        return ExitOutcome::Done;
    ExitOutcome outcome = ExitOutcome::Done;
    RunHandler(m_dialogs, [&] {
        if (mayNotLeave(*field(f), f)) {
            refuseExit(f);
            outcome = ExitOutcome::Refused;
            return;
        }
        m_exitPending[static_cast<std::size_t>(f)] = false;
        m_exitRunning = f;
        const bool refused = m_host.runExitRule(f);
        m_exitRunning.reset();
        if (refused)
            outcome = ExitOutcome::InputRefused;
    });
    return outcome;
}

void FieldExitGuard::refuseExit(Field f)
{
    QLineEdit *edit = field(f);
    if (QApplication::focusWidget() != edit) {
        const FocusMoveInHand inHand(*m_events);
        m_returningToField = true;
        edit->setFocus(Qt::OtherFocusReason);
        m_returningToField = false;
    }
    const int position = FirstMissingRequiredDigit(*edit, f);
    edit->deselect();
    if (position >= 0)
        edit->setCursorPosition(position);
    QApplication::beep();
    m_events->refusalShown();
    m_dialogs.error(RefusedExitMessage);
    if (position >= 0)
        edit->setCursorPosition(position);
}

void FieldExitGuard::reportInvalidInput(const RecalcResult &result)
{
    if (m_closing || m_quietInvalidInput)
        return;
    if (m_holdInvalidInput) {
        m_heldInvalidInput = result;
        return;
    }
    m_host.focusFailingInput(result);
    const QString reason = result.failing.reason();
    m_dialogs.inform(reason.isEmpty() ? InvalidInputMessage : InvalidInputMessage + QStringLiteral("\n\n") + reason);
}

void FieldExitGuard::holdInvalidInput(bool hold)
{
    m_holdInvalidInput = hold;
    if (hold)
        m_heldInvalidInput.reset();
}

void FieldExitGuard::reportHeldInvalidInput()
{
    if (!m_heldInvalidInput)
        return;
    const RecalcResult held = *m_heldInvalidInput;
    m_heldInvalidInput.reset();
    reportInvalidInput(held);
}

void FieldExitGuard::restartVisit(Field f)
{
    const auto index = static_cast<std::size_t>(f);
    m_exitPending[index] = true;
    if (m_exitRunning == f) {
        m_entryRefused[index] = true;
        return;
    }
    m_textBeforeEdit[index] = FieldText(*field(f), f);
}

void FieldExitGuard::textRewritten(Field f, const QString &text)
{
    m_textBeforeEdit[static_cast<std::size_t>(f)] = text;
}

void FieldExitGuard::focusChanged(QWidget *old, QWidget *now)
{
    if (m_closing)
        return;
    QWidget *window = this->window();
    if (now == frame() && window->isAncestorOf(old)) {
        // A press on no control (a blank part, a tool button) gives the
        // cursor to the child window's frame, which hands it back: the
        // control is not left yet.
        m_frameHeld = old;
        return;
    }
    if (old == frame() && m_frameHeld) {
        // The cursor moves on from the frame: the control it held is left
        // now, unless the cursor is back in it.
        QWidget *held = m_frameHeld;
        m_frameHeld.clear();
        if (now == held)
            return;
        old = held;
    }
    Field f;
    if (fieldOf(old, &f)) {
        if (m_visitedField == f)
            m_visitedField.reset();
        if (m_exitPending[static_cast<std::size_t>(f)])
            runFieldExit(f);
    }
    m_host.cursorMoved(old, now);
}

bool FieldExitGuard::fieldKeyPress(Field f, QKeyEvent *key)
{
    QLineEdit *edit = field(f);
    if (key->key() != Qt::Key_Escape)
        return false;
    // Escape abandons the edit: the text the field had when the cursor
    // entered it comes back, in the scenario too where a refused exit put
    // the edit there.
    const auto index = static_cast<std::size_t>(f);
    const QString before = m_textBeforeEdit[index];
    if (!edit->isModified() && FieldText(*edit, f) == before && !m_entryRefused[index])
        return false;
    SetFieldText(*edit, f, before);
    edit->setModified(false);
    if (m_entryRefused[index]) {
        m_entryRefused[index] = false;
        m_exitPending[index] = false;
        RunHandler(m_dialogs, [&] { m_host.entryRestored(f); });
    }
    return true;
}

void FieldExitGuard::fieldFocusIn(Field f, QFocusEvent *event)
{
    QLineEdit *edit = field(f);
    // A new visit starts when the cursor comes from another control; the
    // focus coming back after a message box (the refusal's own, say) or from
    // another program continues the visit, and Escape still goes back to the
    // text from before the edit; so does the cursor put back by the field's
    // own exit, whose recalculation refused it.
    if (!m_returningToField && m_visitedField != f && m_exitRunning != f) {
        m_textBeforeEdit[static_cast<std::size_t>(f)] = FieldText(*edit, f);
        m_exitPending[static_cast<std::size_t>(f)] = true;
        m_entryRefused[static_cast<std::size_t>(f)] = false;
    }
    m_visitedField = f;
    static_cast<QObject *>(edit)->event(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        // A field reached from the keyboard (or given the cursor by the
        // program) has its whole text selected, so that typing replaces
        // it; a masked field would otherwise put the cursor after its
        // last digit, where typing does nothing.
        edit->selectAll();
    }
}

bool FieldExitGuard::refusesPress(const QWidget *target)
{
    // A press that would take the cursor out of a field whose exit is
    // refused is refused here (a press on a control that does not take the
    // cursor moves no focus on its way).
    Field f;
    if (m_closing || !cursorField(&f))
        return false;
    QLineEdit *edit = field(f);
    if (target == edit || target->window() != edit->window() || !mayNotLeave(*edit, f))
        return false;
    runFieldExit(f);
    return true;
}

bool FieldExitGuard::frameClosing()
{
    // Unsaved changes to the window's file are asked about first; then the
    // fields lose the cursor on the way out, and that is no leaving to check.
    if (!m_host.frameClosing())
        return false;
    m_closing = true;
    return true;
}

void FieldExitGuard::activate()
{
    // The child frame takes no focus from a click (see the main window), so
    // a press anywhere on it or in it brings this window to the front.
    auto *subWindow = qobject_cast<QMdiSubWindow *>(frame());
    if (!subWindow || m_closing)
        return;
    if (QMdiArea *area = subWindow->mdiArea(); area && area->activeSubWindow() != subWindow)
        area->setActiveSubWindow(subWindow);
}
