// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// Where a printed chart goes on the page, in printer pixels: left and top
// edges at 10, right and bottom edges exclusive.
struct ChartPrintRect
{
    int left = 10;
    int top = 10;
    int right = 0;
    int bottom = 0;

    bool isEmpty() const { return right <= left || bottom <= top; }
    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
};

// Scales the graph window's client area (screen pixels) to the printable
// page (printer pixels) less 20 pixels each way, in whole per cent: the
// width fills the page unless the height would not fit, then the height
// does. Integer arithmetic, truncating. An empty client area gives an empty
// rectangle.
ChartPrintRect ComputeChartPrintRect(int pageWidth, int pageHeight, int clientWidth, int clientHeight);
