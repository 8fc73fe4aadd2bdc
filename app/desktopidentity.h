// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QString>

// The name under which the desktop knows Varnook: its launcher entry, icon,
// software-centre entry and scenario file type are all filed under it.
QString DesktopAppId();

// The application icon in every size the program carries (16 to 256 pixels),
// drawn from the same picture as the icon installed for the launcher.
QIcon VarnookIcon();
