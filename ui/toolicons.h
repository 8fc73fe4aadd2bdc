// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

enum class ToolIcon { Recalculate, Load, Save, CloseForm, NewWindow, ExitProgram };

// The icon theme's picture for the tool button, or the style's own when the
// theme has none; the disabled state is derived by Qt.
QIcon MakeToolIcon(ToolIcon icon);
