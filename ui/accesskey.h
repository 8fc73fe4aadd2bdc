// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QAbstractButton;
class QDialogButtonBox;

// True when `text` has an access key: an "&" before a character other than
// "&" ("&OK", not "Fish && Chips").
bool HasAccessKey(const QString &text);

// Gives `button` (if any) an access key when its text has none: the first of
// its letters that no other button or label of its window uses ("&OK", or
// "O&K" beside "Max &occupancy"). Call it once the window's other controls
// exist. Standard buttons take their texts from the desktop's theme: some
// give "&OK", the plain one gives "OK".
void GiveAccessKey(QAbstractButton *button);

// The same for the OK and Cancel buttons of `buttons`.
void GiveOkCancelKeys(QDialogButtonBox *buttons);
