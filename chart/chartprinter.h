// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"

class QPrinter;
class QRect;

// Prints the chart alone as a print job of its own, one page, titled with
// model.name. rect is in printer pixels from the painter's origin on the page
// (the printable area's top left corner unless the printer is set to full
// page). False when the printer could not start the job or failed.
bool PrintChart(QPrinter &printer, const QRect &rect, const ChartModel &model);
