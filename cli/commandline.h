// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"
#include "forecastmethod.h"
#include "planningoptions.h"
#include "shiftplan.h"
#include "solvetimelimit.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <QDate>

#include <array>
#include <optional>
#include <vector>

enum class OutputFormat { Table, Csv, Json };
enum class PaperSize { A4, Letter };

// The arguments of varnook-calc, read but not yet acted on.
struct CommandLine
{
    enum class Command {
        None,     // a usage error: see error
        Help,     // --help or -h anywhere
        Version,  // --version anywhere (after --help)
        Agents,   // varnook-calc agents [field options]
        Schedule, // varnook-calc schedule [field options] [--slots] [--volumes | --volumes-file | --intervals]
        File,     // varnook-calc FILE [--tab]
        Shifts,   // varnook-calc shifts [schedule options] --shift ... | --shifts-file
        Week,     // varnook-calc week WEEK.vnkw | --intervals FILE [call, planning and plan options]
        Forecast, // varnook-calc forecast --history FILE [--method] [--exclude]
    };
    Command command = Command::None;
    QString error; // a usage error in words, without the program's name

    // Texts given for the input fields, indexed by Field; unset fields keep
    // a new window's text.
    std::array<std::optional<QString>, FieldCount> fields;
    std::optional<SlotLength> slotLength; // --slots 15, 30 or 60
    std::optional<QStringList> volumes; // --volumes, split at commas
    std::optional<QString> volumesFile; // --volumes-file: a file name, "-" for standard input
    // --intervals: an interval file ("-": standard input) that sets the
    // start, end, slot length, volumes and slot times.
    std::optional<QString> intervalsFile;
    OutputFormat format = OutputFormat::Table;
    bool formatGiven = false;
    Tab tab = Tab::Agents; // --tab, with a FILE
    QString fileName;      // the scenario file, or week's week file

    // --pdf: the printed report written to this file instead of a table.
    std::optional<QString> pdfFile;
    PaperSize paper = PaperSize::A4; // --paper, with --pdf
    bool paperGiven = false;

    // The planning options as given (checked with the scenario's own
    // options, so a value out of range is invalid input, not a usage error).
    std::optional<QueueModel> model;          // --model erlang-c|erlang-a
    std::optional<QString> shrinkage;         // --shrinkage PCT
    std::optional<QString> maxOccupancy;      // --max-occupancy PCT
    std::optional<QString> maxAbandon;        // --max-abandon PCT
    std::optional<QString> paidHours;         // --paid-hours hh:mm
    // The roster of the schedule: --have V1,V2,... or --have-file FILE|-.
    std::optional<QString> have;
    std::optional<QString> haveFile;

    // --graph OUT.png|OUT.pdf: the graph a new graph window would show,
    // instead of the table.
    QString graphFile;
    std::optional<QStringList> graphSeries; // --series, menu captions split at commas
    bool graphBar = false;                  // --bar
    bool graphFlat = false;                 // --flat: 3D view off
    int graphWidth = 640;                   // --size WxH, in pixels
    int graphHeight = 400;

    // The shift planner: shift types as typed (--shift, in order), a file of
    // them (--shifts-file, "-" for standard input), the solver's time limit
    // in seconds and a file for the model in the LP format.
    QStringList shiftTexts;
    std::optional<QString> shiftsFile;
    double timeLimitSeconds = SolveTimeLimit::DefaultSeconds;
    std::optional<QString> lpFile;
    // --plan-goal: the plan printed, with both plans side by side; none
    // prints the cover plan alone. For week the goal of the one plan.
    std::optional<ShiftGoal> planGoal;
    // The week planner's tour types as typed (--tour, in order) and a file
    // of them (--tours-file, "-" for standard input).
    QStringList tourTexts;
    std::optional<QString> toursFile;
    // --week-of: the week of a several days' --intervals file, by one of its dates.
    std::optional<QDate> weekOf;

    // The forecast: the history file ("-": standard input), the method the
    // planner picked (none: the backtest's choice) and the days left out.
    std::optional<QString> historyFile;
    std::optional<ForecastMethodKind> forecastMethod;
    std::vector<QDate> excludedDates;
    // --slot-floor PCT and --slot-abandon-max PCT, as given (checked with
    // the plan, so a value out of range is invalid input), in the order of
    // SlotFloorInfo::all(); only with --plan-goal.
    std::array<std::optional<QString>, 2> slotFloor;
};

// Reads the arguments after the program's name. Options take their value as
// "--opt value" or "--opt=value"; the value may begin with '-'.
CommandLine ParseCommandLine(const QStringList &arguments);

