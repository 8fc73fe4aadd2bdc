// SPDX-License-Identifier: MIT
#pragma once

#include "scenariofile.h"
#include "weekscenario.h"

#include <QByteArray>
#include <QString>

#include <optional>

class ScenarioInputs;

// The week of one week window and its file: the name it last saved to or
// loaded from, and that file's bytes as the week would write them then, so
// that a week that would now write other bytes holds changes that closing
// it loses. A week that never saved or loaded is scratch work until it is
// first changed: a new week that was typed into asks too.
class WeekDocument
{
public:
    static inline const QString NewWeekCaption = QStringLiteral("New Week");
    static inline const QString UntitledName = QStringLiteral("untitled.vnkw");

    // A new week: the call settings, goal, model and planning options of
    // `from` (an agent window's inputs) or the defaults, every day open over
    // the period of `from` (the defaults' without) with no calls; its slot
    // length that of `from`, or half hours, which the default tours need.
    static WeekScenario newWeek(const ScenarioInputs *from = nullptr);

    explicit WeekDocument(WeekScenario week = newWeek());

    WeekScenario &week() { return m_week; }
    const WeekScenario &week() const { return m_week; }

    // Only a file that is entirely sound replaces the week and becomes the
    // document's file; otherwise nothing changes.
    LoadResult load(const QString &path);
    // Only a written save makes the file the document's.
    SaveResult save(const QString &path);

    // The full path of the document's file; empty before any.
    QString filePath() const { return m_path; }
    bool hasFile() const { return !m_path.isEmpty(); }
    // The week differs from the file it last saved or loaded, or, without
    // a file, from the new week it started as.
    bool changed() const;
    // The window's caption: the file's name, or NewWeekCaption.
    QString caption() const;
    // The name a save dialog starts with.
    QString saveName() const;

    // Whether the file is a week file rather than a scenario file: its name
    // ends in .vnkw, or its first line is "vnkw".
    static bool isWeekFile(const QString &path);

private:
    WeekScenario m_week;
    QString m_path;
    QByteArray m_mark;
};
