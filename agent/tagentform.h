// SPDX-License-Identifier: MIT
#pragma once

#include "agentcommandhost.h"
#include "agentformwidgets.h"
#include "agentlinkhost.h"
#include "agentscenario.h"
#include "fieldexitguard.h"
#include "fieldexithost.h"
#include "reportprinthost.h"
#include "scenariofilerecord.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class AgentFormView;
class AgentGridEvents;
class AgentGraphLink;
class AgentShiftLink;
class AgentServices;
class DialogService;
class PlanningCommand;
class SlotTimesCommand;
class ScenarioFileCommand;
class ResultTableModel;

// An agent window: one scenario's input fields, its tool bar, and the result
// grid with the Agents and Schedule tabs. Every rule lives in the window's
// AgentScenario; the window hands each user event to it and then shows the
// scenario again (AgentFormView). Its commands reach it as their
// AgentCommandHost, its links to the graph and shift-plan windows as their
// AgentLinkHost, the Print command as its ReportPrintHost, its field-exit
// guard as its FieldExitHost.
class TAgentForm : public QWidget,
                   private FieldExitHost,
                   private AgentCommandHost,
                   private AgentLinkHost,
                   private ReportPrintHost
{
    Q_OBJECT
    using ExitOutcome = FieldExitGuard::ExitOutcome;

public:
    // The help topic of an agent window (and of the main window).
    static constexpr int HelpTopic = 4;

    explicit TAgentForm(AgentServices &services, QWidget *parent = nullptr);
    ~TAgentForm() override;

    AgentScenario &scenario() override { return m_scenario; }
    const AgentScenario &scenario() const override { return m_scenario; }
    // The scenario file this window last saved or loaded; "*.vnk" until then.
    QString ScenarioFileName() const override { return m_file.ScenarioFileName(); }

    // The window's commands.
    void Recalculate() override; // Recalculate button, and the main window's Recalculate
    void SpeedButton4Click();    // Save: asks for a file through the shared save dialog
    void SpeedButton5Click();    // Load: asks for a file through the shared open dialog
    void SpeedButton1Click();    // Close form
    void SpeedButton3Click();    // Print: the report of the inputs and the active table
    void SpeedButton6Click();    // Show Graph
    // The File menu's planning items: Planning Options... and Roster Columns
    // (PlanningCommand), Import Intervals... and Slot Time Columns
    // (SlotTimesCommand).
    PlanningCommand &planning() const { return *m_planning; }
    SlotTimesCommand &slotTimes() const { return *m_slotTimes; }
    // Edit > Undo (Ctrl+Z): the slot values as they were before the last
    // command that replaced them (AgentScenario::undo()).
    void Undo1Click();

    // Save to the name the save dialog returned, asking before replacing
    // another file. Only a save that was written renames the window.
    bool saveFile(const QString &chosenName);
    // Load the named file. Only a load that applied renames the window and
    // sets ScenarioFileName; anything wrong is reported and changes nothing.
    bool openFile(const QString &path);
    // The command line's file: as openFile, but ScenarioFileName stays, so
    // the first Save asks before overwriting the file it came from.
    bool openStartupFile(const QString &path);

    // Leaving a field: the field's exit rule, as if the focus had moved on.
    // A masked field that was changed and lacks a required digit refuses.
    void fieldExit(Field field) { m_exitGuard.runFieldExit(field); }
    // Runs the pending exit of the field that holds the cursor, as leaving
    // it would; every command that recalculates or reads the fields calls
    // it first (an open Calls cell editor is closed, keeping its text).
    // False when the exit is refused (a masked field lacks a digit: the
    // cursor stays there and the message was shown): the command must then
    // not run. True otherwise, also when no field holds the cursor or its
    // exit has already run.
    bool completePendingFieldExit() override
    {
        return m_exitGuard.completePendingExit() != ExitOutcome::Refused;
    }
    // Asked before the window closes by its close box, "Close form" or the
    // main window's Close: a window whose scenario file it changed since the
    // last save or load asks "Save changes to NAME?". False (stay open) on
    // Cancel, or when the chosen save was not written.
    bool confirmClose();
    // The window holds a scenario file and changes not saved to it.
    bool hasUnsavedChanges();
    void TabSet1Click(int index);

    // Shows the scenario again in the widgets.
    void refresh() override;

    // The window's widgets, its links to the graph and shift-plan windows
    // and the grid's events (typed cells and keys, copy and paste), for the
    // main window, tests and the random-input test. The table model is the
    // grid's resultModel().
    const AgentFormWidgets &widgets() const { return m_ui; }
    AgentGraphLink *graphLink() const { return m_graphLink; }
    AgentShiftLink *shiftLink() const { return m_shiftLink; }
    AgentGridEvents &gridEvents() const { return *m_gridEvents; }

signals:
    // The Agents tab clears the main window's hint panel.
    void hintPanelClearRequested();
    // The grid's hint changed while it has the focus (the roster's columns
    // each have their own).
    void hintPanelTextRequested(const QString &hint);
    // A save was written to, or a load applied from, this file (absolute).
    void scenarioFileUsed(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // What a command of the window does after the pending field exit.
    enum class AfterExit {
        // Runs unless the exit was refused (the cursor stays in its field).
        Run,
        // Runs only when the exit recalculated nothing it refused: its
        // message has just been shown for these very inputs.
        RunUnlessInputRefused,
        // A refused exit shows the window again (the control clicked shows
        // the state that stays); after an exit whose recalculation refused
        // an input, the command's own recalculation does not say it again.
        RunQuietly,
    };
    void runCommand(AfterExit afterExit, const std::function<bool()> &operation);

    // The field-exit guard's view of the window.
    QWidget *guardedWindow() override { return this; }
    void closeCellEditor() override;
    bool runExitRule(Field field) override;
    void cursorMoved(QWidget *old, QWidget *now) override;
    void focusFailingInput(const RecalcResult &result) override;
    void entryRestored(Field field) override;
    bool frameClosing() override;

    // The commands' view of the window.
    DialogService &dialogs() override { return m_dialogs; }
    ScenarioFileRecord &scenarioFile() override { return m_file; }
    QString caption() const override { return windowTitle(); }
    void runCommand(const std::function<bool()> &operation) override;
    void syncFieldsToModel() override;
    void takeGridsCurrentCell() override;
    void showCell(int column, int tableRow) override;
    void showTab(Tab tab) override { TabSet1Click(static_cast<int>(tab)); }
    void holdInvalidInput(bool hold) override { m_exitGuard.holdInvalidInput(hold); }
    void reportHeldInvalidInput() override { m_exitGuard.reportHeldInvalidInput(); }
    void fieldsLoaded() override;
    void fileUsed(const QString &fullPath) override;

    // The links' and the Print command's view of the window.
    QWidget &agentWindow() override { return *this; }
    ReportContent reportContent() override;
    QString fieldText(Field field) const override;

    // Ties the tool bar, slot buttons, grid and tab strip to the commands.
    void connectWidgets();
    void onSlotButtonClicked(SlotLength chosen);
    void PlanShiftsClick();
    void beginClosing();
    void updateGraphCaption();

    AgentServices &m_services;
    DialogService &m_dialogs;
    AgentScenario m_scenario;
    // The file name, saved mark and caption of the window's scenario file.
    ScenarioFileRecord m_file;
    // The window's widgets, built and laid out by AgentFormWidgets.
    AgentFormWidgets m_ui;
    FieldExitGuard m_exitGuard;
    // Save, Load and the question before a changed file's window closes.
    std::unique_ptr<ScenarioFileCommand> m_fileCommand;
    // The planning options, the roster's columns and its Have cells.
    std::unique_ptr<PlanningCommand> m_planning;
    std::unique_ptr<SlotTimesCommand> m_slotTimes;

    AgentFormView *m_view = nullptr;
    AgentGridEvents *m_gridEvents = nullptr;
    AgentGraphLink *m_graphLink = nullptr;
    AgentShiftLink *m_shiftLink = nullptr;
    ResultTableModel *m_tableModel = nullptr;
};
