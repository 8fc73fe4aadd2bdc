// SPDX-License-Identifier: MIT
#pragma once

#include "weekscenario.h"

struct ReportContent;

// What a forecast window asks of the program around it.
class ForecastWindowHost
{
public:
    virtual ~ForecastWindowHost() = default;

    // Prints the forecast's report through the print dialog, as the other
    // windows print theirs.
    virtual void printForecast(const ReportContent &content) = 0;
    // The week a new week window starts with: its call settings, goal and
    // planning options, before the forecast's days go in.
    virtual WeekScenario newWeek() const = 0;
    // Takes the forecast week on as a week to plan.
    virtual void openWeek(const WeekScenario &week) = 0;
};
