// SPDX-License-Identifier: MIT
#include "tagentform.h"

#include "agentformview.h"
#include "agentgridevents.h"
#include "agentgraphlink.h"
#include "agentshiftlink.h"
#include "agentservices.h"
#include "dialogservice.h"
#include "focusmoveinhand.h"
#include "handlerguard.h"
#include "maskedfield.h"
#include "planningcommand.h"
#include "reportcontent.h"
#include "scenarioevents.h"
#include "slottimescommand.h"
#include "scenariofilecommand.h"
#include "resulttablemodel.h"
#include "tlumstringgrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QToolButton>

TAgentForm::TAgentForm(AgentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_dialogs(services.dialogs)
    , m_exitGuard(*this, services.dialogs, services.events)
{
    setWindowTitle(m_file.caption());
    setProperty("helpContext", HelpTopic);

    m_ui.build(*this);
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        m_exitGuard.addField(f, m_ui.field(f), DefaultText(f));
    }
    m_tableModel = new ResultTableModel(m_scenario.StringGrid1(), this);
    m_ui.StringGrid1->setResultModel(m_tableModel);
    m_view = new AgentFormView(m_ui, m_scenario, *m_tableModel, m_exitGuard);
    m_view->setParent(this);
    connect(m_view, &AgentFormView::hintPanelClearRequested, this, &TAgentForm::hintPanelClearRequested);
    connect(m_view, &AgentFormView::hintPanelTextRequested, this, &TAgentForm::hintPanelTextRequested);
    connect(m_view, &AgentFormView::planningLineShown, this, [this] { updateGraphCaption(); });
    // The commands see the window as their host only.
    AgentCommandHost &host = *this;
    m_planning = std::make_unique<PlanningCommand>(host);
    m_slotTimes = std::make_unique<SlotTimesCommand>(host);
    m_gridEvents = new AgentGridEvents(*m_ui.StringGrid1, host, *m_view, *m_tableModel, *m_planning, *m_slotTimes);
    connectWidgets();
    AgentLinkHost &linkHost = *this;
    m_graphLink = new AgentGraphLink(linkHost, m_dialogs);
    m_shiftLink = new AgentShiftLink(linkHost, m_services);
    m_fileCommand = std::make_unique<ScenarioFileCommand>(host);

    m_scenario.hooks().onInvalidInput = [this](const RecalcResult &result) { m_exitGuard.reportInvalidInput(result); };

    m_view->showTab(Tab::Agents);
    refresh();
}

TAgentForm::~TAgentForm()
{
    // Children still lose the focus while this window is torn down.
    m_exitGuard.beginClosing();
    m_scenario.hooks().onInvalidInput = nullptr;
    // The graph and shift-plan windows' captions are not followed from here on.
    disconnect(m_view, nullptr, this, nullptr);
    delete m_graphLink; // it closes the graph window
    // The grid's model reads the scenario's table, which goes before the
    // grid does: the grid lets go of the model first.
    m_ui.StringGrid1->setResultModel(nullptr);
    delete m_gridEvents;
    m_gridEvents = nullptr;
    delete m_view;
    m_view = nullptr;
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
    connect(m_ui.TabSet1, &QTabBar::currentChanged, this, [this](int index) { TabSet1Click(index); });
    // The window's key for the options, as F9 and Ctrl+G are for its tool
    // buttons; the main window's menu item has no key of its own.
    auto *optionsKey = new QShortcut(PlanningCommand::OptionsKey, this);
    optionsKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(optionsKey, &QShortcut::activated, this, [this] { m_planning->editOptions(); });
    // Edit > Undo's key, the window's own as well. A field with typing of
    // its own to undo takes Ctrl+Z first (see AgentEventFilter).
    auto *undoKey = new QShortcut(QKeySequence::Undo, this);
    undoKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(undoKey, &QShortcut::activated, this, [this] { Undo1Click(); });
}

void TAgentForm::runCommand(AfterExit afterExit, const std::function<bool()> &operation)
{
    RunHandler(m_dialogs, [&] {
        const ExitOutcome exit = m_exitGuard.completePendingExit();
        if (exit == ExitOutcome::Refused) {
            if (afterExit == AfterExit::RunQuietly)
                refresh();
            return;
        }
        if (exit == ExitOutcome::InputRefused && afterExit == AfterExit::RunUnlessInputRefused)
            return;
        syncFieldsToModel();
        const auto quiet =
            m_exitGuard.quietInvalidInput(afterExit == AfterExit::RunQuietly && exit == ExitOutcome::InputRefused);
        if (operation())
            refresh();
    });
}

void TAgentForm::runCommand(const std::function<bool()> &operation)
{
    runCommand(AfterExit::Run, operation);
}

void TAgentForm::onSlotButtonClicked(SlotLength chosen)
{
    runCommand(AfterExit::RunQuietly, [this, chosen] {
        ScenarioEvents(m_scenario).SlotButtonClick(chosen);
        return true;
    });
}

void TAgentForm::syncFieldsToModel()
{
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        m_scenario.setText(f, fieldText(f));
    }
}

void TAgentForm::refresh()
{
    m_view->refresh();
}

void TAgentForm::Recalculate()
{
    runCommand(AfterExit::RunUnlessInputRefused, [this] {
        ScenarioEvents(m_scenario).SpeedButton2Click();
        return true;
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
    m_scenario.hooks().onInvalidInput = nullptr;
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

bool TAgentForm::runExitRule(Field f)
{
    QLineEdit *edit = m_ui.field(f);
    const bool modified = edit->isModified();
    syncFieldsToModel();
    RecalcResult result;
    switch (f) {
    case Field::Edit1:
        edit->setModified(false);
        result = ScenarioEvents(m_scenario).Edit1Exit(modified);
        break;
    case Field::MaskEdit1:
        edit->setModified(false);
        result = ScenarioEvents(m_scenario).MaskEdit1Exit(modified);
        break;
    case Field::MaskEdit7:
        edit->setModified(false);
        result = ScenarioEvents(m_scenario).MaskEdit7Exit(modified);
        break;
    case Field::MaskEdit4:
        result = ScenarioEvents(m_scenario).MaskEdit4Exit();
        break;
    default:
        // The other fields take effect at the next recalculation; until
        // then the window says the table is out of date.
        m_view->showPlanningLine();
        return false;
    }
    refresh();
    return result.ran && !result.valid;
}

void TAgentForm::TabSet1Click(int index)
{
    const Tab tab = index == static_cast<int>(Tab::Schedule) ? Tab::Schedule : Tab::Agents;
    runCommand(AfterExit::RunQuietly, [this, tab] {
        m_view->showTab(tab);
        m_graphLink->tabChanging(tab);
        ScenarioEvents(m_scenario).TabSet1Click(tab);
        return true;
    });
}

void TAgentForm::cursorMoved(QWidget *old, QWidget *now)
{
    const bool oldInGrid = m_gridEvents->contains(old);
    const bool nowInGrid = m_gridEvents->contains(now);
    if (oldInGrid && !nowInGrid)
        m_gridEvents->cursorLeft();
    else if (nowInGrid && !oldInGrid && QApplication::focusWidget() == now)
        m_gridEvents->cursorEntered();
}

void TAgentForm::entryRestored(Field)
{
    // The fields as before the refused edit; the table computed from them
    // again (the exit that refused it spread nothing).
    syncFieldsToModel();
    ScenarioEvents(m_scenario).SpeedButton2Click();
    refresh();
}

void TAgentForm::focusFailingInput(const RecalcResult &result)
{
    QWidget *target = nullptr;
    if (result.failing.isGridRow())
        target = m_ui.StringGrid1;
    else if (result.failing.isField())
        target = m_ui.field(result.failing.field());
    if (!target)
        return;
    const FocusMoveInHand inHand(m_services.events);
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (QMdiArea *area = subWindow->mdiArea())
            area->setActiveSubWindow(subWindow);
    }
    if (result.failing.isGridRow()) {
        m_scenario.StringGrid1().setCurrentCell(ResultTable::CallsColumn, result.failing.row());
        m_view->showFailingRow(result.failing.row());
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

ReportContent TAgentForm::reportContent()
{
    return ReportPrintCommand::contentOf(*this);
}

QString TAgentForm::fieldText(Field field) const
{
    return FieldText(*m_ui.field(field), field);
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

void TAgentForm::takeGridsCurrentCell()
{
    m_gridEvents->takeCurrentCell();
}

void TAgentForm::showCell(int column, int tableRow)
{
    m_tableModel->cellChanged(column, tableRow);
}

void TAgentForm::fieldsLoaded()
{
    for (QLineEdit *edit : m_ui.fields)
        edit->setModified(false);
}

void TAgentForm::fileUsed(const QString &fullPath)
{
    setWindowTitle(m_file.caption());
    updateGraphCaption();
    m_dialogs.fileUsed(fullPath);
    emit scenarioFileUsed(fullPath);
}

void TAgentForm::Undo1Click()
{
    runCommand(AfterExit::RunUnlessInputRefused, [this] {
        if (!m_scenario.undo().canUndo())
            return false;
        ScenarioEvents(m_scenario).Undo();
        return true;
    });
}
