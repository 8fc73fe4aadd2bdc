// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class AgentGraphLink;
class DialogService;
class GridClipboard;
class QButtonGroup;
class QFocusEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabBar;
class ScenarioFileCommand;
class QToolButton;
class ResultTableModel;
class TLumStringGrid;

// An agent window: one scenario's input fields, its tool bar, and the result
// grid with the Agents and Schedule tabs. Every rule lives in the window's
// AgentScenario; the window hands each user event to it and then shows the
// scenario again (field texts, total time, slot buttons, grid).
class TAgentForm : public QWidget
{
    Q_OBJECT
public:
    // The help topic of an agent window (and of the main window).
    static constexpr int HelpTopic = 4;

    explicit TAgentForm(DialogService &dialogs, QWidget *parent = nullptr);
    ~TAgentForm() override;

    AgentScenario &scenario() { return m_scenario; }
    const AgentScenario &scenario() const { return m_scenario; }

    QLineEdit *field(Field field) const { return m_fields[static_cast<std::size_t>(field)]; }
    QRadioButton *radioButton1() const { return RadioButton1; }
    QRadioButton *radioButton2() const { return RadioButton2; }
    QFrame *slotFrame() const { return Bevel1; }
    QLabel *timeSlotsLabel() const { return Label5; }
    QLabel *totalTimeText() const { return StaticText1; }
    TLumStringGrid *grid() const { return StringGrid1; }
    QTabBar *tabSet() const { return TabSet1; }
    QToolButton *recalculateButton() const { return SpeedButton2; }
    QToolButton *loadButton() const { return SpeedButton5; }
    QToolButton *saveButton() const { return SpeedButton4; }
    QToolButton *closeButton() const { return SpeedButton1; }
    QToolButton *showGraphButton() const { return SpeedButton6; }
    AgentGraphLink *graphLink() const { return m_graphLink; }
    ResultTableModel *tableModel() const { return m_tableModel; }

    // The scenario file this window last saved or loaded; "*.vnk" until then.
    static inline const QString NoScenarioFileName = QStringLiteral("*.vnk");
    QString ScenarioFileName = NoScenarioFileName;

    // The window's commands.
    void Recalculate();       // Recalculate button, and the main window's Recalculate
    void SpeedButton4Click(); // Save: asks for a file through the shared save dialog
    void SpeedButton5Click(); // Load: asks for a file through the shared open dialog
    void SpeedButton1Click(); // Close form
    void SpeedButton6Click(); // Show Graph

    // Print: the report of the inputs and the active table.
    void SpeedButton3Click();
    QToolButton *printButton() const { return SpeedButton3; }

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
    void fieldExit(Field field);
    // Runs the pending exit of the field that holds the cursor, as leaving
    // it would; every command that recalculates or reads the fields calls
    // it first (an open Calls cell editor is closed, keeping its text).
    // False when the exit is refused (a masked field lacks a digit: the
    // cursor stays there and the message was shown): the command must then
    // not run. True otherwise, also when no field holds the cursor or its
    // exit has already run.
    bool completePendingFieldExit();
    // The window is closing: from now on no field exit runs and no input
    // error is reported.
    void beginClosing();
    // Asked before the window closes by its close box, "Close form" or the
    // main window's Close: a window whose scenario file it changed since the
    // last save or load asks "Save changes to NAME?". False (stay open) on
    // Cancel, or when the chosen save was not written.
    bool confirmClose();
    // The window holds a scenario file and changes not saved to it.
    bool hasUnsavedChanges();
    // Grid events in the table's numbering (row 0 is the header row).
    void StringGrid1SetEditText(int column, int tableRow, const QString &text);
    void StringGrid1KeyPress(QChar key);
    void TabSet1Click(int index);

    // Shows the scenario again in the widgets.
    void refresh();

    // Copy and paste on the result grid.
    GridClipboard *gridClipboard() const { return m_gridClipboard; }
    // Ctrl+V in a Calls cell: the text's volumes into the slots from the
    // current row down and one recalculation, or a message saying which
    // value is refused and why.
    void pasteSlotVolumes(const QString &text);

    // The caption of this window's graph window follows the window's own.
    void updateGraphCaption();

signals:
    // The Agents tab clears the main window's hint panel.
    void hintPanelClearRequested();
    // A save was written to, or a load applied from, this file (absolute).
    void scenarioFileUsed(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The file commands read and set the window's state as its own handlers do.
    friend class ScenarioFileCommand;

    enum class ExitOutcome { Done, Refused, InputRefused };

    void buildWidgets();
    QWidget *buildToolBar();
    QWidget *buildInputPanel();
    QWidget *buildSlotButtons(QWidget *parent);
    QWidget *buildResultArea();
    QTabBar *buildTabStrip();
    void setTabOrders();
    QLineEdit *makeField(Field field, QWidget *parent, const QString &widestText);
    void onSlotButtonClicked();
    ExitOutcome runFieldExit(Field field);
    ExitOutcome completePendingExit();
    void reportInvalidInput(const RecalcResult &result);
    bool filterPress(QObject *watched, QEvent *event);
    bool isControlPress(const QWidget *target) const;
    void activateOnPress(QWidget *target);
    bool fieldKeyPress(Field field, QKeyEvent *event);
    void fieldFocusIn(Field field, QFocusEvent *event);
    void showCurrentCell();
    void applyTabSettings(Tab tab);
    void syncFieldsToModel();
    void onFocusChanged(QWidget *old, QWidget *now);
    void focusFailingInput(const RecalcResult &result);
    void refuseExit(Field field);
    bool isInGrid(const QWidget *widget) const;
    bool fieldOf(const QObject *object, Field *field) const;
    // The field that holds the cursor, also while the child window's frame
    // holds it for the field.
    bool cursorField(Field *field) const;
    void setScenarioCaption(const QString &fullPath);

    DialogService &m_dialogs;
    AgentScenario m_scenario;
    std::array<QLineEdit *, FieldCount> m_fields{};
    // Each masked field's text from when the cursor last entered it, for Escape.
    std::array<QString, FieldCount> m_textBeforeEdit;
    // The field's exit has yet to run for the cursor's current visit or edit.
    std::array<bool, FieldCount> m_exitPending{};
    // The cursor goes back into a field whose exit was refused: that is no
    // new visit.
    bool m_returningToField = false;
    // The field the cursor is visiting: entered and not yet left for another
    // control of the program's main window. The focus coming back from a
    // message box or another program continues the visit.
    std::optional<Field> m_visitedField;
    // A press cancelled by a refused exit: its release is dropped as well.
    bool m_dropRelease = false;
    // The control whose cursor the child window's frame took (a press on no
    // control); it is left only when the cursor moves on from there.
    QPointer<QWidget> m_frameHeld;
    // A refusal was shown since the last press: the press that moved the
    // focus (and so met the refusal first) is cancelled without a second one.
    bool m_refusedThisPress = false;
    // While a file loads, a refused input is reported after the window shows
    // the loaded values.
    bool m_holdInvalidInput = false;
    // A command whose pending field exit has just reported a refused input
    // runs on without reporting the same input again.
    bool m_quietInvalidInput = false;
    std::optional<RecalcResult> m_heldInvalidInput;
    // Save, Load and the question before a changed file's window closes.
    std::unique_ptr<ScenarioFileCommand> m_fileCommand;
    Tab m_shownTab = Tab::Agents;
    // The scenario's recalculation whose table the grid last showed: only a
    // new table moves the grid's current row and scroll position.
    int m_shownRecalculation = -1;
    bool m_refreshing = false;
    bool m_closing = false;

    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton3 = nullptr; // Print
    QToolButton *SpeedButton6 = nullptr; // Show Graph
    AgentGraphLink *m_graphLink = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QButtonGroup *m_slotButtons = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *StaticText1 = nullptr;
    TLumStringGrid *StringGrid1 = nullptr;
    ResultTableModel *m_tableModel = nullptr;
    QTabBar *TabSet1 = nullptr;
    GridClipboard *m_gridClipboard = nullptr;
};
