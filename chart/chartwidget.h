// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"
#include "chartsurface.h"

// Shows a chart model on a white background. The owner fills model() and
// calls refresh(); the mouse neither pans nor zooms. A right click (or the
// keyboard's context-menu key) is handed to the owner as a request. The
// widget's accessible description says what the chart shows, in words; it is
// rewritten at every refresh.
class ChartWidget : public ChartSurface
{
    Q_OBJECT
public:
    explicit ChartWidget(QWidget *parent = nullptr);

    ChartModel &model() { return m_model; }
    const ChartModel &model() const { return m_model; }

    // Rewrites the description and repaints at once, before returning.
    void refresh();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void contextMenuRequested(const QPoint &globalPos);
    // The model was shown anew (and the description rewritten).
    void refreshed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    ChartModel m_model;
};
