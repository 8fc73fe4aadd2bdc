// SPDX-License-Identifier: MIT
#pragma once

#include "scenariofile.h"
#include "weekscenario.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A week file (.vnkw) holds a WeekScenario as text, UTF-8 with CR LF line
// ends (CR, LF or CR LF read), seven fixed lines and then key=value lines:
//   vnkw                  the kind of file
//   80                    goal percentage   } the fields' texts, as a
//   20                    goal seconds      } scenario file holds them
//   03:00                 talk time         }
//   00:30                 after-call work   }
//   00:30                 wait before abandon
//   30                    slot minutes: 15, 30 or 60
//   model=erlang-a        the planning options, as a scenario file's lines
//   slot-floor=70         the slot floor, as a scenario file's lines
//   shift=Day,8:00,...    the shift types, as a scenario file's lines
//   tour=Full,5,...       the tour types (tourtypetext.h)
//   day=Mon,08:00,18:00   Monday to Sunday, each once and in order: the
//   date=2026-12-14       period (or "day=Tue,closed"), then the day's
//   calls=0,10,50,120     optional date, its calls per slot and its slots'
//   slot-talk=,200        own times in whole seconds, as a scenario file's
//   slot-wrap=,40
// A new Varnook reads the lines it knows and refuses the others, naming the
// line, so that nothing is left out that a save would then lose.
QByteArray WeekFileBytes(const WeekScenario &week);

// Writes the week to `path` through a temporary file renamed over the
// target: a failed save leaves any file that was there untouched.
SaveResult SaveWeek(const WeekScenario &week, const QString &path);

// Reads and checks the whole file; only a file that is entirely sound
// replaces `week` (Applied; no recalculation). Otherwise `week` is left as
// it was and the result names the line and what is wrong.
LoadResult LoadWeek(WeekScenario &week, const QString &path);
// The same for lines already read (the name is used in messages only).
LoadResult ApplyWeek(WeekScenario &week, const QStringList &lines, const QString &fileName);
// The lines of a week file's bytes: split as a scenario file's, each read
// as UTF-8.
QStringList SplitWeekLines(const QByteArray &bytes);
