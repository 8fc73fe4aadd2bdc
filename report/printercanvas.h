// SPDX-License-Identifier: MIT
#pragma once

#include "reportcanvas.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <functional>

class QPrinter;

// The report's canvas on a QPrinter through QPainter: a real printer, or a
// PDF file when the printer has an output file name. A PDF is written under
// a temporary name beside the file and takes the file's name only when the
// document ends, so a failed or cancelled print leaves any earlier file as it
// was and no partial one.
class PrinterCanvas : public ReportCanvas
{
public:
    explicit PrinterCanvas(QPrinter &printer);
    // A document still open (cancelled, or left by a failure) is discarded.
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas &) = delete;
    PrinterCanvas &operator=(const PrinterCanvas &) = delete;

    double pixelsPerInchX() const override;
    double pixelsPerInchY() const override;
    int pageWidth() const override;
    int pageHeight() const override;
    void setFont(const PrinterFont &font) override;
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

    // Run after each text and each new page while the document is output:
    // where the program lets pending input (a Cancel click) be handled.
    void setAbortProcedure(std::function<void()> procedure) { m_abortProcedure = std::move(procedure); }

private:
    // Throws PrinterError once the painter has ended: the printer no longer
    // takes output.
    void requireOutput() const;
    void discard();
    void runAbortProcedure();

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_page = 0;
    bool m_aborted = false;
    QString m_target;    // the PDF file asked for
    QString m_temporary; // where it is written until the document ends
    std::function<void()> m_abortProcedure;
};
