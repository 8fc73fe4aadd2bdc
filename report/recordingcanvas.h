// SPDX-License-Identifier: MIT
#pragma once

#include "reportcanvas.h"

#include <QList>

#include <functional>

// A canvas that keeps what is drawn instead of printing it, with simple
// metrics worked out from the font: a text is as high as the font's pixel
// height at this resolution, and each character is half as wide as that.
// It can be told to fail like a printer, at a given text or page.
class RecordingCanvas : public ReportCanvas
{
public:
    struct Text
    {
        int page;
        int x;
        int y;
        QString text;
        PrinterFont font;
    };
    struct Picture
    {
        int page;
        QRect rect;
        QString name;
    };
    struct Chart
    {
        int page;
        QRect rect;
        ChartModel model;
    };

    RecordingCanvas(double pixelsPerInchX, double pixelsPerInchY, int pageWidth, int pageHeight);

    double pixelsPerInchX() const override { return m_ppiX; }
    double pixelsPerInchY() const override { return m_ppiY; }
    int pageWidth() const override { return m_pageWidth; }
    int pageHeight() const override { return m_pageHeight; }
    void setFont(const PrinterFont &font) override { m_font = font; }
    int textWidth(const QString &text) const override;
    int textHeight(const QString &text) const override;
    void drawText(int x, int y, const QString &text) override;
    void drawChart(const QRect &rect, const ChartModel &model) override;
    void drawPicture(const QRect &rect, const ReportPicture &picture) override;
    void beginDocument() override;
    void newPage() override;
    bool endDocument() override;
    int pageNumber() const override { return m_page; }
    void abort() override;
    bool aborted() const override { return m_aborted; }

    // The font's height in pixels at this canvas's vertical resolution.
    int fontPixelHeight(const PrinterFont &font) const;
    const PrinterFont &font() const { return m_font; }

    QList<Text> texts;
    QList<Chart> charts;
    QList<Picture> pictures;
    int pagesBegun = 0; // pages begun after page 1
    bool documentBegun = false;
    bool documentEnded = false;
    int abortCalls = 0;

    // Run after every text drawn, with the number of texts so far: the
    // place a test presses Cancel, as the printer's output would let it.
    std::function<void(int)> afterText;
    // A failure reported when drawing the text with this index (0 based),
    // or when beginning the document; -1 never.
    int failAtText = -1;
    bool failBegin = false;

private:
    double m_ppiX;
    double m_ppiY;
    int m_pageWidth;
    int m_pageHeight;
    PrinterFont m_font;
    int m_page = 0;
    bool m_aborted = false;
};
