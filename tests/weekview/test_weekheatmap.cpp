// SPDX-License-Identifier: MIT
// The heat map's geometry, checked without painting, its description and
// the widget's tool tips.
#include "weekheatmapdescription.h"
#include "weekheatmaplayout.h"
#include "weekheatmapwidget.h"
#include "weekplanfixtures.h"

#include <QTest>

using namespace WeekPlanFixtures;

class WeekHeatMapTest : public QObject
{
    Q_OBJECT
private slots:
    void cellsFollowTheDifference_data();
    void cellsFollowTheDifference();
    void textsStayApartAndInside_data();
    void textsStayApartAndInside();
    void timeLabelsKeepToWholeSteps();
    void weekWithoutOpenDayShowsANote();
    void descriptionNamesShortAndOverSlots();
    void widgetDescribesAndTellsACell();
};

namespace {

// Every character 6 pixels wide, lines 10 high.
HeatMapMeasure fixedMeasure()
{
    return {10, [](const QString &text) { return 6.0 * text.size(); }};
}

QList<QRectF> textRects(const WeekHeatMapLayout &layout)
{
    QList<QRectF> rects;
    for (const auto &label : layout.dayLabels)
        rects << label.rect;
    for (const auto &label : layout.timeLabels)
        rects << label.rect;
    for (const auto &entry : layout.legend)
        rects << (entry.swatch.isEmpty() ? entry.label.rect : entry.swatch.united(entry.label.rect));
    return rects;
}

} // namespace

void WeekHeatMapTest::cellsFollowTheDifference_data()
{
    QTest::addColumn<int>("required");
    QTest::addColumn<int>("staffed");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("far short") << 9 << 2 << int(HeatLevel::Short3) << "-7";
    QTest::newRow("two short") << 5 << 3 << int(HeatLevel::Short2) << "-2";
    QTest::newRow("exact") << 4 << 4 << int(HeatLevel::Exact) << "";
    QTest::newRow("one over") << 0 << 1 << int(HeatLevel::Over1) << "+1";
    QTest::newRow("far over") << 1 << 6 << int(HeatLevel::Over3) << "+5";
}

void WeekHeatMapTest::cellsFollowTheDifference()
{
    // State: Tuesday open 09:00–11:00, its second slot the case; Monday
    // open from 08:00, so Tuesday's slots are rows 2 and 3.
    QFETCH(int, required);
    QFETCH(int, staffed);
    QFETCH(int, level);
    QFETCH(QString, text);
    WeekPlan plan;
    plan.slotMinutes = 60;
    openDay(plan, 0, 8 * 60, {1}, {1});
    openDay(plan, 1, 9 * 60, {1, required}, {1, staffed});
    const WeekHeatMapLayout layout = LayOutWeekHeatMap(plan, QRectF(0, 0, 700, 400), fixedMeasure());

    QCOMPARE(layout.cells.size(), std::size_t(3));
    QCOMPARE(layout.rows, (std::vector<int>{8 * 60, 9 * 60, 10 * 60}));
    const WeekHeatMapLayout::Cell &cell = layout.cells.back();
    QCOMPARE(cell.day, 1);
    QCOMPARE(cell.row, 2);
    QCOMPARE(cell.colour, HeatLevelColour(HeatLevel(level)));
    QCOMPARE(cell.text, text);
    QVERIFY(cell.rect.left() >= layout.grid.left() + layout.columnWidth - 0.01);
    QCOMPARE(layout.cellAt(cell.rect.center()), &cell);
}

void WeekHeatMapTest::textsStayApartAndInside_data()
{
    QTest::addColumn<int>("slotMinutes");
    QTest::addColumn<int>("hours");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("window, 15-minute slots all day") << 15 << 24 << QSizeF(1000, 560);
    QTest::newRow("window, hours") << 60 << 12 << QSizeF(1000, 560);
    QTest::newRow("small, 30-minute slots") << 30 << 14 << QSizeF(300, 200);
    QTest::newRow("tiny") << 15 << 24 << QSizeF(120, 80);
}

void WeekHeatMapTest::textsStayApartAndInside()
{
    QFETCH(int, slotMinutes);
    QFETCH(int, hours);
    QFETCH(QSizeF, size);
    const QRectF bounds(QPointF(10, 20), size);
    const WeekHeatMapLayout layout = LayOutWeekHeatMap(workingWeek(slotMinutes, hours), bounds, fixedMeasure());

    const QList<QRectF> rects = textRects(layout);
    QVERIFY(!layout.timeLabels.empty());
    for (int i = 0; i < rects.size(); ++i) {
        QVERIFY2(bounds.contains(rects[i]), qPrintable(QStringLiteral("text %1 outside").arg(i)));
        QVERIFY2(!rects[i].intersects(layout.grid), qPrintable(QStringLiteral("text %1 on the grid").arg(i)));
        for (int j = i + 1; j < rects.size(); ++j)
            QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(QStringLiteral("texts %1 and %2 overlap").arg(i).arg(j)));
    }
    for (const auto &cell : layout.cells)
        QVERIFY(layout.grid.adjusted(-0.01, -0.01, 0.01, 0.01).contains(cell.rect));
    QCOMPARE(layout.cells.size(), std::size_t(5 * hours * 60 / slotMinutes));
}

void WeekHeatMapTest::timeLabelsKeepToWholeSteps()
{
    // 30-minute slots from 07:30 with rows too low for a label each: the
    // labels stand on whole hours, the first at 08:00.
    WeekPlan plan;
    plan.slotMinutes = 30;
    openDay(plan, 2, 7 * 60 + 30, std::vector<int>(20, 1), std::vector<int>(20, 1));
    const WeekHeatMapLayout layout = LayOutWeekHeatMap(plan, QRectF(0, 0, 400, 200), fixedMeasure());
    QVERIFY(layout.rowHeight < 10);
    QCOMPARE(layout.timeLabels.front().text, QStringLiteral("08:00"));
    for (const auto &label : layout.timeLabels)
        QVERIFY2(label.text.endsWith(QLatin1String(":00")), qPrintable(label.text));
}

void WeekHeatMapTest::weekWithoutOpenDayShowsANote()
{
    const WeekHeatMapLayout layout = LayOutWeekHeatMap(WeekPlan(), QRectF(0, 0, 400, 300), fixedMeasure());
    QVERIFY(layout.cells.empty() && layout.legend.empty() && layout.grid.isEmpty());
    QVERIFY(!layout.emptyNote.text.isEmpty());
    QCOMPARE(WeekHeatMapDescription(WeekPlan()), QStringLiteral("Heat map: no open day to show."));
}

void WeekHeatMapTest::descriptionNamesShortAndOverSlots()
{
    WeekPlan plan;
    plan.slotMinutes = 30;
    openDay(plan, 0, 8 * 60, {2, 2, 2, 2, 2}, {1, 1, 2, 3, 2});
    openDay(plan, 1, 8 * 60, {2}, {2});
    const QString text = WeekHeatMapDescription(plan);
    QVERIFY2(text.contains(QStringLiteral("Mon: short at 08:00\u201308:30; over at 09:30.")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Tue: exact cover.")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Sun: closed.")), qPrintable(text));
}

void WeekHeatMapTest::widgetDescribesAndTellsACell()
{
    WeekHeatMapWidget widget;
    widget.resize(700, 450);
    WeekPlan plan;
    plan.slotMinutes = 60;
    openDay(plan, 3, 10 * 60, {4}, {1});
    widget.setPlan(plan);
    QVERIFY(widget.accessibleDescription().contains(QStringLiteral("Thu: short at 10:00.")));
    QVERIFY(!widget.accessibleName().isEmpty());

    // Thursday's one cell fills the fourth of seven columns, right of the
    // time labels: its middle is a little right of the widget's.
    const QPoint thursday(widget.width() / 2 + 20, 40);
    QCOMPARE(widget.cellText(thursday), QStringLiteral("Thu 10:00: required 4, staffed 1, 3 short"));
    QCOMPARE(widget.cellText(QPoint(2, 2)), QString());
}

QTEST_MAIN(WeekHeatMapTest)
#include "test_weekheatmap.moc"
