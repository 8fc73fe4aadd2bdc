// SPDX-License-Identifier: MIT
#include "reportfontset.h"

#include <QFont>

#include <cmath>
#include <cstdlib>

int ReportPointSize(int pixelHeight, double pixelsPerInch)
{
    if (!(pixelsPerInch > 0))
        return 0;
    // std::round takes halves away from zero.
    return static_cast<int>(std::round(std::abs(static_cast<double>(pixelHeight)) * 72.0 / pixelsPerInch));
}

int ScaledPixelHeight(int designHeight, double screenPixelsPerInch)
{
    if (!(screenPixelsPerInch > 0))
        return designHeight;
    return static_cast<int>(std::round(designHeight * screenPixelsPerInch / DesignPixelsPerInch));
}

ReportFontSet StandardReportFontSet(const QColor &headerColour, double screenPixelsPerInch)
{
    auto font = [screenPixelsPerInch](const char *family, bool bold, int designHeight, const QColor &colour) {
        PrinterFont style;
        style.family = QString::fromLatin1(family);
        style.bold = bold;
        style.pointSize = ReportPointSize(ScaledPixelHeight(designHeight, screenPixelsPerInch), screenPixelsPerInch);
        style.colour = colour;
        return style;
    };
    ReportFontSet fonts;
    fonts.pageHeader = font("Times New Roman", true, 19, headerColour);
    fonts.reportHeader = font("Times New Roman", true, 16, headerColour);
    fonts.body = font("Arial", false, 13, QColor(Qt::black));
    return fonts;
}

PrinterFont CopyLabelFont(const QFont &labelFont, const QColor &colour, double screenPixelsPerInch)
{
    PrinterFont style;
    style.family = labelFont.family();
    style.bold = labelFont.bold();
    style.colour = colour;
    if (labelFont.pixelSize() > 0)
        style.pointSize = ReportPointSize(labelFont.pixelSize(), screenPixelsPerInch);
    else
        style.pointSize = static_cast<int>(std::round(labelFont.pointSizeF()));
    return style;
}
