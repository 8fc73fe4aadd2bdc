// SPDX-License-Identifier: MIT
#include "filenames.h"

#include <algorithm>

namespace Calc {

QString Capitalise(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    if (!result.isEmpty() && result.at(0) >= QLatin1Char('a') && result.at(0) <= QLatin1Char('z'))
        result[0] = QChar(result.at(0).unicode() - ('a' - 'A'));
    return result;
}

QString RelativePath(const QString &path, const QString &directory)
{
    const QChar separator = QLatin1Char('/');
    QString d = directory;
    if (!d.endsWith(separator))
        d.append(separator);
    const int m = static_cast<int>(std::min(d.size(), path.size()));
    QString result;
    if (m == 0) {
        result = path;
    } else {
        // Positions are counted from 1; position m itself is never compared.
        int i = 1;
        if (m >= 2) {
            while (i < m && d.at(i - 1) == path.at(i - 1))
                ++i;
        }
        result = i == m ? path.mid(m) : path.mid(i - 1);
    }
    return result.left(255);
}

QString FilterSuffix(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1String("(*."));
    const qsizetype close = filter.indexOf(QLatin1Char(')'), open);
    if (open < 0 || close < 0)
        return {};
    const QString suffix = filter.mid(open + 3, close - open - 3);
    for (QChar c : suffix) {
        if (!c.isLetterOrNumber())
            return {}; // several patterns, or a wildcard
    }
    return suffix;
}

} // namespace Calc
