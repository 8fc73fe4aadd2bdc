// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The scenario files last saved or loaded, newest first: at most Capacity
// absolute paths, each once. What the Reopen menu lists and the settings keep.
class RecentFiles
{
public:
    static constexpr int Capacity = 8;

    // From a stored list, which may have been edited by hand: empty and
    // relative entries and repeats are dropped, and only the first Capacity
    // are kept.
    explicit RecentFiles(const QStringList &stored = {});

    // The file goes to the top; the oldest beyond Capacity drops off.
    void add(const QString &path);
    // False when the file was not listed.
    bool remove(const QString &path);

    const QStringList &paths() const { return m_paths; }

    // The menu text of entry `index` (0 is the newest): access key 1 to 8,
    // then the file's name, or its full path where another listed file has
    // the same name. Ampersands in names are shown as such.
    QString menuText(int index) const;

private:
    QStringList m_paths;
};
