// SPDX-License-Identifier: MIT
#include "chartprintrect.h"

#include <limits>

ChartPrintRect ComputeChartPrintRect(int pageWidth, int pageHeight, int clientWidth, int clientHeight)
{
    ChartPrintRect r;
    if (clientWidth <= 0 || clientHeight <= 0) {
        r.right = r.left;
        r.bottom = r.top;
        return r;
    }
    // 64 bits: a page of many thousand pixels times 100 times a scale.
    const long long w = static_cast<long long>(pageWidth) - 20;
    const long long h = static_cast<long long>(pageHeight) - 20;
    const long long cw = clientWidth;
    const long long ch = clientHeight;
    long long s = (w * 100) / cw;
    long long right = (cw * s) / 100;
    long long bottom = (ch * s) / 100;
    if (h < bottom) {
        s = (h * 100) / ch;
        right = (cw * s) / 100;
        bottom = (ch * s) / 100;
    }
    const auto toInt = [](long long v) {
        if (v > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
        if (v < std::numeric_limits<int>::min())
            return std::numeric_limits<int>::min();
        return static_cast<int>(v);
    };
    r.right = toInt(right);
    r.bottom = toInt(bottom);
    return r;
}
