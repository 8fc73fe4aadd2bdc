// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"

class QPrinter;
class QRect;

// Prints the chart alone as a print job of its own, one page, titled with
// model.name. rect is in printer pixels, measured from the printable area's
// top left corner. False when the printer could not start the job or failed.
bool PrintChart(QPrinter &printer, const QRect &rect, const ChartModel &model);
