// SPDX-License-Identifier: MIT
#include "changedscenarios.h"

#include "tagentform.h"
#include "weekwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

bool AskToSaveChangedScenarios(QMdiArea &area)
{
    const QList<QMdiSubWindow *> children = area.subWindowList(QMdiArea::StackingOrder);
    // The window in front first, as a planner reads them.
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        if (auto *week = qobject_cast<WeekWindow *>((*child)->widget())) {
            if (!week->hasUnsavedChanges())
                continue;
            area.setActiveSubWindow(*child);
            if (!week->confirmClose())
                return false;
            continue;
        }
        auto *form = qobject_cast<TAgentForm *>((*child)->widget());
        if (!form || !form->hasUnsavedChanges())
            continue;
        area.setActiveSubWindow(*child);
        if (!form->confirmClose())
            return false;
    }
    return true;
}
