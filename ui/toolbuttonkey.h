// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QString>

class QAbstractButton;
class QWidget;

// Gives a tool button of a window a key: pressing it anywhere in `window`
// clicks the button (so a disabled button's key does nothing either), and
// the button's pop-up hint shows the key beside the command ("Print
// (Ctrl+P)"). The button's hint itself stays the command's name; screen
// readers read that name and, as the button's description, the hint with
// the key.
void GiveToolButtonKey(QAbstractButton *button, const QKeySequence &key, QWidget *window);

// "Print (Ctrl+P)": the pop-up text for a hint and a key.
QString HintWithKey(const QString &hint, const QKeySequence &key);
