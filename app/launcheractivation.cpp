// SPDX-License-Identifier: MIT
#include "launcheractivation.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

constexpr int PieceSize = 20;
constexpr int MaxIdLength = 200;

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

xcb_window_t rootWindow(xcb_connection_t *connection)
{
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    return screens.rem > 0 ? screens.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

} // namespace

quint32 StartupIdUserTime(const QString &id)
{
    static const QRegularExpression time(QStringLiteral("_TIME([0-9]{1,10})$"));
    const QRegularExpressionMatch match = time.match(id);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qulonglong value = match.captured(1).toULongLong(&ok);
    return ok && value <= 0xFFFFFFFFull ? static_cast<quint32>(value) : 0;
}

bool IsUsableStartupId(const QString &id)
{
    if (id.isEmpty() || id.size() > MaxIdLength)
        return false;
    for (const QChar c : id) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F || c == QLatin1Char('"') || c == QLatin1Char('\\'))
            return false;
    }
    return true;
}

QList<QByteArray> StartupMessagePieces(const QByteArray &message)
{
    QByteArray bytes = message;
    bytes.append('\0');
    QList<QByteArray> pieces;
    for (qsizetype at = 0; at < bytes.size(); at += PieceSize) {
        QByteArray piece = bytes.mid(at, PieceSize);
        piece.append(QByteArray(PieceSize - piece.size(), '\0'));
        pieces.append(piece);
    }
    return pieces;
}

void EndLaunchFeedback(const QString &id)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !IsUsableStartupId(id))
        return;
    const xcb_window_t root = rootWindow(connection);
    const xcb_atom_t begin = internAtom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = internAtom(connection, "_NET_STARTUP_INFO");
    if (root == XCB_WINDOW_NONE || begin == XCB_ATOM_NONE || more == XCB_ATOM_NONE)
        return;
    const QList<QByteArray> pieces = StartupMessagePieces("remove: ID=" + id.toLatin1());
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof event);
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        event.type = i == 0 ? begin : more;
        std::memcpy(event.data.data8, pieces.at(i).constData(), PieceSize);
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char *>(&event));
    }
    xcb_flush(connection);
}

bool ActivateForLauncher(QWidget *window, const QString &id)
{
    xcb_connection_t *connection = x11Connection();
    const quint32 userTime = StartupIdUserTime(id);
    if (!connection || !window || userTime == 0 || !IsUsableStartupId(id))
        return false;
    const xcb_window_t root = rootWindow(connection);
    const xcb_atom_t activeWindow = internAtom(connection, "_NET_ACTIVE_WINDOW");
    if (root == XCB_WINDOW_NONE || activeWindow == XCB_ATOM_NONE)
        return false;
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window->winId());
    event.type = activeWindow;
    event.data.data32[0] = 1; // the request comes from an application
    event.data.data32[1] = userTime;
    event.data.data32[2] = XCB_WINDOW_NONE;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
    return true;
}
