// SPDX-License-Identifier: MIT
#include "printercanvas.h"

#include "chartpainter.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>
#include <stdexcept>

namespace {

std::string text(const QString &s)
{
    return s.toLocal8Bit().toStdString();
}

} // namespace

PrinterCanvas::PrinterCanvas(QPrinter &printer)
    : m_printer(printer)
{
}

PrinterCanvas::~PrinterCanvas()
{
    discard();
}

double PrinterCanvas::pixelsPerInchX() const
{
    return m_printer.logicalDpiX();
}

double PrinterCanvas::pixelsPerInchY() const
{
    return m_printer.logicalDpiY();
}

int PrinterCanvas::pageWidth() const
{
    return m_printer.width();
}

int PrinterCanvas::pageHeight() const
{
    return m_printer.height();
}

void PrinterCanvas::setFont(const PrinterFont &font)
{
    m_font = QFont(font.family);
    m_font.setPointSize(font.pointSize > 0 ? font.pointSize : 1);
    m_font.setBold(font.bold);
    if (m_painter.isActive()) {
        m_painter.setFont(m_font);
        m_painter.setPen(font.colour);
    }
}

int PrinterCanvas::textWidth(const QString &text) const
{
    return QFontMetrics(m_font, &m_printer).horizontalAdvance(text);
}

int PrinterCanvas::textHeight(const QString &) const
{
    // The height of a line of the font, whatever the text: ascent and
    // descent, without the gap between lines.
    return QFontMetrics(m_font, &m_printer).height();
}

void PrinterCanvas::requireOutput() const
{
    if (!m_painter.isActive())
        throw PrinterError("the printer is no longer accepting output");
}

void PrinterCanvas::drawText(int x, int y, const QString &text)
{
    requireOutput();
    m_painter.drawText(x, y + QFontMetrics(m_font, &m_printer).ascent(), text);
    runAbortProcedure();
}

void PrinterCanvas::drawChart(const QRect &rect, const ChartModel &model)
{
    requireOutput();
    PaintChart(m_painter, rect, model);
    // The chart leaves the painter's font and pen as it found them.
    runAbortProcedure();
}

void PrinterCanvas::drawPicture(const QRect &rect, const ReportPicture &picture)
{
    requireOutput();
    picture.paint(m_painter, rect);
    runAbortProcedure();
}

void PrinterCanvas::beginDocument()
{
    m_target.clear();
    m_temporary.clear();
    const QString fileName = m_printer.outputFileName();
    if (!fileName.isEmpty()) {
        const QFileInfo info(fileName);
        QTemporaryFile temporary(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
        temporary.setAutoRemove(false);
        if (!temporary.open())
            throw std::runtime_error(text(QStringLiteral("Cannot write the file %1").arg(fileName)));
        // A temporary file is private to its owner; the PDF is not.
        temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                 | QFileDevice::ReadOther);
        m_target = fileName;
        m_temporary = temporary.fileName();
        temporary.close();
        m_printer.setOutputFileName(m_temporary);
    }
    if (!m_painter.begin(&m_printer)) {
        discard();
        const QString message = m_target.isEmpty() ? QStringLiteral("The printer %1 cannot start printing").arg(m_printer.printerName())
                                                   : QStringLiteral("Cannot write the file %1").arg(m_target);
        throw std::runtime_error(text(message));
    }
    m_page = 1;
    m_aborted = false;
}

void PrinterCanvas::newPage()
{
    if (!m_painter.isActive() || !m_printer.newPage())
        throw PrinterError("the printer cannot begin a new page");
    ++m_page;
    runAbortProcedure();
}

bool PrinterCanvas::endDocument()
{
    if (!m_painter.isActive())
        return false;
    bool ok = m_painter.end();
    if (!m_target.isEmpty())
        m_printer.setOutputFileName(m_target);
    if (!m_temporary.isEmpty()) {
        // Replaces an earlier file of that name in one step.
        if (ok)
            ok = std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) == 0;
        if (!ok)
            QFile::remove(m_temporary);
        m_temporary.clear();
    }
    return ok;
}

void PrinterCanvas::abort()
{
    if (m_aborted)
        return;
    m_aborted = true;
    // Discards what was sent to a printer. A PDF engine cannot abort and
    // would still write the file: the temporary file goes when the canvas
    // is done with.
    m_printer.abort();
}

void PrinterCanvas::discard()
{
    if (m_painter.isActive())
        m_painter.end();
    // The print dialog shows the file the user chose, not where it was
    // written meanwhile.
    if (!m_target.isEmpty())
        m_printer.setOutputFileName(m_target);
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
    m_temporary.clear();
}

void PrinterCanvas::runAbortProcedure()
{
    if (m_abortProcedure && !m_aborted)
        m_abortProcedure();
}
