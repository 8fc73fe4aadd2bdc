// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"
#include "graphowner.h"
#include "tlumchart.h"

#include <QObject>
#include <QPointer>

class AgentLinkHost;
class DialogService;
class SeriesColourTable;

// The link between an agent window and its graph window, and the graph
// commands of the agent window: Show Graph, the series menu set for the tab,
// the build after every filled table and on the graph window's request, the
// caption, and closing the graph window with the agent window.
class AgentGraphLink : public QObject, public GraphOwner
{
    Q_OBJECT
public:
    AgentGraphLink(AgentLinkHost &host, DialogService &dialogs);
    ~AgentGraphLink() override;

    // The agent window's graph window; null while it has none.
    TLumChart *GraphWindow() const { return m_graphWindow; }

    // The main window's table; until set, the standard colours.
    void setColours(const SeriesColourTable *colours);

    // Show Graph: brings an open graph window to the front, or creates one
    // with the tab's menu and default selection, recalculates and shows it.
    void SpeedButton6Click();
    // The series menu's captions and visible items for the tab shown, and
    // the tab's default selection.
    void SetGraphMenu();
    // Rebuilds the chart from the table's present texts.
    void BuildGraph();
    // A tab change, before its recalculation: the menu follows the new tab.
    void tabChanging(Tab tab);
    // The agent window is closing: the graph window is unlinked, so it sends
    // nothing back, and closed.
    void agentClosing();
    // "Graph - " and the agent window's caption.
    void updateCaption();

    void graphClosed() override;
    void graphRefreshWanted() override;
    bool completePendingFieldExit() override;

private:
    void setGraphMenuFor(bool scheduleTab);
    void showExtraSeriesItems();
    void bringToFront();

    AgentLinkHost &m_host;
    DialogService &m_dialogs;
    const SeriesColourTable *m_colours = nullptr;
    QPointer<TLumChart> m_graphWindow;
    // The scenario's call after every filled table: the graph follows it.
    int m_tableListener = 0;
};
