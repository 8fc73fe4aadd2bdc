// SPDX-License-Identifier: MIT
#include "forecastwindows.h"

#include "agentservices.h"
#include "dialogservice.h"
#include "forecastwindow.h"
#include "handlerguard.h"
#include "historyfile.h"
#include "subwindowplacement.h"
#include "weekfile.h"
#include "windowtofront.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

ForecastWindows::ForecastWindows(QMdiArea &area, AgentServices &services)
    : m_area(area)
    , m_services(services)
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

void ForecastWindows::openWeek(const WeekScenario &week)
{
    DialogService &dialogs = m_services.dialogs;
    FileDialogSetup setup;
    const std::optional<QDate> monday = week.days.front().date;
    setup.initialName = monday ? QStringLiteral("week-%1.vnkw").arg(monday->toString(Qt::ISODate))
                               : QStringLiteral("week.vnkw");
    setup.defaultSuffix = QStringLiteral("vnkw");
    setup.filters = QStringList{QStringLiteral("Week files (*.vnkw)")};
    const QString path = dialogs.chooseSaveFile(setup);
    if (path.isEmpty())
        return;
    const SaveResult saved = SaveWeek(week, path);
    if (!saved.ok) {
        dialogs.error(saved.message);
        return;
    }
    dialogs.fileUsed(path);
    dialogs.inform(QStringLiteral("The week forecast was saved as %1.").arg(QFileInfo(path).fileName()));
}
