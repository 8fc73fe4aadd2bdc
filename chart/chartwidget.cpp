// SPDX-License-Identifier: MIT
#include "chartwidget.h"

#include "chartdescription.h"
#include "chartpainter.h"

#include <QContextMenuEvent>
#include <QPainter>

ChartWidget::ChartWidget(QWidget *parent)
    : ChartSurface(parent)
{
    setContextMenuPolicy(Qt::DefaultContextMenu);
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
