// SPDX-License-Identifier: MIT
#pragma once

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QSize;
class TAgentForm;

// Adds a new agent window to the main window's workspace: at its designed
// size, widened where this desktop's fonts need more room so that no label
// is cut, the main window growing within the screen until it fits. The
// child is shown inside the workspace and made active, its first field
// holding the cursor; closing it deletes it.
// The main window grows, within the screen, until a child window of
// `childSize` fits its workspace; a maximized or full-screen one stays.
void MakeRoomFor(QMainWindow &main, const QSize &childSize);
QMdiSubWindow *PlaceAgentWindow(QMainWindow &main, QMdiArea &area, TAgentForm &form);
