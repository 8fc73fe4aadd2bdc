// SPDX-License-Identifier: MIT
#include "chartfixtures.h"
#include "chartlayout.h"

#include <QTest>

class TestChartLayout : public QObject
{
    Q_OBJECT
private slots:
    void percentTicksLandOnPixelRows();
};

void TestChartLayout::percentTicksLandOnPixelRows()
{
    const ChartModel model = ChartFixtures::series(2, 5);
    const ChartLayout layout = LayOutChart(model, QRectF(0, 0, 498, 289), 96);
    QCOMPARE(int(layout.left.ticks.size()), 11);
    for (const ChartTick &tick : layout.left.ticks)
        QCOMPARE(tick.position, std::round(tick.position));
}

QTEST_MAIN(TestChartLayout)
#include "test_chartlayout.moc"
