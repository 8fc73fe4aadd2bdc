// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

enum class GraphGlyph { Print, LineChart, BarChart, Toggle3D, ToggleGrid, Series, CloseForm, ShowGraph };

// The tool buttons' pictures: drawn here for the chart commands, from the
// icon theme (or the style) for printing and closing. The disabled image is
// derived by Qt.
QIcon MakeGraphGlyph(GraphGlyph glyph);
