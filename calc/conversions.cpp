// SPDX-License-Identifier: MIT
#include "conversions.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace Calc {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

int skipBlanks(const QString &text, int i)
{
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return i;
}

// Reads an unsigned decimal number of at least one digit; false when there
// is none or it exceeds `limit`.
bool readDecimal(const QString &text, int &i, long long limit, long long &value)
{
    const int start = i;
    value = 0;
    while (i < text.size() && isDigit(text.at(i))) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > limit)
            return false;
        ++i;
    }
    return i > start;
}

// Groups the digits of a non-negative whole number in threes.
QString groupThousands(const QString &digits)
{
    const QChar separator = ThousandSeparator();
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped.append(separator);
        grouped.append(digits.at(i));
    }
    return grouped;
}

// Rounds a string of decimal digits "iiii.ffff" (no sign) to `places`
// decimals, halves away from zero.
std::string roundDecimalDigits(const std::string &digits, int places)
{
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    if (fraction.size() < static_cast<std::size_t>(places))
        fraction.append(static_cast<std::size_t>(places) - fraction.size(), '0');
    const bool roundUp = fraction.size() > static_cast<std::size_t>(places)
        && fraction[static_cast<std::size_t>(places)] >= '5';
    std::string kept = whole + fraction.substr(0, static_cast<std::size_t>(places));
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(i)];
    }
    const std::size_t wholeSize = kept.size() - static_cast<std::size_t>(places);
    std::string result = kept.substr(0, wholeSize);
    if (places > 0)
        result += '.' + kept.substr(wholeSize);
    return result;
}

QString scientific(double magnitude, bool negative)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7E", magnitude);
    // "1.2345679E+08" -> mantissa without trailing zeros, exponent without
    // leading zeros: "1.2345679E+8".
    std::string text(buffer);
    const std::size_t e = text.find('E');
    std::string mantissa = text.substr(0, e);
    while (!mantissa.empty() && mantissa.back() == '0')
        mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.')
        mantissa.pop_back();
    const int exponent = std::stoi(text.substr(e + 1));
    std::string result = (negative ? "-" : "") + mantissa + "E" + (exponent < 0 ? "-" : "+")
        + std::to_string(std::abs(exponent));
    return QString::fromLatin1(result.c_str());
}

} // namespace

std::optional<int> ParseInteger(const QString &text)
{
    int i = skipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('$') || text.at(i) == QLatin1Char('x') || text.at(i) == QLatin1Char('X'))) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text.at(i) == QLatin1Char('0')
               && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long value = 0;
    const int start = i;
    if (hex) {
        for (; i < text.size() && hexValue(text.at(i)) >= 0; ++i) {
            value = value * 16 + hexValue(text.at(i));
            if (value > limit)
                return std::nullopt;
        }
        if (i == start)
            return std::nullopt;
    } else if (!readDecimal(text, i, limit, value)) {
        return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return static_cast<int>(negative ? -value : value);
}

std::optional<TimeOfDay> ParseTime(const QString &text)
{
    int i = skipBlanks(text, 0);
    long long hour = 0;
    long long minute = 0;
    long long second = 0;
    if (!readDecimal(text, i, 23, hour))
        return std::nullopt;
    if (i >= text.size() || text.at(i) != QLatin1Char(':'))
        return std::nullopt;
    ++i;
    if (!readDecimal(text, i, 59, minute))
        return std::nullopt;
    if (i < text.size() && text.at(i) == QLatin1Char(':')) {
        ++i;
        if (!readDecimal(text, i, 59, second))
            return std::nullopt;
    }
    i = skipBlanks(text, i);
    if (i != text.size())
        return std::nullopt;
    return TimeOfDay{static_cast<int>(hour), static_cast<int>(minute)};
}

std::optional<double> ParseFloat(const QString &text)
{
    int i = skipBlanks(text, 0);
    std::string number;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        if (text.at(i) == QLatin1Char('-'))
            number += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isDigit(c)) {
            ++mantissaDigits;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        number += static_cast<char>(c.unicode());
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        number += 'e';
        ++i;
        if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            number += static_cast<char>(text.at(i++).unicode());
        int exponentDigits = 0;
        for (; i < text.size() && isDigit(text.at(i)); ++i, ++exponentDigits)
            number += static_cast<char>(text.at(i).unicode());
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const char *first = number.data();
    const char *last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double RoundHalfAwayExact(double hi, double lo)
{
    const bool negative = hi < 0 || (hi == 0 && lo < 0);
    if (negative) {
        hi = -hi;
        lo = -lo;
    }
    // hi - floor(hi) - 0.5 is exact, and lo cannot outweigh a non-zero
    // distance: it is below half a unit of hi.
    const double whole = std::floor(hi);
    const double distance = (hi - whole) - 0.5;
    const bool up = distance > 0 || (distance == 0 && lo >= 0);
    const double rounded = whole + (up ? 1 : 0);
    return negative ? -rounded : rounded;
}

QChar ThousandSeparator()
{
    static const QChar separator = [] {
        const QString group = QLocale::system().groupSeparator();
        return group.isEmpty() ? QLatin1Char(',') : group.at(0);
    }();
    return separator;
}

QString FormatNumber(double value, int decimals, double extra)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (decimals < 0)
        decimals = 0;
    const bool negative = value < 0 || (value == 0 && extra < 0);
    double hi = negative ? -value : value;
    double lo = negative ? -extra : extra;
    constexpr int significantDigits = 8;

    if (decimals == 0 && hi < 1e15) {
        const double rounded = RoundHalfAwayExact(hi, lo);
        if (rounded >= 1e8)
            return scientific(hi, negative);
        const long long n = static_cast<long long>(rounded);
        QString text = n < 1000 ? QString::number(n) : groupThousands(QString::number(n));
        if (negative && n != 0)
            text.prepend(QLatin1Char('-'));
        return text;
    }

    // Other decimals: round the decimal expansion once. The expansion is
    // written with 60 decimals, enough for every value these tables show.
    const long double exact = static_cast<long double>(hi) + static_cast<long double>(lo);
    if (exact >= 1e8L)
        return scientific(hi, negative);
    int places = decimals;
    if (exact > 0) {
        const int exponent = static_cast<int>(std::floor(std::log10(static_cast<double>(exact))));
        places = std::min(decimals, std::max(0, significantDigits - 1 - exponent));
    }
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.60Lf", exact);
    std::string rounded = roundDecimalDigits(buffer, places);
    const std::size_t point = rounded.find('.');
    std::string whole = rounded.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : rounded.substr(point + 1);
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    if (whole.size() > static_cast<std::size_t>(significantDigits))
        return scientific(hi, negative);
    QString text = groupThousands(QString::fromLatin1(whole.c_str()));
    if (decimals > 0)
        text += QLocale::system().decimalPoint() + QString::fromLatin1(fraction.c_str());
    const bool zero = std::string(whole + fraction).find_first_not_of('0') == std::string::npos;
    if (negative && !zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

} // namespace Calc
