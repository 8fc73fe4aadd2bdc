// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// A control's hint is shown in the main window's hint panel while the control
// has the keyboard focus; it never pops up as a tool tip. Screen readers get
// it as the control's accessible description.
void SetHint(QWidget *widget, const QString &hint);
// The control's hint; empty for no control or a control without one.
QString HintOf(const QWidget *widget);
