// SPDX-License-Identifier: MIT
#include "axisincrement.h"

#include <initializer_list>

namespace {

// The increment for the largest value m over d divisions: the base step is
// the first of `steps` with m < step * d (the last one when none is), and
// the increment the smallest multiple of it that is at least m div d (and
// at least 1). Worked in 64 bits: m and d may be any 32-bit values; a
// number of divisions below 1 counts as 1.
int IncrementFor(int largest, int divisions, std::initializer_list<long long> steps)
{
    const long long m = largest;
    const long long d = divisions < 1 ? 1 : divisions;
    long long step = *(steps.end() - 1);
    for (const long long candidate : steps) {
        if (m < candidate * d) {
            step = candidate;
            break;
        }
    }
    long long q = m / d;
    if (q == 0)
        q = 1;
    // (step - 1 + q) div step truncates toward zero, as for a negative q.
    return static_cast<int>(step * ((step - 1 + q) / step));
}

} // namespace

int TimeIncrement(int largest, int divisions)
{
    return IncrementFor(largest, divisions, {1, 10, 30, 60});
}

int NumberIncrement(int largest, int divisions)
{
    return IncrementFor(largest, divisions, {1, 2, 5, 10, 20, 50, 100});
}
