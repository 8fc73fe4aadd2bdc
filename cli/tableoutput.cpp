// SPDX-License-Identifier: MIT
#include "tableoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace TableOutput {

namespace {

const char *const goalMark = "  <- goal";

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool isSchedule(const AgentScenario &scenario) { return scenario.tab() == Tab::Schedule; }

} // namespace

QString table(const AgentScenario &scenario)
{
    const ResultTable &grid = scenario.StringGrid1();
    std::array<qsizetype, ResultTable::ColumnCount> widths{};
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < ResultTable::ColumnCount; ++c)
            widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], grid.cell(c, r).size());

    QString out;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QString line;
        for (int c = 0; c < ResultTable::ColumnCount; ++c) {
            if (c > 0)
                line += QLatin1String("  ");
            line += grid.cell(c, r).rightJustified(widths[static_cast<std::size_t>(c)]);
        }
        if (r > 0 && r == scenario.goalRow())
            line += QLatin1String(goalMark);
        out += line + QLatin1Char('\n');
    }
    if (isSchedule(scenario)) {
        out += QStringLiteral("Total calls: %1\n").arg(scenario.text(Field::Edit1));
        out += QStringLiteral("Total time: %1\n").arg(scenario.totalTimeText());
    } else if (scenario.goalRow() == 0) {
        out += QStringLiteral("No row meets the service level goal.\n");
    }
    return out;
}

QString csv(const AgentScenario &scenario)
{
    const ResultTable &grid = scenario.StringGrid1();
    QString out;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < ResultTable::ColumnCount; ++c) {
            if (c > 0)
                out += QLatin1Char(',');
            out += csvField(grid.cell(c, r));
        }
        out += QLatin1String("\r\n");
    }
    return out;
}

QString json(const AgentScenario &scenario)
{
    QJsonObject inputs;
    inputs[QLatin1String("serviceLevelGoal")] = scenario.text(Field::MaskEdit5);
    inputs[QLatin1String("goalSeconds")] = scenario.text(Field::MaskEdit6);
    inputs[QLatin1String("calls")] = scenario.text(Field::Edit1);
    inputs[QLatin1String("arrivalStart")] = scenario.text(Field::MaskEdit1);
    inputs[QLatin1String("arrivalEnd")] = scenario.text(Field::MaskEdit7);
    inputs[QLatin1String("talkTime")] = scenario.text(Field::MaskEdit2);
    inputs[QLatin1String("afterCallWork")] = scenario.text(Field::MaskEdit3);
    inputs[QLatin1String("waitBeforeAbandon")] = scenario.text(Field::MaskEdit4);

    const ResultTable &grid = scenario.StringGrid1();
    QJsonArray rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QJsonArray cells;
        for (const QString &cell : grid.row(r))
            cells.append(cell);
        rows.append(cells);
    }

    // The figures behind the rows at full precision: fractions, seconds and
    // counts as JSON numbers, so that scripts need not read "87%" or "00:17".
    const bool schedule = isSchedule(scenario);
    QJsonArray values;
    for (const RowValues &row : scenario.rowValues()) {
        QJsonObject v;
        if (schedule) {
            v[QLatin1String("slot")] = row.slot;
            v[QLatin1String("calls")] = row.calls;
        }
        v[QLatin1String("agents")] = row.agents;
        const AgentFigures &f = row.figures;
        auto figure = [&row](double value) { return row.evaluated ? QJsonValue(value) : QJsonValue(); };
        v[QLatin1String("serviceLevel")] = figure(f.serviceLevel);
        v[QLatin1String("waitProbability")] = figure(f.waitProbability);
        v[QLatin1String("abandonRate")] = figure(f.abandonRate);
        v[QLatin1String("usage")] = figure(f.usage);
        v[QLatin1String("answerSeconds")] = figure(f.answerTime * 3600);
        v[QLatin1String("queueSeconds")] = figure(f.queueTime * 3600);
        v[QLatin1String("queueLength")] = figure(f.queueLength);
        v[QLatin1String("trunks")] = row.trunks;
        values.append(v);
    }

    QJsonObject object;
    object[QLatin1String("inputs")] = inputs;
    object[QLatin1String("tab")] = isSchedule(scenario) ? QLatin1String("schedule") : QLatin1String("agents");
    object[QLatin1String("goalRow")] = scenario.goalRow() > 0 ? QJsonValue(scenario.goalRow()) : QJsonValue();
    object[QLatin1String("table")] = rows;
    object[QLatin1String("values")] = values;
    if (schedule) {
        object[QLatin1String("totalTime")] = scenario.totalTimeText();
        object[QLatin1String("halfHourSlots")] = scenario.HalfHourSlots;
        QJsonArray volumes;
        const int count = scenario.timeSlots().count;
        for (int slot = 1; slot <= count; ++slot)
            volumes.append(scenario.SlotCalls[static_cast<std::size_t>(slot)]);
        object[QLatin1String("slotCalls")] = volumes;
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

QString format(const AgentScenario &scenario, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Csv:
        return csv(scenario);
    case OutputFormat::Json:
        return json(scenario);
    case OutputFormat::Table:
        break;
    }
    return table(scenario);
}

} // namespace TableOutput
