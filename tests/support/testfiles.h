// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/resource.h>

#include <csignal>

class QTemporaryDir;

// The 60-minute scenario file from 08:00 to 10:00 with 200 calls typed as
// 120 and 80, goal 90 % in 10 s, as a saved file holds it.
extern const QByteArray ExampleScenarioFile;

// Writes `bytes` to `path`, replacing the file; false when it was not
// written in full.
bool writeFile(const QString &path, const QByteArray &bytes);
// The same for a file `name` in `dir`; gives the file's path.
QString writeFileIn(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// Holds the process's file-size limit at `bytes` while it lives, so that a
// write beyond it fails as on a full disk (the signal such a write raises
// is ignored meanwhile); the old limit and signal handling come back after.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // Whether the limit was set; a test that relies on it checks this first.
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    bool m_active = false;
    void (*m_oldHandler)(int) = SIG_DFL;
};
