// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"
#include "printererror.h"
#include "printerfont.h"
#include "reportpicture.h"

#include <QRect>
#include <QString>

// The printer as the report sees it. Positions are printer pixels with the
// origin at the top-left corner of the printable area.
class ReportCanvas
{
public:
    virtual ~ReportCanvas();

    // Horizontal and vertical resolution in pixels per inch.
    virtual double pixelsPerInchX() const = 0;
    virtual double pixelsPerInchY() const = 0;
    // The printable area in pixels.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual void setFont(const PrinterFont &font) = 0;
    // The width and height of a text in the current font.
    virtual int textWidth(const QString &text) const = 0;
    virtual int textHeight(const QString &text) const = 0;
    // Draws the text with its top-left corner at (x, y). Throws PrinterError
    // when the printer reports a failure.
    virtual void drawText(int x, int y, const QString &text) = 0;
    // Draws the chart into rect (printer pixels), as the window shows it.
    virtual void drawChart(const QRect &rect, const ChartModel &model) = 0;
    // Draws the picture into rect (printer pixels).
    virtual void drawPicture(const QRect &rect, const ReportPicture &picture) = 0;

    // Document control. beginDocument starts page 1 and throws when the
    // document cannot be started; newPage throws PrinterError on failure.
    virtual void beginDocument() = 0;
    virtual void newPage() = 0;
    // Ends the document; false when the output could not be completed.
    virtual bool endDocument() = 0;
    // 1 on the first page, plus 1 for each new page.
    virtual int pageNumber() const = 0;

    // Cancels the job: what was sent is discarded, nothing more is output,
    // and aborted() stays true until the canvas is done with.
    virtual void abort() = 0;
    virtual bool aborted() const = 0;
};
