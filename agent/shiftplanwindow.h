// SPDX-License-Identifier: MIT
#pragma once

#include "shiftday.h"
#include "shiftplan.h"
#include "shiftplanner.h"
#include "shiftplanpair.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>

class ChartWidget;
class DialogService;
class QComboBox;
class QLabel;
class QProgressBar;
class QSpinBox;
class QTableWidget;

class QToolButton;
class ShiftPlanOwner;

// The shift plan of one agent window: its shift types, a solve that runs on
// a thread of its own with a busy bar and Cancel, the plan's shifts, its
// cover per slot and its totals, and the commands Use as Roster and Print.
// A solve that fails or is cancelled leaves the plan shown as it was. With
// the goal "Day's service level" a solve plans both goals, compares them
// above the shifts and shows the chosen one, which the commands then use.
class ShiftPlanWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 720;
    static constexpr int DesignHeight = 640;

    ShiftPlanWindow(ShiftPlanOwner &owner, DialogService &dialogs, QWidget *parent = nullptr);
    ~ShiftPlanWindow() override;

    // The window's commands, each with a tool button and a key.
    void editTypes();   // Shift Types... (Ctrl+T)
    void solve();       // Solve (F5)
    void cancelSolve(); // Cancel (Esc)
    void useAsRoster(); // Use as Roster (Ctrl+R)
    void print();       // Print (Ctrl+P)

    // The owner is going: no command reaches it any more.
    void unlink() { m_owner = nullptr; }

    bool solving() const { return m_thread != nullptr; }
    // The plan shown: the chosen goal's, or the cover plan while there is
    // no other.
    const std::optional<ShiftPlan> &plan() const;
    QComboBox *goalBox() const { return m_goal; }
    QToolButton *printButton() const { return m_printButton; }
    QLabel *comparisonLabel() const { return m_comparison; }
    QLabel *statusLabel() const { return m_status; }
    QTableWidget *shiftTable() const { return m_shifts; }
    QTableWidget *coverTable() const { return m_cover; }
    QSpinBox *timeLimitBox() const { return m_timeLimit; }
    ChartWidget *chart() const { return m_chart; }

signals:
    // A solve ended, with a plan shown or not.
    void solveFinished();

private:
    class QHBoxLayout *buildToolBar();
    class QHBoxLayout *buildSettingsRow();
    // The goal's label and combo box (m_goal); returns the label.
    QLabel *buildGoalChoice();
    QToolButton *addTool(QHBoxLayout *bar, const QString &text, const QKeySequence &key);
    ShiftGoal chosenGoal() const;
    void solveEnded(const ShiftPlanPair &plans, const ShiftDay &day);
    void showPlan();
    void showState();

    ShiftPlanOwner *m_owner;
    DialogService &m_dialogs;
    QToolButton *m_typesButton = nullptr;
    QToolButton *m_solveButton = nullptr;
    QToolButton *m_cancelButton = nullptr;
    QToolButton *m_rosterButton = nullptr;
    QToolButton *m_printButton = nullptr;
    QSpinBox *m_timeLimit = nullptr;
    QComboBox *m_goal = nullptr;
    QLabel *m_comparison = nullptr;
    QProgressBar *m_busy = nullptr;
    QLabel *m_status = nullptr;
    QTableWidget *m_shifts = nullptr;
    QTableWidget *m_cover = nullptr;
    QLabel *m_totals = nullptr;
    ChartWidget *m_chart = nullptr;
    QTimer m_tick;
    QElapsedTimer m_elapsed;

    QPointer<QThread> m_thread;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::optional<ShiftPlan> m_plan;        // the cover plan
    std::optional<ShiftPlan> m_servicePlan; // from a solve for the service level
    ShiftDay m_planDay; // the day the plans were made for
};
