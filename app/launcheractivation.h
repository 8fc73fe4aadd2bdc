// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QWidget;

// Start-up notification on an X11 desktop. A launcher gives the program it
// starts an id in $DESKTOP_STARTUP_ID and shows a busy cursor until a window
// with that id appears; the id ends in "_TIME" and the time of the user's
// click, which lets that program take the focus. A second start of Varnook
// shows no window: it ends the busy cursor itself and hands the id to the
// running Varnook, which comes to the front with the click's time.

// The user time at the end of the id, 0 where it has none.
quint32 StartupIdUserTime(const QString &id);

// Whether the id can go into a start-up message unquoted: 1 to 200 printable
// ASCII characters without blanks, quotes or backslashes. Others are ignored.
bool IsUsableStartupId(const QString &id);

// A start-up message as X sends it: its bytes and a closing zero, in pieces
// of 20 bytes (one client message each), the last one padded with zeros.
QList<QByteArray> StartupMessagePieces(const QByteArray &message);

// Ends the launcher's busy cursor for the id (X11 only; elsewhere, or with
// an unusable id, nothing).
void EndLaunchFeedback(const QString &id);

// Asks the window manager to activate the window as of the id's user time
// (X11 only, and only when the id carries a time). False when nothing was
// asked.
bool ActivateForLauncher(QWidget *window, const QString &id);
