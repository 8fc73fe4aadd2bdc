// SPDX-License-Identifier: MIT
#include "forecastcommand.h"

#include "commandline.h"
#include "forecaster.h"
#include "forecastoutput.h"
#include "forecastseries.h"
#include "inputfile.h"

CalculatorRun RunForecast(const CommandLine &line, const StandardInput &standardInput)
{
    const QString name = *line.historyFile;
    const QString what = QStringLiteral("history file");
    QByteArray bytes;
    if (auto failure = ReadInputFile(name, what, IntervalDays::MaxTextLength + 1, standardInput, &bytes))
        return *failure;
    auto invalid = [&](const QString &reason) {
        return InvalidInputRun(QStringLiteral("%1: %2").arg(WhereRead(name, what), reason));
    };
    const IntervalDays days = IntervalDays::fromBytes(bytes);
    if (!days.accepted())
        return invalid(days.refusal()->text());
    const ForecastSeries::Read read = ForecastSeries::fromDays(days, line.excludedDates);
    if (!read.series)
        return invalid(read.refusal);
    const ForecastOutcome outcome = Forecaster::run(*read.series, line.forecastMethod);
    if (!outcome.refusal.isEmpty())
        return invalid(outcome.refusal);
    CalculatorRun run;
    for (const QDate &date : read.notInHistory)
        run.err += QStringLiteral("varnook-calc: warning: --exclude %1 is not a day of the history\n")
                       .arg(date.toString(Qt::ISODate));
    run.out = ForecastOutput::format(outcome, line.format);
    return run;
}
