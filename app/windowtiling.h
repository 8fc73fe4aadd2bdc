// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRect>

class QWidget;

// Horizontal tiling of `count` windows in `area`: one above the other, each
// the full width, the heights as equal as whole pixels allow (the first
// ones take the spare pixels). None for a count below 1.
QList<QRect> HorizontalTiles(const QRect &area, int count);

// Moves a window up and left as far as needed for its frame, title bar and
// close box included, to lie inside `area` (never past its top-left corner).
void KeepInside(QWidget *window, const QRect &area);
