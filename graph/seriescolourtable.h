// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <array>

// The nine colours of the graph series, by series kind 0..8. An index
// outside the table reads as black and ignores writes.
class SeriesColourTable
{
public:
    static constexpr int Count = 9;

    SeriesColourTable();

    QColor operator[](int index) const;
    void set(int index, const QColor &colour);
    // The colour of a series kind: the table's for the nine, a fixed one
    // for the kinds of the extra columns ("Sched" olive, "Have" navy).
    QColor ofKind(int kind) const;

private:
    std::array<QColor, Count> m_colours;
};
