// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What varnook-calc --help prints.
QString HelpText();

// What --version prints: the program's name and the project version.
QString VersionText();
