// SPDX-License-Identifier: MIT
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>

const QByteArray ExampleScenarioFile = "vnk\r\n90\r\n10\r\n200\r\n08:00\r\n03:00\r\n00:30\r\n00:30\r\n"
                                       "08:00\r\n10:00\r\n1\r\n120\r\n80\r\n";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString writeFileIn(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    writeFile(path, bytes);
    return path;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    if (getrlimit(RLIMIT_FSIZE, &m_saved) != 0)
        return;
    rlimit tiny = m_saved;
    tiny.rlim_cur = bytes;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    m_active = setrlimit(RLIMIT_FSIZE, &tiny) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active)
        setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
}
