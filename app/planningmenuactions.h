// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class TAgentForm;

// The File menu's commands on the active agent window: Planning Options...,
// Roster Columns, Import Intervals... and Slot Time Columns. They are
// enabled while an agent window is active; the two column items are checked
// while that window's Schedule shows those columns.
class PlanningMenuActions : public QObject
{
    Q_OBJECT
public:
    using ActiveForm = std::function<TAgentForm *()>;
    // Adds the items to `file`, at its end.
    PlanningMenuActions(QMenu *file, ActiveForm activeForm, QObject *parent);

    // The items' state for the active window. Kept current while the menu
    // is closed too: a test or a screen reader reads it at any time.
    void update();

    QAction *planningAction() const { return m_planning; }
    QAction *rosterAction() const { return m_roster; }

    // File > Planning Options...: the active window's options dialog.
    void editOptions();

private:
    // Runs `command` on the active window, if any, then updates the items.
    void onActiveForm(const std::function<void(TAgentForm &)> &command);

    ActiveForm m_activeForm;
    QAction *m_planning = nullptr;
    QAction *m_roster = nullptr;
    QAction *m_importIntervals = nullptr;
    QAction *m_slotTimes = nullptr;
};
