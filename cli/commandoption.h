// SPDX-License-Identifier: MIT
#pragma once

#include "commandline.h"

#include <QString>

#include <optional>
#include <vector>

// One option of varnook-calc: the commands that take it and how its value is
// read. all() is the one table of the options.
struct CommandOption
{
    // The commands that take an option, one bit each.
    enum Serves : unsigned {
        ForAgents = 1u << 0,
        ForSchedule = 1u << 1,
        ForFile = 1u << 2,
        ForShifts = 1u << 3,
        ForWeek = 1u << 4,
        ForForecast = 1u << 5,
        ForEveryCommand = ForAgents | ForSchedule | ForFile | ForShifts | ForWeek, // the commands of a scenario
        ForTables = ForAgents | ForSchedule | ForFile, // the commands whose output is a table
        ForCalls = ForAgents | ForSchedule | ForShifts, // the commands that take the calls from options
        ForSlots = ForSchedule | ForShifts,
        ForPlans = ForShifts | ForWeek, // the commands that plan with a solver
        ForSettings = ForCalls | ForWeek, // the call settings every day of a week shares
    };
    // Reads the option's value into the command line; the usage error, or none.
    using ReadValue = std::optional<QString> (*)(CommandLine &line, const QString &value);

    QString name;     // "--calls"
    unsigned serves;  // the commands that take it, Serves bits
    ReadValue read;
    bool takesValue = true; // false: a switch, refused with "=value"
    bool graphOnly = false; // refused without --graph

    // Every option, with the planning options named as in their own table.
    static const std::vector<CommandOption> &all();
    // The option of that name ("--calls"), or none.
    static const CommandOption *find(const QString &name);
};
