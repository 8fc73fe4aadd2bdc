// SPDX-License-Identifier: MIT
#include "volumecolumn.h"

#include "durationcell.h"
#include "texts.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace {

using Reason = VolumeRefusal::Reason;

struct Line
{
    int number = 0;
    QStringList cells;
};

struct Candidate
{
    QString text;
    int line = 0;
    int column = 0;
};

QString unquoted(const QString &cell)
{
    const QString trimmed = cell.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('"')) && trimmed.endsWith(QLatin1Char('"'))) {
        QString inner = trimmed.mid(1, trimmed.size() - 2);
        inner.replace(QLatin1String("\"\""), QLatin1String("\""));
        return inner.trimmed();
    }
    return trimmed;
}

// Splits one line at `separator`, except inside double quotes; trailing
// empty cells are dropped (a spreadsheet writes them for blank columns).
QStringList splitCells(const QString &line, QChar separator)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == separator && !quoted) {
            cells << unquoted(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << unquoted(cell);
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

QChar fileSeparator(const QString &text)
{
    if (text.contains(QLatin1Char('\t')))
        return QLatin1Char('\t');
    if (text.contains(QLatin1Char(';')))
        return QLatin1Char(';');
    return QLatin1Char(',');
}

QList<Line> splitLines(QString text, QChar separator)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList raw = text.split(QLatin1Char('\n'));
    QList<Line> lines;
    for (int i = 0; i < raw.size(); ++i)
        lines << Line{i + 1, splitCells(raw.at(i), separator)};
    return lines;
}

std::optional<double> number(const QString &text, const QLocale &locale)
{
    bool ok = false;
    double value = locale.toDouble(text, &ok);
    if (!ok) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(text, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isTime(VolumeRefusal::Subject subject)
{
    return subject == VolumeRefusal::Subject::Talk || subject == VolumeRefusal::Subject::Wrap;
}

// The whole seconds of a slot time the text holds, or why it holds none.
std::optional<Reason> classifyTime(const QString &text, int *seconds)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const Calc::CellRead read =
        Calc::ParseDuration(negative ? text.mid(1) : text, 1, false, std::numeric_limits<int>::max() / 2);
    if (!read.value)
        return Reason::NotANumber;
    if (negative && *read.value > 0)
        return Reason::Negative;
    if (*read.value > Calc::LongestDurationSeconds)
        return Reason::TooLarge;
    *seconds = *read.value;
    return std::nullopt;
}

// The count of calls (or agents, or seconds) the text holds, or why it
// holds none.
std::optional<Reason> classify(const QString &text, const QLocale &locale, VolumeRefusal::Subject subject, int *calls)
{
    if (text.isEmpty())
        return Reason::Empty;
    if (isTime(subject))
        return classifyTime(text, calls);
    const auto value = number(text, locale);
    if (!value)
        return Reason::NotANumber;
    if (*value < 0)
        return Reason::Negative;
    if (*value != std::floor(*value))
        return Reason::NotWhole;
    if (*value > std::numeric_limits<int>::max())
        return Reason::TooLarge;
    *calls = static_cast<int>(*value);
    return std::nullopt;
}

QString shortened(const QString &value)
{
    constexpr int shown = 40;
    return value.size() <= shown ? value : value.left(shown) + QStringLiteral("...");
}

} // namespace

namespace {

// How the messages name a list's values.
struct SubjectWords
{
    const char *rule;    // what a value must be
    const char *list;    // the values together
    const char *none;    // a list without values
    const char *heading; // a table's column
    const char *each;    // one slot's value
    const char *most;    // the largest value a slot takes
};

const SubjectWords &wordsOf(VolumeRefusal::Subject subject)
{
    static const SubjectWords words[] = {
        {"the calls of a time slot are a whole number from 0 up", "call volumes", "there are no numbers of calls",
         "Calls", "number of calls", "2147483647 calls"},
        {"a roster value is a whole number of agents from 0 up", "roster values", "there are no roster values", "Have",
         "roster value", "2147483647 agents"},
        {"a talk time is mm:ss or seconds, at most 23:59", "talk times", "there are no talk times", "Talk",
         "talk time", "23:59"},
        {"an after-call time is mm:ss or seconds, at most 23:59", "after-call times", "there are no after-call times",
         "ACW", "after-call time", "23:59"},
    };
    return words[static_cast<int>(subject)];
}

// The cells that may hold values, in order, and whether the first of them
// may be a header; or why the lines hold no such cells.
struct CandidateCells
{
    QList<Candidate> cells;
    bool headerAllowed = true;
    std::optional<VolumeRefusal> refusal;
};

// A table's "Calls" (or "Have") column, below the header line `first`.
CandidateCells tableColumn(const QList<Line> &lines, qsizetype first, qsizetype last, VolumeRefusal::Subject subject)
{
    CandidateCells result;
    result.headerAllowed = false;
    const Line &header = lines.at(first);
    const QLatin1String heading(wordsOf(subject).heading);
    qsizetype calls = -1;
    for (qsizetype c = 0; c < header.cells.size() && calls < 0; ++c) {
        if (header.cells.at(c).compare(heading, Qt::CaseInsensitive) == 0)
            calls = c;
    }
    if (calls < 0) {
        qsizetype wide = first;
        while (lines.at(wide).cells.size() <= 1)
            ++wide;
        VolumeRefusal refusal(Reason::SeveralColumns);
        refusal.line = lines.at(wide).number;
        refusal.count = static_cast<int>(lines.at(wide).cells.size());
        result.refusal = refusal;
        return result;
    }
    for (qsizetype i = first + 1; i <= last; ++i)
        result.cells << Candidate{lines.at(i).cells.value(calls), lines.at(i).number, static_cast<int>(calls + 1)};
    return result;
}

// The candidate cells of lines `first` to `last`: a column of single cells,
// one row of cells, or a table's column.
CandidateCells candidateCells(const QList<Line> &lines, qsizetype first, qsizetype last,
                              VolumeRefusal::Subject subject)
{
    qsizetype widest = 0;
    for (qsizetype i = first; i <= last; ++i)
        widest = std::max(widest, lines.at(i).cells.size());
    if (widest > 1 && first != last)
        return tableColumn(lines, first, last, subject);
    CandidateCells result;
    if (widest <= 1) {
        for (qsizetype i = first; i <= last; ++i)
            result.cells << Candidate{lines.at(i).cells.value(0), lines.at(i).number, 0};
    } else {
        // One row of values, as copied from a spreadsheet's row.
        const Line &line = lines.at(first);
        for (qsizetype c = 0; c < line.cells.size(); ++c)
            result.cells << Candidate{line.cells.at(c), line.number, static_cast<int>(c + 1)};
    }
    return result;
}

// Whether a cell is a value at all (else a first cell is a header).
bool isValue(const QString &cell, VolumeRefusal::Subject subject, const QLocale &locale)
{
    int ignored = 0;
    return isTime(subject) ? !cell.isEmpty() && classifyTime(cell, &ignored) != Reason::NotANumber
                           : number(cell, locale).has_value();
}

} // namespace

QString VolumeRefusal::text() const
{
    const SubjectWords &words = wordsOf(subject);
    const QString where = column > 0 ? QStringLiteral("line %1, column %2").arg(line).arg(column)
                                     : QStringLiteral("line %1").arg(line);
    const QString it = QStringLiteral("\"%1\" on %2").arg(shortened(value), where);
    const QString rule = QLatin1String(words.rule);
    switch (reason) {
    case Reason::TooLong:
        return QStringLiteral("the text is too long to be a list of %1 (more than %2 characters)")
            .arg(QLatin1String(words.list))
            .arg(VolumeColumn::MaxTextLength);
    case Reason::NoValues:
        return QLatin1String(words.none);
    case Reason::SeveralColumns:
        return QStringLiteral("line %1 has %2 columns: give one column of numbers, or a table with a \"%3\" column")
            .arg(line)
            .arg(count)
            .arg(QLatin1String(words.heading));
    case Reason::Empty:
        return QStringLiteral("%1 is empty: every time slot needs its %2").arg(where, QLatin1String(words.each));
    case Reason::NotANumber:
        return isTime(subject) ? QStringLiteral("%1 is not a time: %2").arg(it, rule)
                               : QStringLiteral("%1 is not a number").arg(it);
    case Reason::Negative:
        return QStringLiteral("%1 is negative: %2").arg(it, rule);
    case Reason::NotWhole:
        return QStringLiteral("%1 is not a whole number: %2").arg(it, rule);
    case Reason::TooLarge:
        return QStringLiteral("%1 is too large: a time slot takes at most %2").arg(it, QLatin1String(words.most));
    case Reason::NoSlot:
        return QStringLiteral("%1 is value %2 of %3, but only %4 time slot%5 from %6 on")
            .arg(it)
            .arg(number)
            .arg(count)
            .arg(slotsLeft)
            .arg(slotsLeft == 1 ? QStringLiteral(" remains") : QStringLiteral("s remain"))
            .arg(firstSlot);
    case Reason::NotInCallsCell:
        return QStringLiteral("put the cursor in a Calls cell of the Schedule to paste call volumes");
    }
    return QString();
}

VolumeColumn VolumeColumn::read(const QString &text, Source source, const QLocale &locale,
                                VolumeRefusal::Subject subject)
{
    VolumeColumn result;
    result.m_subject = subject;
    auto refuse = [&result, subject](VolumeRefusal refusal) {
        refusal.subject = subject;
        result.m_refusal = refusal;
        result.m_volumes.clear();
        return result;
    };
    if (text.size() > MaxTextLength)
        return refuse(VolumeRefusal(Reason::TooLong));

    // A spreadsheet's UTF-8 export may begin with a byte-order mark.
    const QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    const QChar separator = source == Source::Clipboard ? QChar(QLatin1Char('\t')) : fileSeparator(body);
    const QList<Line> lines = splitLines(body, separator);

    // Empty lines before and after the values do not count.
    qsizetype first = 0;
    while (first < lines.size() && lines.at(first).cells.isEmpty())
        ++first;
    qsizetype last = lines.size() - 1;
    while (last >= first && lines.at(last).cells.isEmpty())
        --last;
    if (first > last)
        return refuse(VolumeRefusal(Reason::NoValues));

    CandidateCells candidates = candidateCells(lines, first, last, subject);
    if (candidates.refusal)
        return refuse(*candidates.refusal);
    if (candidates.headerAllowed && !isValue(candidates.cells.first().text, subject, locale))
        candidates.cells.removeFirst();
    if (candidates.cells.isEmpty())
        return refuse(VolumeRefusal(Reason::NoValues));

    for (const Candidate &candidate : candidates.cells) {
        int calls = 0;
        if (const auto reason = classify(candidate.text, locale, subject, &calls)) {
            const VolumeRefusal refusal(*reason, candidate.text, candidate.line, candidate.column);
            return refuse(refusal);
        }
        result.m_volumes << SlotVolume{calls, candidate.line, candidate.column, candidate.text};
    }
    return result;
}
