// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class ResultTable;

#include <cstdint>
#include <optional>

// The nine kinds of graph series. A kind's number (0 to 8, its order below)
// is its bit in a series selection, its item in the graph window's series
// menu and its entry in the series colour table.
//
//   Agents          number      Schedule tab only
//   ServiceLevel    percentage  both tabs
//   Queued          percentage  both tabs
//   Abandoned       percentage  both tabs
//   Usage           percentage  both tabs
//   AverageAnswer   time        both tabs
//   QueueTime       time        Agents tab only
//   AverageQueue    number      Agents tab only
//   Trunks          number      both tabs
//
// Two more kinds follow the nine, read from the extra columns a table shows
// only while a planning option or a roster asks for them; a table without
// those columns offers exactly the nine above:
//
//   Sched           number      where "Sched" is shown (shrinkage set)
//   Have            number      the Schedule, where "Have" is shown
//   HandleTime      time        the Schedule, where "AHT" is shown (slot times)
enum class SeriesKind { Agents, ServiceLevel, Queued, Abandoned, Usage, AverageAnswer, QueueTime, AverageQueue, Trunks,
                        Sched, Have, HandleTime };

enum class SeriesGroup { Percentage, Time, Number };

using SeriesSelectionWord = std::uint16_t; // bit k: kind k selected

namespace SeriesKinds {

// The nine kinds every table offers (the graph window's menu items and the
// colour table), and all kinds with the extra columns' two.
constexpr int Count = 9;
constexpr int AllCount = 12;

constexpr int Index(SeriesKind kind)
{
    return static_cast<int>(kind);
}

// The bit of one of the nine kinds in a selection; none for any other number.
constexpr SeriesSelectionWord Bit(int kind)
{
    return kind >= 0 && kind < Count ? static_cast<SeriesSelectionWord>(1u << kind) : SeriesSelectionWord(0);
}

// The bit of any kind, the extra columns' two included.
constexpr SeriesSelectionWord KindBit(int kind)
{
    return kind >= 0 && kind < AllCount ? static_cast<SeriesSelectionWord>(1u << kind) : SeriesSelectionWord(0);
}

constexpr SeriesSelectionWord Bit(SeriesKind kind)
{
    return KindBit(Index(kind));
}

// The selection holding exactly the kinds given.
template <typename... Kinds>
constexpr SeriesSelectionWord Bits(Kinds... kinds)
{
    return static_cast<SeriesSelectionWord>((0u | ... | Bit(kinds)));
}

constexpr SeriesSelectionWord PercentageKinds =
    Bits(SeriesKind::ServiceLevel, SeriesKind::Queued, SeriesKind::Abandoned, SeriesKind::Usage);
constexpr SeriesSelectionWord TimeKinds = Bits(SeriesKind::AverageAnswer, SeriesKind::QueueTime, SeriesKind::HandleTime);
constexpr SeriesSelectionWord NumberKinds =
    Bits(SeriesKind::Agents, SeriesKind::AverageQueue, SeriesKind::Trunks, SeriesKind::Sched, SeriesKind::Have);
// The kinds read from the extra columns.
constexpr SeriesSelectionWord ExtraKinds = Bits(SeriesKind::Sched, SeriesKind::Have, SeriesKind::HandleTime);

// The kinds each tab offers: all but Agents on the Agents tab, all but the
// queue time and the average queue on the Schedule.
constexpr SeriesSelectionWord AgentsOffer = static_cast<SeriesSelectionWord>(
    (PercentageKinds | TimeKinds | Bits(SeriesKind::AverageQueue, SeriesKind::Trunks)) & ~ExtraKinds);
constexpr SeriesSelectionWord ScheduleOffer =
    PercentageKinds | Bits(SeriesKind::Agents, SeriesKind::AverageAnswer, SeriesKind::Trunks);
// A new graph's series on each tab.
constexpr SeriesSelectionWord AgentsDefault = Bits(SeriesKind::ServiceLevel, SeriesKind::Queued);
constexpr SeriesSelectionWord ScheduleDefault = Bits(SeriesKind::Agents, SeriesKind::Abandoned);
// A graph window's series before its agent window first sets them.
constexpr SeriesSelectionWord WindowDefault = Bits(SeriesKind::Agents, SeriesKind::ServiceLevel);

// "Agents", "Service Level", ... as the series menu shows them.
QString MenuCaption(int kind);
// "Agents - n", "Srv Lvl - %", ... as the legend shows them.
QString SeriesTitle(int kind);
SeriesGroup Group(int kind);
// The result-table column one of the nine kinds is read from on a tab; -1
// where the tab does not offer it, and for the extra columns' kinds.
int Column(int kind, bool scheduleTab);
// The same for any kind and a table: the extra columns' kinds where the
// table shows their column.
int Column(int kind, bool scheduleTab, const ResultTable &table);
// Whether a tab offers the kind with some table (the extra columns' kinds
// where their column can be shown: "Have" on the Schedule only).
bool MayOffer(int kind, bool scheduleTab);

// The nine kinds a tab offers; with a table, also the extra columns' kinds
// it shows.
SeriesSelectionWord Offer(bool scheduleTab);
SeriesSelectionWord Offer(bool scheduleTab, const ResultTable &table);
SeriesSelectionWord DefaultSelection(bool scheduleTab);

constexpr bool Holds(SeriesSelectionWord selection, int kind)
{
    return (selection & KindBit(kind)) != 0;
}

constexpr bool Holds(SeriesSelectionWord selection, SeriesKind kind)
{
    return Holds(selection, Index(kind));
}

// The kind whose menu caption is `caption`, letter case ignored.
std::optional<int> KindByCaption(const QString &caption);

} // namespace SeriesKinds
