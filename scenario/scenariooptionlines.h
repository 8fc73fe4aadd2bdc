// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"
#include "planningoptions.h"
#include "roster.h"

#include <QString>
#include <QStringList>

#include <optional>

// A scenario's options are stored after its volume lines, one "key=value"
// line each, and only when set: a scenario without options is written byte
// for byte as one from a version without them. A key starts with a letter
// and a volume is a number, so the two kinds of line never mix up.
//   model=erlang-a        shrinkage=30        max-occupancy=85
//   max-abandon=5         paid-hours=07:30    have=0,3,,20
//   slot-talk=180,,200    slot-wrap=30,,45    (whole seconds per slot)
//   slot-floor=60        slot-abandon-max=5  (the slot floor, before the types)
//   shift=Day,8:00,08:00,12:00,0:30,3:00,5:00 (one line per shift type, last)
// A scenario in 15-minute slots says so first, "slot-minutes=15" (line 11
// names only 30 and 60 minutes): a version without quarter hours refuses
// the unknown option rather than reading the volumes as half hours.
QStringList ScenarioOptionLines(const AgentScenario &scenario);

// The keys of the lines beyond the planning options' own (whose keys their
// table holds), for a week file that shares some of them.
namespace ScenarioOptionKey {
inline const QLatin1String SlotMinutes("slot-minutes");
inline const QLatin1String Roster("have");
inline const QLatin1String SlotTalk("slot-talk");
inline const QLatin1String SlotWrap("slot-wrap");
inline const QLatin1String Shift("shift");
} // namespace ScenarioOptionKey

// The lines of the planning options that differ from a new window's, in
// the order a scenario file writes them (a week file writes the same).
QStringList PlanningOptionLines(const PlanningOptions &options);
// Whether a key is one of the planning options'.
bool IsPlanningOptionKey(const QString &key);
// A shift type's line.
QString ShiftTypeLine(const ShiftType &type);
// The slot floor's lines, one per figure set (a week file writes the same).
QStringList SlotFloorLines(const SlotFloor &floor);
// Whether a key is one of the slot floor's.
bool IsSlotFloorKey(const QString &key);

// Whether a line after the fixed lines is an option line rather than a
// volume line.
bool IsOptionLine(const QString &line);

// The options a file's option lines hold.
struct ScenarioOptionsRead
{
    PlanningOptions planning;
    RosterValues roster;
    // Each slot's own talk and after-call seconds; an empty entry: the
    // fields' time.
    RosterValues slotTalk;
    RosterValues slotWrap;
    // The slot length an option line gave; none leaves it to line 11.
    std::optional<SlotLength> slotLength;
    SlotFloor serviceFloor;
    std::vector<ShiftType> shiftTypes; // in the order of their lines
};

// The one option whose line may repeat: a shift type per line.
bool IsRepeatableOption(const QString &key);

// What is wrong with an option line, in words for the damaged-file message;
// empty when the line is sound and was read into `read`.
std::optional<QString> ReadScenarioOptionLine(const QString &line, ScenarioOptionsRead &read);
