// SPDX-License-Identifier: MIT
#include "slotvolumes.h"

#include "texts.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace SlotVolumes {

namespace {

// Where the old slots lie in the new list: for old slot i, the first new
// slot it reaches and how many new slots it covers (1 when merging).
class SlotMap
{
public:
    SlotMap(const TimeSlots &from, const TimeSlots &to)
        : m_from(from)
        , m_to(to)
        , m_parts(std::max(1, from.lengthMinutes() / to.lengthMinutes()))
    {
    }

    int parts() const { return m_parts; }

    // The new slot (0-based, maybe past the list's end) that part `part`
    // of old slot `i` (0-based) falls in.
    int newSlot(int i, int part) const
    {
        // Minutes from the new list's start, on a 24-hour clock.
        const int start = m_from.startMinuteOfDay() + i * m_from.lengthMinutes();
        const int offset = ((start - m_to.startMinuteOfDay()) % Calc::MinutesPerDay + Calc::MinutesPerDay)
                           % Calc::MinutesPerDay;
        return offset / m_to.lengthMinutes() + part;
    }

    // Whether a new slot index lies in the new list.
    bool inList(int k) const { return k < m_to.count; }

private:
    const TimeSlots &m_from;
    const TimeSlots &m_to;
    int m_parts;
};

// How an old slot's volume splits over its parts.
std::vector<int> splitVolume(int volume, const TimeSlots &from, int parts)
{
    if (parts == 1)
        return {volume};
    // The hour's halves as the two-length window always split them.
    if (from.length == SlotLength::Hour && parts == 2)
        return {volume / 2, volume - volume / 2};
    return spread(volume, parts);
}

} // namespace

std::vector<int> spread(double calls, int count)
{
    std::vector<int> volumes(static_cast<std::size_t>(count));
    const double share = calls / count;
    double running = 0.0;
    long long assigned = 0;
    for (int i = 1; i <= count; ++i) {
        running = running + share;
        long long volume;
        if (i < count) {
            // running + 0.5 is truncated exactly, not first rounded to a
            // double: long double holds the sum of a double and 0.5 exactly.
            volume = static_cast<long long>(std::trunc(static_cast<long double>(running) + 0.5L)) - assigned;
            assigned += volume;
        } else {
            volume = static_cast<long long>(std::trunc(calls)) - assigned;
        }
        volumes[static_cast<std::size_t>(i - 1)] = static_cast<int>(volume);
    }
    return volumes;
}

std::vector<int> convert(const TimeSlots &from, const std::vector<int> &volumes, const TimeSlots &to)
{
    const SlotMap map(from, to);
    std::vector<long long> sums(static_cast<std::size_t>(to.count), 0);
    for (int i = 0; i < static_cast<int>(volumes.size()); ++i) {
        const std::vector<int> parts = splitVolume(volumes[static_cast<std::size_t>(i)], from, map.parts());
        for (int part = 0; part < map.parts(); ++part) {
            const int k = map.newSlot(i, part);
            if (map.inList(k))
                sums[static_cast<std::size_t>(k)] += parts[static_cast<std::size_t>(part)];
        }
    }
    std::vector<int> result(sums.size());
    for (std::size_t k = 0; k < sums.size(); ++k)
        result[k] = static_cast<int>(std::clamp<long long>(sums[k], INT_MIN, INT_MAX));
    return result;
}

RosterValues convertRoster(const TimeSlots &from, const RosterValues &roster, const TimeSlots &to)
{
    const SlotMap map(from, to);
    RosterValues result(static_cast<std::size_t>(to.count));
    for (int i = 0; i < static_cast<int>(roster.size()); ++i) {
        const std::optional<int> &have = roster[static_cast<std::size_t>(i)];
        if (!have)
            continue;
        for (int part = 0; part < map.parts(); ++part) {
            const int k = map.newSlot(i, part);
            if (!map.inList(k))
                continue;
            std::optional<int> &merged = result[static_cast<std::size_t>(k)];
            merged = merged ? std::min(*merged, *have) : *have;
        }
    }
    return result;
}

int droppedRosterValues(const TimeSlots &from, const RosterValues &roster, const TimeSlots &to)
{
    const SlotMap map(from, to);
    int dropped = 0;
    for (int i = 0; i < static_cast<int>(roster.size()); ++i) {
        if (!roster[static_cast<std::size_t>(i)])
            continue;
        bool placed = false;
        for (int part = 0; part < map.parts(); ++part)
            placed = placed || map.inList(map.newSlot(i, part));
        dropped += placed ? 0 : 1;
    }
    return dropped;
}

} // namespace SlotVolumes
