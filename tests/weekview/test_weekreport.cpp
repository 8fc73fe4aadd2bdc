// SPDX-License-Identifier: MIT
// The printed week on a recording canvas.
#include "recordingcanvas.h"
#include "weekplanfixtures.h"
#include "weekreport.h"

#include <QTest>

class WeekReportTest : public QObject
{
    Q_OBJECT
private slots:
    void heatMapAndTotalsFirstThenAgentsUnderHeadingsOnEveryPage();
};

void WeekReportTest::heatMapAndTotalsFirstThenAgentsUnderHeadingsOnEveryPage()
{
    // State: 60 agents on the same five days with a break, too wide for a
    // line each on a landscape letter page at 100 pixels per inch.
    WeekReport::Content content;
    content.caption = QStringLiteral("week.vnkw");
    content.fileName = QStringLiteral("/home/planner/week.vnkw");
    content.plan = WeekPlanFixtures::workingWeek(30, 12);
    content.plan.tours = {{QStringLiteral("Full time"), 60, 60 * 40.0}};
    for (int a = 0; a < 60; ++a) {
        WeekPlan::AgentWeek agent;
        agent.tourName = QStringLiteral("Full time");
        agent.paidMinutes = 40 * 60;
        for (int d = 0; d < 5; ++d) {
            WeekPlan::DayShift shift;
            shift.start = 8 * 60;
            shift.breakStart = 12 * 60;
            shift.end = 16 * 60 + 30;
            agent.days[std::size_t(d)] = shift;
        }
        content.plan.agents.push_back(agent);
    }
    RecordingCanvas canvas(100, 100, 1050, 800);
    canvas.beginDocument();
    WeekReport(content).printBody(canvas, StandardReportFontSet(Qt::darkGray));

    // Page 1: the heat map and the week's totals.
    QCOMPARE(canvas.pictures.size(), 1);
    QCOMPARE(canvas.pictures.front().page, 1);
    QCOMPARE(canvas.pictures.front().name, WeekReport::heatMapName());
    auto onPage = [&canvas](int page, const QString &text) {
        return std::any_of(canvas.texts.begin(), canvas.texts.end(),
                           [&](const RecordingCanvas::Text &t) { return t.page == page && t.text == text; });
    };
    QVERIFY(onPage(1, QStringLiteral("Paid agent-hours:")));
    QVERIFY(onPage(1, QStringLiteral("Full time")));

    // Then the agents, their headings on every page, every one printed,
    // nothing past the page's edges.
    const int pages = canvas.pageNumber();
    QVERIFY(pages >= 3);
    for (int page = 2; page <= pages; ++page)
        QVERIFY2(onPage(page, QStringLiteral("Sun")), qPrintable(QString::number(page)));
    QVERIFY(onPage(pages, QStringLiteral("60")));
    for (const RecordingCanvas::Text &t : canvas.texts) {
        canvas.setFont(t.font);
        QVERIFY2(t.x >= 0 && t.x + canvas.textWidth(t.text) <= canvas.pageWidth(), qPrintable(t.text));
        QVERIFY2(t.y >= 0 && t.y + canvas.textHeight(t.text) <= canvas.pageHeight(), qPrintable(t.text));
    }
}

QTEST_MAIN(WeekReportTest)
#include "test_weekreport.moc"
