// SPDX-License-Identifier: MIT
// Painting a graph window's chart: the 3D view with seven series of 48
// half-hour slots into a 1280 x 800 image, as a resize of a large graph
// window repaints it.
#include "chartpainter.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

void ensureApplication()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "varnook_bench";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

ChartModel sevenSeries(ChartSeriesStyle style)
{
    static const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255),   QColor(0, 128, 0),  QColor(128, 0, 128),
                                     QColor(0, 128, 128), QColor(192, 192, 192), QColor(128, 0, 0)};
    ChartModel model;
    model.title = QStringLiteral("Varnook");
    model.view3D = true;
    for (int k = 0; k < 7; ++k) {
        ChartSeries series;
        series.title = QStringLiteral("Series %1").arg(k);
        series.style = style;
        series.colour = colours[k];
        series.marksVisible = false;
        series.axis = k >= 5 ? ChartVerticalAxis::Right : ChartVerticalAxis::Left;
        for (int slot = 0; slot < 48; ++slot) {
            const QString label = QStringLiteral("%1:%2").arg(slot / 2, 2, 10, QLatin1Char('0')).arg(slot % 2 ? 30 : 0, 2, 10, QLatin1Char('0'));
            series.points.push_back({double(slot), 50 + 40 * std::sin(slot * 0.25 + k), label, series.colour});
        }
        model.series.push_back(series);
    }
    model.bottomAxis.title = QStringLiteral("Schedule");
    model.leftAxis = {QStringLiteral("Percent"), false, 0, 100, 10, ChartGridStyle::Default};
    model.rightAxis = {QStringLiteral("Time"), false, 0, 100, 10, ChartGridStyle::Default};
    return model;
}

void paintChart3D(benchmark::State &state)
{
    ensureApplication();
    ChartModel model = sevenSeries(state.range(0) ? ChartSeriesStyle::Bar : ChartSeriesStyle::Line);
    model.view3D = !qEnvironmentVariableIsSet("FLAT");
    QImage image(1280, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, image.rect(), model);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(state.range(0) ? "bars" : "lines");
}

} // namespace

BENCHMARK(paintChart3D)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
