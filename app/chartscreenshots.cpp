// SPDX-License-Identifier: MIT
// Paints a demonstration chart, a day's schedule of agents needed and calls
// abandoned, in the flat and the 3D view, as lines and as bars, into PNG
// files; and a seven-series Agents-table chart with a dotted grid.
#include "chartpainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

ChartSeries makeSeries(const QString &title, const QColor &colour, ChartSeriesStyle style, ChartVerticalAxis axis)
{
    ChartSeries series;
    series.title = title;
    series.colour = colour;
    series.style = style;
    series.axis = axis;
    series.marksVisible = false;
    return series;
}

void addPoint(ChartSeries &series, int x, double y, const QString &label)
{
    series.points.push_back({double(x), y, label, series.colour});
}

// 30-minute slots from 07:00 to 19:00 with the morning and early-afternoon
// peaks of a service desk.
ChartModel scheduleChart(ChartSeriesStyle style, bool view3D)
{
    ChartModel model;
    model.title = QStringLiteral("Varnook");
    model.view3D = view3D;
    ChartSeries agents = makeSeries(QStringLiteral("Agents - n"), QColor(255, 0, 0), style, ChartVerticalAxis::Right);
    ChartSeries abandoned =
        makeSeries(QStringLiteral("Abandn - %"), QColor(128, 0, 128), style, ChartVerticalAxis::Left);
    for (int slot = 0; slot < 24; ++slot) {
        const int minutes = 7 * 60 + 30 * slot;
        const QString label = QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
        const double hour = minutes / 60.0;
        const double load = 3 + 11 * std::exp(-std::pow((hour - 10.5) / 1.6, 2)) + 8 * std::exp(-std::pow((hour - 14.5) / 1.8, 2));
        addPoint(agents, slot, std::round(load), label);
        addPoint(abandoned, slot, std::round(2 + 4 * std::exp(-std::pow((hour - 10.2) / 1.2, 2)) + (slot % 5 == 0 ? 1 : 0)), label);
    }
    model.series = {agents, abandoned};
    model.bottomAxis.title = QStringLiteral("Schedule");
    model.leftAxis = {QStringLiteral("Percent"), false, 0, 100, 10, ChartGridStyle::Default};
    model.rightAxis = {QStringLiteral("Number"), false, 0, 50, 5, ChartGridStyle::Default};
    return model;
}

// Agents 8 to 20 of one half hour: seven of the table's measures.
ChartModel agentsChart(bool view3D)
{
    ChartModel model;
    model.title = QStringLiteral("Varnook");
    model.view3D = view3D;
    const struct { const char *title; QColor colour; } kinds[] = {
        {"Srv Lvl - %", QColor(0, 0, 255)},     {"Queued - %", QColor(0, 128, 0)},
        {"Abandn - %", QColor(128, 0, 128)},    {"Usage - %", QColor(0, 128, 128)},
    };
    for (const auto &kind : kinds)
        model.series.push_back(makeSeries(QString::fromLatin1(kind.title), kind.colour, ChartSeriesStyle::Line, ChartVerticalAxis::Left));
    model.series.push_back(makeSeries(QStringLiteral("Ave Ans - s"), QColor(192, 192, 192), ChartSeriesStyle::Line, ChartVerticalAxis::Right));
    model.series.push_back(makeSeries(QStringLiteral("Q Time - s"), QColor(0, 255, 255), ChartSeriesStyle::Line, ChartVerticalAxis::Right));
    for (int agents = 8; agents <= 20; ++agents) {
        const QString label = QString::number(agents);
        const int x = agents - 8;
        const double slack = agents - 7.5;
        const double queued = 100 * std::exp(-slack / 3.0);
        addPoint(model.series[0], x, std::round(100 - 0.9 * queued), label);
        addPoint(model.series[1], x, std::round(queued), label);
        addPoint(model.series[2], x, std::round(queued / 6), label);
        addPoint(model.series[3], x, std::round(100 * 7.5 / agents), label);
        addPoint(model.series[4], x, std::round(240 * std::exp(-slack / 1.6)), label);
        addPoint(model.series[5], x, std::round(280 * std::exp(-slack / 2.0)), label);
    }
    model.bottomAxis.title = QStringLiteral("Agents");
    model.leftAxis = {QStringLiteral("Percent"), false, 0, 100, 10, ChartGridStyle::Dotted};
    model.rightAxis = {QStringLiteral("Time"), false, 0, 300, 30, ChartGridStyle::Dotted};
    model.bottomAxis.grid = ChartGridStyle::Dotted;
    return model;
}

bool paint(const ChartModel &model, const QSize &size, const QString &path)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, image.rect(), model);
    painter.end();
    const bool ok = image.save(path);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << path << '\n';
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() < 2) {
        std::fprintf(stderr, "usage: varnook-chart-screenshots OUTDIR\n");
        return 2;
    }
    const QDir out(app.arguments().at(1));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    // The graph window's chart at its design size, and a larger window.
    const QSize window(498, 289);
    bool ok = true;
    for (const bool view3D : {true, false}) {
        for (const ChartSeriesStyle style : {ChartSeriesStyle::Line, ChartSeriesStyle::Bar}) {
            const QString name = QStringLiteral("chart-%1-%2.png")
                                     .arg(view3D ? QStringLiteral("3d") : QStringLiteral("flat"),
                                          style == ChartSeriesStyle::Bar ? QStringLiteral("bar") : QStringLiteral("line"));
            ok = paint(scheduleChart(style, view3D), window, out.filePath(name)) && ok;
        }
    }
    ok = paint(agentsChart(true), QSize(900, 520), out.filePath(QStringLiteral("chart-agents-3d-dotted.png"))) && ok;
    ok = paint(agentsChart(false), QSize(900, 520), out.filePath(QStringLiteral("chart-agents-flat-dotted.png"))) && ok;
    return ok ? 0 : 1;
}
