// SPDX-License-Identifier: MIT
#include "windowtiling.h"

#include <QWidget>

#include <algorithm>

QList<QRect> HorizontalTiles(const QRect &area, int count)
{
    QList<QRect> tiles;
    if (count < 1 || area.isEmpty())
        return tiles;
    const int base = area.height() / count;
    const int spare = area.height() % count;
    int top = area.top();
    for (int i = 0; i < count; ++i) {
        const int height = base + (i < spare ? 1 : 0);
        tiles.append(QRect(area.left(), top, area.width(), height));
        top += height;
    }
    return tiles;
}

void KeepInside(QWidget *window, const QRect &area)
{
    QRect frame = window->geometry();
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        window->move(x, y);
}
