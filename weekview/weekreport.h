// SPDX-License-Identifier: MIT
#pragma once

#include "reportdocument.h"
#include "weekplan.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

// A staffed week's printed report, fixed when the print starts: landscape
// pages, the heat map and the week's totals first, then the agents' weeks
// with their headings on every page. The window hands it to the print
// command (ReportPrintCommand::PrintDocument).
class WeekReport : public ReportDocument
{
public:
    struct Content
    {
        QString caption;  // the window's caption
        QString fileName; // the week file's full path, or "*.vnkw"
        WeekPlan plan;
        std::array<std::optional<QDate>, ShiftWeek::DayCount> dates; // as the week file gives them
    };

    explicit WeekReport(Content content);

    QString caption() const override { return m_content.caption; }
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
    void printBody(ReportCanvas &canvas, const ReportFontSet &fonts) const override;

    const Content &content() const { return m_content; }
    static QString title() { return QStringLiteral("Staffed Week"); }
    // What the report's heat map is called on a recording canvas.
    static QString heatMapName() { return QStringLiteral("Week heat map"); }

private:
    Content m_content;
};
