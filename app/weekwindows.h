// SPDX-License-Identifier: MIT
#pragma once

#include "weekwindowhost.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <array>
#include <map>
#include <memory>

class DialogService;
class QMdiArea;
class TAgentForm;
class TMainForm;
class TourTypesEditor;
class WeekScenario;

// The main window's week windows: each placed in the workspace as the
// agent windows are, and the agent windows opened for their days, so
// that a day's window is found again (Open Day, Use as Rosters) and what
// changes there comes back to the week.
class WeekWindows : public QObject, public WeekWindowHost
{
    Q_OBJECT
public:
    WeekWindows(TMainForm &main, QMdiArea &area, DialogService &dialogs);
    ~WeekWindows() override;

    // File > New Week: the active agent window's call settings, goal,
    // model and planning options, or the defaults.
    WeekWindow *newWeek();
    // The week file in a new week window; a file that cannot be loaded is
    // reported and the new window stays a new week.
    WeekWindow *openWeek(const QString &path);
    // An interval file of several days: one week of it (the planner picks
    // one where it holds several) in a new week window with the active
    // agent window's settings, not yet saved. A refusal is reported.
    WeekWindow *importIntervals(const QString &path);
    // The week in a new week window, placed as every new one is.
    WeekWindow *add(const WeekScenario &week);
    QList<WeekWindow *> windows() const;

    void showDay(WeekWindow &window, int day, const ScenarioInputs &inputs, bool quietly) override;
    std::optional<ScenarioInputs> dayWindowInputs(const WeekWindow &window, int day) const override;
    void weekFileUsed(const QString &path) override { emit fileUsed(path); }
    void print(const ReportDocument &document) override;

signals:
    // A week file was saved or loaded (for the Reopen list).
    void fileUsed(const QString &path);
    // The list of windows or a window's caption changed.
    void windowsChanged();

private:
    TMainForm &m_main;
    QMdiArea &m_area;
    DialogService &m_dialogs;
    std::map<const WeekWindow *, std::array<QPointer<TAgentForm>, 7>> m_dayWindows;
    // The tour types dialog every week window shows.
    std::unique_ptr<TourTypesEditor> m_tourTypes;
};
