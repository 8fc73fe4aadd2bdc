// SPDX-License-Identifier: MIT
#pragma once

#include "weekdocument.h"
#include "weekfilecommand.h"
#include "weekplan.h"
#include "weeksolve.h"
#include "weekwindowwidgets.h"

#include <QWidget>

#include <optional>

class DialogService;
class QComboBox;
class QLabel;
class QMimeData;
class QSpinBox;
class QTabWidget;
class QTableView;
class QToolButton;
class TextTableModel;
class TourTypesEditor;
class WeekDayModel;
class WeekHeatMapWidget;
class WeekRequirementModel;
class WeekResultView;
class WeekSolveRun;
class WeekVolumeModel;
class WeekWindowHost;

// A week window: one week's days side by side (calls, open period and the
// agent-hours needed), its volumes and requirement slot by slot, a solve
// of the week's tours on a thread of its own (WeekSolveRun), and the plan:
// the heat map, the agents' weeks and the totals per day, per tour type
// and for the week. The week and every rule about it live in the headless
// classes it shows (WeekDocument, the models, SolveWeek); the main window
// is reached through WeekWindowHost, the tour types dialog through
// TourTypesEditor.
class WeekWindow : public QWidget
{
    Q_OBJECT
public:
    // The help topic of a week window.
    static constexpr int HelpTopic = 40;
    static constexpr int DesignWidth = 980;
    static constexpr int DesignHeight = 640;
    // The tabs, in order.
    enum ResultTab { VolumesTab, RequirementTab, HeatMapTab, AgentsTab, TotalsTab };

    WeekWindow(WeekWindowHost &host, DialogService &dialogs, TourTypesEditor &tourTypes, WeekScenario week,
               QWidget *parent = nullptr);
    ~WeekWindow() override;

    // The window's commands, each with a tool button and a key.
    void solve();         // Solve (F5)
    void cancelSolve();   // Cancel (Esc)
    void openDay();       // Open Day (Ctrl+D): the current column's day as an agent window
    void clearDay();      // Clear Day (Ctrl+Del): the current column's calls
    void useAsRosters();  // Use as Rosters (Ctrl+R)
    void editTourTypes(); // Tour Types... (Ctrl+T): the tour and shift types
    void print();         // Print (Ctrl+P): the plan's report, landscape
    void copyWeek();      // Copy Week (Ctrl+Shift+C): agents' weeks and cover for a spreadsheet
    void save();          // Save (Ctrl+S): to the window's file, or asks for one
    void saveAs();        // Save As (Ctrl+Shift+S)
    // Pastes a 7-column block into the volumes from the current cell (Ctrl+V
    // in the volumes); a refusal is shown and changes nothing.
    void pasteVolumes(const QString &text);
    // What Copy Week puts on the clipboard; none without a plan. The caller
    // owns it.
    QMimeData *copyData() const;

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
    bool confirmClose() { return m_file.confirmClose(); }
    bool hasUnsavedChanges() { return m_file.hasUnsavedChanges(); }
    // What the day windows changed comes back into the week.
    void takeDayChanges();

    bool solving() const;
    const std::optional<WeekPlan> &plan() const;
    const WeekDocument &document() const { return m_document; }
    WeekScenario &week() { return m_document.week(); }

    // The window's parts, for the main window and tests.
    const WeekWindowWidgets &widgets() const { return m_ui; }
    QComboBox *goalBox() const { return m_ui.goal; }
    QSpinBox *timeLimitBox() const { return m_ui.timeLimit; }
    QLabel *statusLabel() const { return m_ui.status; }
    QLabel *comparisonLabel() const { return m_ui.comparison; }
    QTabWidget *tabs() const { return m_ui.tabs; }
    QTableView *volumeTable() const { return m_ui.volumeTable; }
    QToolButton *printButton() const { return m_ui.printButton; }
    QToolButton *solveButton() const { return m_ui.solveButton; }
    WeekHeatMapWidget *heatMap() const { return m_ui.heatMap; }
    WeekVolumeModel *volumeModel() const { return m_volumeModel; }
    WeekDayModel *dayModel() const { return m_dayModel; }
    WeekRequirementModel *requirementModel() const { return m_requirementModel; }
    TextTableModel *agentModel() const;

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
    void connectWidgets();
    ShiftGoal chosenGoal() const;
    int currentDay() const;
    // The week changed: its requirement is built again and shown.
    void weekChanged();
    void solveEnded(const WeekSolveResult &result, const WeekScenario &week);
    void showState();
    void showCaption();
    // The plan and the result tables go; the week's tables are laid out anew.
    void forgetPlan();

    WeekWindowHost &m_host;
    DialogService &m_dialogs;
    TourTypesEditor &m_tourTypes;
    WeekDocument m_document;
    WeekFileCommand m_file;
    WeekVolumeModel *m_volumeModel = nullptr;
    WeekDayModel *m_dayModel = nullptr;
    WeekRequirementModel *m_requirementModel = nullptr;
    WeekResultView *m_result = nullptr;
    WeekWindowWidgets m_ui;
    WeekSolveRun *m_run = nullptr;
};
