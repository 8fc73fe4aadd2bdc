// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A result column's header in words, as a screen reader should say it: the
// grid's short headers ("Srv Lvl", "Abndon", "Q Time") spelt out. A header
// the tables do not use is returned as it is.
QString SpokenHeader(const QString &shown);
