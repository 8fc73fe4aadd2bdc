// SPDX-License-Identifier: MIT
// The chart painted into images: series where their points are, bars and
// lines, grid styles, the 3D back wall, and nothing drawn where it must not be.
#include "chartdesign.h"
#include "chartfixtures.h"
#include "chartlayout.h"
#include "chartpainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <limits>

class ChartPainterTest : public QObject
{
    Q_OBJECT
private slots:
    void eachSeriesShowsWhereItsPointsAre_data();
    void eachSeriesShowsWhereItsPointsAre();
    void barsFillTheAreaUnderTheirValues();
    void gridStyles_data();
    void gridStyles();
    void gridLinesStaySharpOnADoubleDensityScreen();
    void threeDMovesTheBackWallByTheDepth();
    void nothingIsDrawnOutsideTheRectangle_data();
    void nothingIsDrawnOutsideTheRectangle();
    void valuesBeyondTheAxisStayInThePlot_data();
    void valuesBeyondTheAxisStayInThePlot();
    void painterIsLeftAsItWasFound();
};

namespace {

const QSize Size = ChartDesignSize;

QImage paint(const ChartModel &model, const QSize &size = Size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintChart(painter, image.rect(), model);
    painter.end();
    return image;
}

ChartLayout layOut(const ChartModel &model, const QSize &size = Size)
{
    return LayOutChart(model, QRectF(QPointF(0, 0), size), 96);
}

// A pixel of the series' colour or one of its shades: the same hue, strongly
// saturated.
bool ofColour(QRgb pixel, const QColor &colour)
{
    const QColor c = QColor::fromRgb(pixel);
    if (qAlpha(pixel) < 255 || c.hsvSaturation() < 150)
        return false;
    const int difference = std::abs(c.hsvHue() - colour.hsvHue());
    return std::min(difference, 360 - difference) <= 8;
}

bool colourNear(const QImage &image, QPointF at, const QColor &colour, int radius)
{
    for (int y = int(at.y()) - radius; y <= int(at.y()) + radius; ++y) {
        for (int x = int(at.x()) - radius; x <= int(at.x()) + radius; ++x) {
            if (image.rect().contains(x, y) && ofColour(image.pixel(x, y), colour))
                return true;
        }
    }
    return false;
}

int countColour(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += ofColour(image.pixel(x, y), colour) ? 1 : 0;
    return count;
}

// Both views in both series styles, as data rows "view3D" and "style".
void addViewsAndStyles()
{
    QTest::addColumn<bool>("view3D");
    QTest::addColumn<int>("style");
    QTest::newRow("flat lines") << false << int(ChartSeriesStyle::Line);
    QTest::newRow("flat bars") << false << int(ChartSeriesStyle::Bar);
    QTest::newRow("3D ribbons") << true << int(ChartSeriesStyle::Line);
    QTest::newRow("3D boxes") << true << int(ChartSeriesStyle::Bar);
}

} // namespace

void ChartPainterTest::eachSeriesShowsWhereItsPointsAre_data()
{
    addViewsAndStyles();
}

void ChartPainterTest::eachSeriesShowsWhereItsPointsAre()
{
    QFETCH(bool, view3D);
    QFETCH(int, style);
    // The top band on the right axis, scaled 0 to 200: half way up.
    ChartModel model = ChartFixtures::bands(4, 12, ChartSeriesStyle(style), view3D);
    model.series[3].axis = ChartVerticalAxis::Right;
    model.rightAxis = {QStringLiteral("Number"), false, 0, 200, 20, ChartGridStyle::Default};
    for (ChartPoint &point : model.series[3].points)
        point.y = 100 + 5 * std::sin(point.x);
    const QImage image = paint(model);
    const ChartLayout layout = layOut(model);
    QVERIFY(layout.right.shown);
    for (int k = 0; k < 4; ++k) {
        const ChartSeries &series = model.series[std::size_t(k)];
        const double scale = k == 3 ? 0.5 : 1.0; // right-axis values at the left axis' rows for half of them
        const QPointF lane = layout.laneOffset(layout.laneOf(k)) + layout.laneDepth() / 2;
        for (const ChartPoint &point : series.points) {
            QPointF at(layout.bottom.map(point.x), layout.left.map(point.y * scale));
            if (view3D)
                at += lane;
            if (style == int(ChartSeriesStyle::Bar)) {
                at.ry() += 3; // inside the bar, below its top edge
                if (!view3D)
                    at.rx() = layout.flatBarLeft(point.x, k, 4) + layout.flatBarWidth(4) / 2;
            }
            QVERIFY2(colourNear(image, at, series.colour, 3),
                     qPrintable(QStringLiteral("%1 at x %2").arg(series.title).arg(point.x)));
        }
    }
    // Lines and bars in the same colours as the legend's swatches.
    for (const ChartLegendEntry &entry : layout.legend)
        QVERIFY(colourNear(image, entry.swatch.center(), entry.colour, 1));
}

void ChartPainterTest::barsFillTheAreaUnderTheirValues()
{
    for (const bool view3D : {false, true}) {
        const ChartModel lines = ChartFixtures::bands(2, 12, ChartSeriesStyle::Line, view3D);
        const ChartModel bars = ChartFixtures::bands(2, 12, ChartSeriesStyle::Bar, view3D);
        const QImage lineImage = paint(lines);
        const QImage barImage = paint(bars);
        const QColor blue = lines.series[1].colour;
        QVERIFY(countColour(barImage, blue) > 3 * countColour(lineImage, blue));
        // Half way down a blue bar: blue in the bar chart, no blue in the
        // line chart.
        const ChartLayout layout = layOut(bars);
        const ChartPoint &point = bars.series[1].points[5];
        const QPointF lane = layout.laneOffset(layout.laneOf(1)) + layout.laneDepth() / 2;
        QPointF middle(layout.bottom.map(point.x), (layout.left.map(point.y) + layout.left.map(0)) / 2);
        if (view3D)
            middle += lane;
        QVERIFY(colourNear(barImage, middle, blue, 0));
        QVERIFY(!colourNear(lineImage, middle, blue, 2));
    }
}

void ChartPainterTest::gridStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("view3D");
    QTest::newRow("default flat") << int(ChartGridStyle::Default) << false;
    QTest::newRow("dotted flat") << int(ChartGridStyle::Dotted) << false;
    QTest::newRow("clear flat") << int(ChartGridStyle::Clear) << false;
    QTest::newRow("default 3D") << int(ChartGridStyle::Default) << true;
    QTest::newRow("dotted 3D") << int(ChartGridStyle::Dotted) << true;
    QTest::newRow("clear 3D") << int(ChartGridStyle::Clear) << true;
}

void ChartPainterTest::gridStyles()
{
    QFETCH(int, style);
    QFETCH(bool, view3D);
    // One series low on the axis leaves the row of the tick at 80 free. The
    // bottom axis draws no grid, so no vertical line crosses that row.
    ChartModel model = ChartFixtures::bands(1, 12, ChartSeriesStyle::Line, view3D);
    model.leftAxis.grid = ChartGridStyle(style);
    model.bottomAxis.grid = ChartGridStyle::Clear;
    const QImage image = paint(model);
    const ChartLayout layout = layOut(model);
    const ChartTick &tick = layout.left.ticks[8];
    QCOMPARE(tick.value, 80.0);
    const int row = int(tick.position) + layout.depth.y(); // on the back wall
    const QRgb background = QColor(Qt::white).rgb();
    int marked = 0, changes = 0;
    bool last = false;
    const int from = layout.backWall.left() + 2, to = layout.backWall.left() + layout.backWall.width() - 2;
    for (int x = from; x < to; ++x) {
        const bool mark = image.pixel(x, row) != background;
        marked += mark ? 1 : 0;
        changes += (x > from && mark != last) ? 1 : 0;
        last = mark;
        // The rows beside a grid line are untouched: it is one pixel thick.
        QCOMPARE(image.pixel(x, row - 2), background);
    }
    const int length = to - from;
    switch (ChartGridStyle(style)) {
    case ChartGridStyle::Clear:
        QCOMPARE(marked, 0);
        break;
    case ChartGridStyle::Default:
        QCOMPARE(marked, length);
        break;
    case ChartGridStyle::Dotted:
        QVERIFY(marked > length / 5 && marked < length * 3 / 5);
        QVERIFY(changes > length / 3);
        break;
    }
}

void ChartPainterTest::gridLinesStaySharpOnADoubleDensityScreen()
{
    // A high-density screen: the widget paints in screen pixels, each two
    // device pixels wide. A grid line fills exactly its two device rows.
    ChartModel model = ChartFixtures::bands(1, 12, ChartSeriesStyle::Line, false);
    model.bottomAxis.grid = ChartGridStyle::Clear;
    QImage image(Size * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintChart(painter, QRect(QPoint(0, 0), Size), model);
    painter.end();
    const ChartLayout layout = layOut(model);
    const int row = 2 * int(layout.left.ticks[8].position);
    const int x = 2 * layout.plotFront.center().x();
    const QRgb background = QColor(Qt::white).rgb();
    QVERIFY(image.pixel(x, row) != background);
    QCOMPARE(image.pixel(x, row + 1), image.pixel(x, row));
    QCOMPARE(image.pixel(x, row - 1), background);
    QCOMPARE(image.pixel(x, row + 2), background);
}

void ChartPainterTest::threeDMovesTheBackWallByTheDepth()
{
    const QColor wall(255, 250, 200);
    for (const bool view3D : {false, true}) {
        ChartModel model = ChartFixtures::bands(2, 12, ChartSeriesStyle::Line, view3D);
        model.backWall = {wall, true};
        const QImage image = paint(model);
        const ChartLayout layout = layOut(model);
        const QRect back = layout.backWall;
        QCOMPARE(back, layout.plotFront.translated(layout.depth));
        // The wall's colour just inside each corner of the back wall.
        const int r = back.left() + back.width(), b = back.top() + back.height();
        for (const QPoint corner : {QPoint(back.left() + 3, back.top() + 3), QPoint(r - 3, back.top() + 3),
                                    QPoint(back.left() + 3, b - 3), QPoint(r - 3, b - 3)})
            QCOMPARE(QColor(image.pixel(corner)), wall);
        // The frame along its top edge.
        QVERIFY(QColor(image.pixel(back.center().x(), back.top())) != wall);
        if (view3D) {
            // Below the moved wall, in front of it: the floor.
            const QPoint floor(layout.plotFront.left() + 3, layout.plotFront.top() + layout.plotFront.height() - 2);
            QVERIFY(QColor(image.pixel(floor)) != wall);
            QVERIFY(QColor(image.pixel(floor)) != QColor(Qt::white));
        }
    }
}

void ChartPainterTest::nothingIsDrawnOutsideTheRectangle_data()
{
    addViewsAndStyles();
}

void ChartPainterTest::nothingIsDrawnOutsideTheRectangle()
{
    QFETCH(bool, view3D);
    QFETCH(int, style);
    ChartModel model = ChartFixtures::series(7, 48, ChartSeriesStyle(style));
    model.view3D = view3D;
    model.title = QStringLiteral("A title far longer than the chart is wide, to see where it ends");
    for (ChartSeries &series : model.series) {
        series.marksVisible = true;
        series.title += QStringLiteral(" with a long name");
    }
    model.series[0].points[3].y = 1e6;
    model.series[1].points[5].y = -1e6;
    model.series[3].points[7].y = std::numeric_limits<double>::max();
    model.series[3].points[8].y = std::numeric_limits<double>::lowest();
    model.series[4].points[2].y = std::nan("");
    model.series[2].points[9].y = std::numeric_limits<double>::max(); // on the automatic right axis
    model.series[2].axis = ChartVerticalAxis::Right;
    for (const QSize size : {ChartDesignSize, QSize(160, 90), QSize(40, 30)}) {
        QImage image(size + QSize(200, 160), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        const QRect rect(QPoint(100, 80), size);
        QPainter painter(&image);
        PaintChart(painter, rect, model);
        painter.end();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!rect.contains(x, y))
                    QVERIFY2(qAlpha(image.pixel(x, y)) == 0, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(qAlpha(image.pixel(rect.topLeft())) == 255); // the background
    }
}

void ChartPainterTest::valuesBeyondTheAxisStayInThePlot_data()
{
    nothingIsDrawnOutsideTheRectangle_data();
}

void ChartPainterTest::valuesBeyondTheAxisStayInThePlot()
{
    QFETCH(bool, view3D);
    QFETCH(int, style);
    ChartModel model = ChartFixtures::bands(2, 12, ChartSeriesStyle(style), view3D);
    for (std::size_t i = 3; i < 12; i += 3) {
        model.series[0].points[i].y = 400; // far above 100
        model.series[1].points[i].y = -80; // below 0
    }
    const QImage image = paint(model);
    const ChartLayout layout = layOut(model);
    const QPolygonF outline = layout.plotOutline();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPointF centre(x + 0.5, y + 0.5);
            bool inSwatch = false;
            for (const ChartLegendEntry &entry : layout.legend)
                inSwatch = inSwatch || entry.swatch.contains(centre);
            if (inSwatch || outline.containsPoint(centre, Qt::OddEvenFill))
                continue;
            // Antialiased edges may tint the pixels that touch the outline.
            const bool touching = outline.containsPoint(centre + QPointF(1, 1), Qt::OddEvenFill)
                || outline.containsPoint(centre - QPointF(1, 1), Qt::OddEvenFill)
                || outline.containsPoint(centre + QPointF(1, -1), Qt::OddEvenFill)
                || outline.containsPoint(centre + QPointF(-1, 1), Qt::OddEvenFill);
            if (touching)
                continue;
            for (const ChartSeries &series : model.series)
                QVERIFY2(!ofColour(image.pixel(x, y), series.colour),
                         qPrintable(QStringLiteral("%1 at %2,%3").arg(series.title).arg(x).arg(y)));
        }
    }
    // The cut series still reach the top of the plot: a bar at its value's
    // x, a line where it crosses the axis' end.
    const ChartPoint &before = model.series[0].points[2];
    const ChartPoint &high = model.series[0].points[3];
    const double x = style == int(ChartSeriesStyle::Bar) ? high.x
                                                          : before.x + (100 - before.y) / (high.y - before.y);
    QPointF top(layout.bottom.map(x), layout.left.map(100) + 3);
    if (view3D)
        top += layout.laneOffset(layout.laneOf(0)) + layout.laneDepth() / 2;
    QVERIFY(colourNear(image, top, model.series[0].colour, 3));
}

void ChartPainterTest::painterIsLeftAsItWasFound()
{
    QImage image(Size, QImage::Format_ARGB32);
    QPainter painter(&image);
    const QFont font(QStringLiteral("Liberation Serif"), 31);
    painter.setFont(font);
    painter.setPen(QPen(Qt::green, 7));
    painter.setClipRect(QRect(0, 0, 300, 200));
    PaintChart(painter, image.rect(), ChartFixtures::bands(3, 24, ChartSeriesStyle::Bar, true));
    QCOMPARE(painter.font(), font);
    QCOMPARE(painter.pen(), QPen(Qt::green, 7));
    QCOMPARE(painter.clipBoundingRect(), QRectF(0, 0, 300, 200));
    // An empty rectangle draws nothing and does not fail.
    PaintChart(painter, QRect(), ChartFixtures::bands(3, 24, ChartSeriesStyle::Bar, true));
}

QTEST_MAIN(ChartPainterTest)
#include "test_chartpainter.moc"
