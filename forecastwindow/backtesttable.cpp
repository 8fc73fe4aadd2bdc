// SPDX-License-Identifier: MIT
#include "backtesttable.h"

#include "forecastmethodinfo.h"
#include "forecasttext.h"

#include <algorithm>

QStringList BacktestTable::headings()
{
    return QStringList{QStringLiteral("Method")} + ForecastText::figureHeadings() + QStringList{QStringLiteral("Note")};
}

std::vector<QStringList> BacktestTable::rows(const ForecastOutcome &outcome)
{
    const auto width = headings().size();
    std::vector<QStringList> rows;
    for (const MethodBacktest &method : outcome.backtests) {
        QStringList row = QStringList{QLatin1String(ForecastMethodInfo::of(method.kind).name)}
                          + ForecastText::figureCells(method);
        while (row.size() < width - 1)
            row << QString();
        row << (method.leftOut.isEmpty() ? method.parameters : QStringLiteral("Left out: ") + method.leftOut);
        rows.push_back(row);
    }
    return rows;
}

int BacktestTable::chosenRow(const ForecastOutcome &outcome)
{
    const auto found = std::find_if(outcome.backtests.begin(), outcome.backtests.end(),
                                    [&](const MethodBacktest &method) { return method.kind == outcome.chosen; });
    return found == outcome.backtests.end() ? -1 : static_cast<int>(found - outcome.backtests.begin());
}

bool BacktestTable::isFigureColumn(int column)
{
    return column > 0 && column < headings().size() - 1;
}
