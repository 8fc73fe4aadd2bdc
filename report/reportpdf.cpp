// SPDX-License-Identifier: MIT
#include "reportpdf.h"

#include "printercanvas.h"
#include "reportlayout.h"

#include <QPrinter>

QString WriteReportPdf(const ReportContent &content, const QString &path, QPageSize::PageSizeId paper,
                       const ReportFontSet &fonts)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(paper));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(content.caption);
    PrinterCanvas canvas(printer);
    try {
        canvas.beginDocument();
        ReportLayout(canvas, fonts).printBody(content);
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    }
    if (!canvas.endDocument())
        return QStringLiteral("Cannot write the file %1").arg(path);
    return {};
}
