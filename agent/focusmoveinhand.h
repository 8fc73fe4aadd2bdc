// SPDX-License-Identifier: MIT
#pragma once

// While a window moves the focus itself (to a failing field, or back into a
// field that may not be left), the controls the focus passes through do not
// run their exit rules. Shared by all agent windows: the focus may move from
// one window into another. Held for the length of the move.
class FocusMoveInHand
{
public:
    FocusMoveInHand() { ++s_moves; }
    ~FocusMoveInHand() { --s_moves; }
    FocusMoveInHand(const FocusMoveInHand &) = delete;
    FocusMoveInHand &operator=(const FocusMoveInHand &) = delete;

    static bool active() { return s_moves > 0; }

private:
    static inline int s_moves = 0;
};
