// SPDX-License-Identifier: MIT
#include "chartprinter.h"

#include "chartpainter.h"

#include <QPainter>
#include <QPrinter>

bool PrintChart(QPrinter &printer, const QRect &rect, const ChartModel &model)
{
    printer.setDocName(model.name);
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintChart(painter, rect, model);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}
