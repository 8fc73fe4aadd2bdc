// SPDX-License-Identifier: MIT
#pragma once

#include "seriescolourtable.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>

#include <memory>

class AgentServices;
class DialogService;
class ForecastWindows;
class HelpCommands;
class QMdiArea;
class QMdiSubWindow;
class QSettings;
class MainMenus;
class MainToolBar;
class TAboutForm;
class TAbortPrint;
class TAgentForm;
class WeekWindow;
class WeekWindows;

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
    // button would open it (ReopenScenarioWindow), or a week file in a new
    // week window.
    QWidget *ReopenFileWindow(const QString &path);
    TAgentForm *ReopenScenarioWindow(const QString &path);
    // A file named on the command line, handed over or dropped: a week
    // file (.vnkw, or a first line "vnkw") in a new week window, any other
    // in a new agent window (OpenScenarioWindow).
    QWidget *OpenFileWindow(const QString &path);

    // From now on the Reopen list and the window layout are kept in these
    // settings (until then, and in tests, nothing is stored). The
    // remembered layout is applied to the window, which is not yet shown,
    // or forgotten with `resetLayout`.
    void useSettings(QSettings *settings, bool resetLayout);

    // Menu and tool-button handlers.
    TAgentForm *NewAgentWindow1Click();
    // File > New Week: a week window with the active agent window's call
    // settings and planning options, or the defaults.
    WeekWindow *NewWeekWindow1Click();
    // File > Open...: a scenario or week file chosen in the open dialog; a
    // week opens in a new week window, a scenario in the active agent
    // window (a new one without).
    void Open1Click();
    void Recalculate1Click();
    // File > Planning Options...: the active agent window's options dialog
    // (see PlanningMenuActions for the File menu's other planning items).
    void PlanningOptions1Click();
    void Close1Click();
    void Exit1Click();
    void SpeedButton4Click();
    void Contents1Click();
    void TopicSearch1Click();
    void About1Click();

    QMdiArea *mdiArea() const { return m_mdiArea; }
    // The menus (Reopen, the planning items, the Window menu with Tile and
    // Cascade, rebuilt as the child windows come, go and change), the tool bar
    // with its hint panel, and the help commands with their help file and
    // window.
    const MainMenus &menus() const { return *m_menus; }
    MainToolBar *toolBar() const { return m_toolBar; }
    HelpCommands &help() const { return *m_help; }
    TAboutForm *aboutForm() const { return AboutForm; }
    TAbortPrint *abortPrint() const { return AbortPrint; }
    QList<TAgentForm *> agentForms() const;
    // The current agent window, also while the main window is not active.
    TAgentForm *activeAgentForm() const;
    // The current week window, also while the main window is not active.
    WeekWindow *activeWeekWindow() const;
    WeekWindows &weekWindows() const { return *m_weeks; }
    // What every agent window of this main window shares.
    AgentServices &agentServices() const { return *m_agentServices; }
    // The forecast windows (File > Forecast from History...).
    ForecastWindows &forecasts() const { return *m_forecasts; }

    SeriesColourTable SeriesColours;
    LabelFontAndColour PageHeaderFont;
    LabelFontAndColour ReportHeaderFont;
    LabelFontAndColour BodyFont;

protected:
    void closeEvent(QCloseEvent *event) override;
    // A menu item's status tip (a Reopen entry's full path) shows in the
    // hint panel while the mouse is on it.
    bool event(QEvent *event) override;

private:
    // The hint panel follows the keyboard focus.
    void Hinting(QWidget *old, QWidget *now);
    void setUpReportFonts();
    QMdiSubWindow *currentChild() const;

    DialogService &m_dialogs;
    std::unique_ptr<AgentServices> m_agentServices;
    QMdiArea *m_mdiArea = nullptr;
    WeekWindows *m_weeks = nullptr;
    std::unique_ptr<ForecastWindows> m_forecasts;
    std::unique_ptr<MainMenus> m_menus;
    QSettings *m_settings = nullptr;
    MainToolBar *m_toolBar = nullptr; // its buttons and the hint panel
    TAboutForm *AboutForm = nullptr;
    TAbortPrint *AbortPrint = nullptr; // the printing dialog
    std::unique_ptr<HelpCommands> m_help;
    bool m_ending = false;
    bool m_shuttingDown = false;
};
