// SPDX-License-Identifier: MIT
#include "agentgraphlink.h"

#include "agentlinkhost.h"
#include "chartwidget.h"
#include "dialogservice.h"
#include "graphbuild.h"
#include "planningline.h"
#include "seriescolourtable.h"
#include "serieskinds.h"
#include "tlumchart.h"
#include "subwindowplacement.h"
#include "windowtofront.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>

namespace {

const SeriesColourTable &standardColours()
{
    static const SeriesColourTable table;
    return table;
}

QString graphCaption(const QString &agentCaption, bool stale)
{
    const QString caption = QStringLiteral("Graph - ") + agentCaption;
    return stale ? caption + QStringLiteral(" (") + StaleTableText + QLatin1Char(')') : caption;
}

} // namespace

AgentGraphLink::AgentGraphLink(AgentLinkHost &host, DialogService &dialogs)
    : QObject(&host.agentWindow())
    , m_host(host)
    , m_dialogs(dialogs)
{
    // Every table the recalculation fills is drawn again.
    m_tableListener = m_host.scenario().hooks().addTableFilledListener([this] { BuildGraph(); });
}

AgentGraphLink::~AgentGraphLink()
{
    m_host.scenario().hooks().removeTableFilledListener(m_tableListener);
    // The agent window is being destroyed without having closed (the frame
    // is going, say): its members may already be gone and the frame's
    // child-window area may be tearing down, so the graph window is only
    // unlinked and left to be deleted, not closed.
    if (!m_graphWindow)
        return;
    TLumChart *window = m_graphWindow;
    window->OwnerForm = nullptr;
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        subWindow->deleteLater();
    else
        window->deleteLater();
}

void AgentGraphLink::setColours(const SeriesColourTable *colours)
{
    m_colours = colours;
}

void AgentGraphLink::SpeedButton6Click()
{
    if (m_graphWindow) {
        bringToFront();
        return;
    }
    auto *window = new TLumChart;
    m_graphWindow = window;
    // The chart prints through the program's one print dialog, as the
    // report's Print asks it.
    window->setDialogs(&m_dialogs);
    // A child of the same frame as the agent window; on its own otherwise.
    QMdiSubWindow *subWindow = nullptr;
    if (auto *agentSub = qobject_cast<QMdiSubWindow *>(m_host.agentWindow().parentWidget())) {
        if (QMdiArea *area = agentSub->mdiArea()) {
            subWindow = area->addSubWindow(window);
            subWindow->setAttribute(Qt::WA_DeleteOnClose);
            // As for agent windows: the frame takes no focus from a click,
            // so the cursor goes to the chart and not through the frame.
            subWindow->setFocusPolicy(Qt::NoFocus);
            subWindow->resize(subWindow->sizeHint().expandedTo(QSize(TLumChart::DesignWidth, TLumChart::DesignHeight)));
        }
    }
    window->setWindowTitle(graphCaption(m_host.caption(), m_host.scenario().inputsChangedSinceTable()));
    window->OwnerForm = this;
    SetGraphMenu();
    m_host.Recalculate();
    if (!m_graphWindow)
        return;
    if (subWindow) {
        subWindow->show();
        KeepWithinWindowArea(subWindow);
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    bringToFront();
}

void AgentGraphLink::bringToFront()
{
    BringWindowToFront(m_graphWindow);
}

void AgentGraphLink::SetGraphMenu()
{
    setGraphMenuFor(m_host.scenario().inputs().ScheduleMode);
}

void AgentGraphLink::tabChanging(Tab tab)
{
    if (m_graphWindow)
        setGraphMenuFor(tab == Tab::Schedule);
}

void AgentGraphLink::setGraphMenuFor(bool scheduleTab)
{
    if (!m_graphWindow)
        return;
    for (int kind = 0; kind < SeriesKinds::Count; ++kind) {
        QAction *item = m_graphWindow->seriesItem(kind);
        item->setText(SeriesKinds::MenuCaption(kind));
        item->setVisible(SeriesKinds::Column(kind, scheduleTab) >= 0);
    }
    m_graphWindow->SeriesSelection = SeriesKinds::DefaultSelection(scheduleTab);
}

void AgentGraphLink::showExtraSeriesItems()
{
    // "Sched" and "Have" are offered while the table shows their column;
    // their menu items are made the first time, and a series whose column
    // went away leaves the selection.
    TLumChart &window = *m_graphWindow;
    const AgentScenario &scenario = m_host.scenario();
    const SeriesSelectionWord offer = SeriesKinds::Offer(scenario.inputs().ScheduleMode, scenario.StringGrid1());
    for (int kind = SeriesKinds::Count; kind < SeriesKinds::AllCount; ++kind) {
        const bool offered = SeriesKinds::Holds(offer, kind);
        if (!offered)
            window.SeriesSelection &= ~SeriesKinds::KindBit(kind);
        if (QAction *item = offered ? window.extraSeriesItem(kind) : window.seriesItem(kind))
            item->setVisible(offered);
    }
}

void AgentGraphLink::BuildGraph()
{
    if (!m_graphWindow)
        return;
    TLumChart &window = *m_graphWindow;
    const AgentScenario &scenario = m_host.scenario();
    showExtraSeriesItems();
    const GraphRequest request{scenario.inputs().ScheduleMode, window.SeriesSelection, window.BarChart,
                               60 / minutesOf(scenario.inputs().slotLength())};
    const GraphBuildResult result = ::BuildGraph(window.chart()->model(), scenario.StringGrid1(), request,
                                                 m_colours ? *m_colours : standardColours());
    window.chart()->refresh();
    if (!result.conversionError.isEmpty())
        m_dialogs.error(result.conversionError);
    else if (result.incompatible)
        m_dialogs.inform(IncompatibleSelectionMessage());
}

void AgentGraphLink::agentClosing()
{
    if (!m_graphWindow)
        return;
    TLumChart *window = m_graphWindow;
    m_graphWindow = nullptr;
    window->OwnerForm = nullptr;
    window->SpeedButton1Click();
}

void AgentGraphLink::updateCaption()
{
    if (m_graphWindow)
        m_graphWindow->setWindowTitle(graphCaption(m_host.caption(), m_host.scenario().inputsChangedSinceTable()));
}

void AgentGraphLink::graphClosed()
{
    m_graphWindow = nullptr;
}

void AgentGraphLink::graphRefreshWanted()
{
    BuildGraph();
}

bool AgentGraphLink::completePendingFieldExit()
{
    return m_host.completePendingFieldExit();
}
