// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "planningoptioninfo.h"
#include "shiftplantext.h"
#include "staffingmodelinfo.h"
#include "varnookversion.h"

namespace {

// The graph's own options come last: every option from Series on is one
// that only --graph uses.
enum class Option {
    Field, Slots, Volumes, VolumesFile, Intervals, Format, Tab, Pdf, Paper, Model, Planning, Have, HaveFile,
    Shift, ShiftsFile, TimeLimit, WriteLp, PlanGoal,
    Graph, Series, Bar, Flat, Size
};

struct OptionInfo
{
    const char *name;
    Option option;
    Field field; // with Option::Field
};

constexpr OptionInfo options[] = {
    {"--calls", Option::Field, Field::Edit1},
    {"--start", Option::Field, Field::MaskEdit1},
    {"--end", Option::Field, Field::MaskEdit7},
    {"--talk", Option::Field, Field::MaskEdit2},
    {"--wrap", Option::Field, Field::MaskEdit3},
    {"--abandon", Option::Field, Field::MaskEdit4},
    {"--goal", Option::Field, Field::MaskEdit5},
    {"--goal-secs", Option::Field, Field::MaskEdit6},
    {"--slots", Option::Slots, Field::Edit1},
    {"--volumes", Option::Volumes, Field::Edit1},
    {"--volumes-file", Option::VolumesFile, Field::Edit1},
    {"--intervals", Option::Intervals, Field::Edit1},
    {"--format", Option::Format, Field::Edit1},
    {"--tab", Option::Tab, Field::Edit1},
    {"--pdf", Option::Pdf, Field::Edit1},
    {"--paper", Option::Paper, Field::Edit1},
    {"--model", Option::Model, Field::Edit1},
    {"--have", Option::Have, Field::Edit1},
    {"--have-file", Option::HaveFile, Field::Edit1},
    {"--shift", Option::Shift, Field::Edit1},
    {"--shifts-file", Option::ShiftsFile, Field::Edit1},
    {"--time-limit", Option::TimeLimit, Field::Edit1},
    {"--write-lp", Option::WriteLp, Field::Edit1},
    {"--plan-goal", Option::PlanGoal, Field::Edit1},
    {"--graph", Option::Graph, Field::Edit1},
    {"--series", Option::Series, Field::Edit1},
    {"--bar", Option::Bar, Field::Edit1},
    {"--flat", Option::Flat, Field::Edit1},
    {"--size", Option::Size, Field::Edit1},
};

// Options that stand alone, without a value.
// The slot length of a --slots value: exactly "15", "30" or "60".
std::optional<SlotLength> ParseSlotsOption(const QString &value)
{
    for (SlotLength length : SlotLengths) {
        if (value == QString::number(minutesOf(length)))
            return length;
    }
    return std::nullopt;
}

bool isSwitch(Option option)
{
    return option == Option::Bar || option == Option::Flat;
}

// "640x400": both sides from 50 to 10000 pixels.
bool readSize(const QString &text, int *width, int *height)
{
    const QStringList sides = text.split(QLatin1Char('x'));
    if (sides.size() != 2)
        return false;
    bool okWidth = false;
    bool okHeight = false;
    const int w = sides.at(0).toInt(&okWidth);
    const int h = sides.at(1).toInt(&okHeight);
    if (!okWidth || !okHeight || w < 50 || h < 50 || w > 10000 || h > 10000)
        return false;
    *width = w;
    *height = h;
    return true;
}

const OptionInfo *findOption(const QString &name)
{
    for (const OptionInfo &info : options) {
        if (name == QLatin1String(info.name))
            return &info;
    }
    // The planning options' names are those of their table.
    static const OptionInfo planning{"", Option::Planning, Field::Edit1};
    for (const PlanningOptionInfo &info : PlanningOptionInfo::all()) {
        if (info.option != PlanningOption::Model && name == info.commandLineOption)
            return &planning;
    }
    return nullptr;
}

bool allowed(Option option, CommandLine::Command command)
{
    const bool shifts = command == CommandLine::Command::Shifts;
    switch (option) {
    case Option::Format:
    case Option::Model:
    case Option::Planning:
        return true;
    case Option::Pdf:
    case Option::Paper:
    case Option::Graph:
    case Option::Series:
    case Option::Bar:
    case Option::Flat:
    case Option::Size:
        return !shifts;
    case Option::Field:
        return command != CommandLine::Command::File;
    case Option::Slots:
    case Option::Volumes:
    case Option::VolumesFile:
    case Option::Intervals:
        return command == CommandLine::Command::Schedule || shifts;
    case Option::Shift:
    case Option::ShiftsFile:
    case Option::TimeLimit:
    case Option::WriteLp:
    case Option::PlanGoal:
        return shifts;
    case Option::Have:
    case Option::HaveFile:
        return command == CommandLine::Command::Schedule;
    case Option::Tab:
        return command == CommandLine::Command::File;
    }
    return false;
}

QString commandName(CommandLine::Command command)
{
    switch (command) {
    case CommandLine::Command::Agents:
        return QStringLiteral("agents");
    case CommandLine::Command::Schedule:
        return QStringLiteral("schedule");
    case CommandLine::Command::Shifts:
        return QStringLiteral("shifts");
    default:
        return QStringLiteral("a scenario file");
    }
}

// The value of a shift planner's option into `line`; the usage error, or none.
std::optional<QString> applyShiftOption(CommandLine &line, Option option, const QString &value)
{
    switch (option) {
    case Option::Shift:
        line.shiftTexts << value;
        break;
    case Option::ShiftsFile:
        line.shiftsFile = value;
        break;
    case Option::TimeLimit: {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds > 86400)
            return QStringLiteral("--time-limit must be seconds above 0, at most 86400, not \"%1\"").arg(value);
        line.timeLimitSeconds = seconds;
        break;
    }
    case Option::WriteLp:
        if (value.isEmpty())
            return QStringLiteral("--write-lp needs a file name");
        line.lpFile = value;
        break;
    case Option::PlanGoal:
        if (value == ShiftPlanText::goalKey(ShiftGoal::Cover))
            line.planGoal = ShiftGoal::Cover;
        else if (value == ShiftPlanText::goalKey(ShiftGoal::ServiceLevel))
            line.planGoal = ShiftGoal::ServiceLevel;
        else
            return QStringLiteral("--plan-goal must be cover or service, not \"%1\"").arg(value);
        break;
    default:
        break;
    }
    return std::nullopt;
}

// The value of an input, slot, volume, model, planning or roster option
// into `line`; the usage error, or none.
std::optional<QString> applyInputOption(CommandLine &line, const OptionInfo &info, const QString &name,
                                        const QString &value)
{
    switch (info.option) {
    case Option::Field:
        line.fields[static_cast<std::size_t>(info.field)] = value;
        break;
    case Option::Slots:
        line.slotLength = ParseSlotsOption(value);
        if (!line.slotLength)
            return QStringLiteral("--slots must be 30 or 60, or 15 for quarter hours, not \"%1\"").arg(value);
        break;
    case Option::Volumes:
        line.volumes = value.split(QLatin1Char(','));
        break;
    case Option::VolumesFile:
        line.volumesFile = value;
        break;
    case Option::Intervals:
        line.intervalsFile = value;
        break;
    case Option::Model: {
        const std::optional<QueueModel> model = StaffingModelInfo::ofKey(value);
        if (!model)
            return QStringLiteral("--model must be %1, not \"%2\"").arg(StaffingModelInfo::keysText(false), value);
        line.model = model;
        break;
    }
    case Option::Planning:
        if (name == PlanningOptionInfo::of(PlanningOption::Shrinkage).commandLineOption)
            line.shrinkage = value;
        else if (name == PlanningOptionInfo::of(PlanningOption::MaxOccupancy).commandLineOption)
            line.maxOccupancy = value;
        else if (name == PlanningOptionInfo::of(PlanningOption::MaxAbandon).commandLineOption)
            line.maxAbandon = value;
        else
            line.paidHours = value;
        break;
    case Option::Have:
        line.have = value;
        break;
    case Option::HaveFile:
        line.haveFile = value;
        break;
    default:
        return applyShiftOption(line, info.option, value);
    }
    return std::nullopt;
}

// The value of an output option (format, PDF, paper, tab) into `line`.
std::optional<QString> applyOutputOption(CommandLine &line, Option option, const QString &value)
{
    switch (option) {
    case Option::Format:
        if (value == QLatin1String("table"))
            line.format = OutputFormat::Table;
        else if (value == QLatin1String("csv"))
            line.format = OutputFormat::Csv;
        else if (value == QLatin1String("json"))
            line.format = OutputFormat::Json;
        else
            return QStringLiteral("--format must be table, csv or json, not \"%1\"").arg(value);
        line.formatGiven = true;
        break;
    case Option::Pdf:
        if (value.isEmpty())
            return QStringLiteral("--pdf needs a file name");
        line.pdfFile = value;
        break;
    case Option::Paper:
        if (value == QLatin1String("a4"))
            line.paper = PaperSize::A4;
        else if (value == QLatin1String("letter"))
            line.paper = PaperSize::Letter;
        else
            return QStringLiteral("--paper must be a4 or letter, not \"%1\"").arg(value);
        line.paperGiven = true;
        break;
    case Option::Tab:
        if (value == QLatin1String("agents"))
            line.tab = Tab::Agents;
        else if (value == QLatin1String("schedule"))
            line.tab = Tab::Schedule;
        else
            return QStringLiteral("--tab must be agents or schedule, not \"%1\"").arg(value);
        break;
    default:
        break;
    }
    return std::nullopt;
}

// The value of a graph option into `line`.
std::optional<QString> applyGraphOption(CommandLine &line, Option option, const QString &value)
{
    switch (option) {
    case Option::Graph:
        if (!value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
            && !value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            return QStringLiteral("--graph needs a file ending in .png or .pdf, not \"%1\"").arg(value);
        line.graphFile = value;
        break;
    case Option::Series:
        line.graphSeries = value.isEmpty() ? QStringList() : value.split(QLatin1Char(','));
        break;
    case Option::Bar:
        line.graphBar = true;
        break;
    case Option::Flat:
        line.graphFlat = true;
        break;
    case Option::Size:
        if (!readSize(value, &line.graphWidth, &line.graphHeight))
            return QStringLiteral("--size must be WIDTHxHEIGHT, each 50 to 10000, not \"%1\"").arg(value);
        break;
    default:
        break;
    }
    return std::nullopt;
}

CommandLine usageError(const QString &error)
{
    CommandLine line;
    line.error = error;
    return line;
}

// What the options given together may not do; the usage error, or none.
std::optional<QString> combinationError(const CommandLine &line, const QString &graphOptionSeen)
{
    if (line.pdfFile && line.formatGiven)
        return QStringLiteral("--format is not used with --pdf");
    if (line.paperGiven && !line.pdfFile)
        return QStringLiteral("--paper is only used with --pdf");
    if (line.volumes && line.volumesFile)
        return QStringLiteral("give the volumes either with --volumes or with --volumes-file");
    if (line.intervalsFile) {
        const bool fieldsGiven = line.fields[static_cast<std::size_t>(Field::MaskEdit1)]
            || line.fields[static_cast<std::size_t>(Field::MaskEdit7)]
            || line.fields[static_cast<std::size_t>(Field::Edit1)];
        if (line.volumes || line.volumesFile || line.slotLength || fieldsGiven)
            return QStringLiteral("--intervals sets the slots, start, end and calls: give none of "
                                  "--slots, --start, --end, --calls, --volumes and --volumes-file");
        if (line.haveFile == QStringLiteral("-") && line.intervalsFile == QStringLiteral("-"))
            return QStringLiteral("standard input serves either --intervals or --have-file, not both");
        if (line.shiftsFile == QStringLiteral("-") && line.intervalsFile == QStringLiteral("-"))
            return QStringLiteral("standard input serves either --intervals or --shifts-file, not both");
    }
    if (line.have && line.haveFile)
        return QStringLiteral("give the roster either with --have or with --have-file");
    if (line.volumesFile == QStringLiteral("-") && line.haveFile == QStringLiteral("-"))
        return QStringLiteral("standard input serves either --volumes-file or --have-file, not both");
    if (line.pdfFile && !line.graphFile.isEmpty())
        return QStringLiteral("give either --pdf or --graph, not both");
    if (!line.graphFile.isEmpty() && line.formatGiven)
        return QStringLiteral("--format is not used with --graph");
    if (line.command == CommandLine::Command::Shifts && line.shiftTexts.isEmpty() && !line.shiftsFile)
        return QStringLiteral("shifts needs shift types: --shift or --shifts-file");
    if (line.volumesFile == QStringLiteral("-") && line.shiftsFile == QStringLiteral("-"))
        return QStringLiteral("standard input serves either --volumes-file or --shifts-file, not both");
    if (!graphOptionSeen.isEmpty() && line.graphFile.isEmpty())
        return QStringLiteral("option %1 is only used with --graph").arg(graphOptionSeen);
    return std::nullopt;
}

// The command the first argument names: agents, schedule, shifts or a file.
CommandLine commandOf(const QString &first)
{
    CommandLine line;
    if (first == QLatin1String("agents")) {
        line.command = CommandLine::Command::Agents;
    } else if (first == QLatin1String("schedule")) {
        line.command = CommandLine::Command::Schedule;
    } else if (first == QLatin1String("shifts")) {
        line.command = CommandLine::Command::Shifts;
    } else if (first.startsWith(QLatin1Char('-'))) {
        return usageError(
            QStringLiteral("expected agents, schedule, shifts or a scenario file before \"%1\"").arg(first));
    } else {
        line.command = CommandLine::Command::File;
        line.fileName = first;
    }
    return line;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            CommandLine help;
            help.command = CommandLine::Command::Help;
            return help;
        }
    }
    if (arguments.contains(QLatin1String("--version"))) {
        CommandLine version;
        version.command = CommandLine::Command::Version;
        return version;
    }
    if (arguments.isEmpty())
        return usageError(QStringLiteral("no command given"));

    CommandLine line = commandOf(arguments.first());
    if (!line.error.isEmpty())
        return line;

    QString graphOptionSeen; // a graph option, to refuse without --graph
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--")))
            return usageError(QStringLiteral("unexpected argument \"%1\"").arg(argument));
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const OptionInfo *info = findOption(name);
        if (!info)
            return usageError(QStringLiteral("unknown option \"%1\"").arg(name));
        if (!allowed(info->option, line.command))
            return usageError(QStringLiteral("option %1 is not used with %2").arg(name, commandName(line.command)));
        QString value;
        if (isSwitch(info->option)) {
            if (equals >= 0)
                return usageError(QStringLiteral("option %1 takes no value").arg(name));
        } else if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            return usageError(QStringLiteral("option %1 needs a value").arg(name));
        }

        std::optional<QString> error;
        if (info->option >= Option::Graph)
            error = applyGraphOption(line, info->option, value);
        else if (info->option == Option::Format || info->option == Option::Pdf || info->option == Option::Paper
                 || info->option == Option::Tab)
            error = applyOutputOption(line, info->option, value);
        else
            error = applyInputOption(line, *info, name, value);
        if (error)
            return usageError(*error);
        if (info->option >= Option::Series)
            graphOptionSeen = name;
    }
    if (const std::optional<QString> error = combinationError(line, graphOptionSeen))
        return usageError(*error);
    return line;
}

QString VersionText()
{
    return QStringLiteral("varnook-calc (Varnook) " VARNOOK_VERSION "\n");
}

QString HelpText()
{
    return QStringLiteral(
        "Usage:\n"
        "  varnook-calc agents   [call options] [--format F]\n"
        "  varnook-calc schedule [call options] [--slots 15|30|60] [--volumes V1,V2,... | --volumes-file FILE]\n"
        "                        [--format F]\n"
        "  varnook-calc schedule --intervals FILE [talk, wrap, abandon and goal options] [--format F]\n"
        "  varnook-calc FILE     [--tab agents|schedule] [--format F]\n"
        "  varnook-calc shifts   [call and schedule options] --shift DEF ... | --shifts-file FILE\n"
        "                        [--time-limit SECONDS] [--write-lp FILE] [--plan-goal G]\n"
        "                        [--format F]\n"
        "  (each form also takes the planning options; schedule also --have | --have-file)\n"
        "  varnook-calc FILE     [--tab agents|schedule] --pdf OUT.pdf [--paper a4|letter]\n"
        "  varnook-calc ... --graph OUT.png|OUT.pdf [--series KINDS] [--bar] [--flat] [--size WxH]\n"
        "\n"
        "Works out how many agents a call centre needs and the service callers get.\n"
        "\n"
        "agents     The service figures for a run of agent numbers over the whole\n"
        "           arrival period; the first row that meets the goal is marked.\n"
        "schedule   One row per 15-, 30- or 60-minute time slot of the arrival\n"
        "           period, with the agents each slot needs to meet the goal, then\n"
        "           the day's total number of calls and total time.\n"
        "FILE       Loads a scenario file (.vnk) and prints its table.\n"
        "shifts     The cheapest set of shifts that staffs the schedule's slots:\n"
        "           the shifts chosen, each slot's cover and the day's paid\n"
        "           agent-hours, proven optimal or with the solver's bound.\n"
        "\n"
        "Call options (left out, each keeps the value a new agent window shows):\n"
        "  --calls N          number of calls arriving in the period (default 0)\n"
        "  --start hh:mm      time the calls start arriving (default 08:00)\n"
        "  --end hh:mm        time the calls stop arriving; 24:00 is midnight (default 17:00)\n"
        "  --talk mm:ss       average talk time of a call (default 00:00)\n"
        "  --wrap mm:ss       after-call work time of a call (default 01:00)\n"
        "  --abandon mm:ss    how long a caller waits before hanging up (default 00:30)\n"
        "  --goal PCT         service level goal: percentage of calls answered ... (default 90)\n"
        "  --goal-secs S      ... within this many seconds (default 10)\n"
        "\n"
        "Schedule options:\n"
        "  --slots 15|30|60   length of the time slots in minutes (default 60)\n"
        "  --volumes V1,...   calls in each time slot, first slot first, as typed into\n"
        "                     the Calls column (a text that is not a whole number counts\n"
        "                     0; slots left out have 0). Without --calls the number of\n"
        "                     calls is their sum. Without --volumes, --calls is spread\n"
        "                     evenly over the slots.\n"
        "  --volumes-file FILE\n"
        "                     the same read from a file (\"-\" for standard input):\n"
        "                     one number per line, or a CSV column (of a table, its\n"
        "                     \"Calls\" column); a header line at the top is skipped.\n"
        "                     Every value must be a whole number from 0 up, with no\n"
        "                     more values than time slots; otherwise nothing is\n"
        "                     calculated and the value and its line are named.\n"
        "  --intervals FILE   a planner's interval file (\"-\" for standard input): a\n"
        "                     CSV or tab-separated table with a header row naming a\n"
        "                     time column (time, interval, start), a calls column\n"
        "                     (calls, offered, volume) and optionally AHT or handle\n"
        "                     time, talk, and after-call work (ACW, wrap), in seconds,\n"
        "                     mm:ss or hh:mm:ss. Sets the start, end and slot length\n"
        "                     (15, 30 or 60 minutes, from the times' spacing), the\n"
        "                     calls and each slot's own talk and after-call times (an\n"
        "                     AHT alone is talk time with no after-call work). A bad\n"
        "                     row is named with its line and nothing is calculated.\n"
        "\n"
        "Planning options (agents, schedule and FILE; left out, a FILE keeps its own):\n"
        "  --model erlang-c|erlang-a\n"
        "                     the queueing model (default erlang-c). With erlang-a,\n"
        "                     callers hang up after a mean patience of --abandon\n"
        "                     (at least 00:01), and the table may start below the load\n"
        "  --shrinkage PCT    share of paid time agents are off the phones, 0 to 95:\n"
        "                     adds the scheduled agents, agents / (1 - shrinkage)\n"
        "                     rounded up (\"Sched\"), and the day's totals\n"
        "  --max-occupancy PCT\n"
        "                     the goal row's usage may not exceed this, 1 to 100\n"
        "  --max-abandon PCT  the goal row's abandoned share may not exceed this,\n"
        "                     0 to 100\n"
        "  --paid-hours hh:mm paid time of one agent's day (default 08:00), for FTE\n"
        "                     A value out of range is invalid input (exit status 1).\n"
        "\n"
        "Roster (schedule only):\n"
        "  --have V1,...      the agents on the roster per time slot, first slot first\n"
        "                     (an empty entry: no value); adds what they give per slot\n"
        "  --have-file FILE   the same from a file (\"-\" for standard input), read as\n"
        "                     --volumes-file reads volumes (a table: its Have column)\n"
        "\n"
        "Shift planning (shifts only):\n"
        "  --shift NAME,LENGTH,EARLIEST,LATEST[,BREAK,FROM,TO[,paid]][,max=N]\n"
        "                     a shift type (repeatable): its length h:mm, the\n"
        "                     earliest and latest start hh:mm (a start every slot\n"
        "                     between them); a break of BREAK h:mm beginning FROM\n"
        "                     to TO h:mm after the shift's start, unpaid unless\n"
        "                     \"paid\"; at most N agents on the type. Example:\n"
        "                     --shift Day,8:00,07:00,12:00,0:30,3:00,5:00,max=20\n"
        "  --shifts-file FILE the same, one per line (\"-\" for standard input);\n"
        "                     empty lines and lines starting with # are skipped\n"
        "  --time-limit S     stop the solver after S seconds (default 10) with the\n"
        "                     best plan found and its bound\n"
        "  --write-lp FILE    also write the model solved in the CPLEX LP format\n"
        "                     Each slot needs its Sched agents (with --shrinkage), else\n"
        "                     its Agents. Slots no shift reaches are named and left\n"
        "                     out; with maximums the plan first keeps the shortfall\n"
        "                     (agent-slots) smallest. A shift type that does not fit\n"
        "                     the day is invalid input, naming the shift and field.\n"
        "  --plan-goal cover|service\n"
        "                     plan to cover every slot, or for the cheapest shifts\n"
        "                     whose day's service level (as the roster check gives\n"
        "                     it) reaches --goal, some slots below their need;\n"
        "                     either prints both plans' paid hours and day's\n"
        "                     service level side by side (each solve within the\n"
        "                     time limit; --write-lp writes the goal's model)\n"
        "\n"
        "File option:\n"
        "  --tab agents|schedule  which table to print (default agents)\n"
        "\n"
        "Output:\n"
        "  --format table     aligned columns (default); \"<- goal\" marks the goal row\n"
        "  --format csv       header row and every row, comma-separated with RFC 4180\n"
        "                     quoting and CR LF line ends\n"
        "  --format json      one object: inputs, tab, goalRow, table, values (each\n"
        "                     row's figures as numbers: agents, serviceLevel,\n"
        "                     waitProbability, abandonRate, usage as fractions,\n"
        "                     answerSeconds, queueSeconds, queueLength, trunks; on a\n"
        "                     schedule also slot and calls) and for a schedule\n"
        "                     totalTime, halfHourSlots, slotCalls (slotMinutes too\n"
        "                     with 15-minute slots). Options and a\n"
        "                     roster add sched, have, gap, haveValues per row and\n"
        "                     totals, roster objects (the table and CSV end with the\n"
        "                     day's figures); slot times add talkSeconds and\n"
        "                     wrapSeconds per row (null: the fields' times). For\n"
        "                     shifts: shifts, coverage (per slot), totals and\n"
        "                     solver (status, optimal, objective, bound, seconds);\n"
        "                     --plan-goal adds goal, comparison and, for service,\n"
        "                     service (goal, serviceLevel, meetsGoal, reachable)\n"
        "  --pdf OUT.pdf      instead of a table, the printed report (inputs and\n"
        "                     table, portrait, paged) as a PDF file; also with\n"
        "                     agents and schedule, whose FILE line reads *.vnk\n"
        "  --paper a4|letter  paper size of the PDF (default a4)\n"
        "\n"
        "Graph:\n"
        "  --graph OUT        draws the graph of the table, as a new graph window shows\n"
        "                     it, into OUT (.png picture or .pdf page) instead of\n"
        "                     printing the table\n"
        "  --series KINDS     the series, by their menu captions separated by commas:\n"
        "                     Agents, Service Level, Queued, Abandoned, Usage, Average\n"
        "                     Answer, Queue Time, Average Queue, Trunks (the tab's own\n"
        "                     only); Sched with --shrinkage, Have with a roster,\n"
        "                     Handle Time with slot times (--intervals).\n"
        "                     Default: Service Level,Queued on the Agents tab,\n"
        "                     Agents,Abandoned on the Schedule. Percentages, times and\n"
        "                     numbers together leave the numbers out, said on stderr.\n"
        "  --bar              bars instead of lines\n"
        "  --flat             without the 3D view\n"
        "  --size WxH         size in pixels (default 640x400); a PDF page is that\n"
        "                     size at 96 pixels an inch\n"
        "\n"
        "--version prints the program's version; --help this text.\n"
        "\n"
        "Options take their value as --calls 100 or --calls=100; a value may begin\n"
        "with '-'. Name a scenario file called agents or schedule as ./agents.\n"
        "\n"
        "Exit status: 0 done; 1 invalid input (the field is named); 2 usage error;\n"
        "3 the scenario file cannot be opened or is not a sound scenario file, or the\n"
        "volumes or shifts file cannot be read, or the PDF, graph or LP file cannot\n"
        "be written (no partial file is left); 4 the shift planner stopped (time\n"
        "limit) before it found any plan.\n");
}
