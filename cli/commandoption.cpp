// SPDX-License-Identifier: MIT
#include "commandoption.h"

#include "forecastmethodinfo.h"
#include "planningoptioninfo.h"
#include "solvetimelimit.h"
#include "shiftplantext.h"
#include "slotfloorinfo.h"
#include "staffingmodelinfo.h"

namespace {

template <Field field>
std::optional<QString> readField(CommandLine &line, const QString &value)
{
    line.fields[static_cast<std::size_t>(field)] = value;
    return std::nullopt;
}

// An option whose value is kept as given: a file name or a text checked later.
template <std::optional<QString> CommandLine::*text>
std::optional<QString> readText(CommandLine &line, const QString &value)
{
    line.*text = value;
    return std::nullopt;
}

// The slot length of a --slots value: exactly "15", "30" or "60".
std::optional<QString> readSlots(CommandLine &line, const QString &value)
{
    for (SlotLength length : SlotLengths) {
        if (value == QString::number(minutesOf(length))) {
            line.slotLength = length;
            return std::nullopt;
        }
    }
    return QStringLiteral("--slots must be 30 or 60, or 15 for quarter hours, not \"%1\"").arg(value);
}

std::optional<QString> readWeekOf(CommandLine &line, const QString &value)
{
    const QDate date = QDate::fromString(value, Qt::ISODate);
    if (!date.isValid() || date.toString(Qt::ISODate) != value)
        return QStringLiteral("--week-of must be a date yyyy-mm-dd, not \"%1\"").arg(value);
    line.weekOf = date;
    return std::nullopt;
}

std::optional<QString> readVolumes(CommandLine &line, const QString &value)
{
    line.volumes = value.split(QLatin1Char(','));
    return std::nullopt;
}

std::optional<QString> readModel(CommandLine &line, const QString &value)
{
    line.model = StaffingModelInfo::ofKey(value);
    if (!line.model)
        return QStringLiteral("--model must be %1, not \"%2\"").arg(StaffingModelInfo::keysText(false), value);
    return std::nullopt;
}

std::optional<QString> readFormat(CommandLine &line, const QString &value)
{
    if (value == QLatin1String("table"))
        line.format = OutputFormat::Table;
    else if (value == QLatin1String("csv"))
        line.format = OutputFormat::Csv;
    else if (value == QLatin1String("json"))
        line.format = OutputFormat::Json;
    else
        return QStringLiteral("--format must be table, csv or json, not \"%1\"").arg(value);
    line.formatGiven = true;
    return std::nullopt;
}

std::optional<QString> readTab(CommandLine &line, const QString &value)
{
    if (value == QLatin1String("agents"))
        line.tab = Tab::Agents;
    else if (value == QLatin1String("schedule"))
        line.tab = Tab::Schedule;
    else
        return QStringLiteral("--tab must be agents or schedule, not \"%1\"").arg(value);
    return std::nullopt;
}

std::optional<QString> readPdf(CommandLine &line, const QString &value)
{
    if (value.isEmpty())
        return QStringLiteral("--pdf needs a file name");
    line.pdfFile = value;
    return std::nullopt;
}

std::optional<QString> readPaper(CommandLine &line, const QString &value)
{
    if (value == QLatin1String("a4"))
        line.paper = PaperSize::A4;
    else if (value == QLatin1String("letter"))
        line.paper = PaperSize::Letter;
    else
        return QStringLiteral("--paper must be a4 or letter, not \"%1\"").arg(value);
    line.paperGiven = true;
    return std::nullopt;
}

std::optional<QString> readShift(CommandLine &line, const QString &value)
{
    line.shiftTexts << value;
    return std::nullopt;
}

// Read as a tour type when the week is planned, as --shift is: a malformed
// one is invalid input naming the tour and the field.
std::optional<QString> readTour(CommandLine &line, const QString &value)
{
    line.tourTexts << value;
    return std::nullopt;
}

std::optional<QString> readTimeLimit(CommandLine &line, const QString &value)
{
    bool ok = false;
    const double seconds = value.toDouble(&ok);
    if (!ok || !SolveTimeLimit::accepts(seconds))
        return QStringLiteral("--time-limit must be seconds above 0, at most %1, not \"%2\"")
            .arg(QString::number(SolveTimeLimit::MostSeconds), value);
    line.timeLimitSeconds = seconds;
    return std::nullopt;
}

std::optional<QString> readWriteLp(CommandLine &line, const QString &value)
{
    if (value.isEmpty())
        return QStringLiteral("--write-lp needs a file name");
    line.lpFile = value;
    return std::nullopt;
}

std::optional<QString> readPlanGoal(CommandLine &line, const QString &value)
{
    for (const ShiftGoal goal : {ShiftGoal::Cover, ShiftGoal::ServiceLevel}) {
        if (value == ShiftPlanText::goalKey(goal)) {
            line.planGoal = goal;
            return std::nullopt;
        }
    }
    return QStringLiteral("--plan-goal must be cover or service, not \"%1\"").arg(value);
}

std::optional<QString> readGraph(CommandLine &line, const QString &value)
{
    if (!value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
        && !value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return QStringLiteral("--graph needs a file ending in .png or .pdf, not \"%1\"").arg(value);
    line.graphFile = value;
    return std::nullopt;
}

std::optional<QString> readSeries(CommandLine &line, const QString &value)
{
    line.graphSeries = value.isEmpty() ? QStringList() : value.split(QLatin1Char(','));
    return std::nullopt;
}

std::optional<QString> readBar(CommandLine &line, const QString &)
{
    line.graphBar = true;
    return std::nullopt;
}

std::optional<QString> readFlat(CommandLine &line, const QString &)
{
    line.graphFlat = true;
    return std::nullopt;
}

// "640x400": both sides from 50 to 10000 pixels.
std::optional<QString> readSize(CommandLine &line, const QString &value)
{
    const QStringList sides = value.split(QLatin1Char('x'));
    bool okWidth = false;
    bool okHeight = false;
    const int width = sides.size() == 2 ? sides.at(0).toInt(&okWidth) : 0;
    const int height = sides.size() == 2 ? sides.at(1).toInt(&okHeight) : 0;
    if (!okWidth || !okHeight || width < 50 || height < 50 || width > 10000 || height > 10000)
        return QStringLiteral("--size must be WIDTHxHEIGHT, each 50 to 10000, not \"%1\"").arg(value);
    line.graphWidth = width;
    line.graphHeight = height;
    return std::nullopt;
}

// "auto" or a method's key.
std::optional<QString> readMethod(CommandLine &line, const QString &value)
{
    if (value == QLatin1String("auto")) {
        line.forecastMethod.reset();
        return std::nullopt;
    }
    line.forecastMethod = ForecastMethodInfo::ofKey(value);
    if (!line.forecastMethod)
        return QStringLiteral("--method must be auto, %1, not \"%2\"").arg(ForecastMethodInfo::keysText(), value);
    return std::nullopt;
}

// Dates yyyy-mm-dd joined by commas; repeatable.
std::optional<QString> readExclude(CommandLine &line, const QString &value)
{
    for (const QString &text : value.split(QLatin1Char(','))) {
        const QDate date = QDate::fromString(text.trimmed(), Qt::ISODate);
        if (!date.isValid() || text.trimmed().size() != 10)
            return QStringLiteral("--exclude needs dates yyyy-mm-dd joined by commas, not \"%1\"").arg(text);
        line.excludedDates.push_back(date);
    }
    return std::nullopt;
}

// A figure of the slot floor, the text kept for the plan to check.
template <std::size_t figure>
std::optional<QString> readSlotFloor(CommandLine &line, const QString &value)
{
    line.slotFloor[figure] = value;
    return std::nullopt;
}

QString planningName(PlanningOption option)
{
    return PlanningOptionInfo::of(option).commandLineOption;
}

} // namespace

const std::vector<CommandOption> &CommandOption::all()
{
    static const std::vector<CommandOption> table{
        {QStringLiteral("--calls"), ForCalls, readField<Field::Edit1>},
        {QStringLiteral("--start"), ForCalls, readField<Field::MaskEdit1>},
        {QStringLiteral("--end"), ForCalls, readField<Field::MaskEdit7>},
        {QStringLiteral("--talk"), ForSettings, readField<Field::MaskEdit2>},
        {QStringLiteral("--wrap"), ForSettings, readField<Field::MaskEdit3>},
        {QStringLiteral("--abandon"), ForSettings, readField<Field::MaskEdit4>},
        {QStringLiteral("--goal"), ForSettings, readField<Field::MaskEdit5>},
        {QStringLiteral("--goal-secs"), ForSettings, readField<Field::MaskEdit6>},
        {QStringLiteral("--slots"), ForSlots | ForWeek, readSlots},
        {QStringLiteral("--volumes"), ForSlots, readVolumes},
        {QStringLiteral("--volumes-file"), ForSlots, readText<&CommandLine::volumesFile>},
        {QStringLiteral("--intervals"), ForSlots | ForWeek, readText<&CommandLine::intervalsFile>},
        {QStringLiteral("--week-of"), ForWeek, readWeekOf},
        {QStringLiteral("--format"), ForEveryCommand | ForForecast, readFormat},
        {QStringLiteral("--tab"), ForFile, readTab},
        {QStringLiteral("--pdf"), ForTables, readPdf},
        {QStringLiteral("--paper"), ForTables, readPaper},
        {planningName(PlanningOption::Model), ForEveryCommand, readModel},
        {planningName(PlanningOption::Shrinkage), ForEveryCommand, readText<&CommandLine::shrinkage>},
        {planningName(PlanningOption::MaxOccupancy), ForEveryCommand, readText<&CommandLine::maxOccupancy>},
        {planningName(PlanningOption::MaxAbandon), ForEveryCommand, readText<&CommandLine::maxAbandon>},
        {planningName(PlanningOption::PaidHours), ForEveryCommand, readText<&CommandLine::paidHours>},
        {QStringLiteral("--have"), ForSchedule, readText<&CommandLine::have>},
        {QStringLiteral("--have-file"), ForSchedule, readText<&CommandLine::haveFile>},
        {QStringLiteral("--shift"), ForPlans, readShift},
        {QStringLiteral("--shifts-file"), ForPlans, readText<&CommandLine::shiftsFile>},
        {QStringLiteral("--tour"), ForWeek, readTour},
        {QStringLiteral("--tours-file"), ForWeek, readText<&CommandLine::toursFile>},
        {QStringLiteral("--time-limit"), ForPlans, readTimeLimit},
        {QStringLiteral("--write-lp"), ForPlans, readWriteLp},
        {QStringLiteral("--plan-goal"), ForPlans, readPlanGoal},
        {SlotFloorInfo::all()[0].commandLineOption, ForPlans, readSlotFloor<0>},
        {SlotFloorInfo::all()[1].commandLineOption, ForPlans, readSlotFloor<1>},
        {QStringLiteral("--graph"), ForTables, readGraph},
        {QStringLiteral("--series"), ForTables, readSeries, true, true},
        {QStringLiteral("--bar"), ForTables, readBar, false, true},
        {QStringLiteral("--flat"), ForTables, readFlat, false, true},
        {QStringLiteral("--size"), ForTables, readSize, true, true},
        {QStringLiteral("--history"), ForForecast, readText<&CommandLine::historyFile>},
        {QStringLiteral("--method"), ForForecast, readMethod},
        {QStringLiteral("--exclude"), ForForecast, readExclude},
    };
    return table;
}

const CommandOption *CommandOption::find(const QString &name)
{
    for (const CommandOption &info : all()) {
        if (name == info.name)
            return &info;
    }
    return nullptr;
}
