// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

// Where a remembered window goes so that it is wholly on a screen, frame and
// title bar included: `geometry` is the window's inside, `frame` what the
// window manager adds around it, `screens` the screens' available areas
// (the first is the primary). The window stays on the screen it shares most
// area with, else goes to the primary screen; it is moved in as little as
// needed and made smaller where it is larger than that screen, but never
// smaller than `minimum`. An empty geometry, one with coordinates of a
// million pixels or more, or no screen gives a null rectangle: nothing to
// restore.
QRect FitOnScreens(const QRect &geometry, const QMargins &frame, const QList<QRect> &screens, const QSize &minimum);
