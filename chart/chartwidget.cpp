// SPDX-License-Identifier: MIT
#include "chartwidget.h"

#include "chartdescription.h"
#include "chartpainter.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QPainter>

namespace {

// Screen readers see the widget as a chart, not as an empty pane.
QAccessibleInterface *chartAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChartWidget") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

ChartWidget::ChartWidget(QWidget *parent)
    : QWidget(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    // The chart paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    static const bool accessibleAsChart = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsChart)
    setAccessibleName(QStringLiteral("Chart"));
    setAccessibleDescription(ChartDescription(m_model));
}

void ChartWidget::refresh()
{
    setAccessibleDescription(ChartDescription(m_model));
    repaint();
    emit refreshed();
}

QSize ChartWidget::sizeHint() const
{
    return {498, 289};
}

QSize ChartWidget::minimumSizeHint() const
{
    return {120, 80};
}

void ChartWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintChart(painter, rect(), m_model);
}

void ChartWidget::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
    event->accept();
}
