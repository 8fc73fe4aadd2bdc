// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>

class FieldExitGuard;
class QEvent;
class QWidget;

// The program's one application-wide event filter for the agent windows. It
// finds the window an event concerns (the owner of the field typed in, of
// the frame being closed, of the control pressed, of the control the cursor
// leaves or enters) and hands the event to that window's FieldExitGuard.
// A press belongs to the one mouse, not to a window, so the press that a
// refused field exit cancels, with its release, is kept here.
class AgentEventFilter : public QObject
{
    Q_OBJECT
public:
    explicit AgentEventFilter(QObject *parent = nullptr);
    ~AgentEventFilter() override;

    // A guard watches its window from its construction to its destruction.
    // The filter goes into the application with the first one.
    void addGuard(FieldExitGuard *guard);
    void removeGuard(FieldExitGuard *guard);
    void addField(QObject *field, FieldExitGuard *guard);

    // A window moves the focus itself (see FocusMoveInHand).
    bool focusMoveInHand() const { return m_focusMoves > 0; }
    // A refused exit's message was shown: the press that moved the focus
    // (and so met the refusal first) is cancelled without a second one.
    void refusalShown() { m_refusedThisPress = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class FocusMoveInHand;

    bool filterPress(QWidget *target, QEvent *event);
    bool isControlPress(const QWidget *target) const;
    void activateOnPress(QWidget *target);
    bool filterClose(QObject *watched, QEvent *event);
    void onFocusChanged(QWidget *old, QWidget *now);
    // The guard of the window holding the widget, or whose frame it is.
    FieldExitGuard *guardOf(const QWidget *widget) const;
    FieldExitGuard *guardHoldingCursor() const;

    QHash<const QObject *, FieldExitGuard *> m_windows;
    QHash<const QObject *, FieldExitGuard *> m_fields;
    bool m_installed = false;
    int m_focusMoves = 0;
    // A press cancelled by a refused exit: its release is dropped as well.
    bool m_dropRelease = false;
    bool m_refusedThisPress = false;
};
