// SPDX-License-Identifier: MIT
#pragma once

#include "seriescolourtable.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class AgentServices;
class DialogService;
class HelpWindow;
class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSettings;
class ReopenMenu;
class QToolButton;
class TAboutForm;
class TAbortPrint;
class TAgentForm;

// A font of the printed report with its colour: the font of one of the main
// window's invisible labels, which the report copies onto the printer.
struct LabelFontAndColour
{
    QFont font;
    QColor colour;
};

// The frame window: the child-window area, the menus, the tool bar with the
// hint panel, help and the About box, and the resources the child windows
// share (the file dialogs through the dialog service, the report fonts, the
// series colours).
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(DialogService &dialogs, QWidget *parent = nullptr);
    ~TMainForm() override;

    // Start-up after the main window: the About box, then the scenario file
    // named first on the command line, if any (further names are ignored;
    // the start-up options are not file names).
    void startUp(const QStringList &arguments);
    // Opens a scenario file in a new agent window without a dialog. A file
    // that cannot be loaded is reported; the new window stays at its
    // defaults.
    TAgentForm *OpenScenarioWindow(const QString &path);
    // Files handed over by a later start of Varnook: the main window comes
    // to the front (also when no file came), then each file opens as one
    // named on the command line does. `activate` false leaves the window's
    // activation to the caller, who asked the window manager already.
    void openHandedOverFiles(const QStringList &paths, bool activate = true);
    // File > Reopen's entry: the file in a new agent window, as its Load
    // button would open it.
    TAgentForm *ReopenScenarioWindow(const QString &path);

    // From now on the Reopen list and the window layout are kept in these
    // settings (until then, and in tests, nothing is stored). The
    // remembered layout is applied to the window, which is not yet shown,
    // or forgotten with `resetLayout`.
    void useSettings(QSettings *settings, bool resetLayout);

    // Menu and tool-button handlers.
    TAgentForm *NewAgentWindow1Click();
    void Recalculate1Click();
    // File > Planning Options...: the active agent window's options dialog.
    void PlanningOptions1Click();
    // File > Roster Columns: the active agent window shows the roster's
    // columns on its Schedule even while the roster is empty.
    void RosterColumns1Click(bool checked);
    // File > Import Intervals... and File > Slot Time Columns: the active
    // agent window reads an interval file, or shows its slots' own times.
    void ImportIntervals1Click();
    void SlotTimeColumns1Click(bool checked);
    // The two planning commands: enabled with an active agent window, Roster
    // Columns checked while that window's Schedule shows the roster.
    void updatePlanningActions();
    QAction *planningAction() const { return m_planningAction; }
    QAction *rosterAction() const { return m_rosterAction; }
    void Close1Click();
    void Exit1Click();
    void SpeedButton4Click();
    void Tile2Click();
    void Cascade2Click();
    void Contents1Click();
    void TopicSearch1Click();
    void About1Click();
    // Help topic by number: 4 for the main and agent windows.
    void showHelpTopic(int topic);

    // Rebuilds the Window menu: Tile, Cascade and one item per child window,
    // the active one checked.
    void updateWindowMenu();

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QMenu *windowMenu() const { return m_windowMenu; }
    ReopenMenu *reopenMenu() const { return m_reopenMenu; }
    QLabel *hintPanel() const { return Panel2; }
    QToolButton *newWindowButton() const { return SpeedButton1; }
    QToolButton *closeProgramButton() const { return SpeedButton4; }
    TAboutForm *aboutForm() const { return AboutForm; }
    TAbortPrint *abortPrint() const { return AbortPrint; }
    HelpWindow *helpWindow() const { return m_helpWindow; }
    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString &path) { m_helpFile = path; }
    QList<TAgentForm *> agentForms() const;
    // What every agent window of this main window shares.
    AgentServices &agentServices() const { return *m_agentServices; }

    SeriesColourTable SeriesColours;
    LabelFontAndColour PageHeaderFont;
    LabelFontAndColour ReportHeaderFont;
    LabelFontAndColour BodyFont;

public slots:
    // The hint panel follows the keyboard focus.
    void Hinting(QWidget *old, QWidget *now);

protected:
    void closeEvent(QCloseEvent *event) override;
    // A menu item's status tip (a Reopen entry's full path) shows in the
    // hint panel while the mouse is on it.
    bool event(QEvent *event) override;

private:
    void makeRoomFor(const QSize &childSize);
    void setUpReportFonts();
    void createMenus();
    void createToolBar();
    bool ensureHelpWindow();
    QMdiSubWindow *currentChild() const;
    TAgentForm *activeAgentForm() const;

    DialogService &m_dialogs;
    std::unique_ptr<AgentServices> m_agentServices;
    QMdiArea *m_mdiArea = nullptr;
    QMenu *m_windowMenu = nullptr;
    ReopenMenu *m_reopenMenu = nullptr;
    QSettings *m_settings = nullptr;
    std::optional<QString> m_panelTextBeforeTip; // while a menu item's status tip shows
    QAction *m_tileAction = nullptr;
    QAction *m_cascadeAction = nullptr;
    QAction *m_planningAction = nullptr;
    QAction *m_rosterAction = nullptr;
    QAction *m_importIntervalsAction = nullptr;
    QAction *m_slotTimesAction = nullptr;
    QPointer<QActionGroup> m_windowListGroup;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QLabel *Panel2 = nullptr;
    TAboutForm *AboutForm = nullptr;
    TAbortPrint *AbortPrint = nullptr; // the printing dialog
    HelpWindow *m_helpWindow = nullptr;
    QString m_helpFile;
    bool m_ending = false;
    bool m_shuttingDown = false;
};
