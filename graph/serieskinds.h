// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

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
enum class SeriesKind { Agents, ServiceLevel, Queued, Abandoned, Usage, AverageAnswer, QueueTime, AverageQueue, Trunks };

enum class SeriesGroup { Percentage, Time, Number };

using SeriesSelectionWord = std::uint16_t; // bit k: kind k selected

namespace SeriesKinds {

constexpr int Count = 9;

constexpr int Index(SeriesKind kind)
{
    return static_cast<int>(kind);
}

// The kind's bit in a selection; none for a number that names no kind.
constexpr SeriesSelectionWord Bit(int kind)
{
    return kind >= 0 && kind < Count ? static_cast<SeriesSelectionWord>(1u << kind) : SeriesSelectionWord(0);
}

constexpr SeriesSelectionWord Bit(SeriesKind kind)
{
    return Bit(Index(kind));
}

// The selection holding exactly the kinds given.
template <typename... Kinds>
constexpr SeriesSelectionWord Bits(Kinds... kinds)
{
    return static_cast<SeriesSelectionWord>((0u | ... | Bit(kinds)));
}

constexpr SeriesSelectionWord PercentageKinds =
    Bits(SeriesKind::ServiceLevel, SeriesKind::Queued, SeriesKind::Abandoned, SeriesKind::Usage);
constexpr SeriesSelectionWord TimeKinds = Bits(SeriesKind::AverageAnswer, SeriesKind::QueueTime);
constexpr SeriesSelectionWord NumberKinds = Bits(SeriesKind::Agents, SeriesKind::AverageQueue, SeriesKind::Trunks);

// The kinds each tab offers: all but Agents on the Agents tab, all but the
// queue time and the average queue on the Schedule.
constexpr SeriesSelectionWord AgentsOffer = PercentageKinds | TimeKinds | Bits(SeriesKind::AverageQueue, SeriesKind::Trunks);
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
// The result-table column the kind is read from on a tab; -1 where the tab
// does not offer it.
int Column(int kind, bool scheduleTab);

SeriesSelectionWord Offer(bool scheduleTab);
SeriesSelectionWord DefaultSelection(bool scheduleTab);

constexpr bool Holds(SeriesSelectionWord selection, int kind)
{
    return (selection & Bit(kind)) != 0;
}

constexpr bool Holds(SeriesSelectionWord selection, SeriesKind kind)
{
    return Holds(selection, Index(kind));
}

// The kind whose menu caption is `caption`, letter case ignored.
std::optional<int> KindByCaption(const QString &caption);

} // namespace SeriesKinds
