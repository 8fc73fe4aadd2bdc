// SPDX-License-Identifier: MIT
#pragma once

class QAction;
class QKeySequence;

// A menu item whose key belongs to the child window (an agent window's
// Ctrl+O, F9): the menu shows the key and answers it only while the menu
// itself is open, so that the item and the window never compete for it.
void ShowChildKey(QAction *action, const QKeySequence &key);
