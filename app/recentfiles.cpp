// SPDX-License-Identifier: MIT
#include "recentfiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

// One spelling per file: "a/../b.vnk" and "b.vnk" are one entry.
QString normalised(const QString &path)
{
    return QDir::cleanPath(path);
}

} // namespace

RecentFiles::RecentFiles(const QStringList &stored)
{
    for (const QString &entry : stored) {
        if (m_paths.size() == Capacity)
            break;
        if (entry.isEmpty() || QDir::isRelativePath(entry))
            continue;
        const QString path = normalised(entry);
        if (!m_paths.contains(path))
            m_paths.append(path);
    }
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString full = normalised(QFileInfo(path).absoluteFilePath());
    m_paths.removeAll(full);
    m_paths.prepend(full);
    while (m_paths.size() > Capacity)
        m_paths.removeLast();
}

bool RecentFiles::remove(const QString &path)
{
    return m_paths.removeAll(normalised(path)) > 0;
}

QString RecentFiles::menuText(int index) const
{
    if (index < 0 || index >= m_paths.size())
        return {};
    const QString &path = m_paths.at(index);
    const QString name = QFileInfo(path).fileName();
    int sameName = 0;
    for (const QString &other : m_paths) {
        if (QFileInfo(other).fileName() == name)
            ++sameName;
    }
    QString shown = sameName > 1 ? QDir::toNativeSeparators(path) : name;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
