// SPDX-License-Identifier: MIT
#pragma once

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class TAgentForm;

// Adds a new agent window to the main window's workspace: at its designed
// size, widened where this desktop's fonts need more room so that no label
// is cut, the main window growing within the screen until it fits. The
// child is shown inside the workspace and made active, its first field
// holding the cursor; closing it deletes it.
QMdiSubWindow *PlaceAgentWindow(QMainWindow &main, QMdiArea &area, TAgentForm &form);
