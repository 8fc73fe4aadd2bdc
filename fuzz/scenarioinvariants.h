// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The properties every scenario file has, whatever its bytes: a refused file
// changes nothing and says why; an applied one recalculates, and the file
// written from it loads back into the same scenario (every field, the slot
// length, the volumes, the options and the roster) and is then written again
// byte for byte. Loading, saving and loading is thus a fixed point.
// Returns the first property that does not hold, in words; empty when all hold.
QString BrokenScenarioInvariant(const QByteArray &bytes);
