// SPDX-License-Identifier: MIT
#include "recordingcanvas.h"

#include <stdexcept>

RecordingCanvas::RecordingCanvas(double pixelsPerInchX, double pixelsPerInchY, int pageWidth, int pageHeight)
    : m_ppiX(pixelsPerInchX)
    , m_ppiY(pixelsPerInchY)
    , m_pageWidth(pageWidth)
    , m_pageHeight(pageHeight)
{
}

int RecordingCanvas::fontPixelHeight(const PrinterFont &font) const
{
    return static_cast<int>(font.pointSize * m_ppiY / 72.0);
}

int RecordingCanvas::textWidth(const QString &text) const
{
    return static_cast<int>(text.size()) * (fontPixelHeight(m_font) / 2);
}

int RecordingCanvas::textHeight(const QString &) const
{
    return fontPixelHeight(m_font);
}

void RecordingCanvas::drawText(int x, int y, const QString &text)
{
    if (failAtText == texts.size())
        throw PrinterError("the printer stopped");
    texts.append({m_page, x, y, text, m_font});
    if (afterText)
        afterText(static_cast<int>(texts.size()));
}

void RecordingCanvas::drawChart(const QRect &rect, const ChartModel &model)
{
    charts.append({m_page, rect, model});
}

void RecordingCanvas::drawPicture(const QRect &rect, const ReportPicture &picture)
{
    pictures.append({m_page, rect, picture.name()});
}

void RecordingCanvas::beginDocument()
{
    if (failBegin)
        throw std::runtime_error("The printer is not ready");
    documentBegun = true;
    m_page = 1;
}

void RecordingCanvas::newPage()
{
    ++pagesBegun;
    ++m_page;
}

bool RecordingCanvas::endDocument()
{
    documentEnded = true;
    return true;
}

void RecordingCanvas::abort()
{
    ++abortCalls;
    m_aborted = true;
}
