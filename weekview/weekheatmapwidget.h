// SPDX-License-Identifier: MIT
#pragma once

#include "chartsurface.h"
#include "weekplan.h"

// Shows a staffed week as a heat map on a white background. Its accessible
// description says, in words, which slots of which days are short or over;
// it is rewritten with every plan. Resting the mouse on a cell tells its
// day, time, requirement and staffing.
class WeekHeatMapWidget : public ChartSurface
{
    Q_OBJECT
public:
    explicit WeekHeatMapWidget(QWidget *parent = nullptr);

    // Shows the plan (a copy) and repaints; a week without an open day
    // shows a note instead.
    void setPlan(const WeekPlan &plan);
    void clear();
    const WeekPlan &plan() const { return m_plan; }

    // The tool tip of the cell under a point of the widget; empty off the cells.
    QString cellText(const QPoint &point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    WeekPlan m_plan;
};
