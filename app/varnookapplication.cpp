// SPDX-License-Identifier: MIT
#include "varnookapplication.h"

#include "desktopidentity.h"
#include "dialogservice.h"

#include <exception>

VarnookApplication::VarnookApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Varnook"));
    // Every window without an icon of its own, the child windows in the
    // main window's area included, shows the application's.
    setWindowIcon(VarnookIcon());
    setDesktopFileName(DesktopAppId());
}

bool VarnookApplication::notify(QObject *receiver, QEvent *event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QStringLiteral("Unexpected error");
    }
    try {
        if (m_dialogs)
            m_dialogs->error(message);
    } catch (...) {
    }
    return false;
}
