// SPDX-License-Identifier: MIT
#include "agentgridevents.h"

#include "agentcommandhost.h"
#include "agentformview.h"
#include "daytotalslines.h"
#include "dialogservice.h"
#include "gridclipboard.h"
#include "handlerguard.h"
#include "planningcommand.h"
#include "resulttablemodel.h"
#include "scenarioevents.h"
#include "slottimescommand.h"
#include "slotvolumepaste.h"
#include "tlumstringgrid.h"

AgentGridEvents::AgentGridEvents(TLumStringGrid &grid, AgentCommandHost &host, AgentFormView &view,
                                 ResultTableModel &model, PlanningCommand &planning, SlotTimesCommand &slotTimes)
    : m_grid(grid)
    , m_host(host)
    , m_view(view)
    , m_model(model)
    , m_planning(planning)
    , m_slotTimes(slotTimes)
{
    m_clipboard = new GridClipboard(&grid, host.scenario().StringGrid1(), [this](const QString &text) { paste(text); });
    m_clipboard->setDayLines([this] { return DayTotalsLines(m_host.scenario()); });
    connectGrid();
}

AgentGridEvents::~AgentGridEvents()
{
    delete m_clipboard;
}

void AgentGridEvents::connectGrid()
{
    connect(&m_grid, &TLumStringGrid::cellClicked, this, [this] {
        RunHandler(m_host.dialogs(), [this] {
            m_host.syncFieldsToModel();
            ScenarioEvents(m_host.scenario()).StringGrid1Click();
            m_host.refresh();
        });
    });
    connect(&m_grid, &TLumStringGrid::keyTyped, this, &AgentGridEvents::keyPress);
    connect(&m_grid, &TLumStringGrid::editTextChanged, this, &AgentGridEvents::setEditText);
    connect(&m_grid, &TLumStringGrid::currentCellChanged, this, [this](int column, int row) {
        if (!m_view.refreshing())
            m_host.scenario().StringGrid1().setCurrentCell(column, row);
        m_view.showCellHint(column);
    });
    // A Have, Talk or ACW cell's value is checked when its editor closes,
    // and Delete clears it.
    m_grid.setClearableColumns({ResultTable::HaveColumn, ResultTable::SlotTalkColumn, ResultTable::SlotWrapColumn});
    connect(&m_grid, &TLumStringGrid::editCommitted, this, &AgentGridEvents::typedCellLeft);
    connect(&m_grid, &TLumStringGrid::cellCleared, this,
            [this](int column, int row) { typedCellLeft(column, row, QString()); });
}

void AgentGridEvents::typedCellLeft(int column, int tableRow, const QString &text)
{
    if (column == ResultTable::HaveColumn)
        m_planning.rosterCellLeft(tableRow, text);
    else if (column == ResultTable::SlotTalkColumn || column == ResultTable::SlotWrapColumn)
        m_slotTimes.slotTimeCellLeft(column, tableRow, text);
}

void AgentGridEvents::paste(const QString &text)
{
    const ScenarioInputs before = m_host.scenario().inputs();
    pasteInto(text);
    m_host.scenario().undo().record(before, m_host.scenario().inputs(),
                                    QStringLiteral("Paste: the pasted values replaced those of their slots. "
                                                   "Undo: Ctrl+Z"));
    m_host.refresh();
}

void AgentGridEvents::pasteInto(const QString &text)
{
    const int column = m_grid.currentTableColumn();
    if (column == ResultTable::HaveColumn)
        m_planning.pasteRoster(text);
    else if (column == ResultTable::SlotTalkColumn || column == ResultTable::SlotWrapColumn)
        m_slotTimes.pasteSlotTimes(text);
    else
        pasteSlotVolumes(text);
}

void AgentGridEvents::pasteSlotVolumes(const QString &text)
{
    // The text's volumes into the slots from the current row down and one
    // recalculation, or a message saying which value is refused and why.
    m_host.runCommand([&] {
        if (const auto refusal = SlotVolumePaste::paste(m_host.scenario(), text)) {
            m_host.dialogs().error(SlotVolumePaste::message(*refusal));
            return false;
        }
        return true;
    });
}

void AgentGridEvents::setEditText(int column, int tableRow, const QString &text)
{
    // A roster value or slot time counts once its cell is left (see
    // PlanningCommand and SlotTimesCommand).
    if (column == ResultTable::HaveColumn || column == ResultTable::SlotTalkColumn
        || column == ResultTable::SlotWrapColumn)
        return;
    RunHandler(m_host.dialogs(), [&] {
        ScenarioEvents(m_host.scenario()).StringGrid1SetEditText(column, tableRow, text);
        m_model.cellChanged(column, tableRow);
    });
}

void AgentGridEvents::keyPress(QChar key)
{
    RunHandler(m_host.dialogs(), [&] {
        m_host.syncFieldsToModel();
        const RecalcResult result = ScenarioEvents(m_host.scenario()).StringGrid1KeyPress(key);
        if (result.ran)
            m_host.refresh();
    });
}

void AgentGridEvents::cursorLeft()
{
    RunHandler(m_host.dialogs(), [this] {
        m_grid.closeCellEditor();
        m_host.syncFieldsToModel();
        const RecalcResult result = ScenarioEvents(m_host.scenario()).StringGrid1Exit();
        if (result.ran)
            m_host.refresh();
    });
}

void AgentGridEvents::cursorEntered()
{
    RunHandler(m_host.dialogs(), [this] {
        ScenarioEvents(m_host.scenario()).StringGrid1Enter();
        m_view.showCurrentCell();
    });
}

bool AgentGridEvents::contains(const QWidget *widget) const
{
    return widget && (widget == &m_grid || m_grid.isAncestorOf(widget));
}

void AgentGridEvents::takeCurrentCell()
{
    if (m_grid.currentTableColumn() >= 0)
        m_host.scenario().StringGrid1().setCurrentCell(m_grid.currentTableColumn(), m_grid.currentTableRow());
}
