// SPDX-License-Identifier: MIT
#include "calculator.h"

#include "commandline.h"
#include "conversions.h"
#include "filenames.h"
#include "reportcontent.h"
#include "reportpdf.h"
#include "scenariofile.h"
#include "tableoutput.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

namespace {

const QString programName = QStringLiteral("varnook-calc");

CalculatorRun failed(int status, const QString &message)
{
    CalculatorRun run;
    run.status = status;
    run.err = programName + QStringLiteral(": ") + message + QLatin1Char('\n');
    return run;
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
    if (result.failingField == QLatin1String("StringGrid1")) {
        return QStringLiteral("call volume of time slot %1 starting at %2 (StringGrid1, row %1)")
            .arg(result.failingRow)
            .arg(scenario.StringGrid1().cell(0, result.failingRow));
    }
    for (int i = 0; i < FieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        if (ComponentName(field) == result.failingField)
            return QStringLiteral("%1 (%2)").arg(FieldDescription(field), result.failingField);
    }
    return result.failingField;
}

void setFields(AgentScenario &scenario, const CommandLine &line)
{
    for (int i = 0; i < FieldCount; ++i) {
        if (const auto &text = line.fields[static_cast<std::size_t>(i)])
            scenario.setText(static_cast<Field>(i), *text);
    }
}

// The schedule form: slot length, volumes as typed into the Calls column or
// the number of calls spread evenly, then the switch to the Schedule tab,
// which recalculates. Empty when the volumes were accepted.
QString prepareSchedule(AgentScenario &scenario, const CommandLine &line)
{
    if (line.halfHourSlots) {
        scenario.setRadioButtons(*line.halfHourSlots, !*line.halfHourSlots);
        scenario.HalfHourSlots = *line.halfHourSlots;
    }
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
    const QString fileName = fromFile ? QFileInfo(line.fileName).absoluteFilePath() : QStringLiteral("*.vnk");
    const QString caption = fromFile ? Calc::Capitalise(QFileInfo(line.fileName).fileName()) : QStringLiteral("New Agents");
    const ReportContent content = ReportContent::fromScenario(scenario, fileName, caption);
    const ReportFonts fonts = StandardReportFonts(QGuiApplication::palette().color(QPalette::Dark));
    const QPageSize::PageSizeId paper = line.paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4;
    const QString error = WriteReportPdf(content, *line.pdfFile, paper, fonts);
    if (error.contains(*line.pdfFile))
        return failed(ExitFileError, error);
    if (!error.isEmpty())
        return failed(ExitFileError, QStringLiteral("cannot write the PDF file %1: %2").arg(*line.pdfFile, error));
    return {};
}

} // namespace

CalculatorRun RunCalculator(const QStringList &arguments)
{
    const CommandLine line = ParseCommandLine(arguments);
    if (line.command == CommandLine::Command::None)
        return usageError(line.error);
    if (line.command == CommandLine::Command::Help) {
        CalculatorRun run;
        run.out = HelpText();
        return run;
    }

    AgentScenario scenario;
    RecalcResult result;
    switch (line.command) {
    case CommandLine::Command::Agents:
        setFields(scenario, line);
        result = scenario.Recalculate();
        break;
    case CommandLine::Command::Schedule: {
        setFields(scenario, line);
        const QString error = prepareSchedule(scenario, line);
        if (!error.isEmpty())
            return usageError(error);
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
        break;
    }
    default:
        break;
    }

    if (!result.valid)
        return failed(ExitInvalidInput, QStringLiteral("invalid input: ") + describeFailure(scenario, result));
    if (line.pdfFile)
        return writePdf(scenario, line);
    CalculatorRun run;
    run.out = TableOutput::format(scenario, line.format);
    return run;
}
