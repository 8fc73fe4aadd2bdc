// SPDX-License-Identifier: MIT
#include "intervalcolumn.h"

#include <QRegularExpression>

namespace {

struct KnownName
{
    const char *name;
    IntervalColumn::Role role;
};

// Header names after normalising (lower case, unit removed, "_" and "-" as
// blanks, a leading "avg", "average" or "mean" dropped).
const KnownName knownNames[] = {
    {"time", IntervalColumn::Role::Time},
    {"interval", IntervalColumn::Role::Time},
    {"start", IntervalColumn::Role::Time},
    {"start time", IntervalColumn::Role::Time},
    {"interval start", IntervalColumn::Role::Time},
    {"time interval", IntervalColumn::Role::Time},
    {"calls", IntervalColumn::Role::Calls},
    {"offered", IntervalColumn::Role::Calls},
    {"calls offered", IntervalColumn::Role::Calls},
    {"offered calls", IntervalColumn::Role::Calls},
    {"volume", IntervalColumn::Role::Calls},
    {"call volume", IntervalColumn::Role::Calls},
    {"count", IntervalColumn::Role::Calls},
    {"arrivals", IntervalColumn::Role::Calls},
    {"aht", IntervalColumn::Role::HandleTime},
    {"handle time", IntervalColumn::Role::HandleTime},
    {"handling time", IntervalColumn::Role::HandleTime},
    {"talk", IntervalColumn::Role::Talk},
    {"talk time", IntervalColumn::Role::Talk},
    {"att", IntervalColumn::Role::Talk},
    {"after call work", IntervalColumn::Role::Wrap},
    {"after call work time", IntervalColumn::Role::Wrap},
    {"acw", IntervalColumn::Role::Wrap},
    {"wrap", IntervalColumn::Role::Wrap},
    {"wrap time", IntervalColumn::Role::Wrap},
    {"wrap up", IntervalColumn::Role::Wrap},
    {"wrap up time", IntervalColumn::Role::Wrap},
    {"date", IntervalColumn::Role::Day},
    {"day", IntervalColumn::Role::Day},
    {"interval date", IntervalColumn::Role::Day},
    {"weekday", IntervalColumn::Role::Day},
    {"week day", IntervalColumn::Role::Day},
    {"day of week", IntervalColumn::Role::Day},
    {"day of the week", IntervalColumn::Role::Day},
    {"dow", IntervalColumn::Role::Day},
};

// Seconds per plain number for a bracketed unit; 0 for a unit not known.
int secondsPerNumberOf(const QString &unit)
{
    static const QRegularExpression seconds(QStringLiteral("^(s|sec|secs|second|seconds|mm:ss|hh:mm:ss|m:ss)$"));
    static const QRegularExpression minutes(QStringLiteral("^(m|min|mins|minute|minutes)$"));
    if (unit.isEmpty() || seconds.match(unit).hasMatch())
        return 1;
    if (minutes.match(unit).hasMatch())
        return 60;
    return 0;
}

} // namespace

IntervalColumn IntervalColumn::recognise(const QString &header)
{
    IntervalColumn column;
    column.header = header.trimmed();
    static const QRegularExpression unitPattern(QStringLiteral("\\s*[\\(\\[]([^\\)\\]]*)[\\)\\]]\\s*$"));
    QString name = column.header.toLower();
    QString unit;
    if (const QRegularExpressionMatch match = unitPattern.match(name); match.hasMatch()) {
        unit = match.captured(1).trimmed();
        name.truncate(match.capturedStart());
    }
    name.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    name = name.simplified();
    static const QRegularExpression mean(QStringLiteral("^(avg\\.?|average|mean) "));
    name.remove(mean);
    for (const KnownName &known : knownNames) {
        if (name == QLatin1String(known.name)) {
            column.role = known.role;
            break;
        }
    }
    if (column.isDuration())
        column.secondsPerNumber = secondsPerNumberOf(unit);
    return column;
}
