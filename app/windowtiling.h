// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Horizontal tiling of windows with these minimum sizes in `area`: one
// above the other from its top, each the full width, the heights as equal
// as whole pixels allow (the first ones take the spare pixels). No window is
// made smaller than its minimum: one whose minimum height is above the equal
// share gets its minimum and the others share the rest, and one wider than
// the area keeps its minimum width. Where the minimums do not fit, the tiles
// run on below the area and the workspace scrolls to them. None for no
// window or an empty area.
QList<QRect> HorizontalTiles(const QRect &area, const QList<QSize> &minimumSizes);

// Moves a window up and left as far as needed for its frame, title bar and
// close box included, to lie inside `area` (never past its top-left corner).
void KeepInside(QWidget *window, const QRect &area);
