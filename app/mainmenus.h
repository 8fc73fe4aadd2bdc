// SPDX-License-Identifier: MIT
#pragma once

class DialogService;
class PlanningMenuActions;
class ReopenMenu;
class TMainForm;
class WindowMenu;
class QAbstractButton;
class QMdiArea;
class QWidget;

// The main window's menu bar: File (with Reopen and the planning items),
// Window and Help, each item tied to the main window's handler and showing
// its key. A key that the active child window already answers to itself
// (Ctrl+O, Ctrl+S, Ctrl+P, F9 in an agent window) is shown by the item but
// left to that window, so that the two never compete for it.
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
    // The print button of a child window that prints (an agent, graph or
    // shift-plan or forecast window); null for any other.
    static QAbstractButton *printButtonOf(QWidget *window);

    ReopenMenu *m_reopen = nullptr;
    PlanningMenuActions *m_planning = nullptr;
    WindowMenu *m_window = nullptr;
};
