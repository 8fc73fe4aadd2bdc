// SPDX-License-Identifier: MIT
#include "axisincrement.h"

namespace {

// The smallest multiple of step that is at least m div d (and at least 1).
// Worked in 64 bits: m and d may be any 32-bit values.
int roundUpToStep(long long m, long long d, long long step)
{
    long long q = m / d;
    if (q == 0)
        q = 1;
    // (step - 1 + q) div step truncates toward zero, as for a negative q.
    return static_cast<int>(step * ((step - 1 + q) / step));
}

} // namespace

int TimeIncrement(int largest, int divisions)
{
    const long long m = largest;
    const long long d = divisions < 1 ? 1 : divisions;
    long long step;
    if (d > m)
        step = 1;
    else if (m < 10 * d)
        step = 10;
    else if (m < 30 * d)
        step = 30;
    else
        step = 60;
    return roundUpToStep(m, d, step);
}

int NumberIncrement(int largest, int divisions)
{
    const long long m = largest;
    const long long d = divisions < 1 ? 1 : divisions;
    long long step;
    if (d > m)
        step = 1;
    else if (m < 2 * d)
        step = 2;
    else if (m < 5 * d)
        step = 5;
    else if (m < 10 * d)
        step = 10;
    else if (m < 20 * d)
        step = 20;
    else if (m < 50 * d)
        step = 50;
    else
        step = 100;
    return roundUpToStep(m, d, step);
}
