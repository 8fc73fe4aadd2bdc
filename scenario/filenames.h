// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// File-name helpers of the scenario commands.
namespace Calc {

// Window caption from a file name: ASCII letters to lower case, then the
// first character to upper case when it is a letter ("MONDAY.VNK" gives
// "Monday.vnk").
QString Capitalise(const QString &text);

// The part of `path` after the longest common prefix it shares with
// `directory` (a separator added to it), cut to 255 characters: the initial
// folder handed to the file dialogs.
QString RelativePath(const QString &path, const QString &directory);

// The extension a file-dialog filter names: "txt" for "Text files (*.txt)";
// empty when the filter names no single extension ("All files (*)").
QString FilterSuffix(const QString &filter);

} // namespace Calc
