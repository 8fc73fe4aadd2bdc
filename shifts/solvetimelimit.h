// SPDX-License-Identifier: MIT
#pragma once

// The time a plan's solve may take, in seconds: the one default and range
// the window and varnook-calc offer.
struct SolveTimeLimit
{
    static constexpr double DefaultSeconds = 10;
    // The limit must be above 0 and at most a day.
    static constexpr double MostSeconds = 24 * 60 * 60;
    // The window takes whole seconds from this up.
    static constexpr int LeastWholeSeconds = 1;

    static constexpr bool accepts(double seconds) { return seconds > 0 && seconds <= MostSeconds; }
};
