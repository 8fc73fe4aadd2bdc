// SPDX-License-Identifier: MIT
#pragma once

#include "recentfiles.h"

#include <QObject>

class DialogService;
class QMenu;
class QSettings;

// File > Reopen: one item per recent scenario file (RecentFiles), its full
// path as the item's tool tip and status tip. The list lives in the settings
// given, read again before every change so that two Varnooks started with
// --new-instance do not undo each other's entries; without settings it lasts
// for this run only.
class ReopenMenu : public QObject
{
    Q_OBJECT
public:
    ReopenMenu(QMenu *menu, DialogService &dialogs, QObject *parent = nullptr);

    void setSettings(QSettings *settings);
    // A scenario file was saved or loaded.
    void add(const QString &path);
    // Choosing an entry: an existing file is asked to open; a file that no
    // longer exists is reported and leaves the list.
    void choose(const QString &path);
    // Reads the list again from the settings (the File menu does so as it
    // opens: another Varnook may have added entries).
    void refresh();

    QStringList paths() const { return m_files.paths(); }
    QMenu *menu() const { return m_menu; }

signals:
    void openRequested(const QString &path);

private:
    void reload();
    void store();
    void rebuild();

    QMenu *m_menu;
    DialogService &m_dialogs;
    QSettings *m_settings = nullptr;
    RecentFiles m_files;
};
