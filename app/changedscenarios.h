// SPDX-License-Identifier: MIT
#pragma once

class QMdiArea;

// Before Varnook ends (File > Exit, the tool button, the main window's close
// box, the session ending): each agent window holding a scenario file with
// changes not saved to it, and each week window with changes, is brought to
// the front and asks "Save changes to NAME?". False as soon as one answer is Cancel, or its save was not
// written: Varnook then does not end, and the windows not yet asked keep
// their changes. Scratch windows ask nothing.
bool AskToSaveChangedScenarios(QMdiArea &area);
