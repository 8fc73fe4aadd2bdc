// SPDX-License-Identifier: MIT
#include "tagentform.h"

#include "agentgraphlink.h"
#include "agentshiftlink.h"
#include "agentservices.h"
#include "dialogservice.h"
#include "daytotalslines.h"
#include "filenames.h"
#include "focusmoveinhand.h"
#include "gridclipboard.h"
#include "handlerguard.h"
#include "hint.h"
#include "maskedfield.h"
#include "planningcommand.h"
#include "slottimescommand.h"
#include "planningline.h"
#include "scenariofilecommand.h"
#include "resulttablemodel.h"
#include "slotvolumepaste.h"
#include "spokenheader.h"
#include "tlumstringgrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

TAgentForm::TAgentForm(AgentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_dialogs(services.dialogs)
    , m_exitGuard(*this, services.dialogs, services.events)
{
    setWindowTitle(QStringLiteral("New Agents"));
    setProperty("helpContext", HelpTopic);

    m_ui.build(*this);
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        m_exitGuard.addField(f, m_ui.field(f), DefaultText(f));
    }
    m_tableModel = new ResultTableModel(m_scenario.StringGrid1(), this);
    m_ui.StringGrid1->setResultModel(m_tableModel);
    m_planning = std::make_unique<PlanningCommand>(*this, m_dialogs);
    m_slotTimes = std::make_unique<SlotTimesCommand>(*this, m_dialogs);
    // Ctrl+V pastes roster values in a Have cell, slot times in a Talk or
    // ACW cell, call volumes elsewhere.
    m_gridClipboard = new GridClipboard(m_ui.StringGrid1, m_scenario.StringGrid1(), [this](const QString &text) {
        const int column = m_ui.StringGrid1->currentTableColumn();
        if (column == ResultTable::HaveColumn)
            m_planning->pasteRoster(text);
        else if (column == ResultTable::SlotTalkColumn || column == ResultTable::SlotWrapColumn)
            m_slotTimes->pasteSlotTimes(text);
        else
            pasteSlotVolumes(text);
    });
    m_gridClipboard->setDayLines([this] { return DayTotalsLines(m_scenario); });
    connectWidgets();
    m_graphLink = new AgentGraphLink(*this, m_dialogs);
    m_shiftLink = new AgentShiftLink(*this, m_services);
    m_fileCommand = std::make_unique<ScenarioFileCommand>(*this, m_dialogs);

    m_scenario.onInvalidInput = [this](const RecalcResult &result) { m_exitGuard.reportInvalidInput(result); };

    applyTabSettings(Tab::Agents);
    refresh();
}

TAgentForm::~TAgentForm()
{
    // Children still lose the focus while this window is torn down.
    m_exitGuard.beginClosing();
    m_scenario.onInvalidInput = nullptr;
    delete m_graphLink; // it closes the graph window
    // The grid's model reads the scenario's table, which goes before the
    // grid does: the grid lets go of the model first.
    m_ui.StringGrid1->setResultModel(nullptr);
    delete m_gridClipboard;
    m_gridClipboard = nullptr;
    delete m_tableModel;
    m_tableModel = nullptr;
}

void TAgentForm::connectWidgets()
{
    connect(m_ui.SpeedButton2, &QToolButton::clicked, this, [this] { Recalculate(); });
    connect(m_ui.SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(m_ui.SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(m_ui.SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(m_ui.SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
    connect(m_ui.PlanShiftsButton, &QToolButton::clicked, this, [this] { PlanShiftsClick(); });
    connect(m_ui.SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    for (SlotLength length : SlotLengths)
        connect(m_ui.slotButton(length), &QRadioButton::clicked, this, [this, length] { onSlotButtonClicked(length); });
    TLumStringGrid *grid = m_ui.StringGrid1;
    connect(grid, &TLumStringGrid::cellClicked, this, [this] {
        RunHandler(m_dialogs, [this] {
            syncFieldsToModel();
            m_scenario.StringGrid1Click();
            refresh();
        });
    });
    connect(grid, &TLumStringGrid::keyTyped, this, [this](QChar key) { StringGrid1KeyPress(key); });
    connect(grid, &TLumStringGrid::editTextChanged, this,
            [this](int column, int row, const QString &text) { StringGrid1SetEditText(column, row, text); });
    connect(grid, &TLumStringGrid::currentCellChanged, this, [this](int column, int row) {
        if (!m_refreshing)
            m_scenario.StringGrid1().setCurrentCell(column, row);
        showCellHint(column);
    });
    connect(m_ui.TabSet1, &QTabBar::currentChanged, this, [this](int index) { TabSet1Click(index); });
    // A Have, Talk or ACW cell's value is checked when its editor closes,
    // and Delete clears it.
    grid->setClearableColumns({ResultTable::HaveColumn, ResultTable::SlotTalkColumn, ResultTable::SlotWrapColumn});
    auto typedCellLeft = [this](int column, int row, const QString &text) {
        if (column == ResultTable::HaveColumn)
            m_planning->rosterCellLeft(row, text);
        else if (column == ResultTable::SlotTalkColumn || column == ResultTable::SlotWrapColumn)
            m_slotTimes->slotTimeCellLeft(column, row, text);
    };
    connect(grid, &TLumStringGrid::editCommitted, this, typedCellLeft);
    connect(grid, &TLumStringGrid::cellCleared, this,
            [typedCellLeft](int column, int row) { typedCellLeft(column, row, QString()); });
}

void TAgentForm::onSlotButtonClicked(SlotLength chosen)
{
    RunHandler(m_dialogs, [this, chosen] {
        // A refused field exit shows the slot length as it was.
        const ExitOutcome exit = m_exitGuard.completePendingExit();
        if (exit == ExitOutcome::Refused) {
            refresh();
            return;
        }
        syncFieldsToModel();
        // The exit's own recalculation has just reported these inputs.
        const auto quiet = m_exitGuard.quietInvalidInput(exit == ExitOutcome::InputRefused);
        m_scenario.RadioButton1Click(chosen);
        refresh();
    });
}

void TAgentForm::applyTabSettings(Tab tab)
{
    m_shownTab = tab;
    m_ui.showTab(tab == Tab::Schedule);
    if (tab != Tab::Schedule)
        emit hintPanelClearRequested();
}

void TAgentForm::showCellHint(int column)
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

void TAgentForm::syncFieldsToModel()
{
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        m_scenario.setText(f, FieldText(*field(f), f));
    }
}

void TAgentForm::refresh()
{
    const bool wasRefreshing = m_refreshing;
    m_refreshing = true;
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        QLineEdit *edit = field(f);
        const QString text = m_scenario.inputs().text(f);
        // Only a text the scenario rewrote is put back, so a field still
        // being edited keeps its changed mark.
        if (FieldText(*edit, f) != text) {
            SetFieldText(*edit, f, text);
            m_exitGuard.textRewritten(f, FieldText(*edit, f));
        }
    }
    m_ui.StaticText1->setText(m_scenario.inputs().totalTimeText());
    showPlanningLine();

    m_ui.showSlotButtons(m_scenario.inputs().checkedSlotButton());

    if (m_scenario.tab() != m_shownTab)
        applyTabSettings(m_scenario.tab());
    if (m_ui.TabSet1->currentIndex() != static_cast<int>(m_scenario.tab())) {
        const QSignalBlocker blocker(m_ui.TabSet1);
        m_ui.TabSet1->setCurrentIndex(static_cast<int>(m_scenario.tab()));
    }

    m_tableModel->tableChanged();
    showCurrentCell();
    m_ui.StringGrid1->FitColumns();
    m_refreshing = wasRefreshing;
}

void TAgentForm::showPlanningLine()
{
    const QString planning = PlanningLineText(m_scenario);
    m_ui.PlanningLine->setText(planning);
    m_ui.PlanningLine->setVisible(!planning.isEmpty());
    updateGraphCaption();
}

void TAgentForm::showCurrentCell()
{
    const ResultTable &table = m_scenario.StringGrid1();
    const bool newTable = m_scenario.recalculationCount() != m_shownRecalculation;
    m_shownRecalculation = m_scenario.recalculationCount();
    // On the Agents tab only a row that meets the goal is marked: a new
    // table that no row of meets it, or an empty one, shows from its top
    // with no current row. A row the planner then clicks stays marked.
    if (m_scenario.tab() == Tab::Agents && m_scenario.goalRow() == 0) {
        if (newTable) {
            m_ui.StringGrid1->clearCurrentTableCell();
            m_ui.StringGrid1->scrollToTop();
        }
    } else {
        m_ui.StringGrid1->setCurrentTableCell(table.currentColumn(), table.currentRow());
    }
}

void TAgentForm::Recalculate()
{
    RunHandler(m_dialogs, [this] {
        // An exit whose own recalculation refused the input has just shown
        // the message for these very inputs: it is not shown twice.
        if (m_exitGuard.completePendingExit() != ExitOutcome::Done)
            return;
        syncFieldsToModel();
        m_scenario.SpeedButton2Click();
        refresh();
    });
}

void TAgentForm::SpeedButton1Click()
{
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget()))
        subWindow->close();
    else
        close();
}

bool TAgentForm::hasUnsavedChanges()
{
    return m_fileCommand->hasUnsavedChanges();
}

bool TAgentForm::confirmClose()
{
    return m_exitGuard.closing() || m_fileCommand->confirmClose();
}

void TAgentForm::beginClosing()
{
    m_exitGuard.beginClosing();
    m_scenario.onInvalidInput = nullptr;
}

void TAgentForm::fieldExit(Field f)
{
    m_exitGuard.runFieldExit(f);
}

QWidget *TAgentForm::guardedWindow()
{
    return this;
}

void TAgentForm::closeCellEditor()
{
    m_ui.StringGrid1->closeCellEditor();
}

bool TAgentForm::frameClosing()
{
    if (!confirmClose())
        return false;
    beginClosing();
    return true;
}

bool TAgentForm::completePendingFieldExit()
{
    return m_exitGuard.completePendingExit() != ExitOutcome::Refused;
}

bool TAgentForm::runExitRule(Field f)
{
    QLineEdit *edit = field(f);
    const bool modified = edit->isModified();
    syncFieldsToModel();
    RecalcResult result;
    switch (f) {
    case Field::Edit1:
        edit->setModified(false);
        result = m_scenario.Edit1Exit(modified);
        break;
    case Field::MaskEdit1:
        edit->setModified(false);
        result = m_scenario.MaskEdit1Exit(modified);
        break;
    case Field::MaskEdit7:
        edit->setModified(false);
        result = m_scenario.MaskEdit7Exit(modified);
        break;
    case Field::MaskEdit4:
        result = m_scenario.MaskEdit4Exit();
        break;
    default:
        // The other fields take effect at the next recalculation; until
        // then the window says the table is out of date.
        showPlanningLine();
        return false;
    }
    refresh();
    return result.ran && !result.valid;
}

void TAgentForm::pasteSlotVolumes(const QString &text)
{
    RunHandler(m_dialogs, [&] {
        if (!completePendingFieldExit())
            return;
        syncFieldsToModel();
        if (const auto refusal = SlotVolumePaste::paste(m_scenario, text)) {
            m_dialogs.error(SlotVolumePaste::message(*refusal));
            return;
        }
        refresh();
    });
}

void TAgentForm::StringGrid1SetEditText(int column, int tableRow, const QString &text)
{
    // A roster value or slot time counts once its cell is left (see
    // PlanningCommand and SlotTimesCommand).
    if (column == ResultTable::HaveColumn || column == ResultTable::SlotTalkColumn
        || column == ResultTable::SlotWrapColumn)
        return;
    RunHandler(m_dialogs, [&] {
        m_scenario.StringGrid1SetEditText(column, tableRow, text);
        m_tableModel->cellChanged(column, tableRow);
    });
}

void TAgentForm::StringGrid1KeyPress(QChar key)
{
    RunHandler(m_dialogs, [&] {
        syncFieldsToModel();
        const RecalcResult result = m_scenario.StringGrid1KeyPress(key);
        if (result.ran)
            refresh();
    });
}

void TAgentForm::TabSet1Click(int index)
{
    RunHandler(m_dialogs, [&] {
        const Tab tab = index == static_cast<int>(Tab::Schedule) ? Tab::Schedule : Tab::Agents;
        const ExitOutcome exit = m_exitGuard.completePendingExit();
        if (exit == ExitOutcome::Refused) {
            // The tab strip shows the tab that stays.
            refresh();
            return;
        }
        syncFieldsToModel();
        applyTabSettings(tab);
        m_graphLink->tabChanging(tab);
        // The exit's own recalculation has just reported these inputs.
        const auto quiet = m_exitGuard.quietInvalidInput(exit == ExitOutcome::InputRefused);
        m_scenario.TabSet1Click(tab);
        refresh();
    });
}

bool TAgentForm::isInGrid(const QWidget *widget) const
{
    return widget && (widget == m_ui.StringGrid1 || m_ui.StringGrid1->isAncestorOf(widget));
}

void TAgentForm::cursorMoved(QWidget *old, QWidget *now)
{
    const bool oldInGrid = isInGrid(old);
    const bool nowInGrid = isInGrid(now);
    if (oldInGrid && !nowInGrid) {
        RunHandler(m_dialogs, [this] {
            m_ui.StringGrid1->closeCellEditor();
            syncFieldsToModel();
            const RecalcResult result = m_scenario.StringGrid1Exit();
            if (result.ran)
                refresh();
        });
    } else if (nowInGrid && !oldInGrid && QApplication::focusWidget() == now) {
        RunHandler(m_dialogs, [this] {
            m_scenario.StringGrid1Enter();
            m_refreshing = true;
            showCurrentCell();
            m_refreshing = false;
        });
    }
}

void TAgentForm::focusFailingInput(const RecalcResult &result)
{
    QWidget *target = nullptr;
    if (result.failing.isGridRow())
        target = m_ui.StringGrid1;
    else if (result.failing.isField())
        target = field(result.failing.field());
    if (!target)
        return;
    const FocusMoveInHand inHand(m_services.events);
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (QMdiArea *area = subWindow->mdiArea())
            area->setActiveSubWindow(subWindow);
    }
    if (result.failing.isGridRow()) {
        m_scenario.StringGrid1().setCurrentCell(ResultTable::CallsColumn, result.failing.row());
        m_refreshing = true;
        m_ui.StringGrid1->setCurrentTableCell(ResultTable::CallsColumn, result.failing.row());
        m_refreshing = false;
    }
    target->setFocus(Qt::OtherFocusReason);
    if (result.failing.isField()) {
        // The cursor enters the field anew: its exit is due, Escape goes
        // back to the text it shows now.
        m_exitGuard.restartVisit(result.failing.field());
    }
}

void TAgentForm::closeEvent(QCloseEvent *event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    m_exitGuard.beginClosing();
    m_graphLink->agentClosing();
    m_shiftLink->agentClosing();
    event->accept();
}

void TAgentForm::updateGraphCaption()
{
    m_graphLink->updateCaption();
    m_shiftLink->updateCaption();
}

void TAgentForm::SpeedButton6Click()
{
    RunHandler(m_dialogs, [this] {
        if (completePendingFieldExit())
            m_graphLink->SpeedButton6Click();
    });
}

void TAgentForm::PlanShiftsClick()
{
    RunHandler(m_dialogs, [this] {
        if (completePendingFieldExit())
            m_shiftLink->openPlanWindow();
    });
}

void TAgentForm::SpeedButton3Click()
{
    m_services.printing.PrintReport(*this, m_dialogs);
}

void TAgentForm::SpeedButton4Click()
{
    m_fileCommand->save();
}

void TAgentForm::SpeedButton5Click()
{
    m_fileCommand->load();
}

bool TAgentForm::saveFile(const QString &chosenName)
{
    return m_fileCommand->saveFile(chosenName);
}

bool TAgentForm::openFile(const QString &path)
{
    return m_fileCommand->loadFile(path, true);
}

bool TAgentForm::openStartupFile(const QString &path)
{
    return m_fileCommand->loadFile(path, false);
}

void TAgentForm::setScenarioCaption(const QString &fullPath)
{
    setWindowTitle(Calc::Capitalise(QFileInfo(fullPath).fileName()));
    updateGraphCaption();
}

// --- planning options and roster ------------------------------------------

void TAgentForm::PlanningOptions1Click()
{
    m_planning->editOptions();
}

void TAgentForm::setRosterColumns(bool shown)
{
    m_planning->setRosterColumns(shown);
}

void TAgentForm::importIntervals()
{
    m_slotTimes->importIntervals();
}

void TAgentForm::setSlotTimesColumns(bool shown)
{
    m_slotTimes->setSlotTimesColumns(shown);
}
