// SPDX-License-Identifier: MIT
#include "windowtiling.h"

#include <QWidget>

#include <algorithm>
#include <vector>

QList<QRect> HorizontalTiles(const QRect &area, const QList<QSize> &minimumSizes)
{
    QList<QRect> tiles;
    const int count = static_cast<int>(minimumSizes.size());
    if (count < 1 || area.isEmpty())
        return tiles;
    // Windows whose minimum is above the equal share of what is left take
    // their minimum, until the share suits every other window.
    std::vector<bool> atMinimum(static_cast<std::size_t>(count), false);
    int shared = area.height();
    int sharing = count;
    for (bool changed = true; changed && sharing > 0;) {
        changed = false;
        const int share = shared / sharing;
        for (int i = 0; i < count; ++i) {
            const int minimum = minimumSizes.at(i).height();
            if (!atMinimum[static_cast<std::size_t>(i)] && minimum > share) {
                atMinimum[static_cast<std::size_t>(i)] = true;
                shared = std::max(0, shared - minimum);
                --sharing;
                changed = true;
            }
        }
    }
    const int base = sharing > 0 ? shared / sharing : 0;
    int spare = sharing > 0 ? shared % sharing : 0;
    int top = area.top();
    for (int i = 0; i < count; ++i) {
        int height = minimumSizes.at(i).height();
        if (!atMinimum[static_cast<std::size_t>(i)]) {
            height = base + (spare > 0 ? 1 : 0);
            spare = std::max(0, spare - 1);
        }
        const int width = std::max(area.width(), minimumSizes.at(i).width());
        tiles.append(QRect(area.left(), top, width, height));
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
