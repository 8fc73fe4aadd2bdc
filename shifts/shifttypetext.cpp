// SPDX-License-Identifier: MIT
#include "shifttypetext.h"

#include "shifttimes.h"
#include "texts.h"

#include <QStringList>

namespace {

ShiftTypeRead Refused(const QString &name, ShiftField field, const QString &what)
{
    ShiftTypeRead read;
    read.field = field;
    read.message = QStringLiteral("Shift \"%1\": %2.").arg(name, what);
    return read;
}

std::optional<int> ClockMinutes(const QString &text)
{
    const std::optional<int> minutes = ParseShiftMinutes(text);
    if (!minutes || *minutes >= 24 * 60 || !text.contains(QLatin1Char(':')))
        return std::nullopt;
    return minutes;
}

// The break of a shift type's text (its fifth to eighth values) into `type`;
// a refusal naming the value when one is wrong.
std::optional<ShiftTypeRead> readBreak(const QStringList &parts, ShiftType &type)
{
    const std::optional<int> breakLength = ParseShiftMinutes(parts[4]);
    const std::optional<int> from = ParseShiftMinutes(parts[5]);
    const std::optional<int> to = ParseShiftMinutes(parts[6]);
    if (!breakLength)
        return Refused(type.name, ShiftField::BreakLength,
                       QStringLiteral("the break length \"%1\" is not h:mm").arg(parts[4].trimmed()));
    if (!from)
        return Refused(type.name, ShiftField::BreakEarliest,
                       QStringLiteral("the break's earliest start \"%1\" is not h:mm").arg(parts[5].trimmed()));
    if (!to)
        return Refused(type.name, ShiftField::BreakLatest,
                       QStringLiteral("the break's latest start \"%1\" is not h:mm").arg(parts[6].trimmed()));
    type.breakRule = ShiftType::Break{*breakLength, *from, *to, false};
    if (parts.size() == 8) {
        if (parts[7].trimmed() != QLatin1String("paid"))
            return Refused(type.name, ShiftField::BreakPaid,
                           QStringLiteral("\"%1\" after the break should be \"paid\"").arg(parts[7].trimmed()));
        type.breakRule->paid = true;
    }
    return std::nullopt;
}

} // namespace

QString ShiftTypeText(const ShiftType &type)
{
    QStringList parts{type.name, ShiftDurationText(type.lengthMinutes), Calc::ClockText(type.earliestStart),
                      Calc::ClockText(type.latestStart)};
    if (type.breakRule) {
        parts << ShiftDurationText(type.breakRule->lengthMinutes) << ShiftDurationText(type.breakRule->earliestMinutes)
              << ShiftDurationText(type.breakRule->latestMinutes);
        if (type.breakRule->paid)
            parts << QStringLiteral("paid");
    }
    if (type.maxAgents)
        parts << QStringLiteral("max=%1").arg(*type.maxAgents);
    return parts.join(QLatin1Char(','));
}

QStringList ShiftTypeCells(const ShiftType &type)
{
    QStringList cells{type.name, ShiftDurationText(type.lengthMinutes), Calc::ClockText(type.earliestStart),
                      Calc::ClockText(type.latestStart), QString(), QString(), QString(), QString(), QString()};
    if (type.breakRule) {
        cells[BreakColumn] = ShiftDurationText(type.breakRule->lengthMinutes);
        cells[BreakFromColumn] = ShiftDurationText(type.breakRule->earliestMinutes);
        cells[BreakToColumn] = ShiftDurationText(type.breakRule->latestMinutes);
        cells[PaidColumn] = type.breakRule->paid ? QStringLiteral("yes") : QString();
    }
    if (type.maxAgents)
        cells[MaxColumn] = QString::number(*type.maxAgents);
    return cells;
}

ShiftTypeRead ReadShiftTypeCells(const QStringList &input)
{
    QStringList cells = input;
    while (cells.size() < ShiftTypeColumnCount)
        cells << QString();
    for (QString &cell : cells)
        cell = cell.trimmed();
    const QString &name = cells[NameColumn];
    if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        return Refused(name, ShiftField::Name, QStringLiteral("a name may not hold a comma or a line break"));
    QStringList parts = cells.mid(0, 4);
    if (!cells[BreakColumn].isEmpty() || !cells[BreakFromColumn].isEmpty() || !cells[BreakToColumn].isEmpty()) {
        parts << cells[BreakColumn] << cells[BreakFromColumn] << cells[BreakToColumn];
        const QString paid = cells[PaidColumn].toLower();
        if (paid == QLatin1String("yes") || paid == QLatin1String("paid"))
            parts << QStringLiteral("paid");
        else if (!paid.isEmpty() && paid != QLatin1String("no"))
            return Refused(name, ShiftField::BreakPaid, QStringLiteral("the paid break is \"yes\" or empty"));
    }
    if (!cells[MaxColumn].isEmpty())
        parts << QStringLiteral("max=") + cells[MaxColumn];
    return ParseShiftTypeText(parts.join(QLatin1Char(',')));
}

int ShiftTypeColumnOf(ShiftField field)
{
    switch (field) {
    case ShiftField::Name: return NameColumn;
    case ShiftField::Length: return LengthColumn;
    case ShiftField::EarliestStart: return EarliestColumn;
    case ShiftField::LatestStart: return LatestColumn;
    case ShiftField::BreakLength: return BreakColumn;
    case ShiftField::BreakEarliest: return BreakFromColumn;
    case ShiftField::BreakLatest: return BreakToColumn;
    case ShiftField::BreakPaid: return PaidColumn;
    case ShiftField::MaxAgents: return MaxColumn;
    case ShiftField::ShiftList:
    case ShiftField::Day:
    case ShiftField::SlotFloor:
        break;
    }
    return NameColumn;
}

ShiftTypeRead ParseShiftTypeText(const QString &text)
{
    QStringList parts = text.split(QLatin1Char(','));
    ShiftType type;
    type.name = parts.first().trimmed();
    if (type.name.isEmpty()) {
        ShiftTypeRead read;
        read.message = QStringLiteral("A shift type needs a name before the first comma: \"%1\".").arg(text);
        return read;
    }
    if (parts.size() < 4)
        return Refused(type.name, ShiftField::Length,
                       QStringLiteral("give NAME,LENGTH,EARLIEST,LATEST[,BREAK,FROM,TO[,paid]][,max=N]"));
    const QString last = parts.last().trimmed();
    if (last.startsWith(QLatin1String("max="))) {
        bool ok = false;
        const int max = last.mid(4).toInt(&ok);
        if (!ok || max < 0)
            return Refused(type.name, ShiftField::MaxAgents,
                           QStringLiteral("the maximum \"%1\" is not a whole number of agents").arg(last.mid(4)));
        type.maxAgents = max;
        parts.removeLast();
    }
    if (parts.size() != 4 && parts.size() != 7 && parts.size() != 8)
        return Refused(type.name, ShiftField::BreakLength,
                       QStringLiteral("a break takes three values, BREAK,FROM,TO, and optionally \"paid\""));

    const std::optional<int> length = ParseShiftMinutes(parts[1]);
    if (!length)
        return Refused(type.name, ShiftField::Length, QStringLiteral("the length \"%1\" is not h:mm").arg(parts[1].trimmed()));
    type.lengthMinutes = *length;
    const std::optional<int> earliest = ClockMinutes(parts[2]);
    if (!earliest)
        return Refused(type.name, ShiftField::EarliestStart,
                       QStringLiteral("the earliest start \"%1\" is not a time hh:mm").arg(parts[2].trimmed()));
    type.earliestStart = *earliest;
    const std::optional<int> latest = ClockMinutes(parts[3]);
    if (!latest)
        return Refused(type.name, ShiftField::LatestStart,
                       QStringLiteral("the latest start \"%1\" is not a time hh:mm").arg(parts[3].trimmed()));
    type.latestStart = *latest;
    if (parts.size() >= 7) {
        if (std::optional<ShiftTypeRead> refusal = readBreak(parts, type))
            return *refusal;
    }
    ShiftTypeRead read;
    read.type = type;
    return read;
}
