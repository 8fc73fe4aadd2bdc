// SPDX-License-Identifier: MIT
#pragma once

#include "field.h"
#include "recalcresult.h"

class QLineEdit;
class QWidget;

// The window a FieldExitGuard watches, as the guard sees it: its fields, its
// scenario's exit rules, and what the window does when the cursor moves on
// or an input is refused.
class FieldExitHost
{
public:
    virtual ~FieldExitHost() = default;

    // The window whose fields the guard watches.
    virtual QWidget *guardedWindow() = 0;
    // A Calls cell being edited keeps its text and closes.
    virtual void closeCellEditor() = 0;
    // The field's exit rule on the window's scenario, run once the guard let
    // the cursor leave the field. True when the rule's recalculation refused
    // an input (the refusal has been reported through the guard).
    virtual bool runExitRule(Field field) = 0;
    // The cursor moved from `old` to `now` within the window, after any
    // field's exit ran: the window's other controls' enter and exit rules.
    virtual void cursorMoved(QWidget *old, QWidget *now) = 0;
    // A refused input: the cursor goes to the failing field or grid row.
    virtual void focusFailingInput(const RecalcResult &result) = 0;
    // Escape gave a field whose exit ran (and whose input was refused) the
    // text it had when the cursor entered it: the scenario takes it back, as
    // if the refused text had never been typed.
    virtual void entryRestored(Field field) = 0;
    // The window's frame was asked to close: false keeps it open.
    virtual bool frameClosing() = 0;
};
