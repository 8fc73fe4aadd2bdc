// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QSize>

// The chart's size in a graph window of the design size, where the chart
// tests lay out and paint by default.
inline constexpr QSize ChartDesignSize(498, 289);
inline constexpr QRectF ChartDesignRect(0, 0, 498, 289);
