// SPDX-License-Identifier: MIT
#include "tourtypecells.h"

namespace {

// The line's fields in the line's order: name, days, days off, band,
// hours, shifts.
constexpr TourTypeColumn LineOrder[] = {TourNameColumn, TourDaysColumn, TourDaysOffColumn, TourBandColumn,
                                        TourPaidColumn, TourShiftsColumn};
const QLatin1String MaxPrefix("max=");

QString fieldName(int column)
{
    switch (column) {
    case TourNameColumn:
        return QStringLiteral("name");
    case TourDaysColumn:
        return QStringLiteral("days");
    case TourDaysOffColumn:
        return QStringLiteral("days off");
    case TourShiftsColumn:
        return QStringLiteral("shift types");
    case TourBandColumn:
        return QStringLiteral("start band");
    case TourPaidColumn:
        return QStringLiteral("weekly paid hours");
    default:
        return QStringLiteral("maximum");
    }
}

TourField fieldOf(int column)
{
    constexpr TourField fields[] = {TourField::Name, TourField::Days, TourField::DaysOff, TourField::ShiftTypes,
                                    TourField::Band, TourField::PaidHours, TourField::MaxAgents};
    return fields[column];
}

} // namespace

QStringList TourTypeCells(const TourType &tour)
{
    const QStringList parts = TourTypeText(tour).split(QLatin1Char(','));
    QStringList cells;
    for (int c = 0; c < TourTypeColumnCount; ++c)
        cells << QString();
    for (int i = 0; i < int(std::size(LineOrder)) && i < parts.size(); ++i)
        cells[LineOrder[i]] = parts[i];
    if (parts.size() > int(std::size(LineOrder)))
        cells[TourMaxColumn] = parts.last().mid(MaxPrefix.size());
    return cells;
}

TourTypeRead ReadTourTypeCells(const QStringList &cells)
{
    QStringList parts;
    for (TourTypeColumn column : LineOrder)
        parts << cells.value(column);
    const QString max = cells.value(TourMaxColumn).trimmed();
    if (!max.isEmpty())
        parts << MaxPrefix + max;
    for (int c = 0; c < TourTypeColumnCount; ++c) {
        if (!cells.value(c).contains(QLatin1Char(',')))
            continue;
        TourTypeRead read;
        read.field = fieldOf(c);
        read.message = QStringLiteral("Tour \"%1\": the %2 may not hold a comma.").arg(cells.value(TourNameColumn).trimmed(), fieldName(c));
        return read;
    }
    if (cells.value(TourNameColumn).trimmed().isEmpty()) {
        TourTypeRead read;
        read.field = TourField::Name;
        read.message = QStringLiteral("A tour type needs a name.");
        return read;
    }
    return ParseTourTypeText(parts.join(QLatin1Char(',')));
}

int TourTypeColumnOf(TourField field)
{
    switch (field) {
    case TourField::Name:
    case TourField::TourList:
        return TourNameColumn;
    case TourField::Days:
        return TourDaysColumn;
    case TourField::DaysOff:
        return TourDaysOffColumn;
    case TourField::ShiftTypes:
        return TourShiftsColumn;
    case TourField::Band:
        return TourBandColumn;
    case TourField::PaidHours:
        return TourPaidColumn;
    case TourField::MaxAgents:
        return TourMaxColumn;
    }
    return TourNameColumn;
}
