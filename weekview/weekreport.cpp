// SPDX-License-Identifier: MIT
#include "weekreport.h"

#include "weekreportlayout.h"

WeekReport::WeekReport(Content content)
    : m_content(std::move(content))
{
}

void WeekReport::printBody(ReportCanvas &canvas, const ReportFontSet &fonts) const
{
    WeekReportLayout(canvas, fonts).print(m_content);
}
