// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "commandoption.h"

namespace {

// The words that name a command; any other first argument is a scenario file.
struct CommandWord
{
    const char *word;
    CommandLine::Command command;
    CommandOption::Serves bit;
};

constexpr CommandWord commandWords[] = {
    {"agents", CommandLine::Command::Agents, CommandOption::ForAgents},
    {"schedule", CommandLine::Command::Schedule, CommandOption::ForSchedule},
    {"shifts", CommandLine::Command::Shifts, CommandOption::ForShifts},
    {"week", CommandLine::Command::Week, CommandOption::ForWeek},
    {"forecast", CommandLine::Command::Forecast, CommandOption::ForForecast},
};

const CommandWord *wordOf(CommandLine::Command command)
{
    for (const CommandWord &word : commandWords) {
        if (word.command == command)
            return &word;
    }
    return nullptr;
}

QString commandName(CommandLine::Command command)
{
    const CommandWord *word = wordOf(command);
    return word ? QLatin1String(word->word) : QStringLiteral("a scenario file");
}

unsigned bitOf(CommandLine::Command command)
{
    const CommandWord *word = wordOf(command);
    return word ? word->bit : (command == CommandLine::Command::File ? CommandOption::ForFile : 0u);
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
        if (line.volumes || line.volumesFile || fieldsGiven)
            return QStringLiteral("--intervals sets the start, end and calls: give none of "
                                  "--start, --end, --calls, --volumes and --volumes-file");
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
    if (line.command == CommandLine::Command::Forecast && !line.historyFile)
        return QStringLiteral("forecast needs the history: --history FILE");
    if (line.command == CommandLine::Command::Shifts && line.shiftTexts.isEmpty() && !line.shiftsFile)
        return QStringLiteral("shifts needs shift types: --shift or --shifts-file");
    if (line.volumesFile == QStringLiteral("-") && line.shiftsFile == QStringLiteral("-"))
        return QStringLiteral("standard input serves either --volumes-file or --shifts-file, not both");
    if (line.command == CommandLine::Command::Week) {
        if (line.fileName.isEmpty() == !line.intervalsFile)
            return QStringLiteral("week needs either a week file or --intervals FILE: varnook-calc week WEEK.vnkw");
        if ((line.slotLength || line.weekOf) && !line.intervalsFile)
            return QStringLiteral("--slots and --week-of are only used with --intervals");
        if (line.toursFile == QStringLiteral("-") && line.intervalsFile == QStringLiteral("-"))
            return QStringLiteral("standard input serves either --intervals or --tours-file, not both");
    }
    if (line.shiftsFile == QStringLiteral("-") && line.toursFile == QStringLiteral("-"))
        return QStringLiteral("standard input serves either --shifts-file or --tours-file, not both");
    if ((line.slotFloor[0] || line.slotFloor[1]) && !line.planGoal)
        return QStringLiteral("--slot-floor and --slot-abandon-max are only used with --plan-goal");
    if (!graphOptionSeen.isEmpty() && line.graphFile.isEmpty())
        return QStringLiteral("option %1 is only used with --graph").arg(graphOptionSeen);
    return std::nullopt;
}

// The command the first argument names: agents, schedule, shifts, week,
// forecast or a file.
CommandLine commandOf(const QString &first)
{
    CommandLine line;
    for (const CommandWord &word : commandWords) {
        if (first == QLatin1String(word.word)) {
            line.command = word.command;
            return line;
        }
    }
    if (first.startsWith(QLatin1Char('-')))
        return usageError(
            QStringLiteral("expected agents, schedule, shifts, week, forecast or a scenario file before \"%1\"").arg(first));
    line.command = CommandLine::Command::File;
    line.fileName = first;
    return line;
}

// Reads the option at arguments[*index] and its value, joined by '=' or the
// next argument (then *index moves on to it); the usage error, or none.
// `graphOptionSeen` keeps the last option that only --graph uses.
std::optional<QString> readOption(CommandLine &line, const QStringList &arguments, int *index,
                                  QString *graphOptionSeen)
{
    const QString &argument = arguments.at(*index);
    // week takes its week file among the options, once.
    if (line.command == CommandLine::Command::Week && line.fileName.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
        line.fileName = argument;
        return std::nullopt;
    }
    if (!argument.startsWith(QLatin1String("--")))
        return QStringLiteral("unexpected argument \"%1\"").arg(argument);
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? argument : argument.left(equals);
    const CommandOption *info = CommandOption::find(name);
    if (!info)
        return QStringLiteral("unknown option \"%1\"").arg(name);
    if (!(info->serves & bitOf(line.command)))
        return QStringLiteral("option %1 is not used with %2").arg(name, commandName(line.command));
    QString value;
    if (!info->takesValue) {
        if (equals >= 0)
            return QStringLiteral("option %1 takes no value").arg(name);
    } else if (equals >= 0) {
        value = argument.mid(equals + 1);
    } else if (*index + 1 < arguments.size()) {
        value = arguments.at(++*index);
    } else {
        return QStringLiteral("option %1 needs a value").arg(name);
    }
    if (info->graphOnly)
        *graphOptionSeen = name;
    return info->read(line, value);
}

// --help or -h anywhere, even where a value would stand, wins over --version.
std::optional<CommandLine::Command> helpOrVersion(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return CommandLine::Command::Help;
    }
    if (arguments.contains(QLatin1String("--version")))
        return CommandLine::Command::Version;
    return std::nullopt;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    if (const std::optional<CommandLine::Command> command = helpOrVersion(arguments)) {
        CommandLine line;
        line.command = *command;
        return line;
    }
    if (arguments.isEmpty())
        return usageError(QStringLiteral("no command given"));

    CommandLine line = commandOf(arguments.first());
    if (!line.error.isEmpty())
        return line;
    QString graphOptionSeen; // to refuse without --graph
    for (int i = 1; i < arguments.size(); ++i) {
        if (const std::optional<QString> error = readOption(line, arguments, &i, &graphOptionSeen))
            return usageError(*error);
    }
    if (const std::optional<QString> error = combinationError(line, graphOptionSeen))
        return usageError(*error);
    return line;
}
