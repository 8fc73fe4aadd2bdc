// SPDX-License-Identifier: MIT
#pragma once

#include "scenarioinputs.h"

#include <QString>

#include <optional>

class ReportDocument;
class WeekWindow;

// What a week window asks of the main window: the agent windows of its
// days, and the Reopen list.
class WeekWindowHost
{
public:
    virtual ~WeekWindowHost() = default;

    // Shows `inputs` in the agent window of `day` of `window` (0 is
    // Monday), opening one where none is open, and brings it to the front
    // unless `quietly`.
    virtual void showDay(WeekWindow &window, int day, const ScenarioInputs &inputs, bool quietly) = 0;
    // The inputs of the day's agent window while one is open.
    virtual std::optional<ScenarioInputs> dayWindowInputs(const WeekWindow &window, int day) const = 0;
    // A week file was saved or loaded (its full path).
    virtual void weekFileUsed(const QString &path) = 0;
    // Prints the report through the print dialog, as every window's Print.
    virtual void print(const ReportDocument &document) = 0;
};
