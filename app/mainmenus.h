// SPDX-License-Identifier: MIT
#pragma once

class DialogService;
class PlanningMenuActions;
class ReopenMenu;
class TMainForm;
class WindowMenu;
class QMdiArea;

// The main window's menu bar: File (with Reopen and the planning items),
// Window and Help, each item tied to the main window's handler.
class MainMenus
{
public:
    MainMenus(TMainForm &main, QMdiArea *area, DialogService &dialogs);

    ReopenMenu *reopen() const { return m_reopen; }
    PlanningMenuActions *planning() const { return m_planning; }
    WindowMenu *window() const { return m_window; }

private:
    void buildFileMenu(TMainForm &main, DialogService &dialogs);
    void buildEditMenu(TMainForm &main);
    void buildHelpMenu(TMainForm &main);

    ReopenMenu *m_reopen = nullptr;
    PlanningMenuActions *m_planning = nullptr;
    WindowMenu *m_window = nullptr;
};
