// SPDX-License-Identifier: MIT
#include "seriescolourtable.h"

SeriesColourTable::SeriesColourTable()
    : m_colours{QColor(255, 0, 0),     // red
                QColor(0, 0, 255),     // blue
                QColor(0, 128, 0),     // green
                QColor(128, 0, 128),   // purple
                QColor(0, 128, 128),   // teal
                QColor(192, 192, 192), // silver
                QColor(0, 255, 255),   // aqua
                QColor(255, 0, 255),   // fuchsia
                QColor(128, 0, 0)}     // maroon
{
}

QColor SeriesColourTable::operator[](int index) const
{
    if (index < 0 || index >= Count)
        return QColor(0, 0, 0);
    return m_colours[static_cast<std::size_t>(index)];
}

void SeriesColourTable::set(int index, const QColor &colour)
{
    if (index >= 0 && index < Count)
        m_colours[static_cast<std::size_t>(index)] = colour;
}

QColor SeriesColourTable::ofKind(int kind) const
{
    if (kind == Count)
        return QColor(128, 128, 0); // olive
    if (kind == Count + 1)
        return QColor(0, 0, 128); // navy
    if (kind == Count + 2)
        return QColor(0, 128, 128); // teal
    return (*this)[kind];
}
