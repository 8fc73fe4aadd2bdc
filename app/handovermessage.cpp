// SPDX-License-Identifier: MIT
#include "handovermessage.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr char Magic[] = "VNK1";
constexpr int MagicSize = 4;
constexpr int HeaderSize = MagicSize + 4;

void appendNumber(QByteArray &bytes, quint32 value)
{
    char big[4];
    qToBigEndian(value, big);
    bytes.append(big, 4);
}

quint32 numberAt(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

} // namespace

QByteArray HandOverMessage::Encode(const QStringList &files, const QString &startupId)
{
    QByteArray payload;
    for (const QString &text : QStringList{startupId} + files) {
        const QByteArray utf8 = text.toUtf8();
        appendNumber(payload, static_cast<quint32>(utf8.size()));
        payload.append(utf8);
    }
    QByteArray message(Magic, MagicSize);
    appendNumber(message, static_cast<quint32>(payload.size()));
    message.append(payload);
    return message;
}

HandOverReader::Status HandOverReader::feed(const QByteArray &bytes)
{
    if (m_status != Status::Incomplete) {
        if (!bytes.isEmpty())
            m_status = Status::Invalid;
        return m_status;
    }
    m_buffer.append(bytes);
    m_status = parse();
    if (m_status != Status::Incomplete)
        m_buffer.clear();
    return m_status;
}

HandOverReader::Status HandOverReader::parse()
{
    // The magic is checked as soon as its bytes are there, so that a client
    // of another kind is turned away without waiting for more.
    const qsizetype magicSeen = std::min<qsizetype>(m_buffer.size(), MagicSize);
    if (m_buffer.left(magicSeen) != QByteArray(Magic, magicSeen))
        return Status::Invalid;
    if (m_buffer.size() < HeaderSize)
        return Status::Incomplete;
    const quint32 payloadSize = numberAt(m_buffer, MagicSize);
    if (payloadSize > HandOverMessage::MaxPayload)
        return Status::Invalid;
    const qsizetype end = HeaderSize + static_cast<qsizetype>(payloadSize);
    if (m_buffer.size() < end)
        return Status::Incomplete;
    if (m_buffer.size() > end)
        return Status::Invalid;

    QStringList texts;
    qsizetype at = HeaderSize;
    while (at < end) {
        if (end - at < 4)
            return Status::Invalid;
        const quint32 length = numberAt(m_buffer, at);
        at += 4;
        if (length > static_cast<quint32>(end - at))
            return Status::Invalid;
        texts.append(QString::fromUtf8(m_buffer.constData() + at, static_cast<qsizetype>(length)));
        at += static_cast<qsizetype>(length);
    }
    // The start-up id comes first and is always there.
    if (texts.isEmpty())
        return Status::Invalid;
    m_startupId = texts.takeFirst();
    m_files = texts;
    return Status::Complete;
}
