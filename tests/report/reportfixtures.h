// SPDX-License-Identifier: MIT
#pragma once

#include "recordingcanvas.h"
#include "reportcontent.h"
#include "reportfontset.h"
#include "reportlayout.h"
#include "scenarioevents.h"
#include "scenariotexts.h"

#include <QPrinter>

// The header colour the tests print with.
inline ReportFontSet testFonts()
{
    return StandardReportFontSet(QColor(128, 128, 128));
}

inline ReportContent agentsContent()
{
    AgentScenario s = workedAgentsScenario();
    s.Recalculate();
    return ReportContent::fromScenario(s, QStringLiteral("*.vnk"), QStringLiteral("New Agents"));
}

inline ReportContent scheduleContent()
{
    AgentScenario s = workedScheduleScenario();
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    return ReportContent::fromScenario(s, QStringLiteral("/srv/plans/monday.vnk"), QStringLiteral("Monday.vnk"));
}

inline ReportContent fullDayContent()
{
    return ReportContent::fromScenario(fullDaySchedule(), QStringLiteral("*.vnk"), QStringLiteral("New Agents"));
}

// The printable area of a PDF printer with its default margins.
inline QSize printableArea(QPageSize::PageSizeId paper, int pixelsPerInch)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(paper));
    printer.setResolution(pixelsPerInch);
    return {printer.width(), printer.height()};
}

// Runs the body of a print on a recording canvas that has begun its document.
inline void printRecorded(RecordingCanvas &canvas, const ReportContent &content)
{
    canvas.beginDocument();
    ReportLayout(canvas, testFonts()).printBody(content);
}
