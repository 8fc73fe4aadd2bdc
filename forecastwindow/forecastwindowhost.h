// SPDX-License-Identifier: MIT
#pragma once

class WeekScenario;
struct ReportContent;

// What a forecast window asks of the program around it.
class ForecastWindowHost
{
public:
    virtual ~ForecastWindowHost() = default;

    // Prints the forecast's report through the print dialog, as the other
    // windows print theirs.
    virtual void printForecast(const ReportContent &content) = 0;
    // Takes the forecast week on as a week to plan.
    virtual void openWeek(const WeekScenario &week) = 0;
};
