// SPDX-License-Identifier: MIT
#pragma once

#include "agenteventfilter.h"
#include "field.h"
#include "recalcresult.h"

#include <QPointer>
#include <QScopedValueRollback>
#include <QString>

#include <array>
#include <optional>

class DialogService;
class FieldExitHost;
class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

// When a window's field may be left, and what leaving it does. A field's
// exit rule runs once per visit or edit, when the cursor moves on to another
// control of the window or a command completes it first; a masked field that
// was changed and lacks a required digit refuses, keeps the cursor and
// cancels the press that would have taken it away. Escape gives a masked
// field back the text it had when the cursor entered it. The program's
// AgentEventFilter hands the guard its window's events.
class FieldExitGuard
{
public:
    enum class ExitOutcome {
        Done,         // the exit ran (or none was due)
        Refused,      // the field may not be left: the cursor stays there
        InputRefused, // the exit's recalculation refused an input and said so
    };

    FieldExitGuard(FieldExitHost &host, DialogService &dialogs, AgentEventFilter &events);
    ~FieldExitGuard();
    FieldExitGuard(const FieldExitGuard &) = delete;
    FieldExitGuard &operator=(const FieldExitGuard &) = delete;

    QWidget *window() const;
    // Watches the field, which shows `text` now.
    void addField(Field field, QLineEdit *edit, const QString &text);
    QLineEdit *field(Field field) const { return m_fields[static_cast<std::size_t>(field)]; }

    // Runs the field's exit, as leaving it does.
    ExitOutcome runFieldExit(Field field);
    // Runs the pending exit of the field that holds the cursor (an open
    // Calls cell editor is closed first, keeping its text).
    ExitOutcome completePendingExit();
    // The field that holds the cursor, also while the child window's frame
    // holds it for the field.
    bool cursorField(Field *field) const;
    bool fieldOf(const QObject *object, Field *field) const;

    // A recalculation refused an input: the cursor goes there and the
    // message is shown, unless the window is closing, a load holds the
    // report back, or the command has just reported the same inputs.
    void reportInvalidInput(const RecalcResult &result);
    // While a file loads, a refused input is held until the window shows
    // the loaded values; true starts holding (and forgets a held one).
    void holdInvalidInput(bool hold);
    void reportHeldInvalidInput();
    // A command whose pending field exit has just reported a refused input
    // runs on without reporting the same inputs again.
    [[nodiscard]] QScopedValueRollback<bool> quietInvalidInput(bool quiet)
    {
        return QScopedValueRollback<bool>(m_quietInvalidInput, quiet);
    }

    // The cursor entered the field anew (the program put it there): its
    // exit is due, and Escape goes back to the text it shows now; but for
    // the field whose own exit's recalculation refused it, the visit goes
    // on, and Escape goes back to the text from before it.
    void restartVisit(Field field);
    // The window rewrote the field's text: Escape goes back to it.
    void textRewritten(Field field, const QString &text);

    // The window is closing: from now on no field exit runs and no input
    // error is reported.
    void beginClosing() { m_closing = true; }
    bool closing() const { return m_closing; }

    // The filter's events for this window.
    void focusChanged(QWidget *old, QWidget *now);
    bool fieldKeyPress(Field field, QKeyEvent *event);
    void fieldFocusIn(Field field, QFocusEvent *event);
    // A press on `target` while this window's field holds the cursor: true
    // when the field may not be left (the refusal has been shown).
    bool refusesPress(const QWidget *target);
    // The frame holding the window was asked to close: false keeps it open.
    bool frameClosing();
    // A press on the window's frame or in it brings the window to the front.
    void activate();

private:
    void refuseExit(Field field);
    QWidget *frame() const;

    FieldExitHost &m_host;
    DialogService &m_dialogs;
    // The filter outlives the window in the program; a test may end it first.
    QPointer<AgentEventFilter> m_events;
    std::array<QLineEdit *, FieldCount> m_fields{};
    // Each masked field's text from when the cursor last entered it, for Escape.
    std::array<QString, FieldCount> m_textBeforeEdit;
    // The field's exit has yet to run for the cursor's current visit or edit.
    std::array<bool, FieldCount> m_exitPending{};
    // The field's exit ran this visit and its input was refused: the
    // scenario holds the refused text.
    std::array<bool, FieldCount> m_entryRefused{};
    // The field whose exit rule is running.
    std::optional<Field> m_exitRunning;
    // The cursor goes back into a field whose exit was refused: that is no
    // new visit.
    bool m_returningToField = false;
    // The field the cursor is visiting: entered and not yet left for another
    // control of the program's main window. The focus coming back from a
    // message box or another program continues the visit.
    std::optional<Field> m_visitedField;
    // The control whose cursor the child window's frame took (a press on no
    // control); it is left only when the cursor moves on from there.
    QPointer<QWidget> m_frameHeld;
    bool m_holdInvalidInput = false;
    bool m_quietInvalidInput = false;
    std::optional<RecalcResult> m_heldInvalidInput;
    bool m_closing = false;
};
