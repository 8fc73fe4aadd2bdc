// SPDX-License-Identifier: MIT
#pragma once

#include "dialogservice.h"

#include <QString>

#include <exception>
#include <new>

// Runs one event handler so that no exception leaves it: whatever the
// handler does not handle itself ends the handler and is reported in the
// standard error box; the program goes on with the next event.
template <typename Handler>
void RunHandler(DialogService &dialogs, Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const std::bad_alloc &) {
        try {
            dialogs.error(QStringLiteral("Out of memory"));
        } catch (...) {
        }
    } catch (const std::exception &e) {
        try {
            dialogs.error(QString::fromLocal8Bit(e.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            dialogs.error(QStringLiteral("Unexpected error"));
        } catch (...) {
        }
    }
}
