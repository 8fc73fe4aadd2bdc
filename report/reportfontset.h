// SPDX-License-Identifier: MIT
#pragma once

#include "reportcanvas.h"

#include <QColor>

// The three fonts a report borrows from the main window.
struct ReportFontSet
{
    PrinterFont pageHeader;   // product name and page number
    PrinterFont reportHeader; // report title
    PrinterFont body;         // everything else
};

// The screen resolution the report fonts' pixel heights are designed at.
constexpr double DesignPixelsPerInch = 96.0;

// The point size of a font whose characters are pixelHeight pixels high at
// pixelsPerInch: |height| x 72 / pixels per inch, to the nearest whole number
// with halves away from zero. 0 for a resolution that is not above 0.
int ReportPointSize(int pixelHeight, double pixelsPerInch);

// The pixel height of a designed height on a screen of the given resolution,
// as a form designed at 96 pixels per inch is scaled: halves away from zero.
int ScaledPixelHeight(int designHeight, double screenPixelsPerInch);

// The report fonts for labels of 19, 16 and 13 pixels at the given screen
// resolution: "Times New Roman" bold for the page header and the title in
// the header colour, "Arial" regular in black for the body. At 96 pixels per
// inch they are 14, 12 and 10 points.
ReportFontSet StandardReportFontSet(const QColor &headerColour, double screenPixelsPerInch = DesignPixelsPerInch);

class QFont;

// The copy of a label's font that the printer receives: its face, its style,
// the given colour, and the point size that the label's pixel height gives at
// the screen's resolution.
PrinterFont CopyLabelFont(const QFont &labelFont, const QColor &colour, double screenPixelsPerInch);
