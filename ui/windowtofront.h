// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Raises a window of the frame (a graph or shift-plan window) and makes it
// the active one: its child window inside the frame's window area, or the
// window itself when it stands alone.
void BringWindowToFront(QWidget *window);
