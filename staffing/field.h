// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The eight input fields of an agent window, in the order the input check
// reads them. The enumerator names are the fields' component names.
enum class Field { MaskEdit1, MaskEdit7, Edit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6 };
constexpr int FieldCount = 8;

// "MaskEdit1", "Edit1", ...
QString ComponentName(Field field);
// The field in a planner's words: "number of calls", "arrival start time"...
QString FieldDescription(Field field);
// The text of a new window's field: "90", "10", "0", "08:00", "17:00"...
QString DefaultText(Field field);
// The most characters the field holds (its mask or maximum length); 0: no limit.
int MaxLength(Field field);

// The time fields "hh:mm" and "mm:ss" (all masked fields but the two goal ones).
bool IsTimeField(Field field);
// Every field but the number of calls has an edit mask.
bool IsMaskedField(Field field);

// A text put through the field's edit mask, as the field shows and holds it
// when the text is set from outside (a scenario file): only digits fit the
// digit positions, an empty position is a blank.
//   time fields: the hour (or minute) part is right-aligned with a leading
//   blank, the part after the colon left-aligned: "8:00" -> " 8:00";
//   a text without a colon has its first two digits before the colon and
//   the next two after it: "0300" -> "03:00", "0" -> " 0:  ";
//   MaskEdit5: its digits right-aligned, " 9"; MaskEdit6: left-aligned, "9 ";
//   Edit1: unchanged.
// A text the field holds already is its own masked text, so a saved field
// loads back unchanged.
QString MaskedText(Field field, const QString &text);
