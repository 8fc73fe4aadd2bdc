// SPDX-License-Identifier: MIT
#include "graphglyphs.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace {

// Drawn at twice the size for sharp high-density screens, in an 18 by 18
// design grid.
QIcon drawn(void (*draw)(QPainter &))
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(18 * scale, 18 * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(scale, scale);
            draw(p);
        }
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void axes(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawLine(QPointF(2.5, 2), QPointF(2.5, 15.5));
    p.drawLine(QPointF(2.5, 15.5), QPointF(16, 15.5));
}

void lineChart(QPainter &p)
{
    axes(p);
    p.setPen(QPen(QColor(0, 0, 255), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(4, 12), QPointF(7.5, 7), QPointF(11, 10), QPointF(15.5, 3.5)}));
}

void barChart(QPainter &p)
{
    axes(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(QRectF(4.5, 9, 3, 6));
    p.setBrush(QColor(0, 128, 0));
    p.drawRect(QRectF(8.5, 5, 3, 10));
    p.setBrush(QColor(128, 0, 128));
    p.drawRect(QRectF(12.5, 7.5, 3, 7.5));
}

void toggle3D(QPainter &p)
{
    // A box in oblique view.
    p.setPen(QPen(QColor(40, 40, 40), 1.1));
    p.setBrush(QColor(120, 160, 230));
    p.drawPolygon(QPolygonF({QPointF(3, 7), QPointF(11, 7), QPointF(11, 15.5), QPointF(3, 15.5)}));
    p.setBrush(QColor(170, 200, 245));
    p.drawPolygon(QPolygonF({QPointF(3, 7), QPointF(7, 3), QPointF(15, 3), QPointF(11, 7)}));
    p.setBrush(QColor(80, 120, 200));
    p.drawPolygon(QPolygonF({QPointF(11, 7), QPointF(15, 3), QPointF(15, 11.5), QPointF(11, 15.5)}));
}

void toggleGrid(QPainter &p)
{
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    for (double y : {5.5, 9.0, 12.5})
        p.drawLine(QPointF(3, y), QPointF(16, y));
    for (double x : {6.5, 10.0, 13.5})
        p.drawLine(QPointF(x, 2), QPointF(x, 15));
    axes(p);
}

void series(QPainter &p)
{
    // A legend: three swatches with their lines.
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0)};
    for (int i = 0; i < 3; ++i) {
        const double y = 3.5 + i * 5.0;
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i]);
        p.drawRect(QRectF(2, y - 1.5, 4, 3.5));
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.drawLine(QPointF(8, y + 0.2), QPointF(16, y + 0.2));
    }
}

void showGraph(QPainter &p)
{
    lineChart(p);
    p.setPen(QPen(QColor(255, 0, 0), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(4, 6), QPointF(8, 9), QPointF(12, 6.5), QPointF(15.5, 12)}));
}

void printer(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1.1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 2, 8, 6));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(2, 7, 14, 6.5), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 11, 8, 5));
}

} // namespace

QIcon MakeGraphGlyph(GraphGlyph glyph)
{
    switch (glyph) {
    case GraphGlyph::Print:
        return QIcon::fromTheme(QStringLiteral("document-print"), drawn(printer));
    case GraphGlyph::LineChart:
        return drawn(lineChart);
    case GraphGlyph::BarChart:
        return drawn(barChart);
    case GraphGlyph::Toggle3D:
        return drawn(toggle3D);
    case GraphGlyph::ToggleGrid:
        return drawn(toggleGrid);
    case GraphGlyph::Series:
        return drawn(series);
    case GraphGlyph::CloseForm:
        return QIcon::fromTheme(QStringLiteral("window-close"),
                                QApplication::style()->standardIcon(QStyle::SP_DialogCloseButton));
    case GraphGlyph::ShowGraph:
        return drawn(showGraph);
    }
    return {};
}
