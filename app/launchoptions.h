// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// What `varnook` was asked to do at start-up. The options may stand anywhere
// among the file names; after "--" every argument is a file name, so that a
// scenario file named like an option can still be opened.
struct LaunchOptions
{
    bool newInstance = false; // --new-instance: run beside a running Varnook
    bool resetLayout = false; // --reset-layout: forget the remembered window layout
    bool version = false;     // --version: print the version and end
    QStringList files;        // the scenario files, as given
};

// Reads the arguments after the program's name (arguments[0]).
LaunchOptions ParseLaunchOptions(const QStringList &arguments);

// What `varnook --version` prints.
QString LaunchVersionText();
