// SPDX-License-Identifier: MIT
#include "planningmenuactions.h"

#include "menukey.h"
#include "planningcommand.h"
#include "slottimescommand.h"
#include "tagentform.h"

#include <QAction>
#include <QMenu>

PlanningMenuActions::PlanningMenuActions(QMenu *file, ActiveForm activeForm, QObject *parent)
    : QObject(parent)
    , m_activeForm(std::move(activeForm))
{
    // The options take the P. Their key is the
    // agent window's own (Ctrl+Shift+O): the item only shows it.
    m_planning = file->addAction(QStringLiteral("&Planning Options..."));
    ShowChildKey(m_planning, PlanningCommand::OptionsKey);
    connect(m_planning, &QAction::triggered, this, [this] { editOptions(); });
    // The switches turn the active window's columns over from what they
    // are, whichever window the check mark was last shown for.
    m_roster = file->addAction(QStringLiteral("Roster Co&lumns"));
    m_roster->setCheckable(true);
    m_roster->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    connect(m_roster, &QAction::triggered, this, [this] {
        onActiveForm([](TAgentForm &form) {
            form.planning().setRosterColumns(!form.scenario().inputs().rosterColumnsShown());
        });
    });
    m_importIntervals = file->addAction(QStringLiteral("&Import Intervals..."));
    m_importIntervals->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(m_importIntervals, &QAction::triggered, this,
            [this] { onActiveForm([](TAgentForm &form) { form.slotTimes().importIntervals(); }); });
    m_slotTimes = file->addAction(QStringLiteral("Slot &Time Columns"));
    m_slotTimes->setCheckable(true);
    m_slotTimes->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    connect(m_slotTimes, &QAction::triggered, this, [this] {
        onActiveForm([](TAgentForm &form) {
            form.slotTimes().setSlotTimesColumns(!form.scenario().inputs().slotTimesColumnsShown());
        });
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
