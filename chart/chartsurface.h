// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A widget a chart is painted on: white, opaque (its painter fills every
// pixel itself), and seen by screen readers as a chart, not as an empty
// pane.
class ChartSurface : public QWidget
{
    Q_OBJECT
public:
    explicit ChartSurface(QWidget *parent = nullptr);
};
