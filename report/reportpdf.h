// SPDX-License-Identifier: MIT
#pragma once

#include "reportcontent.h"
#include "reportfontset.h"

#include <QPageSize>
#include <QString>

// Writes the report as a portrait PDF on the given paper, through the same
// layout and printer canvas as a print from the window. Needs a
// QGuiApplication. Empty on success, else what went wrong; a failed write
// leaves no file of that name behind (nor changes an earlier one).
QString WriteReportPdf(const ReportContent &content, const QString &path, QPageSize::PageSizeId paper,
                       const ReportFontSet &fonts);
