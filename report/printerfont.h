// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

// A font of the printed report as the printer receives it: the face, the
// style, the size in points and the colour. The pixel height on the page
// follows from the points and the printer's resolution.
struct PrinterFont
{
    QString family;
    bool bold = false;
    int pointSize = 10;
    QColor colour = Qt::black;

    bool operator==(const PrinterFont &other) const
    {
        return family == other.family && bold == other.bold && pointSize == other.pointSize && colour == other.colour;
    }
};
