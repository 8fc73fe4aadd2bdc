// SPDX-License-Identifier: MIT
#pragma once

// The increments of the graph's value axes. Both take the largest value m
// and the number of divisions d and give an increment i such that the axis
// runs from 0 to d * i: the smallest multiple of a base step that is at
// least m div d (at least 1). Because m div d truncates, a largest value
// just above a round top (601 seconds, 1001 calls) still gets that top.
// A number of divisions below 1 counts as 1.

// Base step in seconds: 1, 10, 30 or 60.
int TimeIncrement(int largest, int divisions);
// Base step 1, 2, 5, 10, 20, 50 or 100.
int NumberIncrement(int largest, int divisions);
