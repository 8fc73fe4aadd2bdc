// SPDX-License-Identifier: MIT
#include "weekheatmapwidget.h"

#include "texts.h"
#include "weekheatmapdescription.h"
#include "weekheatmaplayout.h"
#include "weekheatmappainter.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

WeekHeatMapWidget::WeekHeatMapWidget(QWidget *parent)
    : ChartSurface(parent)
{
    setAccessibleName(QStringLiteral("Week heat map"));
    setAccessibleDescription(WeekHeatMapDescription(m_plan));
}

void WeekHeatMapWidget::setPlan(const WeekPlan &plan)
{
    m_plan = plan;
    setAccessibleDescription(WeekHeatMapDescription(m_plan));
    update();
}

void WeekHeatMapWidget::clear()
{
    setPlan(WeekPlan());
}

QString WeekHeatMapWidget::cellText(const QPoint &point) const
{
    const WeekHeatMapLayout layout = WeekHeatMapLayoutFor(logicalDpiY(), rect(), m_plan);
    const WeekHeatMapLayout::Cell *cell = layout.cellAt(point);
    if (!cell)
        return {};
    const ShiftPlan::Slot &slot = m_plan.days[std::size_t(cell->day)].coverage[std::size_t(cell->slot)];
    const int difference = slot.difference();
    const QString stand = difference < 0   ? QStringLiteral("%1 short").arg(-difference)
                          : difference > 0 ? QStringLiteral("%1 over").arg(difference)
                                           : QStringLiteral("exact");
    return QStringLiteral("%1 %2: required %3, staffed %4, %5")
        .arg(ShiftWeek::dayName(cell->day), Calc::ClockText(slot.start))
        .arg(slot.required)
        .arg(slot.staffed)
        .arg(stand);
}

QSize WeekHeatMapWidget::sizeHint() const
{
    return {560, 420};
}

QSize WeekHeatMapWidget::minimumSizeHint() const
{
    return {240, 160};
}

void WeekHeatMapWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintWeekHeatMap(painter, rect(), m_plan);
}

bool WeekHeatMapWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = cellText(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}
