// SPDX-License-Identifier: MIT
#include "desktopidentity.h"

QString DesktopAppId()
{
    return QStringLiteral("org.varnook.Varnook");
}

QIcon VarnookIcon()
{
    // Rendered sizes rather than the drawing itself, so that no SVG support
    // is needed at run time and the small sizes stay crisp.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/org.varnook.Varnook.png").arg(size), QSize(size, size));
    return icon;
}
