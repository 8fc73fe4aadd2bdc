// SPDX-License-Identifier: MIT
#pragma once

#include "weekdocument.h"
#include "weekplan.h"
#include "weeksolve.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>

class DialogService;
class QComboBox;
class QLabel;
class QProgressBar;
class QSortFilterProxyModel;
class QSpinBox;
class QTabWidget;
class QTableView;

class QToolButton;
class QHBoxLayout;
class QMimeData;
class TextTableModel;
class WeekDayModel;
class WeekRequirementModel;
class TourTypesEditor;
class WeekHeatMapWidget;
class WeekVolumeModel;
class WeekWindowHost;

// A week window: one week's days side by side (calls, open period and the
// agent-hours needed), its volumes and requirement slot by slot, a solve
// of the week's tours on a thread of its own, and the plan: the agents'
// weeks and the totals per day, per tour type and for the week. The week
// itself and every rule about it live in the headless classes it shows
// (WeekDocument, the models, SolveWeek).
class WeekWindow : public QWidget
{
    Q_OBJECT
public:
    // The help topic of a week window.
    static constexpr int HelpTopic = 40;
    static constexpr int DesignWidth = 980;
    static constexpr int DesignHeight = 640;
    // The result's tabs, in order.
    enum ResultTab { VolumesTab, RequirementTab, HeatMapTab, AgentsTab, TotalsTab };

    WeekWindow(WeekWindowHost &host, DialogService &dialogs, TourTypesEditor &tourTypes, WeekScenario week,
               QWidget *parent = nullptr);
    ~WeekWindow() override;

    // The window's commands, each with a tool button and a key.
    void solve();        // Solve (F5)
    void cancelSolve();  // Cancel (Esc)
    void openDay();      // Open Day (Ctrl+D): the current column's day as an agent window
    void clearDay();     // Clear Day (Ctrl+Del): the current column's calls
    void useAsRosters(); // Use as Rosters (Ctrl+R)
    void editTourTypes(); // Tour Types... (Ctrl+T): the tour and shift types
    void print();        // Print (Ctrl+P): the plan's report, landscape
    void copyWeek();     // Copy Week (Ctrl+Shift+C): agents' weeks and cover for a spreadsheet
    // What Copy Week puts on the clipboard; none without a plan. The caller
    // owns it.
    QMimeData *copyData() const;
    void save();         // Save (Ctrl+S): to the window's file, or asks for one
    void saveAs();       // Save As (Ctrl+Shift+S)
    // Pastes a 7-column block into the volumes from the current cell (Ctrl+V
    // in the volumes); a refusal is shown and changes nothing.
    void pasteVolumes(const QString &text);

    // Load and save without a dialog; a failure is reported and changes
    // nothing. A save to another existing file asks first.
    bool openFile(const QString &path);
    bool saveFile(const QString &path);
    // Another week (an interval file's) in place of the window's, as
    // typed: not in the window's file until saved.
    void replaceWeek(const WeekScenario &week);
    // Before the window closes, and before Varnook ends: a week with
    // changes asks "Save changes to NAME?". False (stay open) on Cancel or
    // when the chosen save was not written.
    bool confirmClose();
    bool hasUnsavedChanges();
    // What the day windows changed comes back into the week.
    void takeDayChanges();

    bool solving() const { return m_thread != nullptr; }
    const std::optional<WeekPlan> &plan() const { return m_plan; }
    const WeekDocument &document() const { return m_document; }
    WeekScenario &week() { return m_document.week(); }

    // The window's parts, for the main window and tests.
    QComboBox *goalBox() const { return m_goal; }
    QSpinBox *timeLimitBox() const { return m_timeLimit; }
    QLabel *statusLabel() const { return m_status; }
    QLabel *totalsLabel() const { return m_totals; }
    QLabel *comparisonLabel() const { return m_comparison; }
    QTabWidget *tabs() const { return m_tabs; }
    QTableView *dayTable() const { return m_dayTable; }
    QTableView *volumeTable() const { return m_volumeTable; }
    QTableView *requirementTable() const { return m_requirementTable; }
    QTableView *agentTable() const { return m_agentTable; }
    QTableView *dayTotalsTable() const { return m_dayTotalsTable; }
    QTableView *tourTotalsTable() const { return m_tourTotalsTable; }
    QToolButton *printButton() const { return m_printButton; }
    QToolButton *solveButton() const { return m_solveButton; }
    WeekHeatMapWidget *heatMap() const { return m_heatMap; }
    WeekVolumeModel *volumeModel() const { return m_volumeModel; }
    WeekDayModel *dayModel() const { return m_dayModel; }
    WeekRequirementModel *requirementModel() const { return m_requirementModel; }
    TextTableModel *agentModel() const { return m_agentModel; }

signals:
    // A solve ended, with a plan shown or not.
    void solveFinished();
    // The week file was saved or loaded (its full path).
    void weekFileUsed(const QString &path);
    // Ctrl+O in the window: the main window's File > Open.
    void openRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QHBoxLayout *buildToolBar();
    QHBoxLayout *buildSettingsRow();
    QWidget *buildTotalsPage();
    QToolButton *addTool(QHBoxLayout *bar, const QString &text, const QKeySequence &key, const QString &hint);
    QTableView *addTable(QWidget *parent, const QString &name);
    ShiftGoal chosenGoal() const;
    int currentDay() const;
    // The week changed: its requirement is built again and shown.
    void weekChanged();
    void solveEnded(const WeekSolveResult &result);
    void showPlan();
    void showState();
    void showCaption();
    // The plan and the result tables go; the week's tables are laid out anew.
    void forgetPlan();

    WeekWindowHost &m_host;
    DialogService &m_dialogs;
    TourTypesEditor &m_tourTypes;
    WeekDocument m_document;
    WeekVolumeModel *m_volumeModel = nullptr;
    WeekDayModel *m_dayModel = nullptr;
    WeekRequirementModel *m_requirementModel = nullptr;
    TextTableModel *m_agentModel = nullptr;
    QSortFilterProxyModel *m_agentSort = nullptr;
    TextTableModel *m_dayTotalsModel = nullptr;
    TextTableModel *m_tourTotalsModel = nullptr;

    QToolButton *m_solveButton = nullptr;
    QToolButton *m_cancelButton = nullptr;
    QToolButton *m_openDayButton = nullptr;
    QToolButton *m_clearDayButton = nullptr;
    QToolButton *m_rosterButton = nullptr;
    QToolButton *m_tourTypesButton = nullptr;
    QToolButton *m_printButton = nullptr;
    QToolButton *m_copyButton = nullptr;
    QComboBox *m_goal = nullptr;
    QSpinBox *m_timeLimit = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_busy = nullptr;
    QTableView *m_dayTable = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableView *m_volumeTable = nullptr;
    QTableView *m_requirementTable = nullptr;
    WeekHeatMapWidget *m_heatMap = nullptr;
    QTableView *m_agentTable = nullptr;
    QTableView *m_dayTotalsTable = nullptr;
    QTableView *m_tourTotalsTable = nullptr;
    QLabel *m_totals = nullptr;
    QLabel *m_comparison = nullptr;
    QTimer m_tick;
    QElapsedTimer m_elapsed;

    QPointer<QThread> m_thread;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::optional<WeekPlan> m_plan;
    // With the service-level goal: the cover plan compared with m_plan.
    std::optional<WeekPlan> m_coverPlan;
    // The week the plan was made for: Use as Rosters hands out its days.
    std::optional<WeekScenario> m_planWeek;
};
