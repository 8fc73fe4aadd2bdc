// SPDX-License-Identifier: MIT
#include "calculator.h"

#include "planningoptioninfo.h"
#include "commandline.h"
#include "conversions.h"
#include "graphoutput.h"
#include "intervalimport.h"
#include "reportcontent.h"
#include "reportpdf.h"
#include "roster.h"
#include "scenariofile.h"
#include "scenariofilerecord.h"
#include "shiftplancommand.h"
#include "slotvolumepaste.h"
#include "tableoutput.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

namespace {

const QString programName = QStringLiteral("varnook-calc");

CalculatorRun failed(int status, const QString &message)
{
    return FailedRun(status, message);
}

CalculatorRun usageError(const QString &message)
{
    CalculatorRun run = failed(ExitUsage, message);
    run.err += QStringLiteral("Try \"%1 --help\".\n").arg(programName);
    return run;
}

// The refused input in words and by component name: "number of calls
// (Edit1)", or the slot whose Calls cell was refused.
QString describeFailure(const AgentScenario &scenario, const RecalcResult &result)
{
    if (result.failing.isGridRow()) {
        const int row = result.failing.row();
        return QStringLiteral("call volume of time slot %1 starting at %2 (%3, row %1)")
            .arg(row)
            .arg(scenario.StringGrid1().cell(ResultTable::TimeColumn, row), result.failing.name());
    }
    if (result.failing.isField()) {
        const QString field = QStringLiteral("%1 (%2)").arg(FieldDescription(result.failing.field()), result.failing.name());
        const QString reason = result.failing.reason();
        return reason.isEmpty() ? field : field + QStringLiteral(": ") + reason;
    }
    return result.failing.name();
}

void setFields(AgentScenario &scenario, const CommandLine &line)
{
    for (int i = 0; i < FieldCount; ++i) {
        if (const auto &text = line.fields[static_cast<std::size_t>(i)])
            scenario.setText(static_cast<Field>(i), *text);
    }
}

// The bytes of a file ("-": standard input), at most `limit`; or a run that
// failed. `what` names the file in messages ("volumes file").
std::optional<CalculatorRun> readInputFile(const QString &name, const QString &what, qint64 limit,
                                           const StandardInput &standardInput, QByteArray *bytes)
{
    if (name == QLatin1String("-")) {
        *bytes = standardInput ? standardInput(limit) : QByteArray();
        return std::nullopt;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return failed(ExitFileError, QStringLiteral("cannot open %1 \"%2\": %3").arg(what, name, file.errorString()));
    *bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return failed(ExitFileError, QStringLiteral("cannot read %1 \"%2\": %3").arg(what, name, file.errorString()));
    return std::nullopt;
}

QString whereRead(const QString &name, const QString &what)
{
    return name == QLatin1String("-") ? QStringLiteral("standard input") : QStringLiteral("%1 \"%2\"").arg(what, name);
}

// A column of slot figures from a file ("-": standard input), read as a
// paste into the Schedule is and checked against the day's slots from the
// first one; or a run that failed. `what` names the file in messages
// ("volumes file").
std::optional<CalculatorRun> readSlotColumnFile(const AgentScenario &scenario, const QString &name, const QString &what,
                                                VolumeRefusal::Subject subject, const StandardInput &standardInput,
                                                VolumeColumn *column)
{
    // One byte more than a list may hold tells a file that is too long.
    QByteArray bytes;
    if (auto failure = readInputFile(name, what, VolumeColumn::MaxTextLength + 1, standardInput, &bytes))
        return failure;
    const QString where = whereRead(name, what);
    auto refused = [&where, subject](VolumeRefusal refusal) {
        refusal.subject = subject;
        return failed(ExitInvalidInput, QStringLiteral("invalid input: %1: %2").arg(where, refusal.text()));
    };
    if (bytes.size() > VolumeColumn::MaxTextLength)
        return refused(VolumeRefusal(VolumeRefusal::Reason::TooLong));
    *column = VolumeColumn::read(QString::fromUtf8(bytes), VolumeColumn::Source::File, QLocale::system(), subject);
    if (column->refusal())
        return refused(*column->refusal());
    const TimeSlots day = scenario.timeSlots();
    const QString firstSlot = QStringLiteral("%1:%2").arg(day.hour, 2, 10, QLatin1Char('0')).arg(day.minute, 2, 10, QLatin1Char('0'));
    if (const auto refusal = SlotVolumePaste::checkFit(*column, 1, day.count, firstSlot))
        return refused(*refusal);
    return std::nullopt;
}

// --volumes-file: the volumes from the first slot on, checked as a paste
// into the Schedule is. Without --calls the number of calls is their sum.
std::optional<CalculatorRun> applyVolumesFile(AgentScenario &scenario, const CommandLine &line,
                                              const StandardInput &standardInput)
{
    VolumeColumn column;
    if (auto failure = readSlotColumnFile(scenario, *line.volumesFile, QStringLiteral("volumes file"),
                                          VolumeRefusal::Subject::Calls, standardInput, &column))
        return failure;
    SlotVolumePaste::store(scenario, 1, column);
    if (!line.fields[static_cast<std::size_t>(Field::Edit1)]) {
        qint64 sum = 0;
        for (const SlotVolume &volume : column.volumes())
            sum += volume.calls;
        scenario.setText(Field::Edit1, QString::number(sum));
    }
    return std::nullopt;
}

// --intervals: the day, its calls and slot times from an interval file.
std::optional<CalculatorRun> applyIntervalsFile(AgentScenario &scenario, const QString &name,
                                                const StandardInput &standardInput)
{
    const QString what = QStringLiteral("interval file");
    QByteArray bytes;
    if (auto failure = readInputFile(name, what, IntervalFile::MaxTextLength + 1, standardInput, &bytes))
        return failure;
    const IntervalFile file = IntervalFile::fromBytes(bytes);
    if (const std::optional<QString> refusal = IntervalImport::apply(scenario, file))
        return failed(ExitInvalidInput, QStringLiteral("invalid input: %1: %2").arg(whereRead(name, what), *refusal));
    return std::nullopt;
}

// --have-file: the roster from the first slot on, by the rules of a volumes
// file; slots after the last value have none.
std::optional<CalculatorRun> applyRosterFile(AgentScenario &scenario, const QString &name,
                                             const StandardInput &standardInput)
{
    VolumeColumn column;
    if (auto failure = readSlotColumnFile(scenario, name, QStringLiteral("roster file"), VolumeRefusal::Subject::Roster,
                                          standardInput, &column))
        return failure;
    scenario.SlotHave.fill(std::nullopt);
    int slot = 1;
    for (const SlotVolume &value : column.volumes()) {
        if (slot <= AgentScenario::SlotCapacity)
            scenario.SlotHave[static_cast<std::size_t>(slot)] = value.calls;
        ++slot;
    }
    return std::nullopt;
}

// The planning options given on the command line over those the scenario
// holds (a loaded file's own); a value out of range is invalid input.
std::optional<CalculatorRun> applyPlanningOptions(AgentScenario &scenario, const CommandLine &line)
{
    PlanningOptionTexts texts = PlanningOptionTexts::of(scenario.Planning);
    if (line.model)
        texts.model = *line.model;
    auto given = [](const std::optional<QString> &text, QString &into) {
        if (text)
            into = *text;
    };
    given(line.shrinkage, texts.shrinkage);
    given(line.maxOccupancy, texts.maxOccupancy);
    given(line.maxAbandon, texts.maxAbandon);
    given(line.paidHours, texts.paidHours);
    const PlanningOptionsCheck check = CheckPlanningOptions(texts);
    if (!check.options) {
        const std::array<std::optional<QString>, 5> typed{std::nullopt, line.shrinkage, line.maxOccupancy,
                                                          line.maxAbandon, line.paidHours};
        const std::optional<QString> &text = typed[static_cast<std::size_t>(check.failing)];
        return failed(ExitInvalidInput, QStringLiteral("invalid input: %1 (%2): \"%3\" is not %4")
                                            .arg(PlanningOptionDescription(check.failing),
                                                 PlanningOptionInfo::of(check.failing).commandLineOption,
                                                 text.value_or(QString()), check.requirement));
    }
    scenario.Planning = *check.options;
    return std::nullopt;
}

// --have: the roster from the first slot on; an empty entry leaves a slot
// without a value.
std::optional<CalculatorRun> applyRoster(AgentScenario &scenario, const QString &text)
{
    const RosterListRead read = ParseRosterList(text);
    const TimeSlots day = scenario.timeSlots();
    if (!read.ok())
        return failed(ExitInvalidInput,
                      QStringLiteral("invalid input: the roster value \"%1\" of time slot %2 is not a whole number "
                                     "from 0 up")
                          .arg(read.badText)
                          .arg(read.badEntry));
    if (static_cast<int>(read.values.size()) > day.count)
        return failed(ExitInvalidInput, QStringLiteral("invalid input: %1 roster values given for %2 time slots")
                                            .arg(read.values.size())
                                            .arg(day.count));
    scenario.SlotHave.fill(std::nullopt);
    for (std::size_t slot = 0; slot < read.values.size(); ++slot)
        scenario.SlotHave[slot + 1] = read.values[slot];
    return std::nullopt;
}

// The schedule form: slot length, volumes as typed into the Calls column or
// the number of calls spread evenly, then the switch to the Schedule tab,
// which recalculates. Empty when the volumes were accepted.
QString prepareSchedule(AgentScenario &scenario, const CommandLine &line)
{
    if (line.slotLength)
        scenario.setSlotLength(*line.slotLength);
    if (line.volumesFile || line.intervalsFile)
        return {};
    if (!line.volumes) {
        scenario.DistributeCalls();
        return {};
    }
    const QStringList &volumes = *line.volumes;
    const int slotCount = scenario.timeSlots().count;
    if (volumes.size() > slotCount)
        return QStringLiteral("%1 volumes given for %2 time slots").arg(volumes.size()).arg(slotCount);
    // As typing into a Calls cell: a whole number, else 0; an empty text
    // leaves the slot as it was.
    qint64 sum = 0;
    for (int i = 0; i < volumes.size(); ++i) {
        int &volume = scenario.SlotCalls[static_cast<std::size_t>(i + 1)];
        if (!volumes.at(i).isEmpty())
            volume = Calc::ParseInteger(volumes.at(i)).value_or(0);
        sum += volume;
    }
    scenario.SlotCallsEdited = true;
    if (!line.fields[static_cast<std::size_t>(Field::Edit1)])
        scenario.setText(Field::Edit1, QString::number(sum));
    return {};
}

// The printed report as a PDF: the FILE line names the scenario file as a
// window shows it after a Load (its full path); the other forms have a
// window that was never saved.
CalculatorRun writePdf(const AgentScenario &scenario, const CommandLine &line)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return failed(ExitUsage, QStringLiteral("--pdf needs the program's graphical start-up"));
    const bool fromFile = line.command == CommandLine::Command::File;
    const QString fileName =
        fromFile ? QFileInfo(line.fileName).absoluteFilePath() : ScenarioFileRecord::NoScenarioFileName;
    const QString caption =
        fromFile ? ScenarioFileRecord::CaptionFor(line.fileName) : ScenarioFileRecord::NewWindowCaption;
    const ReportContent content = ReportContent::fromScenario(scenario, fileName, caption);
    const ReportFontSet fonts = StandardReportFontSet(QGuiApplication::palette().color(QPalette::Dark));
    const QPageSize::PageSizeId paper = line.paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4;
    const QString error = WriteReportPdf(content, *line.pdfFile, paper, fonts);
    if (error.contains(*line.pdfFile))
        return failed(ExitFileError, error);
    if (!error.isEmpty())
        return failed(ExitFileError, QStringLiteral("cannot write the PDF file %1: %2").arg(*line.pdfFile, error));
    return {};
}

} // namespace

CalculatorRun FailedRun(int status, const QString &message)
{
    CalculatorRun run;
    run.status = status;
    run.err = programName + QStringLiteral(": ") + message + QLatin1Char('\n');
    return run;
}

CalculatorRun RunCalculator(const QStringList &arguments, const StandardInput &standardInput)
{
    const CommandLine line = ParseCommandLine(arguments);
    if (line.command == CommandLine::Command::None)
        return usageError(line.error);
    if (line.command == CommandLine::Command::Help || line.command == CommandLine::Command::Version) {
        CalculatorRun run;
        run.out = line.command == CommandLine::Command::Help ? HelpText() : VersionText();
        return run;
    }

    // The series are checked before anything is computed.
    const bool scheduleTab = line.command == CommandLine::Command::Schedule
        || (line.command == CommandLine::Command::File && line.tab == Tab::Schedule);
    SeriesSelectionWord selection = SeriesKinds::DefaultSelection(scheduleTab);
    if (line.graphSeries) {
        QString error;
        const auto chosen = GraphOutput::SelectionFromCaptions(*line.graphSeries, scheduleTab, &error);
        if (!chosen)
            return usageError(error);
        selection = *chosen;
    }

    AgentScenario scenario;
    RecalcResult result;
    switch (line.command) {
    case CommandLine::Command::Agents:
        setFields(scenario, line);
        if (auto failure = applyPlanningOptions(scenario, line))
            return *failure;
        result = scenario.Recalculate();
        break;
    case CommandLine::Command::Schedule:
    case CommandLine::Command::Shifts: {
        setFields(scenario, line);
        const QString error = prepareSchedule(scenario, line);
        if (!error.isEmpty())
            return usageError(error);
        if (line.volumesFile) {
            if (auto failure = applyVolumesFile(scenario, line, standardInput))
                return *failure;
        }
        if (line.intervalsFile) {
            if (auto failure = applyIntervalsFile(scenario, *line.intervalsFile, standardInput))
                return *failure;
        }
        if (auto failure = applyPlanningOptions(scenario, line))
            return *failure;
        if (line.have) {
            if (auto failure = applyRoster(scenario, *line.have))
                return *failure;
        }
        if (line.haveFile) {
            if (auto failure = applyRosterFile(scenario, *line.haveFile, standardInput))
                return *failure;
        }
        result = scenario.TabSet1Click(Tab::Schedule);
        break;
    }
    case CommandLine::Command::File: {
        // A new window is switched to its tab first; at the defaults that
        // recalculation refuses the number of calls, as the window would.
        scenario.TabSet1Click(line.tab);
        const LoadResult load = LoadScenario(scenario, line.fileName);
        if (!load.applied())
            return failed(ExitFileError, load.message);
        result = load.recalc;
        const bool optionsGiven = line.model || line.shrinkage || line.maxOccupancy || line.maxAbandon || line.paidHours;
        if (optionsGiven) {
            if (auto failure = applyPlanningOptions(scenario, line))
                return *failure;
            result = scenario.Recalculate();
        }
        break;
    }
    default:
        break;
    }

    if (!result.valid)
        return failed(ExitInvalidInput, QStringLiteral("invalid input: ") + describeFailure(scenario, result));
    if (line.command == CommandLine::Command::Shifts)
        return RunShiftPlanner(scenario, line, standardInput);
    if (line.pdfFile)
        return writePdf(scenario, line);
    CalculatorRun run;
    if (line.graphFile.isEmpty()) {
        run.out = TableOutput::format(scenario, line.format);
        return run;
    }
    if (const QString missing = GraphOutput::MissingExtraSeries(selection, scenario.ScheduleMode, scenario.StringGrid1());
        !missing.isEmpty())
        return usageError(missing);
    const GraphOutput::Written written = GraphOutput::WriteGraph(scenario, line, selection);
    if (!written.ok)
        return failed(ExitFileError, written.error);
    if (!written.message.isEmpty())
        run.err = programName + QStringLiteral(": ") + written.message + QLatin1Char('\n');
    return run;
}
