// SPDX-License-Identifier: MIT
#pragma once

#include "tourtypetext.h"

#include <QStringList>

// A tour type as a row of the tour types dialog: name, days worked ("5"
// or "3-4"), days off ("consecutive" or "any"), shift types (joined by
// "+"), start band (minutes or "free"), weekly paid hours ("37:30-40:00")
// and the maximum of agents (empty: none). The texts are those of a tour
// type's line (tourtypetext.h), and a row is read as that line.
enum TourTypeColumn { TourNameColumn, TourDaysColumn, TourDaysOffColumn, TourShiftsColumn, TourBandColumn,
                      TourPaidColumn, TourMaxColumn, TourTypeColumnCount };

QStringList TourTypeCells(const TourType &tour);
// The tour type of a row, or the field that is not readable and why (a
// comma in any cell is refused there).
TourTypeRead ReadTourTypeCells(const QStringList &cells);
// The column of a field; the name's for the list as a whole.
int TourTypeColumnOf(TourField field);
