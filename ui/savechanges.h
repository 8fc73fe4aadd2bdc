// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class DialogService;

// The question a window with unsaved changes asks before it closes, "Save
// changes to NAME?": true when it may close (saved by `save`, which says
// whether it did, or the changes discarded), false on Cancel or a failed
// save. An exception on the way is shown as an error and keeps it open.
bool SaveChangesBeforeClosing(DialogService &dialogs, const QString &fileName, const std::function<bool()> &save);
