// SPDX-License-Identifier: MIT
#include "agentformview.h"

#include "agentformwidgets.h"
#include "fieldexitguard.h"
#include "hint.h"
#include "maskedfield.h"
#include "planningline.h"
#include "resulttablemodel.h"
#include "spokenheader.h"
#include "tlumstringgrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabBar>

AgentFormView::AgentFormView(AgentFormWidgets &ui, const AgentScenario &scenario, ResultTableModel &model,
                             FieldExitGuard &exitGuard)
    : m_ui(ui)
    , m_scenario(scenario)
    , m_model(model)
    , m_exitGuard(exitGuard)
{
}

void AgentFormView::refresh()
{
    const QScopedValueRollback<bool> refreshing(m_refreshing, true);
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        QLineEdit *edit = m_ui.field(f);
        const QString text = m_scenario.inputs().text(f);
        if (FieldText(*edit, f) != text) {
            SetFieldText(*edit, f, text);
            m_exitGuard.textRewritten(f, FieldText(*edit, f));
        }
    }
    m_ui.StaticText1->setText(m_scenario.inputs().totalTimeText());
    showPlanningLine();

    m_ui.showSlotButtons(m_scenario.inputs().checkedSlotButton());

    if (m_scenario.tab() != m_shownTab)
        showTab(m_scenario.tab());
    if (m_ui.TabSet1->currentIndex() != static_cast<int>(m_scenario.tab())) {
        const QSignalBlocker blocker(m_ui.TabSet1);
        m_ui.TabSet1->setCurrentIndex(static_cast<int>(m_scenario.tab()));
    }

    m_model.tableChanged();
    showCurrentCell();
    m_ui.StringGrid1->FitColumns();
}

void AgentFormView::showPlanningLine()
{
    const QString planning = PlanningLineText(m_scenario);
    m_ui.PlanningLine->setText(planning);
    m_ui.PlanningLine->setVisible(!planning.isEmpty());
    emit planningLineShown();
}

void AgentFormView::showCurrentCell()
{
    const QScopedValueRollback<bool> refreshing(m_refreshing, true);
    const ResultTable &table = m_scenario.StringGrid1();
    const bool newTable = m_scenario.results().recalculations != m_shownRecalculation;
    m_shownRecalculation = m_scenario.results().recalculations;
    // On the Agents tab only a row that meets the goal is marked: a new
    // table that no row of meets it, or an empty one, shows from its top
    // with no current row. A row the planner then clicks stays marked.
    if (m_scenario.tab() == Tab::Agents && m_scenario.results().goalRow == 0) {
        if (newTable) {
            m_ui.StringGrid1->clearCurrentTableCell();
            m_ui.StringGrid1->scrollToTop();
        }
    } else {
        m_ui.StringGrid1->setCurrentTableCell(table.currentColumn(), table.currentRow());
    }
}

void AgentFormView::showTab(Tab tab)
{
    m_shownTab = tab;
    m_ui.showTab(tab == Tab::Schedule);
    if (tab != Tab::Schedule)
        emit hintPanelClearRequested();
}

void AgentFormView::showCellHint(int column)
{
    if (m_shownTab != Tab::Schedule)
        return;
    const QString hint = ScheduleColumnHint(column, m_scenario.inputs().Planning.hasShrinkage());
    if (hint == HintOf(m_ui.StringGrid1))
        return;
    SetHint(m_ui.StringGrid1, hint);
    if (m_ui.StringGrid1->hasFocus())
        emit hintPanelTextRequested(hint);
}

void AgentFormView::showFailingRow(int tableRow)
{
    const QScopedValueRollback<bool> refreshing(m_refreshing, true);
    m_ui.StringGrid1->setCurrentTableCell(ResultTable::CallsColumn, tableRow);
}
