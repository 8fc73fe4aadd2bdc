// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The nine kinds of graph series, numbered 0 to 8. A kind's number is its
// bit in a series selection, its item in the graph window's series menu and
// its entry in the series colour table.
//
//   0 Agents          number      Schedule column 2
//   1 Service Level   percentage  Agents column 1, Schedule column 3
//   2 Queued          percentage  Agents column 2, Schedule column 4
//   3 Abandoned       percentage  Agents column 3, Schedule column 5
//   4 Usage           percentage  Agents column 4, Schedule column 6
//   5 Average Answer  time        Agents column 5, Schedule column 7
//   6 Queue Time      time        Agents column 6
//   7 Average Queue   number      Agents column 7
//   8 Trunks          number      Agents column 8, Schedule column 8
enum class SeriesGroup { Percentage, Time, Number };

using SeriesSelectionWord = std::uint16_t; // bit k: kind k selected

namespace SeriesKinds {

constexpr int Count = 9;

constexpr SeriesSelectionWord PercentageKinds = 0x1E; // kinds 1 to 4
constexpr SeriesSelectionWord TimeKinds = 0x60;       // kinds 5 and 6
constexpr SeriesSelectionWord NumberKinds = 0x181;    // kinds 0, 7 and 8

constexpr SeriesSelectionWord AgentsOffer = 0x1FE;   // kinds 1 to 8
constexpr SeriesSelectionWord ScheduleOffer = 0x13F; // kinds 0 to 5 and 8
constexpr SeriesSelectionWord AgentsDefault = 6;     // service level, queued
constexpr SeriesSelectionWord ScheduleDefault = 9;   // agents, abandoned

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

inline bool Holds(SeriesSelectionWord selection, int kind)
{
    return kind >= 0 && kind < Count && (selection >> kind) & 1u;
}

// The kind whose menu caption is `caption`, letter case ignored.
std::optional<int> KindByCaption(const QString &caption);

} // namespace SeriesKinds
