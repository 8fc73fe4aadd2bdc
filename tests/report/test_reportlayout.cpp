// SPDX-License-Identifier: MIT
#include "reportfixtures.h"
#include "resulttable.h"

#include <QFont>
#include <QTest>

using Text = RecordingCanvas::Text;

class ReportLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void pointSizes_data();
    void pointSizes();
    void fontsCopiedFromTheLabels();
    void positionsFollowTheResolution_data();
    void positionsFollowTheResolution();
    void titleFollowsTheTab();
    void longScheduleBreaksBeforeTheRowThatDoesNotFit_data();
    void longScheduleBreaksBeforeTheRowThatDoesNotFit();
    void emptyCellFeedsALine();
    void textsWiderThanTheirPlaceAreNotCut();
    void cancelStopsTheReport_data();
    void cancelStopsTheReport();
    void printerFailureEndsTheBody();
    void contentHoldsTheGridWithItsHeadings();
};

namespace {

int right(const RecordingCanvas &canvas, const Text &t)
{
    RecordingCanvas measure(canvas.pixelsPerInchX(), canvas.pixelsPerInchY(), 1, 1);
    measure.setFont(t.font);
    return t.x + measure.textWidth(t.text);
}

int heightOf(const RecordingCanvas &canvas, const PrinterFont &font)
{
    return canvas.fontPixelHeight(font);
}

// The texts of the input block, header excluded: labels and values.
const int HeaderTexts = 3;
const int BlockTexts = 14;

} // namespace

void ReportLayoutTest::pointSizes_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<double>("pixelsPerInch");
    QTest::addColumn<int>("points");
    QTest::newRow("page header 19 px") << 19 << 96.0 << 14;  // 14.25
    QTest::newRow("title 16 px") << 16 << 96.0 << 12;        // 12
    QTest::newRow("body 13 px") << 13 << 96.0 << 10;         // 9.75
    QTest::newRow("half away from zero") << 14 << 96.0 << 11; // 10.5
    QTest::newRow("negative height") << -19 << 96.0 << 14;
    QTest::newRow("120 dpi screen") << 24 << 120.0 << 14;    // 14.4
    QTest::newRow("no resolution") << 19 << 0.0 << 0;
}

void ReportLayoutTest::pointSizes()
{
    QFETCH(int, pixels);
    QFETCH(double, pixelsPerInch);
    QFETCH(int, points);
    QCOMPARE(ReportPointSize(pixels, pixelsPerInch), points);
}

void ReportLayoutTest::fontsCopiedFromTheLabels()
{
    // The labels' heights scale with the screen, the points stay.
    for (double screen : {96.0, 120.0}) {
        const ReportFontSet fonts = StandardReportFontSet(Qt::darkGray, screen);
        QCOMPARE(fonts.pageHeader, (PrinterFont{"Times New Roman", true, 14, Qt::darkGray}));
        QCOMPARE(fonts.reportHeader, (PrinterFont{"Times New Roman", true, 12, Qt::darkGray}));
        QCOMPARE(fonts.body, (PrinterFont{"Arial", false, 10, Qt::black}));
    }
    QFont label(QStringLiteral("Times New Roman"));
    label.setBold(true);
    label.setPixelSize(19);
    QCOMPARE(CopyLabelFont(label, Qt::gray, 96.0), (PrinterFont{label.family(), true, 14, Qt::gray}));
    label.setPointSize(12); // a label sized in points keeps them
    QCOMPARE(CopyLabelFont(label, Qt::gray, 96.0).pointSize, 12);
    label.setPixelSize(1);
    QCOMPARE(CopyLabelFont(label, Qt::gray, 96.0).pointSize, 1);
    // Pixels scale with the screen, rounded, before they become points: at
    // 144 dpi the 19-pixel header is 28.5, so 29 pixels and 14.5, so 15 points.
    QCOMPARE(ScaledPixelHeight(19, 120.0), 24); // 23.75
    QCOMPARE(ScaledPixelHeight(96, 1.0), 1);
    QCOMPARE(ScaledPixelHeight(19, 0.0), 19); // no resolution: the design's
    QCOMPARE(StandardReportFontSet(Qt::darkGray, 144.0).pageHeader.pointSize, 15);
}

void ReportLayoutTest::positionsFollowTheResolution_data()
{
    QTest::addColumn<double>("ppi");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("valueX");
    QTest::addColumn<int>("headingEnd");
    QTest::addColumn<int>("cellEnd");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("bodyHeight");
    // The recording canvas measures a 10-point line as 10/72 inch, a
    // character as half that wide: 83.3 pixels at 600 ppi, 28.19 at 203.
    QTest::newRow("600 ppi") << 600.0 << 300 << 30 << 1200 << 780 << 720 << 420 << 83;
    // 101.5, 10.15, 263.9, 243.6 and 142.1 pixels, truncated.
    QTest::newRow("203 ppi") << 203.0 << 101 << 10 << 406 << 263 << 243 << 142 << 28;
}

void ReportLayoutTest::positionsFollowTheResolution()
{
    QFETCH(double, ppi);
    QFETCH(int, margin);
    QFETCH(int, gap);
    QFETCH(int, valueX);
    QFETCH(int, headingEnd);
    QFETCH(int, cellEnd);
    QFETCH(int, pitch);
    QFETCH(int, bodyHeight);

    const int width = static_cast<int>(8 * ppi);
    const int height = static_cast<int>(11 * ppi);
    RecordingCanvas canvas(ppi, ppi, width, height);
    canvas.beginDocument();
    ReportLayout layout(canvas, testFonts());
    const ReportContent content = agentsContent();
    layout.printBody(content);
    QCOMPARE(layout.topMargin(), margin);
    QCOMPARE(layout.lineGap(), gap);
    QCOMPARE(layout.bottomLimit(), height - 2 * margin);
    QCOMPARE(layout.pageNumberRight(), width - 2 * margin);

    const ReportFontSet fonts = testFonts();
    const int hp = heightOf(canvas, fonts.pageHeader) + gap;
    const int hr = heightOf(canvas, fonts.reportHeader) + gap;
    const int hb = heightOf(canvas, fonts.body) + gap;
    QCOMPARE(heightOf(canvas, fonts.body), bodyHeight);
    RecordingCanvas measure(ppi, ppi, 1, 1);
    measure.setFont(fonts.body);
    QCOMPARE(measure.textWidth(QStringLiteral("Agents")), 6 * (bodyHeight / 2));
    const QList<Text> &t = canvas.texts;
    QCOMPARE(t.size(), HeaderTexts + BlockTexts + 9 * 11);

    // Header: product name and page number at the top margin, the title
    // two header lines lower.
    QCOMPARE(t[0].text, QStringLiteral("Varnook "));
    QCOMPARE(QPoint(t[0].x, t[0].y), QPoint(margin, margin));
    QCOMPARE(t[0].font, fonts.pageHeader);
    QCOMPARE(t[1].text, QStringLiteral("Page 1"));
    QCOMPARE(right(canvas, t[1]), width - 2 * margin);
    QCOMPARE(t[1].y, margin);
    QCOMPARE(t[2].text, QStringLiteral("Service Level Table"));
    QCOMPARE(QPoint(t[2].x, t[2].y), QPoint(margin, margin + 2 * hp));
    QCOMPARE(t[2].font, fonts.reportHeader);

    // Input block: labels at the margin, values at 2 in, one empty line
    // after FILE.
    const int fileY = t[2].y + 3 * hr;
    const QStringList block = {"FILE", "*.vnk", "TOTAL CALLS", "100", "BETWEEN", "08:00 and 09:00",
                               "CALL LENGTH", "03:00", "AFTER CALL", "00:30", "MAX WAIT", "00:25",
                               "SERVICE LEVEL", "80% in 20 Secs"};
    for (int i = 0; i < BlockTexts; ++i) {
        const Text &item = t[HeaderTexts + i];
        const int line = i / 2 + (i >= 2 ? 1 : 0);
        QCOMPARE(item.text, block[i]);
        QCOMPARE(item.y, fileY + line * hb);
        QCOMPARE(item.x, i % 2 == 0 ? margin : valueX);
        QCOMPARE(item.font, fonts.body);
    }

    // Headings end at 1.3 in plus the column pitch, after one empty line;
    // the rows follow at once, each cell 0.1 in left of its heading.
    const int headingY = fileY + 9 * hb;
    for (int r = 0; r <= 10; ++r) {
        for (int c = 0; c < 9; ++c) {
            const Text &cell = t[HeaderTexts + BlockTexts + 9 * r + c];
            QCOMPARE(cell.text, content.cell(c, r));
            QCOMPARE(cell.y, headingY + r * hb);
            QCOMPARE(right(canvas, cell), (r == 0 ? headingEnd : cellEnd) + c * pitch);
        }
    }
    QCOMPARE(canvas.pagesBegun, 0);
}

void ReportLayoutTest::titleFollowsTheTab()
{
    RecordingCanvas schedule(600, 600, 4800, 6600);
    printRecorded(schedule, scheduleContent());
    QCOMPARE(schedule.texts[2].text, QStringLiteral("Daily Manning Schedule"));
    QCOMPARE(schedule.texts[HeaderTexts + 1].text, QStringLiteral("/srv/plans/monday.vnk"));
    QCOMPARE(schedule.texts[HeaderTexts + BlockTexts].text, QStringLiteral("Time"));

    RecordingCanvas agents(600, 600, 4800, 6600);
    printRecorded(agents, agentsContent());
    QCOMPARE(agents.texts[2].text, QStringLiteral("Service Level Table"));
    QCOMPARE(agents.texts[HeaderTexts + BlockTexts].text, QStringLiteral("Agents"));
}

void ReportLayoutTest::longScheduleBreaksBeforeTheRowThatDoesNotFit_data()
{
    QTest::addColumn<QSize>("page");
    QTest::newRow("A4") << printableArea(QPageSize::A4, 600);
    QTest::newRow("Letter") << printableArea(QPageSize::Letter, 600);
}

void ReportLayoutTest::longScheduleBreaksBeforeTheRowThatDoesNotFit()
{
    QFETCH(QSize, page);
    const ReportContent content = fullDayContent();
    QCOMPARE(content.lastRow(), 48);
    RecordingCanvas canvas(600, 600, page.width(), page.height());
    canvas.beginDocument();
    ReportLayout layout(canvas, testFonts());
    layout.printBody(content);
    QCOMPARE(canvas.pagesBegun, 1);

    const ReportFontSet fonts = testFonts();
    const int hb = heightOf(canvas, fonts.body) + 30;
    const int bottom = page.height() - 600;
    QList<Text> first, second;
    for (const Text &t : canvas.texts)
        (t.page == 1 ? first : second).append(t);

    // Page 2 opens with the same header, its number at the right.
    QCOMPARE(second[0].text, QStringLiteral("Varnook "));
    QCOMPARE(QPoint(second[0].x, second[0].y), QPoint(300, 300));
    QCOMPARE(second[1].text, QStringLiteral("Page 2"));
    QCOMPARE(right(canvas, second[1]), page.width() - 600);
    QCOMPARE(second[1].y, 300);
    QCOMPARE(second[2].text, QStringLiteral("Daily Manning Schedule"));
    QCOMPARE(second[2].y, first[2].y);

    // The last row of page 1 fits; the next one would not, and comes first
    // on page 2, whole, three title lines below the title, without headings.
    const Text &lastOnFirst = first.last();
    QVERIFY(lastOnFirst.y + heightOf(canvas, fonts.body) <= bottom);
    QVERIFY(lastOnFirst.y + hb + heightOf(canvas, fonts.body) > bottom);
    const int rowsOnFirst = (first.size() - HeaderTexts - BlockTexts - 9) / 9;
    QCOMPARE(first.size(), HeaderTexts + BlockTexts + 9 + 9 * rowsOnFirst);
    QCOMPARE(second.size(), 3 + 9 * (48 - rowsOnFirst));
    const int firstRowY = second[2].y + 3 * (heightOf(canvas, fonts.reportHeader) + 30);
    for (int c = 0; c < 9; ++c) {
        QCOMPARE(second[3 + c].text, content.cell(c, rowsOnFirst + 1));
        QCOMPARE(second[3 + c].y, firstRowY);
        QCOMPARE(right(canvas, second[3 + c]), 720 + 420 * c);
    }
    int headings = 0;
    QStringList times;
    for (const Text &t : canvas.texts) {
        headings += t.text == QLatin1String("Srv Lvl");
        if (right(canvas, t) == 720 && t.font == fonts.body)
            times << t.text;
    }
    QCOMPARE(headings, 1);
    QStringList expectedTimes;
    for (int r = 1; r <= 48; ++r)
        expectedTimes << content.cell(ResultTable::TimeColumn, r);
    QCOMPARE(times, expectedTimes);
}

void ReportLayoutTest::emptyCellFeedsALine()
{
    ReportContent content = agentsContent();
    content.cells[1][3].clear();
    RecordingCanvas canvas(600, 600, 4800, 6600);
    printRecorded(canvas, content);
    const int hb = heightOf(canvas, testFonts().body) + 30;
    const int rowStart = HeaderTexts + BlockTexts + 9;
    const int y = canvas.texts[rowStart].y;
    // Cells 0 to 2 on the row's line, 4 to 8 one line lower at their own
    // places, and the next row one line lower again.
    for (int c = 0; c < 3; ++c)
        QCOMPARE(canvas.texts[rowStart + c].y, y);
    for (int c = 4; c < 9; ++c) {
        const Text &cell = canvas.texts[rowStart + c - 1];
        QCOMPARE(cell.text, content.cell(c, 1));
        QCOMPARE(cell.y, y + hb);
        QCOMPARE(right(canvas, cell), 720 + 420 * c);
    }
    QCOMPARE(canvas.texts[rowStart + 8].text, content.cell(ResultTable::AgentsColumn, 2));
    QCOMPARE(canvas.texts[rowStart + 8].y, y + 2 * hb);
}

void ReportLayoutTest::textsWiderThanTheirPlaceAreNotCut()
{
    ReportContent content = agentsContent();
    const QString wide(30, QLatin1Char('W')); // wider than 1.3 in at 10 points
    content.cells[0][0] = wide;
    content.scenarioFileName = QStringLiteral("/very/long/path/") + QString(400, QLatin1Char('x')) + QStringLiteral(".vnk");
    RecordingCanvas canvas(600, 600, 4800, 6600);
    printRecorded(canvas, content);
    const Text &file = canvas.texts[HeaderTexts + 1];
    QCOMPARE(file.text, content.scenarioFileName);
    QCOMPARE(file.x, 1200);
    QVERIFY(right(canvas, file) > 4800);
    QCOMPARE(canvas.texts[HeaderTexts + 2].text, QStringLiteral("TOTAL CALLS"));
    QCOMPARE(canvas.texts[HeaderTexts + 2].y, file.y + 2 * (heightOf(canvas, testFonts().body) + 30));
    const Text &heading = canvas.texts[HeaderTexts + BlockTexts];
    QCOMPARE(heading.text, wide);
    QCOMPARE(heading.x, 0);
    // The next heading keeps its own place.
    QCOMPARE(right(canvas, canvas.texts[HeaderTexts + BlockTexts + 1]), 780 + 420);

    // A day's line too long for the page goes on under its own start,
    // within the page's printed width, every word kept.
    QStringList times;
    for (int m = 0; m < 40; ++m)
        times << QStringLiteral("%1:%2,").arg(m / 4 + 6, 2, 10, QLatin1Char('0')).arg(m % 4 * 15, 2, 10, QLatin1Char('0'));
    const QString note = QStringLiteral("The maximums leave 90 agent-slots short, at ") + times.join(QLatin1Char(' '));
    content.dayLines = {{QStringLiteral("Note"), note}};
    RecordingCanvas noted(600, 600, 4800, 6600);
    printRecorded(noted, content);
    QStringList parts;
    for (qsizetype i = noted.texts.size() - 1; noted.texts[i].text != QLatin1String("NOTE"); --i) {
        QCOMPARE(noted.texts[i].x, 1800);
        QVERIFY(right(noted, noted.texts[i]) <= 4800 - 600);
        parts.prepend(noted.texts[i].text);
    }
    QVERIFY(parts.size() > 1);
    QCOMPARE(parts.join(QLatin1Char(' ')), note);
}

void ReportLayoutTest::cancelStopsTheReport_data()
{
    QTest::addColumn<int>("cancelAfter");
    QTest::newRow("in the input block") << 6;
    QTest::newRow("in the headings") << HeaderTexts + BlockTexts + 4;
    QTest::newRow("in a row") << HeaderTexts + BlockTexts + 9 * 5 + 2;
}

void ReportLayoutTest::cancelStopsTheReport()
{
    QFETCH(int, cancelAfter);
    RecordingCanvas canvas(600, 600, 4800, 6600);
    canvas.afterText = [&canvas, cancelAfter](int count) {
        if (count == cancelAfter)
            canvas.abort();
    };
    printRecorded(canvas, fullDayContent());
    QCOMPARE(canvas.texts.size(), cancelAfter);
    QCOMPARE(canvas.pagesBegun, 0);

    // Once aborted, an item that would start a page draws no header.
    ReportLayout layout(canvas, testFonts());
    QVERIFY(!layout.PrintItem(QStringLiteral("late"), true));
    QCOMPARE(canvas.pagesBegun, 0);
    QCOMPARE(canvas.texts.size(), cancelAfter);
}

void ReportLayoutTest::printerFailureEndsTheBody()
{
    RecordingCanvas canvas(600, 600, 4800, 6600);
    canvas.failAtText = 10;
    QVERIFY_THROWS_EXCEPTION(PrinterError, printRecorded(canvas, agentsContent()));
    QCOMPARE(canvas.texts.size(), 10);
}

void ReportLayoutTest::contentHoldsTheGridWithItsHeadings()
{
    // The worked Agents example: headings in row 0, 6 to 15 agents below.
    const ReportContent content = agentsContent();
    QCOMPARE(content.caption, QStringLiteral("New Agents")); // the print job's name
    QCOMPARE(content.scenarioFileName, QStringLiteral("*.vnk"));
    QCOMPARE(content.lastRow(), 10);
    QCOMPARE(content.cell(ResultTable::AgentsColumn, 0), QStringLiteral("Agents"));
    QCOMPARE(content.cell(ResultTable::TrunksColumn, 0), QStringLiteral("Trunks"));
    QCOMPARE(content.cell(ResultTable::AgentsColumn, 1), QStringLiteral("6"));
    QCOMPARE(content.cell(ResultTable::ServiceColumn, 1), QStringLiteral("9%"));
    QCOMPARE(content.cell(ResultTable::AgentsColumn, 10), QStringLiteral("15"));
    QCOMPARE(content.cell(ResultTable::TrunksColumn, 10), QStringLiteral("15"));
    // Outside the grid: empty, never a read past it.
    for (const QPoint &outside : {QPoint(-1, 1), QPoint(9, 1), QPoint(0, -1), QPoint(0, 11)})
        QCOMPARE(content.cell(outside.x(), outside.y()), QString());
}

QTEST_MAIN(ReportLayoutTest)
#include "test_reportlayout.moc"
