// SPDX-License-Identifier: MIT
#include "menukey.h"

#include <QAction>

void ShowChildKey(QAction *action, const QKeySequence &key)
{
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
}
