// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// The local socket's name for one user's Varnook on one display: a file in
// `runtimeDir` (the user's private runtime folder) named after the user, the
// window system (platform) and the display, with every character outside
// [A-Za-z0-9._-] replaced. Where that path would pass the 107 bytes a local
// socket's path may have, the name part is a hash of the same words.
QString InstanceServerName(const QString &runtimeDir, const QString &user, const QString &platform,
                           const QString &display);

// One spelling per display: an X display's screen number is dropped
// (":0.0" is ":0"), and Wayland's default socket is named when unset.
QString SameDisplayName(const QString &platform, const QString &display);

// The name for this process: the runtime folder from QStandardPaths, the
// login name, the Qt platform and $DISPLAY or $WAYLAND_DISPLAY. An offscreen
// run and a run on the desktop never share a name.
QString DefaultInstanceServerName();

// One Varnook per user and display. The first start listens on the local
// socket; a later start hands its scenario files to it and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Start {
        HandedOver, // a running Varnook took the files: this process ends
        Primary,    // none runs: this process now receives later starts
        Alone,      // none could be reached nor listened for: run on anyway
    };

    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Hands `files` (absolute paths) and the launcher's start-up id (may be
    // empty) to a running Varnook of this name, or,
    // where none answers, removes a socket left by one that crashed and
    // listens. A lock file beside the socket keeps two starts at the same
    // moment from both listening. Waits at most `timeoutMs` for an answer.
    Start start(const QStringList &files, const QString &startupId = {}, int timeoutMs = 5000);

    QString serverName() const { return m_name; }
    bool isListening() const;

signals:
    // A later start handed these files over (none: it only asks the running
    // Varnook to come to the front), with its launcher's start-up id. Sent
    // after the hand-over was answered, from the event loop, so that opening
    // them may show messages.
    void filesReceived(const QStringList &files, const QString &startupId);

private:
    enum class HandOver { Done, NobodyListens, NoAnswer };

    HandOver handOver(const QByteArray &message, int timeoutMs);
    bool listen();
    void acceptConnection();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
