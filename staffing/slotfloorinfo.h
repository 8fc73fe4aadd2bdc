// SPDX-License-Identifier: MIT
#pragma once

#include "slotfloor.h"

#include <QString>

#include <optional>
#include <vector>

// One of the two figures of a slot floor as the program offers it. all() is
// the one table of them: the shift types dialog, the scenario file's option
// lines and varnook-calc read their names, ranges and refusals from it. A
// value is a percentage as the planning options take one.
struct SlotFloorInfo
{
    std::optional<double> SlotFloor::*figure;
    QString description;       // "slot floor": the figure in a planner's words, in messages
    QString fileKey;           // "slot-floor": the key of its line in a scenario file
    QString commandLineOption; // "--slot-floor"
    QString dialogLabel;       // with its access key
    QString dialogHint;
    QString requirement;       // "a percentage from 1 to 99.9": what a refused value must be
    double minimum = 0;
    double maximum = 0;

    // The figure of `text`; none when it is not a percentage in range.
    std::optional<double> parse(const QString &text) const;
    // The shortest text that reads back as `percent`: "60", "2.5".
    static QString text(double percent);

    // The service level first, then the cap on abandoned calls.
    static const std::vector<SlotFloorInfo> &all();
};
