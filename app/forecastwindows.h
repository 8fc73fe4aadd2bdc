// SPDX-License-Identifier: MIT
#pragma once

#include "forecastwindowhost.h"

#include <QString>

class AgentServices;
class ForecastWindow;
class QMdiArea;

// The main window's forecast windows: File > Forecast from History... asks
// for a history file and shows its forecast in a new window of the window
// area; the windows print through the program's printer and print dialog.
// Open as Week saves the week forecast as a week file (.vnkw) under a name
// the planner chooses, which `varnook-calc week` plans.
class ForecastWindows : public ForecastWindowHost
{
public:
    ForecastWindows(QMdiArea &area, AgentServices &services);

    // File > Forecast from History...: the file chooser, then open().
    ForecastWindow *openFromHistory();
    // A history file's forecast in a new window, without a dialog; none,
    // with the reader's message shown, when it cannot be forecast from.
    ForecastWindow *open(const QString &path);

    void printForecast(const ReportContent &content) override;
    void openWeek(const WeekScenario &week) override;

private:
    QMdiArea &m_area;
    AgentServices &m_services;
};
