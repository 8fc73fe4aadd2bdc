// SPDX-License-Identifier: MIT
#include "durationcell.h"

#include <QRegularExpression>

#include <cmath>

namespace Calc {

CellRead ParseDuration(QString text, int secondsPerNumber, bool decimalComma, int longestSeconds)
{
    if (text.isEmpty())
        return {};
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    // "1,234" or "1.234": a thousand and more seconds with a separator, or a
    // second and a fraction? Neither is guessed.
    static const QRegularExpression thousands(QStringLiteral("^[1-9]\\d{0,2}([.,]\\d{3})+$"));
    if (thousands.match(text).hasMatch())
        return {std::nullopt, QStringLiteral("reads as a number with a thousands separator: write it without one")};
    if (decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression plain(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
    static const QRegularExpression clock(QStringLiteral("^(\\d+):(\\d{1,2})(?::(\\d{1,2}))?(\\.\\d+)?$"));
    double seconds = 0;
    if (plain.match(text).hasMatch()) {
        seconds = text.toDouble() * secondsPerNumber;
    } else if (const QRegularExpressionMatch match = clock.match(text); match.hasMatch()) {
        const double first = match.captured(1).toDouble();
        const int second = match.captured(2).toInt();
        const QString fraction = match.captured(4);
        if (match.hasCaptured(3)) {
            const int third = match.captured(3).toInt();
            if (second > 59 || third > 59)
                return {std::nullopt, QStringLiteral("is not a time hh:mm:ss")};
            seconds = first * 3600 + second * 60 + third;
        } else {
            if (second > 59)
                return {std::nullopt, QStringLiteral("is not a time mm:ss")};
            seconds = first * 60 + second;
        }
        if (!fraction.isEmpty())
            seconds += fraction.toDouble();
    } else {
        return {std::nullopt, QStringLiteral("is not a number of seconds, mm:ss or hh:mm:ss")};
    }
    if (negative && seconds > 0)
        return {std::nullopt, QStringLiteral("is negative")};
    const double whole = std::floor(seconds + 0.5);
    if (whole > longestSeconds)
        return {std::nullopt, QStringLiteral("is longer than 23:59, the longest talk or after-call time")};
    return {static_cast<int>(whole), QString()};
}

} // namespace Calc
