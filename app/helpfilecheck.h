// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// `varnook --check-help`: an installation check that starts the program
// without a window and tells whether its help file can be shown. A scenario
// file that happens to be named "--check-help" still opens as a scenario.
bool IsHelpCheckRequest(const QStringList &arguments);

// What keeps the help file from being shown: missing, unreadable, or without
// the pages of the main window's and the graph window's help topics. Empty
// when it is sound. Reads the file as the help window does and never creates
// or changes it.
QString HelpFileProblem(const QString &helpFile);

// Prints the help file's path on standard output and returns 0 when it is
// sound; otherwise prints the problem on standard error and returns 1.
int ReportHelpFileCheck(const QString &helpFile);
