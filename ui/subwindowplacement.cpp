// SPDX-License-Identifier: MIT
#include "subwindowplacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

void KeepWithinWindowArea(QMdiSubWindow *subWindow)
{
    QMdiArea *area = subWindow ? subWindow->mdiArea() : nullptr;
    if (!area)
        return;
    const QSize room = area->viewport()->size();
    const QRect placed = subWindow->geometry();
    const int x = std::max(0, std::min(placed.x(), room.width() - placed.width()));
    const int y = std::max(0, std::min(placed.y(), room.height() - placed.height()));
    if (x != placed.x() || y != placed.y())
        subWindow->move(x, y);
}
