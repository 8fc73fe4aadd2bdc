// SPDX-License-Identifier: MIT
// The chart's geometry, checked without painting: ticks, axes, legend,
// bottom labels, automatic scales and the 3D depth.
#include "chartdesign.h"
#include "chartfixtures.h"
#include "chartfonts.h"
#include "chartlayout.h"
#include "chartscale.h"
#include "chartseriesgeometry.h"

#include <QFontMetricsF>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

class ChartLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void percentTicksLandOnEvenPixelRows_data();
    void percentTicksLandOnEvenPixelRows();
    void rightAxisOnlyWhenASeriesUsesIt();
    void legendListsTheSeriesInOrderWithoutOverlap();
    void bottomLabelsNeverOverlap();
    void halfHourLabelsStayReadableInANarrowWindow();
    void quarterHourLabelsKeepToWholeHours();
    void bottomLabelsAreAsDenseAsTheyFit();
    void bottomAxisHasASlotPerWholeStep();
    void textsStayApartAndInsideTheRectangle_data();
    void textsStayApartAndInsideTheRectangle();
    void niceSteps_data();
    void niceSteps();
    void automaticScaleCoversTheData_data();
    void automaticScaleCoversTheData();
    void ownScaleIsKeptAndBadOnesAreReplaced();
    void depthMovesTheBackWallAndNothingElse();
    void pageAtTwelveHundredDpiLooksLikeTheScreen();
    void badInputGivesAUsableLayout();
    void linesAreCutWhereTheyLeaveTheAxis();
    void barsAreCutAtTheAxisEnds();
    void seriesAreCutAtTheBottomAxisEnds();
    void automaticAxesScaleFromTheirOwnSeries();
    void ticksOfAScale();
    void textSizesFollowTheResolution();
};

namespace {

QList<QRectF> textRects(const ChartLayout &layout)
{
    QList<QRectF> rects;
    if (!layout.titleRect.isEmpty())
        rects << layout.titleRect;
    for (const ChartLegendEntry &entry : layout.legend)
        rects << entry.swatch.united(entry.textRect);
    for (const ChartAxisGeometry *axis : {&layout.left, &layout.right, &layout.bottom}) {
        if (!axis->shown)
            continue;
        if (!axis->titleRect.isEmpty())
            rects << axis->titleRect;
        for (const ChartTick &tick : axis->ticks) {
            if (!tick.labelRect.isEmpty())
                rects << tick.labelRect;
        }
    }
    return rects;
}

// The plot with its 3D depth: the box the series are drawn in.
QRectF plotBox(const ChartLayout &layout)
{
    return QRectF(layout.plotFront).united(QRectF(layout.backWall));
}

} // namespace

void ChartLayoutTest::percentTicksLandOnEvenPixelRows_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<bool>("view3D");
    QTest::newRow("design window") << ChartDesignSize << 96.0 << true;
    QTest::newRow("design window flat") << ChartDesignSize << 96.0 << false;
    QTest::newRow("odd height") << QSize(640, 401) << 96.0 << true;
    QTest::newRow("large") << QSize(1280, 800) << 96.0 << false;
    QTest::newRow("page") << QSize(4770, 4770) << 1200.0 << true;
}

void ChartLayoutTest::percentTicksLandOnEvenPixelRows()
{
    QFETCH(QSize, size);
    QFETCH(double, dpi);
    QFETCH(bool, view3D);
    ChartModel model = ChartFixtures::series(2, 24);
    model.view3D = view3D;
    const ChartLayout layout = LayOutChart(model, QRectF(QPointF(0, 0), size), dpi);
    QCOMPARE(int(layout.left.ticks.size()), 11);
    const double step = layout.plotFront.height() / 10.0;
    QCOMPARE(step, std::round(step));
    for (int i = 0; i <= 10; ++i) {
        const ChartTick &tick = layout.left.ticks[std::size_t(i)];
        QCOMPARE(tick.value, 10.0 * i);
        QCOMPARE(tick.position, double(layout.plotFront.top() + layout.plotFront.height()) - i * step);
        QCOMPARE(tick.text, QString::number(10 * i));
        QVERIFY(!tick.labelRect.isEmpty());
        QVERIFY(tick.labelRect.right() <= layout.plotFront.left());
    }
    QCOMPARE(layout.left.map(100), double(layout.plotFront.top()));
}

void ChartLayoutTest::rightAxisOnlyWhenASeriesUsesIt()
{
    ChartModel model = ChartFixtures::series(2, 10);
    model.rightAxis = {QStringLiteral("Number"), false, 0, 50, 5, ChartGridStyle::Default};
    const ChartLayout without = LayOutChart(model, ChartDesignRect, 96);
    QVERIFY(!without.right.shown);
    QVERIFY(without.right.ticks.empty());

    model.series[0].axis = ChartVerticalAxis::Right;
    const ChartLayout with = LayOutChart(model, ChartDesignRect, 96);
    QVERIFY(with.right.shown);
    QCOMPARE(int(with.right.ticks.size()), 11);
    QCOMPARE(with.right.ticks.back().value, 50.0);
    QCOMPARE(with.right.title, QStringLiteral("Number"));
    // Its labels stand right of the back wall, the plot gives them room.
    QVERIFY(with.plotFront.width() < without.plotFront.width());
    for (const ChartTick &tick : with.right.ticks)
        QVERIFY(tick.labelRect.left() > with.backWall.left() + with.backWall.width());
    // Its values map onto the front plane like the left axis'; its ticks
    // stand on the back wall, from its bottom to its top.
    QCOMPARE(with.right.map(0), double(with.plotFront.top() + with.plotFront.height()));
    QCOMPARE(with.right.map(50), double(with.plotFront.top()));
    QCOMPARE(with.right.ticks.front().position, double(with.backWall.top() + with.backWall.height()));
    QCOMPARE(with.right.ticks.back().position, double(with.backWall.top()));
    QVERIFY(with.right.titleRect.right() <= ChartDesignRect.right());
    QVERIFY(!with.right.titleRect.isEmpty());
    // Labels a tick (4 pixels) and half a gap (3) off the plot, both sides;
    // the axis titles outside them.
    const double wallRight = with.backWall.left() + with.backWall.width();
    for (const ChartTick &tick : with.right.ticks) {
        QVERIFY(tick.labelRect.right() <= with.right.titleRect.left());
        QVERIFY(tick.labelRect.isEmpty() || tick.labelRect.left() >= wallRight + 7);
    }
    QVERIFY(!with.left.titleRect.isEmpty());
    for (const ChartTick &tick : with.left.ticks) {
        QVERIFY(tick.labelRect.isEmpty() || tick.labelRect.left() >= with.left.titleRect.right());
        QVERIFY(tick.labelRect.isEmpty() || tick.labelRect.right() + 7 <= with.plotFront.left());
    }
    // Series on the right axis map through it, the others through the left.
    QCOMPARE(&with.verticalAxis(ChartVerticalAxis::Right), &with.right);
    QCOMPARE(&with.verticalAxis(ChartVerticalAxis::Left), &with.left);
}

void ChartLayoutTest::legendListsTheSeriesInOrderWithoutOverlap()
{
    for (const int width : {300, ChartDesignSize.width(), 1200}) {
        const ChartModel model = ChartFixtures::series(7, 12);
        const ChartLayout layout = LayOutChart(model, QRectF(0, 0, width, 400), 96);
        QCOMPARE(int(layout.legend.size()), 7);
        for (std::size_t i = 0; i < layout.legend.size(); ++i) {
            const ChartLegendEntry &entry = layout.legend[i];
            QCOMPARE(entry.title, model.series[i].title);
            QCOMPARE(entry.colour, model.series[i].colour);
            // The text 5 pixels right of its swatch (the swatch on a whole pixel).
            const double apart = entry.textRect.left() - entry.swatch.right();
            QVERIFY2(apart >= 4.5 && apart <= 5.5, qPrintable(QString::number(apart)));
            QVERIFY(QRectF(0, 0, width, 400).contains(entry.swatch.united(entry.textRect)));
            // Reading order: along a row, then down to the next one.
            if (i > 0) {
                const ChartLegendEntry &before = layout.legend[i - 1];
                QVERIFY(entry.textRect.top() > before.textRect.top()
                        || (entry.textRect.top() == before.textRect.top() && entry.swatch.left() > before.textRect.right()));
            }
        }
        QVERIFY(layout.legend.back().textRect.bottom() < layout.backWall.top());
    }
    ChartModel empty = ChartFixtures::series(0, 0);
    QVERIFY(LayOutChart(empty, ChartDesignRect, 96).legend.empty());

    // Two entries that just fit between the 8-pixel margins share a row; a
    // pixel less and the second goes below.
    const ChartModel two = ChartFixtures::series(2, 4);
    const ChartLayout roomy = LayOutChart(two, QRectF(0, 0, 1200, 400), 96);
    const ChartLegendEntry &first = roomy.legend[0];
    const double row = roomy.legend[1].textRect.right() - (first.textRect.left() - first.swatch.width() - 5);
    const ChartLayout fits = LayOutChart(two, QRectF(0, 0, row + 16, 400), 96);
    QCOMPARE(fits.legend[1].textRect.top(), fits.legend[0].textRect.top());
    const ChartLayout wraps = LayOutChart(two, QRectF(0, 0, row + 15, 400), 96);
    QVERIFY(wraps.legend[1].textRect.top() > wraps.legend[0].textRect.top());
}

void ChartLayoutTest::bottomLabelsNeverOverlap()
{
    for (int points = 1; points <= 48; ++points) {
        const ChartModel model = ChartFixtures::series(2, points);
        for (int width = 300; width <= 2000; width += 50) {
            const QRectF rect(0, 0, width, 300);
            const ChartLayout layout = LayOutChart(model, rect, 96);
            QCOMPARE(int(layout.bottom.ticks.size()) >= 1, true);
            double lastRight = -1;
            int shown = 0;
            for (const ChartTick &tick : layout.bottom.ticks) {
                if (tick.labelRect.isEmpty())
                    continue;
                ++shown;
                QVERIFY2(tick.labelRect.left() > lastRight,
                         qPrintable(QStringLiteral("%1 points, %2 px: %3").arg(points).arg(width).arg(tick.text)));
                QVERIFY(rect.contains(tick.labelRect));
                lastRight = tick.labelRect.right();
            }
            QVERIFY(shown >= std::min(points, 2));
        }
    }
}

void ChartLayoutTest::bottomLabelsAreAsDenseAsTheyFit()
{
    // Labels every 1, 2, 4, 6, 8, 12, 16, 24 or 48 slots (whole hours of
    // half-hour slots), then doubling: the smallest step whose slots are as
    // wide as the widest label and 8 pixels.
    std::vector<int> steps = {1, 2, 4, 6, 8, 12, 16, 24, 48};
    for (int step = 96; step <= 6144; step *= 2)
        steps.push_back(step);
    const QFontMetricsF metrics(ChartFont(ChartTextRole::TickLabel, 96));
    for (const int points : {5, 13, 48, 3000}) {
        const ChartModel model = ChartFixtures::series(1, points);
        double widest = 0;
        for (const ChartPoint &point : model.series[0].points)
            widest = std::max(widest, metrics.horizontalAdvance(point.label));
        for (int width = 200; width <= 2000; width += 25) {
            const ChartLayout layout = LayOutChart(model, QRectF(0, 0, width, 300), 96);
            const std::vector<ChartTick> &ticks = layout.bottom.ticks;
            QCOMPARE(ticks.front().value, 0.0);
            const int step = ticks.size() > 1 ? int(ticks[1].value - ticks[0].value) : points;
            const auto at = std::find(steps.begin(), steps.end(), step);
            const QString where = QStringLiteral("%1 points, %2 px, step %3").arg(points).arg(width).arg(step);
            QVERIFY2(at != steps.end() || ticks.size() == 1, qPrintable(where));
            if (ticks.size() > 1)
                QVERIFY2(step * layout.slotWidth >= widest + 8, qPrintable(where));
            if (at != steps.end() && at != steps.begin())
                QVERIFY2(*(at - 1) * layout.slotWidth < widest + 8, qPrintable(where));
        }
    }
}

void ChartLayoutTest::bottomAxisHasASlotPerWholeStep()
{
    // Six points from x 0: six slots of equal width, labelled by the points.
    ChartModel model = ChartFixtures::series(1, 6);
    ChartLayout layout = LayOutChart(model, ChartDesignRect, 96);
    QCOMPARE(layout.bottom.scale.minimum, 0.0);
    QCOMPARE(layout.bottom.scale.maximum, 5.0);
    QCOMPARE(layout.slotWidth, layout.plotFront.width() / 6.0);
    QStringList texts;
    for (const ChartTick &tick : layout.bottom.ticks)
        texts << tick.text;
    QCOMPARE(texts, (QStringList{"08:00", "08:30", "09:00", "09:30", "10:00", "10:30"}));
    // Labels too wide to stand centred at the ends are moved inside.
    ChartModel wide = ChartFixtures::series(1, 2);
    wide.series[0].points[0].label = QString(100, QLatin1Char('x'));
    QCOMPARE(LayOutChart(wide, ChartDesignRect, 96).bottom.ticks[0].labelRect.left(), 0.0);
    // Three slots, the last label wider than one: labels every second slot,
    // the last one moved in from the right edge.
    wide = ChartFixtures::series(1, 3);
    wide.series[0].points[2].label = QString(33, QLatin1Char('x'));
    const std::vector<ChartTick> ticks = LayOutChart(wide, ChartDesignRect, 96).bottom.ticks;
    QCOMPARE(ticks.size(), std::size_t(2));
    QVERIFY(!ticks[1].labelRect.isEmpty());
    QCOMPARE(ticks[1].labelRect.right(), ChartDesignRect.right());

    // From x 3 to 5 with x 4 missing: the missing slot shows its x, a point
    // without a label none.
    ChartSeries &series = model.series[0];
    series.points = {{3, 10, QString(), Qt::red}, {5, 20, QStringLiteral("b"), Qt::red}};
    layout = LayOutChart(model, ChartDesignRect, 96);
    QCOMPARE(layout.bottom.scale.minimum, 3.0);
    QCOMPARE(layout.bottom.scale.maximum, 5.0);
    texts.clear();
    for (const ChartTick &tick : layout.bottom.ticks)
        texts << tick.text;
    QCOMPARE(texts, (QStringList{QString(), "4", "b"}));

    // A range of the axis' own, from 5 to 10, whatever the points.
    model.bottomAxis.automatic = false;
    model.bottomAxis.minimum = 5;
    model.bottomAxis.maximum = 10;
    layout = LayOutChart(model, ChartDesignRect, 96);
    QCOMPARE(layout.bottom.scale.minimum, 5.0);
    QCOMPARE(layout.bottom.scale.maximum, 10.0);
    QCOMPARE(int(layout.bottom.ticks.size()), 6);
    QCOMPARE(layout.bottom.ticks[0].text, QStringLiteral("b"));
    QCOMPARE(layout.bottom.ticks[1].text, QStringLiteral("6"));
}

void ChartLayoutTest::halfHourLabelsStayReadableInANarrowWindow()
{
    const ChartModel model = ChartFixtures::series(2, 48); // 08:00, 08:30, ...
    const ChartLayout layout = LayOutChart(model, QRectF(0, 0, 300, 250), 96);
    QStringList shown;
    for (const ChartTick &tick : layout.bottom.ticks) {
        if (!tick.labelRect.isEmpty())
            shown << tick.text;
    }
    QVERIFY(shown.size() >= 3);
    // A whole number of hours apart, starting at the first slot, each label
    // centred on its slot.
    QCOMPARE(shown.first(), QStringLiteral("08:00"));
    for (const QString &text : shown)
        QVERIFY2(text.endsWith(QLatin1String(":00")), qPrintable(text));
    const ChartTick &second = layout.bottom.ticks[1];
    QCOMPARE(second.position, layout.bottom.map(second.value));
}

void ChartLayoutTest::quarterHourLabelsKeepToWholeHours()
{
    // A day of 96 quarter hours in a narrow window: the labels shown stand
    // whole hours apart from the first slot on and never touch.
    ChartModel model = ChartFixtures::series(2, 96);
    model.bottomAxis.labelGroup = 4;
    const ChartLayout layout = LayOutChart(model, QRectF(0, 0, 300, 250), 96);
    std::vector<const ChartTick *> shown;
    for (const ChartTick &tick : layout.bottom.ticks) {
        if (!tick.labelRect.isEmpty())
            shown.push_back(&tick);
    }
    QVERIFY(shown.size() >= 3);
    QCOMPARE(shown.front()->value, layout.bottom.scale.minimum);
    for (std::size_t i = 1; i < shown.size(); ++i) {
        QCOMPARE(std::fmod(shown[i]->value - layout.bottom.scale.minimum, 4.0), 0.0);
        QVERIFY(shown[i]->labelRect.left() > shown[i - 1]->labelRect.right());
    }
}

void ChartLayoutTest::textsStayApartAndInsideTheRectangle_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("view3D");
    QTest::addColumn<int>("seriesCount");
    QTest::newRow("design 3D") << ChartDesignSize << true << 2;
    QTest::newRow("design flat") << ChartDesignSize << false << 2;
    QTest::newRow("narrow seven") << QSize(320, 260) << true << 7;
    QTest::newRow("wide seven") << QSize(1280, 800) << true << 7;
    QTest::newRow("short") << QSize(600, 160) << false << 3;
}

void ChartLayoutTest::textsStayApartAndInsideTheRectangle()
{
    QFETCH(QSize, size);
    QFETCH(bool, view3D);
    QFETCH(int, seriesCount);
    ChartModel model = ChartFixtures::series(seriesCount, 24);
    model.view3D = view3D;
    model.series.back().axis = ChartVerticalAxis::Right;
    model.rightAxis = {QStringLiteral("Time"), false, 0, 600, 60, ChartGridStyle::Default};
    const QRectF rect(QPointF(10, 20), size);
    const ChartLayout layout = LayOutChart(model, rect, 96);
    const QList<QRectF> texts = textRects(layout);
    const QRectF box = plotBox(layout);
    QVERIFY(rect.contains(box));
    for (int i = 0; i < texts.size(); ++i) {
        QVERIFY2(rect.contains(texts[i]), qPrintable(QStringLiteral("text %1 outside").arg(i)));
        QVERIFY2(!texts[i].intersects(box), qPrintable(QStringLiteral("text %1 on the plot").arg(i)));
        for (int j = i + 1; j < texts.size(); ++j)
            QVERIFY2(!texts[i].intersects(texts[j]), qPrintable(QStringLiteral("texts %1 and %2").arg(i).arg(j)));
    }
}

void ChartLayoutTest::niceSteps_data()
{
    QTest::addColumn<double>("rough");
    QTest::addColumn<double>("step");
    QTest::newRow("one") << 1.0 << 1.0;
    QTest::newRow("just above one") << 1.01 << 2.0;
    QTest::newRow("three") << 3.0 << 5.0;
    QTest::newRow("seven") << 7.0 << 10.0;
    QTest::newRow("tenths") << 0.13 << 0.2;
    QTest::newRow("thousands") << 4200.0 << 5000.0;
    QTest::newRow("zero") << 0.0 << 1.0;
    QTest::newRow("negative") << -5.0 << 1.0;
    QTest::newRow("nan") << std::nan("") << 1.0;
}

void ChartLayoutTest::niceSteps()
{
    QFETCH(double, rough);
    QFETCH(double, step);
    QCOMPARE(NiceStep(rough), step);
}

void ChartLayoutTest::automaticScaleCoversTheData_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("increment");
    QTest::newRow("percent") << 3.0 << 97.0 << 10 << 0.0 << 100.0 << 10.0;
    QTest::newRow("agents") << 2.0 << 23.0 << 10 << 0.0 << 25.0 << 5.0;
    QTest::newRow("seconds") << 0.0 << 605.0 << 10 << 0.0 << 700.0 << 100.0;
    QTest::newRow("few divisions") << 0.0 << 605.0 << 3 << 0.0 << 1000.0 << 500.0;
    QTest::newRow("negative") << -12.5 << 40.0 << 8 << -20.0 << 40.0 << 10.0;
    // A step of 2 rounds out to -2..10, six divisions: the next step is taken.
    QTest::newRow("one division too many") << -1.0 << 9.0 << 5 << -5.0 << 10.0 << 5.0;
    QTest::newRow("small") << 0.01 << 0.07 << 5 << 0.0 << 0.08 << 0.02;
    QTest::newRow("all zero") << 0.0 << 0.0 << 10 << 0.0 << 10.0 << 1.0;
    QTest::newRow("one value") << 42.0 << 42.0 << 10 << 0.0 << 45.0 << 5.0;
    QTest::newRow("large") << 1e6 << 3.7e6 << 10 << 0.0 << 4e6 << 5e5;
    // One division asked for, values both sides of 0: two are the least,
    // and the step is the one the ends were rounded to (2, 5, 10, 20 tried).
    QTest::newRow("both signs, one division") << -1.0 << 1.0 << 1 << -20.0 << 20.0 << 20.0;
}

void ChartLayoutTest::automaticScaleCoversTheData()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, divisions);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, increment);
    const ChartScale scale = AutomaticScale(low, high, divisions);
    QCOMPARE(scale.minimum, minimum);
    QCOMPARE(scale.maximum, maximum);
    QCOMPARE(scale.increment, increment);
    QVERIFY(scale.minimum <= std::min(0.0, low));
    QVERIFY(scale.maximum >= high);
    QVERIFY(scale.maximum > scale.minimum);
    QCOMPARE(NiceStep(scale.increment), scale.increment);
    QVERIFY(scale.divisions() >= 1);
    QVERIFY(scale.divisions() <= std::max(divisions, low < 0 && high > 0 ? 2 : 1));
    // The first and last ticks are the ends.
    const std::vector<double> ticks = scale.ticks();
    QCOMPARE(int(ticks.size()), scale.divisions() + 1);
    QCOMPARE(ticks.front(), scale.minimum);
    QVERIFY(std::fabs(ticks.back() - scale.maximum) < 1e-9 * std::max(1.0, scale.maximum));
}

void ChartLayoutTest::ownScaleIsKeptAndBadOnesAreReplaced()
{
    ChartAxis axis{QString(), false, 0, 600, 60, ChartGridStyle::Default};
    ChartScale scale = ResolveScale(axis, true, 0, 605, 10);
    QCOMPARE(scale.minimum, 0.0);
    QCOMPARE(scale.maximum, 600.0); // 605 stands above the top: its own choice
    QCOMPARE(scale.increment, 60.0);

    axis.increment = 0; // the engine chooses the step
    QCOMPARE(ResolveScale(axis, true, 0, 605, 10).increment, 100.0);
    QCOMPARE(ResolveScale(axis, true, 0, 605, 1).increment, 1000.0); // one division: the whole span
    axis.increment = 1e-9; // would give a billion ticks
    scale = ResolveScale(axis, true, 0, 605, 10);
    QVERIFY(scale.ticks().size() <= 11);
    axis.maximum = -5; // no range: scale from the data
    scale = ResolveScale(axis, true, 0, 605, 10);
    QVERIFY(scale.maximum >= 605);
    axis.maximum = std::numeric_limits<double>::infinity();
    QVERIFY(std::isfinite(ResolveScale(axis, false, 0, 0, 10).maximum));
    axis.automatic = true;
    axis.maximum = 600;
    QCOMPARE(ResolveScale(axis, true, 0, 23, 10).maximum, 25.0);
    // A peak on a nice value stays below the top when room is asked for.
    QCOMPARE(ResolveScale(axis, true, 0, 20, 10).maximum, 20.0);
    axis.headroom = 0.1;
    QCOMPARE(ResolveScale(axis, true, 0, 20, 10).maximum, 25.0);
}

void ChartLayoutTest::depthMovesTheBackWallAndNothingElse()
{
    ChartModel model = ChartFixtures::series(3, 24);
    model.view3D = false;
    const ChartLayout flat = LayOutChart(model, ChartDesignRect, 96);
    QVERIFY(!flat.is3D());
    QCOMPARE(flat.backWall, flat.plotFront);
    QCOMPARE(flat.depth, QPoint());

    model.view3D = true;
    const ChartLayout deep = LayOutChart(model, ChartDesignRect, 96);
    QVERIFY(deep.is3D());
    QVERIFY(deep.depth.x() > 0 && deep.depth.y() < 0);
    QCOMPARE(deep.backWall, deep.plotFront.translated(deep.depth));
    // Lanes: the tallest series (the fixture's last) at the back, the lowest
    // in front, on whole pixels; equal series keep their order, first behind.
    QCOMPARE(deep.laneOf(2), 2);
    QCOMPARE(deep.laneOf(1), 1);
    QCOMPARE(deep.laneOf(0), 0);
    QCOMPARE(deep.laneOffset(0), QPointF(0, 0));
    // About 9 pixels a series, at least 12: 27 for three, 12 for one, and
    // whole pixels of the device at other resolutions (3 x 9 x 100 / 96).
    QCOMPARE(deep.depth, QPoint(27, -16));
    ChartModel single = model;
    single.series.resize(1);
    QCOMPARE(LayOutChart(single, ChartDesignRect, 96).depth, QPoint(12, -7));
    QCOMPARE(LayOutChart(model, ChartDesignRect, 100).depth, QPoint(28, -17));
    QCOMPARE(deep.laneOffset(1), QPointF(9, -5)); // a third of the depth, on whole pixels
    QCOMPARE(deep.laneOffset(2), QPointF(18, -11));
    const QPointF back = deep.laneOffset(2);
    QCOMPARE(back, QPointF(std::round(back.x()), std::round(back.y())));
    QVERIFY(back.x() < deep.depth.x());
    ChartModel equal = model;
    equal.series = {model.series[1], model.series[1], model.series[1]};
    QCOMPARE(LayOutChart(equal, ChartDesignRect, 96).laneOf(0), 2);
    // The outline holds the front plane and the back wall.
    const QPolygonF outline = deep.plotOutline();
    QVERIFY(outline.containsPoint(QPointF(deep.plotFront.center()), Qt::OddEvenFill));
    QVERIFY(outline.containsPoint(QPointF(deep.backWall.center()), Qt::OddEvenFill));
}

void ChartLayoutTest::pageAtTwelveHundredDpiLooksLikeTheScreen()
{
    // The same chart, 5 by 3 inches, on the screen and on a page: text sized
    // in points takes the same share of the picture.
    ChartModel model = ChartFixtures::series(2, 24);
    const ChartLayout screen = LayOutChart(model, QRectF(0, 0, 480, 288), 96);
    const ChartLayout page = LayOutChart(model, QRectF(0, 0, 6000, 3600), 1200);
    const double scale = 1200.0 / 96;
    const auto near = [scale](double a, double b) { return std::fabs(a * scale - b) <= 0.03 * b + 2 * scale; };
    QVERIFY(near(screen.plotFront.left(), page.plotFront.left()));
    QVERIFY(near(screen.plotFront.top(), page.plotFront.top()));
    QVERIFY(near(screen.plotFront.width(), page.plotFront.width()));
    QVERIFY(near(screen.plotFront.height(), page.plotFront.height()));
    QVERIFY(near(screen.depth.x(), page.depth.x()));
    QVERIFY(near(screen.titleRect.height(), page.titleRect.height()));
}

void ChartLayoutTest::badInputGivesAUsableLayout()
{
    ChartModel model = ChartFixtures::series(3, 10);
    model.series[0].points[2].y = std::nan("");
    model.series[1].points[3].y = std::numeric_limits<double>::infinity();
    model.series[2].points[4].x = -std::numeric_limits<double>::infinity();
    model.leftAxis.automatic = true;
    for (const QRectF &rect : {ChartDesignRect, QRectF(0, 0, 10, 10), QRectF(0, 0, 1, 1), QRectF(5, 5, 0, 0)}) {
        const ChartLayout layout = LayOutChart(model, rect, 96);
        QVERIFY(std::isfinite(layout.left.scale.maximum));
        QVERIFY(layout.left.ticks.size() <= std::size_t(ChartScale::MaximumTicks));
        QVERIFY(layout.plotFront.width() >= 1 && layout.plotFront.height() >= 1);
    }
    // Values at both ends of the doubles on an automatic axis.
    ChartModel extreme = ChartFixtures::series(2, 4);
    extreme.leftAxis.automatic = true;
    extreme.series[0].points[1].y = std::numeric_limits<double>::max();
    extreme.series[1].points[2].y = std::numeric_limits<double>::lowest();
    const ChartLayout huge = LayOutChart(extreme, ChartDesignRect, 96);
    QVERIFY(huge.left.ticks.size() <= std::size_t(ChartScale::MaximumTicks));
    QVERIFY(huge.plotFront.width() >= 1);
    // A bottom axis of its own asking for a billion positions.
    model.bottomAxis.automatic = false;
    model.bottomAxis.minimum = 0;
    model.bottomAxis.maximum = 1e9;
    const ChartLayout wide = LayOutChart(model, ChartDesignRect, 96);
    QVERIFY(wide.bottom.ticks.size() <= 100000);
    // No series at all: axes without bottom labels.
    const ChartLayout empty = LayOutChart(ChartFixtures::series(0, 0), ChartDesignRect, 96);
    QVERIFY(empty.bottom.ticks.empty());
    QVERIFY(!empty.left.ticks.empty());
}

void ChartLayoutTest::linesAreCutWhereTheyLeaveTheAxis()
{
    ChartModel model = ChartFixtures::series(1, 6); // left axis 0 to 100
    ChartSeries &series = model.series[0];
    const double ys[] = {50, 150, 50, 50, std::nan(""), 50};
    for (std::size_t i = 0; i < 6; ++i)
        series.points[i].y = ys[i];
    const ChartLayout layout = LayOutChart(model, ChartDesignRect, 96);
    const std::vector<QPolygonF> runs = ChartVisibleRuns(layout, layout.left, series);
    // Up through the top between x 0 and 1, back down between 1 and 2, cut
    // at x 3 by the missing value, a lone point at x 5.
    QCOMPARE(int(runs.size()), 3);
    const double top = layout.left.map(100);
    QCOMPARE(runs[0].size(), 2);
    QCOMPARE(runs[0].at(0), QPointF(layout.bottom.map(0), layout.left.map(50)));
    QCOMPARE(runs[0].at(1), QPointF(layout.bottom.map(0.5), top));
    QCOMPARE(runs[1].size(), 3);
    QCOMPARE(runs[1].at(0), QPointF(layout.bottom.map(1.5), top));
    QCOMPARE(runs[1].at(2), QPointF(layout.bottom.map(3), layout.left.map(50)));
    QCOMPARE(runs[2].size(), 1);
    QCOMPARE(runs[2].at(0).x(), layout.bottom.map(5));
    QVERIFY(!ChartPointShown(layout, layout.left, series.points[1]));
    QVERIFY(!ChartPointShown(layout, layout.left, series.points[4]));
    QVERIFY(ChartPointShown(layout, layout.left, series.points[5]));

    // From the largest double to the lowest: cut at both ends of the axis,
    // nowhere a coordinate that is not finite.
    series.points[1].y = std::numeric_limits<double>::max();
    series.points[2].y = std::numeric_limits<double>::lowest();
    for (const QPolygonF &run : ChartVisibleRuns(layout, layout.left, series)) {
        for (const QPointF &p : run)
            QVERIFY(std::isfinite(p.x()) && std::isfinite(p.y()));
    }
    const std::vector<QPolygonF> steep = ChartVisibleRuns(layout, layout.left, series);
    QCOMPARE(steep[1].size(), 2);
    QCOMPARE(steep[1].at(0).y(), top);
    QCOMPARE(steep[1].at(1).y(), layout.left.map(0));

    // A stepped line: level across each slot, upright at the slots' edges.
    ChartSeries stepped = model.series[0];
    stepped.steps = true;
    stepped.points.resize(3);
    for (std::size_t i = 0; i < 3; ++i)
        stepped.points[i].y = i == 1 ? 80 : 50;
    const std::vector<QPolygonF> stairs = ChartVisibleRuns(layout, layout.left, stepped);
    QCOMPARE(int(stairs.size()), 1);
    const QPolygonF expected{{layout.bottom.map(-0.5), layout.left.map(50)}, {layout.bottom.map(0.5), layout.left.map(50)},
                             {layout.bottom.map(0.5), layout.left.map(80)}, {layout.bottom.map(1.5), layout.left.map(80)},
                             {layout.bottom.map(1.5), layout.left.map(50)}, {layout.bottom.map(2.5), layout.left.map(50)}};
    QCOMPARE(stairs[0], expected);

    // Entirely above the axis: nothing to draw.
    for (ChartPoint &point : series.points)
        point.y = 1e300;
    QVERIFY(ChartVisibleRuns(layout, layout.left, series).empty());
}

void ChartLayoutTest::barsAreCutAtTheAxisEnds()
{
    ChartModel model = ChartFixtures::series(1, 4);
    model.leftAxis.minimum = 20; // the bars grow from the axis' lower end
    const ChartLayout layout = LayOutChart(model, ChartDesignRect, 96);
    QCOMPARE(ChartBaseline(layout.left, layout), layout.left.map(20));
    QPointF end;
    ChartPoint point{1, 250, QString(), QColor()};
    QVERIFY(ChartBarEnd(layout, layout.left, point, end));
    QCOMPARE(end, QPointF(layout.bottom.map(1), layout.left.map(100)));
    point.y = -5;
    QVERIFY(ChartBarEnd(layout, layout.left, point, end));
    QCOMPARE(end.y(), layout.left.map(20));
    point.x = 7; // beyond the last slot
    QVERIFY(!ChartBarEnd(layout, layout.left, point, end));
    point = {1, std::nan(""), QString(), QColor()};
    QVERIFY(!ChartBarEnd(layout, layout.left, point, end));
}

void ChartLayoutTest::textSizesFollowTheResolution()
{
    // Points to pixels at ten times the screen's resolution, where a tenth
    // of a point or a pixel per inch shows in the rounded size.
    QCOMPARE(ChartFont(ChartTextRole::Title, 960).pixelSize(), 147); // 11 pt
    QCOMPARE(ChartFont(ChartTextRole::AxisTitle, 960).pixelSize(), 113); // 8.5 pt
    QCOMPARE(ChartFont(ChartTextRole::TickLabel, 960).pixelSize(), 107); // 8 pt
    QCOMPARE(ChartFont(ChartTextRole::Legend, 960).pixelSize(), 107);
    QCOMPARE(ChartFont(ChartTextRole::Mark, 960).pixelSize(), 93); // 7 pt
    QCOMPARE(ChartFont(ChartTextRole::Title, 96).pixelSize(), 15);
    QCOMPARE(ChartFont(ChartTextRole::Title, 0).pixelSize(), 15);
    // Titles bold, the rest plain; a sans-serif stand-in where Arial is missing.
    QVERIFY(ChartFont(ChartTextRole::Title, 96).bold());
    QVERIFY(ChartFont(ChartTextRole::AxisTitle, 96).bold());
    QVERIFY(!ChartFont(ChartTextRole::TickLabel, 96).bold());
    QVERIFY(!ChartFont(ChartTextRole::Mark, 96).bold());
    QCOMPARE(ChartFont(ChartTextRole::Legend, 96).styleHint(), QFont::SansSerif);
    // A resolution that is no number or not above zero counts as the screen's.
    QCOMPARE(ChartUnit(192), 2.0);
    QCOMPARE(ChartUnit(1), 1.0 / 96);
    for (const double bad : {0.0, -96.0, std::nan(""), std::numeric_limits<double>::infinity()})
        QCOMPARE(ChartUnit(bad), 1.0);
}

void ChartLayoutTest::seriesAreCutAtTheBottomAxisEnds()
{
    // The bottom axis of its own from 2 to 5 shows x from 1.5 to 5.5; the
    // left axis 0 to 100. A line from x 0 to 6 is cut at both slot edges.
    ChartModel model = ChartFixtures::series(1, 7);
    model.bottomAxis.automatic = false;
    model.bottomAxis.minimum = 2;
    model.bottomAxis.maximum = 5;
    ChartSeries &series = model.series[0];
    for (ChartPoint &point : series.points)
        point.y = 40;
    series.points[6].y = 100; // up to the axis' top from x 5 to 6
    const ChartLayout layout = LayOutChart(model, ChartDesignRect, 96);
    const std::vector<QPolygonF> runs = ChartVisibleRuns(layout, layout.left, series);
    QCOMPARE(int(runs.size()), 1);
    QCOMPARE(runs[0].first(), QPointF(layout.bottom.map(1.5), layout.left.map(40)));
    QCOMPARE(runs[0].last(), QPointF(layout.bottom.map(5.5), layout.left.map(70)));

    const auto shown = [&](double x, double y) {
        return ChartPointShown(layout, layout.left, ChartPoint{x, y, QString(), QColor()});
    };
    QVERIFY(shown(1.5, 0) && shown(5.5, 100));
    QVERIFY(!shown(1.45, 50) && !shown(5.55, 50) && !shown(3, 100.5) && !shown(3, -0.5));

    // The bars grow from 0; values far beyond the axis are held at twice the
    // picture's width and height outside it.
    QCOMPARE(ChartBaseline(layout.left, layout), layout.left.map(0));
    const double reach = 2 * (498 + 289);
    QCOMPARE(ChartPointPosition(layout, layout.left, ChartPoint{3, 1e300, QString(), QColor()}).y(), -reach);
    QCOMPARE(ChartPointPosition(layout, layout.left, ChartPoint{3, -1e300, QString(), QColor()}).y(), 289 + reach);
    QCOMPARE(ChartPointPosition(layout, layout.left, ChartPoint{1e300, 50, QString(), QColor()}).x(), 2 * 498.0);

    // An axis of ±1e9 and a line from -1e12 to 0: it enters at -1e9, 0.999
    // of the way, however far its other end is brought in first.
    model.leftAxis.minimum = -1e9;
    model.leftAxis.maximum = 1e9;
    model.leftAxis.increment = 2e8;
    series.points = {{2, -1e12, QString(), Qt::red}, {3, 0, QString(), Qt::red}};
    const ChartLayout wide = LayOutChart(model, ChartDesignRect, 96);
    const std::vector<QPolygonF> steep = ChartVisibleRuns(wide, wide.left, series);
    QCOMPARE(int(steep.size()), 1);
    QCOMPARE(steep[0].first(), QPointF(wide.bottom.map(2.999), wide.left.map(-1e9)));
}

void ChartLayoutTest::automaticAxesScaleFromTheirOwnSeries()
{
    // Series 1 on an automatic left axis, series 2 on an automatic right
    // one: each axis starts at 0 and ends within a step above its series.
    ChartModel model = ChartFixtures::series(2, 24);
    model.leftAxis.automatic = true;
    model.series[1].axis = ChartVerticalAxis::Right;
    model.series[1].points[5].y = 480;
    const ChartLayout layout = LayOutChart(model, ChartDesignRect, 96);
    const auto highest = [](const ChartSeries &series) {
        double high = std::numeric_limits<double>::lowest();
        for (const ChartPoint &point : series.points)
            high = std::max(high, point.y);
        return high;
    };
    const ChartAxisGeometry *axes[] = {&layout.left, &layout.right};
    for (int k = 0; k < 2; ++k) {
        const ChartScale &scale = axes[k]->scale;
        const double high = highest(model.series[std::size_t(k)]);
        QCOMPARE(scale.minimum, 0.0);
        QVERIFY2(scale.maximum >= high && scale.maximum < high + scale.increment,
                 qPrintable(QStringLiteral("axis %1: %2 for %3").arg(k).arg(scale.maximum).arg(high)));
    }
    QCOMPARE(layout.right.scale.maximum, 500.0);

    // Ticks of an automatic axis stand at least 1.6 label heights apart (a
    // pixel less where the plot's height is rounded to whole steps).
    const double labelHeight = QFontMetricsF(ChartFont(ChartTextRole::TickLabel, 96)).height();
    ChartModel percent = ChartFixtures::series(1, 24);
    percent.leftAxis.automatic = true;
    percent.series[0].points[0].y = 97;
    for (int height = 120; height <= 480; ++height) {
        const ChartLayout sized = LayOutChart(percent, QRectF(0, 0, 498, height), 96);
        const double apart = double(sized.plotFront.height()) / sized.left.scale.divisions();
        QVERIFY2(apart >= 1.6 * labelHeight - 1, qPrintable(QStringLiteral("%1 px: %2").arg(height).arg(apart)));
    }
}

void ChartLayoutTest::ticksOfAScale()
{
    // 0.3 / 0.1 is 2.9999999999999996 in doubles: still three steps, and
    // the tick at zero is zero, not a rounding error's "-0.0".
    QCOMPARE(int((ChartScale{0, 0.3, 0.1}).ticks().size()), 4);
    QCOMPARE((ChartScale{0, 0.3, 0.1}).divisions(), 3);
    const std::vector<double> ticks = (ChartScale{-0.3, 0.3, 0.1}).ticks();
    QCOMPARE(int(ticks.size()), 7);
    QVERIFY(ticks[3] == 0.0);
    QCOMPARE(ChartValueText(ticks[3], 0.1), QStringLiteral("0.0"));
    QCOMPARE(ChartValueText(-0.2, 0.1), QStringLiteral("-0.2"));
    QCOMPARE(ChartValueText(600, 60), QStringLiteral("600"));
    QCOMPARE(ChartValueText(0.25, 0.05), QStringLiteral("0.25"));
    // A range that is no whole number of steps ends on the last step below.
    QCOMPARE((ChartScale{0, 100, 30}).ticks(), (std::vector<double>{0, 30, 60, 90}));
    // A scale of one value has one tick; one without a positive step none.
    QCOMPARE((ChartScale{5, 5, 1}).ticks(), (std::vector<double>{5}));
    QVERIFY((ChartScale{0, 10, 0}).ticks().empty());
    QVERIFY((ChartScale{10, 0, 1}).ticks().empty());
    QCOMPARE((ChartScale{0, 10, 0}).divisions(), 0);
}

QTEST_MAIN(ChartLayoutTest)
#include "test_chartlayout.moc"
