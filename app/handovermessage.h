// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

// The message a second start of Varnook sends the running one over the local
// socket: the launcher's start-up id (empty where there is none), which lets
// the running Varnook come to the front on a desktop that refuses windows
// the focus they did not get from the user, and the scenario files it was
// given, as absolute paths (none only asks it to come to the front).
//
// Layout: the four bytes "VNK1", the payload's length as a 32-bit unsigned
// big-endian number, then the start-up id and each file, each as its UTF-8
// length (32-bit big-endian) and its UTF-8 bytes. The receiver answers one
// byte, Ack, once the message is complete.
namespace HandOverMessage {

// The largest payload a receiver accepts: far more than any real list of
// file names, small enough that a stray client cannot make it hoard memory.
constexpr quint32 MaxPayload = 1024 * 1024;
constexpr char Ack = 'A';

QByteArray Encode(const QStringList &files, const QString &startupId = {});

} // namespace HandOverMessage

// Reads one message from bytes that arrive in pieces of any size.
class HandOverReader
{
public:
    enum class Status {
        Incomplete, // more bytes are needed
        Complete,   // files() holds the message
        Invalid,    // not a message of this kind, too long, or bytes past its end
    };

    // Adds bytes that arrived; once Invalid or Complete, further bytes make
    // it Invalid (a client sends one message).
    Status feed(const QByteArray &bytes);
    Status status() const { return m_status; }
    QStringList files() const { return m_files; }
    QString startupId() const { return m_startupId; }

private:
    Status parse();

    QByteArray m_buffer;
    QStringList m_files;
    QString m_startupId;
    Status m_status = Status::Incomplete;
};
