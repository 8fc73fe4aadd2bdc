// SPDX-License-Identifier: MIT
#include "planningmenuactions.h"

#include "planningcommand.h"
#include "slottimescommand.h"
#include "tagentform.h"

#include <QAction>
#include <QMenu>

PlanningMenuActions::PlanningMenuActions(QMenu *file, ActiveForm activeForm, QObject *parent)
    : QObject(parent)
    , m_activeForm(std::move(activeForm))
{
    // "Re&open" has the O, so the options take the P. The items carry no
    // shortcut key: the agent window has its own (Ctrl+Shift+O).
    m_planning = file->addAction(QStringLiteral("&Planning Options..."));
    connect(m_planning, &QAction::triggered, this, [this] { editOptions(); });
    m_roster = file->addAction(QStringLiteral("Ro&ster Columns"));
    m_roster->setCheckable(true);
    connect(m_roster, &QAction::triggered, this,
            [this](bool checked) { onActiveForm([checked](TAgentForm &form) { form.planning().setRosterColumns(checked); }); });
    m_importIntervals = file->addAction(QStringLiteral("&Import Intervals..."));
    connect(m_importIntervals, &QAction::triggered, this,
            [this] { onActiveForm([](TAgentForm &form) { form.slotTimes().importIntervals(); }); });
    m_slotTimes = file->addAction(QStringLiteral("Slot &Time Columns"));
    m_slotTimes->setCheckable(true);
    connect(m_slotTimes, &QAction::triggered, this, [this](bool checked) {
        onActiveForm([checked](TAgentForm &form) { form.slotTimes().setSlotTimesColumns(checked); });
    });
    connect(file, &QMenu::aboutToShow, this, &PlanningMenuActions::update);
}

void PlanningMenuActions::editOptions()
{
    onActiveForm([](TAgentForm &form) { form.planning().editOptions(); });
}

void PlanningMenuActions::onActiveForm(const std::function<void(TAgentForm &)> &command)
{
    if (TAgentForm *form = m_activeForm())
        command(*form);
    update();
}

void PlanningMenuActions::update()
{
    TAgentForm *form = m_activeForm();
    m_planning->setEnabled(form != nullptr);
    m_roster->setEnabled(form != nullptr);
    m_roster->setChecked(form && form->scenario().inputs().rosterColumnsShown());
    m_importIntervals->setEnabled(form != nullptr);
    m_slotTimes->setEnabled(form != nullptr);
    m_slotTimes->setChecked(form && form->scenario().inputs().slotTimesColumnsShown());
}
