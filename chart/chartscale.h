// SPDX-License-Identifier: MIT
#pragma once

#include "chartmodel.h"

#include <QString>

#include <vector>

// The value range of one axis and the step between its ticks.
struct ChartScale
{
    double minimum = 0;
    double maximum = 10;
    double increment = 1;

    // The tick values from minimum to maximum (both included when the range
    // is a whole number of steps); never more than MaximumTicks.
    std::vector<double> ticks() const;
    // The number of whole steps from minimum to maximum, 0 when the range is
    // not a whole number of steps.
    int divisions() const;

    static constexpr int MaximumTicks = 1000;
};

// A tick value as the axes show it: whole numbers without decimals, finer
// steps with as many decimals as the step needs (at most 6).
QString ChartValueText(double value, double increment);

// The smallest "nice" step (1, 2 or 5 times a power of ten) at least rough.
double NiceStep(double rough);

// A range from nice steps that covers dataMin..dataMax and zero, with at most
// maxDivisions steps. Non-finite data gives 0 to 10.
ChartScale AutomaticScale(double dataMin, double dataMax, int maxDivisions);

// The scale an axis asks for: its own minimum, maximum and increment when its
// automatic scaling is off and they make a range (an increment of 0 or less,
// or one that would give more than MaximumTicks ticks, is chosen by the
// engine), otherwise the automatic scale of the data. hasData false: no
// series uses the axis.
ChartScale ResolveScale(const ChartAxis &axis, bool hasData, double dataMin, double dataMax, int maxDivisions);
