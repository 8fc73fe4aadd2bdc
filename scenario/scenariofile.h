// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What a save did.
struct SaveResult
{
    bool ok = false;
    // On failure: "Cannot create file "NAME". REASON"
    QString message;
};

// What a load did.
struct LoadResult
{
    enum class Status {
        Applied,         // the whole file was applied and the window recalculated
        CannotOpen,      // the file does not exist or cannot be read
        Empty,           // the file holds no line at all
        NotScenarioFile, // line 1 is not exactly "vnk"
        Damaged,         // a line is missing or does not convert; see line and reason
    };
    Status status = Status::CannotOpen;
    int line = 0;    // with Damaged: the 1-based line number that stopped the load
    QString reason;  // with Damaged and CannotOpen: what is wrong, in words
    // A message for the standard error box or the command line that names
    // the file and what is wrong; empty when applied.
    QString message;
    // With Applied: the closing recalculation (it may refuse a loaded field,
    // as typing the same text would be refused).
    RecalcResult recalc;
    // With Applied: what the load replaced, for the planner to be told
    // ("The end time 12:60 in the file is not a time of day: 17:00 is
    // used"); empty when the file was taken as it is.
    QStringList warnings;

    bool applied() const { return status == Status::Applied; }
};

// Splits file bytes into lines: CR LF, a lone CR or a lone LF ends a line
// (LF followed by CR is two line ends), a last line without an ending still
// counts, and a NUL byte ends the text. Bytes are read as Latin-1.
QStringList SplitScenarioLines(const QByteArray &bytes);

// The lines of a file for a load, read whole by SplitScenarioLines, at most
// MaxScenarioFileBytes; or the failure to report: it cannot be opened or
// read (CannotOpen), it is larger (Damaged) or holds no text
// (NotScenarioFile). `kind` names what it should be in the messages
// ("scenario": "is not a scenario file").
std::optional<LoadResult> ReadFileLines(const QString &path, const QString &kind, QStringList *lines);

// A damaged file's result: "File "NAME" is damaged at line N: REASON."
LoadResult DamagedFile(const QString &fileName, int line, const QString &reason);

// The bytes of the scenario file of `scenario`: lines 1 to 11, when
// SlotCallsEdited is set one volume line per time slot, then one line per
// planning option that is set (scenariooptionlines.h), each ended by CR LF.
QByteArray ScenarioFileBytes(const AgentScenario &scenario);

// Writes the scenario to `path` through a temporary file renamed over the
// target: a failed save leaves any file that was there untouched.
SaveResult SaveScenario(const AgentScenario &scenario, const QString &path);

// Writes `bytes` to `path` as SaveScenario does, through a temporary file:
// a failed save leaves any file that was there untouched.
SaveResult SaveFileBytes(const QByteArray &bytes, const QString &path);

// Reads and checks the whole file first; only a file that is entirely sound
// is applied (fields, slot length, volumes, re-spread) and recalculated.
// Otherwise nothing in the scenario changes.
LoadResult LoadScenario(AgentScenario &scenario, const QString &path);

// The same for lines already read (the name is used in messages only).
LoadResult ApplyScenario(AgentScenario &scenario, const QStringList &lines, const QString &fileName);

// Empty lines at the very end of a file, after line 11, are no volume lines:
// they are dropped before the check. An empty line with more lines after it
// stays, and is refused as a volume that is not a whole number.
QStringList WithoutTrailingEmptyLines(QStringList lines);

// The check that ApplyScenario makes before it changes anything: the failure
// it would report for these lines, or an Applied result when they are sound.
LoadResult CheckScenarioLines(const QStringList &lines, const QString &fileName);

// A scenario file holds at most 111 short lines and six option lines; a longer file is refused
// unread past this size (in bytes) rather than held in memory whole.
constexpr qint64 MaxScenarioFileBytes = 1024 * 1024;
