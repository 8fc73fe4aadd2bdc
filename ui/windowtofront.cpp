// SPDX-License-Identifier: MIT
#include "windowtofront.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void BringWindowToFront(QWidget *window)
{
    if (!window)
        return;
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        subWindow->raise();
        if (QMdiArea *area = subWindow->mdiArea())
            area->setActiveSubWindow(subWindow);
    } else {
        window->raise();
        window->activateWindow();
    }
}
