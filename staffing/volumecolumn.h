// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// Why a list of slot volumes was refused, with the value and where it
// stands, so that the planner can find it in the spreadsheet or file.
struct VolumeRefusal
{
    enum class Reason {
        TooLong,        // the text is far longer than any list of volumes
        NoValues,       // nothing but blanks, or a header alone
        SeveralColumns, // a table of several columns without a "Calls" column
        Empty,          // an empty cell between values
        NotANumber,
        Negative,
        NotWhole,
        TooLarge,       // beyond a 32-bit count of calls
        NoSlot,         // more values than time slots from the first one down
        NotInCallsCell, // a paste with the cursor elsewhere than a Calls cell
    };
    // What the list holds: the calls of the slots, the agents on their
    // roster ("Have"), or the slots' own talk or after-call times ("Talk",
    // "ACW": mm:ss or seconds, at most 23:59); the messages name it.
    enum class Subject { Calls, Roster, Talk, Wrap };
    explicit VolumeRefusal(Reason why, const QString &valueText = QString(), int lineNumber = 0, int cell = 0)
        : reason(why), value(valueText), line(lineNumber), column(cell)
    {
    }

    Reason reason;
    QString value;  // the value as written, blanks trimmed
    int line = 0;   // 1-based line of the text
    int column = 0; // 1-based cell of the line; 0: the line holds one cell
    // With NoSlot: the value's number among the values, their count, the
    // slots from the first slot down, and the first slot's start time.
    int number = 0;
    int count = 0;
    int slotsLeft = 0;
    QString firstSlot;
    Subject subject = Subject::Calls;

    // The refusal in words, beginning with the value or the line:
    // "\"-5\" on line 3 is negative: ..." (no full stop at the end).
    QString text() const;
};

struct SlotVolume
{
    int calls = 0;  // with a slot time's subject, its whole seconds
    int line = 0;   // where it stands, as in VolumeRefusal
    int column = 0;
    QString text;   // as written, blanks trimmed
};

// A list of slot volumes read from a spreadsheet's clipboard text or from a
// file: one column of whole numbers from 0 up (or one row of them), with an
// optional header cell at the very top. A table of several columns gives
// its "Calls" column ("Have" for a roster). A list with any bad value is
// refused as a whole.
class VolumeColumn
{
public:
    // How cells are separated within a line: a spreadsheet's clipboard uses
    // tabs; a file may use tabs, semicolons or commas (the first of these
    // found in it).
    enum class Source { Clipboard, File };

    // Texts beyond this many characters are refused unread.
    static constexpr int MaxTextLength = 1 << 20;

    // Numbers are read in `locale` (its decimal point and thousands
    // separator) and, failing that, in the C locale without separators.
    static VolumeColumn read(const QString &text, Source source, const QLocale &locale = QLocale::system(),
                             VolumeRefusal::Subject subject = VolumeRefusal::Subject::Calls);

    bool accepted() const { return !m_refusal.has_value(); }
    const std::optional<VolumeRefusal> &refusal() const { return m_refusal; }
    const QList<SlotVolume> &volumes() const { return m_volumes; }
    VolumeRefusal::Subject subject() const { return m_subject; }

private:
    std::optional<VolumeRefusal> m_refusal;
    VolumeRefusal::Subject m_subject = VolumeRefusal::Subject::Calls;
    QList<SlotVolume> m_volumes;
};
