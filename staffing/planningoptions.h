// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The queueing model a scenario's tables are computed with.
enum class QueueModel {
    ErlangC, // callers never hang up; abandonment is an estimate
    ErlangA, // callers hang up after an exponentially distributed patience
};

// The options a planner may set on a scenario beyond its eight fields. With
// every option at its default the scenario's tables, files, reports and
// graphs are exactly those of a scenario without options.
struct PlanningOptions
{
    static constexpr double MaxShrinkagePercent = 95;
    static constexpr double MinOccupancyPercent = 1;
    static constexpr int DefaultPaidMinutes = 8 * 60;
    static constexpr int MinPaidMinutes = 1;
    static constexpr int MaxPaidMinutes = 24 * 60;

    QueueModel model = QueueModel::ErlangC;
    // The share of paid time agents are not on the phones, 0 to 95.
    double shrinkagePercent = 0;
    // The highest usage the goal row may have, 1 to 100; compared exactly.
    std::optional<double> maxOccupancyPercent;
    // The highest abandonment the goal row may have, 0 to 100; compared
    // exactly.
    std::optional<double> maxAbandonPercent;
    // The paid time of one agent's day, which turns agent-hours into
    // full-time equivalents.
    int paidMinutes = DefaultPaidMinutes;

    bool operator==(const PlanningOptions &other) const;
    bool operator!=(const PlanningOptions &other) const { return !(*this == other); }
    // True when no option differs from its default.
    bool isDefault() const { return *this == PlanningOptions(); }
    // Whether the scheduled agents differ from the required ones, so that a
    // "Sched" column is shown.
    bool hasShrinkage() const { return shrinkagePercent > 0; }

    // The agents to put on the roster so that `agents` answer calls:
    // agents / (1 - shrinkage), rounded up to a whole agent. Dividing is
    // right and adding is wrong: 70 required at 30 % is 100, not 91.
    double scheduledAgents(double agents) const;
    // The agents of a roster of `rostered` who answer calls: rostered x
    // (1 - shrinkage), rounded down to a whole agent, exactly as
    // scheduledAgents rounds up (10 at 30 % is 7).
    int answeringAgents(int rostered) const;
};

// The options one by one, in the order the window and the report list them.
enum class PlanningOption { Model, Shrinkage, MaxOccupancy, MaxAbandon, PaidHours };


// A percentage option: a number with at most two decimals and "." as the
// decimal point, optionally followed by "%", blanks around it allowed;
// empty when the text is not one or lies outside [min, max].
std::optional<double> ParsePercentOption(const QString &text, double min, double max);
// The shortest text that reads back as the same percentage: "30", "2.5".
QString PercentOptionText(double percent);

// Paid hours "h:mm" or "hh:mm" (a bare "8" is 8 hours) from 00:01 to 24:00,
// as minutes; empty otherwise.
std::optional<int> ParsePaidHours(const QString &text);
// "08:00", "24:00".
QString PaidHoursText(int minutes);
