// SPDX-License-Identifier: MIT
#include "graphcells.h"

#include "conversions.h"
#include "texts.h"

#include <cmath>
#include <limits>

namespace GraphCells {

namespace {

Value readValue(int value)
{
    Value v;
    v.status = Value::Status::Read;
    v.value = value;
    return v;
}

Value invalid(const QString &message)
{
    Value v;
    v.status = Value::Status::Invalid;
    v.error = message;
    return v;
}

Value invalidInteger(const QString &text)
{
    return invalid(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// "-1,234,567": an optional minus, one to three digits, then one or more
// groups of the separator and three digits. The separators are taken out.
bool ungroupThousands(const QString &text, QChar separator, QString *digits)
{
    const int size = static_cast<int>(text.size());
    int i = 0;
    QString out;
    if (i < size && text.at(i) == QLatin1Char('-'))
        out += text.at(i++);
    const int leadStart = i;
    while (i < size && isDigit(text.at(i)))
        out += text.at(i++);
    const int lead = i - leadStart;
    if (lead < 1 || lead > 3 || i == size)
        return false;
    while (i < size) {
        if (text.at(i) != separator || i + 4 > size)
            return false;
        for (int k = 1; k <= 3; ++k) {
            if (!isDigit(text.at(i + k)))
                return false;
            out += text.at(i + k);
        }
        i += 4;
    }
    *digits = out;
    return true;
}

int clampToInt(double value)
{
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(Calc::RoundHalfAwayExact(value, 0));
}

} // namespace

Value ReadPercentage(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QString number = text.left(text.size() - 1);
    if (const auto value = Calc::ParseInteger(number))
        return readValue(*value);
    return invalidInteger(number);
}

Value ReadTime(const QString &text)
{
    if (text.isEmpty())
        return {};
    if (const auto seconds = Calc::DurationTextToSeconds(text))
        return readValue(*seconds);
    return invalid(QStringLiteral("'%1' is not a valid time").arg(text));
}

Value ReadNumber(const QString &text)
{
    if (text.isEmpty())
        return {};
    if (const auto value = Calc::ParseInteger(text))
        return readValue(*value);
    QString digits;
    if (ungroupThousands(text, Calc::ThousandSeparator(), &digits)) {
        if (const auto value = Calc::ParseFloat(digits))
            return readValue(clampToInt(*value));
    }
    // The number format's scientific form, and decimals.
    if (const auto value = Calc::ParseFloat(text))
        return readValue(clampToInt(*value));
    return invalidInteger(text);
}

} // namespace GraphCells
