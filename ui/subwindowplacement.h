// SPDX-License-Identifier: MIT
#pragma once

class QMdiSubWindow;

// Moves a child window of the frame's window area back inside the area's
// visible part where it can: the area places a new child beside the others,
// which can push a large one (a shift plan beside its agent window) past
// the edge. A child larger than the area keeps its top left corner in view.
void KeepWithinWindowArea(QMdiSubWindow *subWindow);
