// SPDX-License-Identifier: MIT
#include "reopenmenu.h"

#include "dialogservice.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString SettingsKey = QStringLiteral("RecentFiles");

} // namespace

ReopenMenu::ReopenMenu(QMenu *menu, DialogService &dialogs, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_dialogs(dialogs)
{
    m_menu->setToolTipsVisible(true);
    rebuild();
}

void ReopenMenu::refresh()
{
    reload();
    rebuild();
}

void ReopenMenu::setSettings(QSettings *settings)
{
    m_settings = settings;
    reload();
    rebuild();
}

void ReopenMenu::reload()
{
    if (!m_settings)
        return;
    m_settings->sync();
    m_files = RecentFiles(m_settings->value(SettingsKey).toStringList());
}

void ReopenMenu::store()
{
    if (!m_settings)
        return;
    m_settings->setValue(SettingsKey, m_files.paths());
    m_settings->sync();
}

void ReopenMenu::add(const QString &path)
{
    reload();
    m_files.add(path);
    store();
    rebuild();
}

void ReopenMenu::choose(const QString &path)
{
    if (QFileInfo::exists(path)) {
        emit openRequested(path);
        return;
    }
    reload();
    m_files.remove(path);
    store();
    rebuild();
    m_dialogs.error(QStringLiteral("The scenario file \"%1\" no longer exists; it has been removed from the Reopen list")
                        .arg(QDir::toNativeSeparators(path)));
}

void ReopenMenu::rebuild()
{
    // A menu that is open is not cleared under the mouse: the entries are
    // rebuilt once it opens again.
    if (m_menu->isVisible())
        return;
    m_menu->clear();
    const QStringList &paths = m_files.paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QAction *action = m_menu->addAction(m_files.menuText(i));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        // From the event loop: choosing may rebuild the menu, which deletes
        // the action whose signal is still being sent.
        connect(action, &QAction::triggered, this, [this, path] { choose(path); }, Qt::QueuedConnection);
    }
    m_menu->setEnabled(!paths.isEmpty());
}
