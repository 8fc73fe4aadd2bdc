// SPDX-License-Identifier: MIT
#pragma once

#include "forecastsession.h"

#include <QString>

#include <optional>

class DialogService;

// A history file as the forecast window opens one: the file chooser set up
// for interval files, and the read, whose refusal (the file cannot be
// opened, or the reader's message naming the line) is shown, changing
// nothing.
class HistoryFile
{
public:
    // The chosen file's path; empty when the planner cancelled.
    static QString choose(DialogService &dialogs);
    // The file's forecast; none, with its message shown, when it cannot be
    // read or forecast from.
    static std::optional<ForecastSession> read(const QString &path, DialogService &dialogs);
};
