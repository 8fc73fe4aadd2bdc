// SPDX-License-Identifier: MIT
#pragma once

#include "forecastmethod.h"

#include <QString>

#include <array>
#include <optional>

// The words of each method: the --method key, the name tables show and
// what it does, in one table.
struct ForecastMethodInfo
{
    ForecastMethodKind kind;
    const char *key;         // "naive"
    const char *name;        // "Seasonal naive"
    const char *description; // for the help

    static const ForecastMethodInfo &of(ForecastMethodKind kind);
    static std::optional<ForecastMethodKind> ofKey(const QString &key);
    // Every method, in table order.
    static const std::array<ForecastMethodInfo, 4> &all();
    // "naive, average, daily or double".
    static QString keysText();
};
