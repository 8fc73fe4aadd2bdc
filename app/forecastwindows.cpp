// SPDX-License-Identifier: MIT
#include "forecastwindows.h"

#include "agentservices.h"
#include "dialogservice.h"
#include "forecastwindow.h"
#include "handlerguard.h"
#include "historyfile.h"
#include "subwindowplacement.h"
#include "weekdocument.h"
#include "weekwindow.h"
#include "weekwindows.h"
#include "windowtofront.h"

#include <QMdiArea>
#include <QMdiSubWindow>

ForecastWindows::ForecastWindows(QMdiArea &area, AgentServices &services, WeekWindows &weeks)
    : m_area(area)
    , m_services(services)
    , m_weeks(weeks)
{
}

ForecastWindow *ForecastWindows::openFromHistory()
{
    ForecastWindow *opened = nullptr;
    RunHandler(m_services.dialogs, [&] {
        const QString path = HistoryFile::choose(m_services.dialogs);
        if (!path.isEmpty())
            opened = open(path);
    });
    return opened;
}

ForecastWindow *ForecastWindows::open(const QString &path)
{
    std::optional<ForecastSession> session = HistoryFile::read(path, m_services.dialogs);
    if (!session)
        return nullptr;
    auto *window = new ForecastWindow(std::move(*session), *this, m_services.dialogs);
    QMdiSubWindow *subWindow = m_area.addSubWindow(window);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    subWindow->setFocusPolicy(Qt::NoFocus);
    subWindow->resize(QSize(ForecastWindow::DesignWidth, ForecastWindow::DesignHeight).boundedTo(m_area.viewport()->size()));
    subWindow->show();
    KeepWithinWindowArea(subWindow);
    BringWindowToFront(window);
    return window;
}

void ForecastWindows::printForecast(const ReportContent &content)
{
    m_services.printing.PrintPrepared(content, m_services.dialogs);
}

WeekScenario ForecastWindows::newWeek() const
{
    return WeekDocument::newWeek();
}

void ForecastWindows::openWeek(const WeekScenario &week)
{
    // As an imported week: the window starts as a new week and then holds
    // the forecast as if typed, so that closing it asks to save.
    if (WeekWindow *window = m_weeks.add(newWeek()))
        window->replaceWeek(week);
}
