// SPDX-License-Identifier: MIT
#pragma once

#include "chartlayout.h"
#include "chartmodel.h"

class QFontMetricsF;

// Lays out the bottom axis across layout.plotFront: one slot per whole x
// from the smallest to the largest (or the axis' own range when its
// automatic scaling is off), each x at its slot's centre, labelled with the
// first point's label found there. Labels are thinned to every 2nd, 4th,
// 6th... slot so that they never overlap, and stand at labelTop. Returns the
// slot width.
double LayOutBottomAxis(ChartLayout &layout, const ChartModel &model, const QFontMetricsF &metrics, double labelTop);
