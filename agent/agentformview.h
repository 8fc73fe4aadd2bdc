// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

#include <QObject>
#include <QString>

class AgentFormWidgets;
class FieldExitGuard;
class ResultTableModel;

// Shows an agent window's scenario in its widgets: the field texts, the
// total time, the planning line, the slot buttons, the tab and the result
// grid with its current cell. It decides nothing: every value comes from
// the scenario.
class AgentFormView : public QObject
{
    Q_OBJECT
public:
    AgentFormView(AgentFormWidgets &ui, const AgentScenario &scenario, ResultTableModel &model,
                  FieldExitGuard &exitGuard);

    // Shows the whole scenario again. Only a field text the scenario
    // rewrote is put back, so a field still being edited keeps its mark.
    void refresh();
    // The planning line alone: a field whose exit waits for the next
    // recalculation marks the table as out of date.
    void showPlanningLine();
    // The grid's current cell as the scenario holds it.
    void showCurrentCell();
    // The grid and slot buttons as `tab` shows them.
    void showTab(Tab tab);
    // The grid's hint for the Schedule's column, shown in the main window's
    // hint panel while the grid has the focus.
    void showCellHint(int column);
    // The grid's current row on a refused Calls cell.
    void showFailingRow(int tableRow);

    // True while the view moves the grid's current cell: the grid's report
    // of the move is not the planner's.
    bool refreshing() const { return m_refreshing; }

signals:
    void hintPanelClearRequested();
    void hintPanelTextRequested(const QString &hint);
    // The table may have gone out of date or been redone: the graph and
    // shift-plan windows' captions follow.
    void planningLineShown();

private:
    AgentFormWidgets &m_ui;
    const AgentScenario &m_scenario;
    ResultTableModel &m_model;
    FieldExitGuard &m_exitGuard;
    Tab m_shownTab = Tab::Agents;
    // The scenario's recalculation whose table the grid last showed: only a
    // new table moves the grid's current row and scroll position.
    int m_shownRecalculation = -1;
    bool m_refreshing = false;
};
