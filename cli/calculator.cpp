// SPDX-License-Identifier: MIT
#include "calculator.h"

#include "commandline.h"
#include "commandscenario.h"
#include "forecastcommand.h"
#include "graphoutput.h"
#include "helptext.h"
#include "reportcontent.h"
#include "reportpdf.h"
#include "scenariofilerecord.h"
#include "shiftplancommand.h"
#include "tableoutput.h"
#include "weekplancommand.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

namespace {

const QString programName = QStringLiteral("varnook-calc");

} // namespace

QString DescribeRefusedInput(const AgentScenario &scenario, const RecalcResult &result)
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

namespace {

// The printed report as a PDF: the FILE line names the scenario file as a
// window shows it after a Load (its full path); the other forms have a
// window that was never saved.
CalculatorRun writePdf(const AgentScenario &scenario, const CommandLine &line)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return FailedRun(ExitUsage, QStringLiteral("--pdf needs the program's graphical start-up"));
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
        return FailedRun(ExitFileError, error);
    if (!error.isEmpty())
        return FailedRun(ExitFileError, QStringLiteral("cannot write the PDF file %1: %2").arg(*line.pdfFile, error));
    return {};
}

// The series --series names, checked before anything is computed; without
// it the tab's default pair. A caption the tab does not offer is a usage
// error.
std::optional<CalculatorRun> readSelection(const CommandLine &line, SeriesSelectionWord *selection)
{
    const bool scheduleTab = line.command == CommandLine::Command::Schedule
        || (line.command == CommandLine::Command::File && line.tab == Tab::Schedule);
    *selection = SeriesKinds::DefaultSelection(scheduleTab);
    if (!line.graphSeries)
        return std::nullopt;
    QString error;
    const auto chosen = GraphOutput::SelectionFromCaptions(*line.graphSeries, scheduleTab, &error);
    if (!chosen)
        return UsageErrorRun(error);
    *selection = *chosen;
    return std::nullopt;
}

// --graph: the graph file, with the notice of series left out on standard
// error.
CalculatorRun writeGraph(const AgentScenario &scenario, const CommandLine &line, SeriesSelectionWord selection)
{
    if (const QString missing = GraphOutput::MissingExtraSeries(selection, scenario.inputs().ScheduleMode, scenario.StringGrid1());
        !missing.isEmpty())
        return UsageErrorRun(missing);
    const GraphOutput::Written written = GraphOutput::WriteGraph(scenario, line, selection);
    if (!written.ok)
        return FailedRun(ExitFileError, written.error);
    CalculatorRun run;
    if (!written.message.isEmpty())
        run.err = programName + QStringLiteral(": ") + written.message + QLatin1Char('\n');
    return run;
}

} // namespace

CalculatorRun FailedRun(int status, const QString &message)
{
    CalculatorRun run;
    run.status = status;
    run.err = programName + QStringLiteral(": ") + message + QLatin1Char('\n');
    return run;
}

CalculatorRun InvalidInputRun(const QString &message)
{
    return FailedRun(ExitInvalidInput, QStringLiteral("invalid input: ") + message);
}

CalculatorRun UsageErrorRun(const QString &message)
{
    CalculatorRun run = FailedRun(ExitUsage, message);
    run.err += QStringLiteral("Try \"%1 --help\".\n").arg(programName);
    return run;
}

namespace {

// The scenario the command line describes, and its output.
CalculatorRun runScenario(AgentScenario &scenario, const CommandLine &line, const StandardInput &standardInput,
                          SeriesSelectionWord selection, QStringList *warnings)
{
    RecalcResult result;
    if (auto failure = FillScenario(scenario, line, standardInput, &result, warnings))
        return *failure;
    if (!result.valid)
        return InvalidInputRun(DescribeRefusedInput(scenario, result));
    if (line.command == CommandLine::Command::Shifts)
        return RunShiftPlanner(scenario, line, standardInput);
    if (line.pdfFile)
        return writePdf(scenario, line);
    if (!line.graphFile.isEmpty())
        return writeGraph(scenario, line, selection);
    CalculatorRun run;
    run.out = TableOutput::format(scenario, line.format);
    return run;
}

} // namespace

CalculatorRun RunCalculator(const QStringList &arguments, const StandardInput &standardInput)
{
    const CommandLine line = ParseCommandLine(arguments);
    if (line.command == CommandLine::Command::None)
        return UsageErrorRun(line.error);
    if (line.command == CommandLine::Command::Help || line.command == CommandLine::Command::Version) {
        CalculatorRun run;
        run.out = line.command == CommandLine::Command::Help ? HelpText() : VersionText();
        return run;
    }
    if (line.command == CommandLine::Command::Week)
        return RunWeekPlanner(line, standardInput);
    if (line.command == CommandLine::Command::Forecast)
        return RunForecast(line, standardInput);
    SeriesSelectionWord selection = 0;
    if (auto failure = readSelection(line, &selection))
        return *failure;

    AgentScenario scenario;
    QStringList warnings;
    CalculatorRun run = runScenario(scenario, line, standardInput, selection, &warnings);
    // What a load replaced goes first; the exit status stays the run's.
    QString said;
    for (const QString &warning : warnings)
        said += programName + QStringLiteral(": warning: ") + warning + QLatin1Char('\n');
    run.err.prepend(said);
    return run;
}
