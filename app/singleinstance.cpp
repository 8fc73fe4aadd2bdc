// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include "handovermessage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <memory>
#include <unistd.h>

namespace {

// The longest path a local socket may have: sockaddr_un's 108 bytes less
// the closing zero.
constexpr int MaxSocketPath = 107;
// A client that connects and does not finish its message within this time
// is dropped, so that it cannot hold a connection for ever.
constexpr int ClientTimeoutMs = 10000;

QString safeWord(const QString &word)
{
    QString safe = word;
    for (QChar &c : safe) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || c == QLatin1Char('.') || c == QLatin1Char('_') || c == QLatin1Char('-');
        if (!plain)
            c = QLatin1Char('_');
    }
    return safe;
}

} // namespace

QString InstanceServerName(const QString &runtimeDir, const QString &user, const QString &platform,
                           const QString &display)
{
    const QString words = safeWord(user) + QLatin1Char('-') + safeWord(platform) + QLatin1Char('-') + safeWord(display);
    const QString folder = QDir::cleanPath(runtimeDir) + QLatin1Char('/');
    const QString readable = folder + QStringLiteral("varnook-") + words;
    if (readable.toLocal8Bit().size() <= MaxSocketPath)
        return readable;
    // The words themselves (not their safe forms) are hashed, so that two
    // displays that differ only in a replaced character keep two names.
    const QString original = user + QChar(0) + platform + QChar(0) + display;
    const QByteArray hash = QCryptographicHash::hash(original.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return folder + QStringLiteral("varnook-") + QString::fromLatin1(hash);
}

QString SameDisplayName(const QString &platform, const QString &display)
{
    if (platform == QLatin1String("wayland"))
        return display.isEmpty() ? QStringLiteral("wayland-0") : display;
    // An X display ":0" and its screen ":0.0" are one display.
    static const QRegularExpression screenSuffix(QStringLiteral("^(.*:[0-9]+)\\.[0-9]+$"));
    const QRegularExpressionMatch match = screenSuffix.match(display);
    return match.hasMatch() ? match.captured(1) : display;
}

QString DefaultInstanceServerName()
{
    const QString platform = QGuiApplication::platformName();
    const QString display = SameDisplayName(platform, platform == QLatin1String("wayland")
                                                          ? qEnvironmentVariable("WAYLAND_DISPLAY")
                                                          : qEnvironmentVariable("DISPLAY"));
    // Without a usable runtime folder (one owned by another user, say) the
    // socket goes to the temporary folder; its name holds the user's number
    // and only that user may connect.
    QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtimeDir.isEmpty())
        runtimeDir = QDir::tempPath();
    return InstanceServerName(runtimeDir, QString::number(::getuid()), platform, display);
}

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_name(serverName)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

SingleInstance::Start SingleInstance::start(const QStringList &files, const QString &startupId, int timeoutMs)
{
    // Held while this start decides, so that of two starts at the same
    // moment one listens and the other hands over to it. A lock left by a
    // crashed process is taken over (QLockFile checks whether its owner
    // still runs); where no lock can be had, the start goes on without.
    QLockFile lock(m_name + QStringLiteral(".lock"));
    lock.tryLock(timeoutMs);
    switch (handOver(HandOverMessage::Encode(files, startupId), timeoutMs)) {
    case HandOver::Done:
        return Start::HandedOver;
    case HandOver::NoAnswer:
        // A Varnook listens but does not answer: its socket is not taken
        // from it, and this one runs on its own.
        return Start::Alone;
    case HandOver::NobodyListens:
        break;
    }
    // Nobody listens: a socket file there was left by a Varnook that ended
    // without closing it.
    QLocalServer::removeServer(m_name);
    return listen() ? Start::Primary : Start::Alone;
}

SingleInstance::HandOver SingleInstance::handOver(const QByteArray &message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return HandOver::NobodyListens;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return HandOver::NoAnswer;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return HandOver::NoAnswer;
    }
    char answer = 0;
    if (!socket.getChar(&answer) || answer != HandOverMessage::Ack)
        return HandOver::NoAnswer;
    socket.disconnectFromServer();
    return HandOver::Done;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        // Only this user may connect (the runtime folder is private anyway).
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    }
    return m_server->listen(m_name);
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        auto reader = std::make_shared<HandOverReader>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(ClientTimeoutMs, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
            const HandOverReader::Status status = reader->feed(socket->readAll());
            if (status == HandOverReader::Status::Invalid) {
                socket->abort();
            } else if (status == HandOverReader::Status::Complete) {
                socket->putChar(HandOverMessage::Ack);
                socket->flush();
                socket->disconnectFromServer();
                // The files open from the event loop, after this socket's
                // work is done: opening may show a message box.
                const QStringList files = reader->files();
                const QString startupId = reader->startupId();
                QMetaObject::invokeMethod(
                    this, [this, files, startupId] { emit filesReceived(files, startupId); }, Qt::QueuedConnection);
            }
        });
    }
}
