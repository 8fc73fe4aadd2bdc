// SPDX-License-Identifier: MIT
#pragma once

#include "forecastwindowhost.h"

#include <QString>

class AgentServices;
class ForecastWindow;
class QMdiArea;
class WeekWindows;

// The main window's forecast windows: File > Forecast from History... asks
// for a history file and shows its forecast in a new window of the window
// area; the windows print through the program's printer and print dialog,
// and Open as Week opens the week forecast in a new week window, as a week
// imported from an interval file opens: not saved to a file yet.
class ForecastWindows : public ForecastWindowHost
{
public:
    ForecastWindows(QMdiArea &area, AgentServices &services, WeekWindows &weeks);

    // File > Forecast from History...: the file chooser, then open().
    ForecastWindow *openFromHistory();
    // A history file's forecast in a new window, without a dialog; none,
    // with the reader's message shown, when it cannot be forecast from.
    ForecastWindow *open(const QString &path);

    void printForecast(const ReportContent &content) override;
    // A new week's settings: the defaults, since the forecast window, not an
    // agent window, is the active one.
    WeekScenario newWeek() const override;
    void openWeek(const WeekScenario &week) override;

private:
    QMdiArea &m_area;
    AgentServices &m_services;
    WeekWindows &m_weeks;
};
