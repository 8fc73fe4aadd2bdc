// SPDX-License-Identifier: MIT
#pragma once

#include "field.h"

#include <QString>

#include <utility>

// The layout of a scenario file's fixed lines, which reading and writing
// share. Indexes count from 0: line 1 ("vnk") is index 0.
namespace ScenarioLines {

// Lines 1 to 11 are fixed; the volume lines follow.
constexpr int FixedLines = 11;
constexpr int CallsLine = 3;
constexpr int StartLine = 8;
constexpr int EndLine = 9;
// Line 5 repeats the start for the layout; readers take line 9.
constexpr int LayoutStartLine = 4;
// "1": 60-minute slots, "0": 30-minute ones (15-minute slots write "0" and
// say their length in an option line).
constexpr int SlotLengthLine = 10;

// The field whose text each fixed line holds, by index.
constexpr std::pair<int, Field> FieldLines[] = {
    {1, Field::MaskEdit5},         {2, Field::MaskEdit6},      {CallsLine, Field::Edit1},
    {5, Field::MaskEdit2},         {6, Field::MaskEdit3},      {7, Field::MaskEdit4},
    {StartLine, Field::MaskEdit1}, {EndLine, Field::MaskEdit7},
};

// A line's text for a message: control characters shown as '?', long texts
// cut, in double quotes.
QString Excerpt(const QString &text);

} // namespace ScenarioLines
