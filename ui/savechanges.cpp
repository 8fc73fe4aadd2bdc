// SPDX-License-Identifier: MIT
#include "savechanges.h"

#include "dialogservice.h"
#include "handlerguard.h"

bool SaveChangesBeforeClosing(DialogService &dialogs, const QString &fileName, const std::function<bool()> &save)
{
    bool closeIt = false;
    RunHandler(dialogs, [&] {
        switch (dialogs.askSaveChanges(QStringLiteral("Save changes to %1?").arg(fileName))) {
        case SaveChoice::Save:
            closeIt = save();
            break;
        case SaveChoice::Discard:
            closeIt = true;
            break;
        case SaveChoice::Cancel:
            break;
        }
    });
    return closeIt;
}
