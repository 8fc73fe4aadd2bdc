// SPDX-License-Identifier: MIT
#include "weekwindows.h"

#include "agentscenario.h"
#include "agentwindowplacement.h"
#include "tagentform.h"
#include "tmainform.h"
#include "weekdocument.h"
#include "weekwindow.h"
#include "windowtiling.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>

WeekWindows::WeekWindows(TMainForm &main, QMdiArea &area, DialogService &dialogs)
    : QObject(&main)
    , m_main(main)
    , m_area(area)
    , m_dialogs(dialogs)
{
    // Coming back to a week brings what its days' windows changed.
    connect(&m_area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow *child) {
        if (auto *week = child ? qobject_cast<WeekWindow *>(child->widget()) : nullptr)
            week->takeDayChanges();
    });
}

WeekWindow *WeekWindows::newWeek()
{
    const TAgentForm *form = m_main.activeAgentForm();
    return add(WeekDocument::newWeek(form ? &form->scenario().inputs() : nullptr));
}

WeekWindow *WeekWindows::openWeek(const QString &path)
{
    WeekWindow *window = add(WeekDocument::newWeek());
    window->openFile(path);
    return window;
}

QList<WeekWindow *> WeekWindows::windows() const
{
    QList<WeekWindow *> weeks;
    for (QMdiSubWindow *child : m_area.subWindowList()) {
        if (auto *week = qobject_cast<WeekWindow *>(child->widget()))
            weeks.append(week);
    }
    return weeks;
}

WeekWindow *WeekWindows::add(const WeekScenario &week)
{
    auto *window = new WeekWindow(*this, m_dialogs, week);
    connect(window, &WeekWindow::weekFileUsed, this, &WeekWindows::fileUsed);
    connect(window, &WeekWindow::openRequested, &m_main, &TMainForm::Open1Click);
    connect(window, &QWidget::windowTitleChanged, this, &WeekWindows::windowsChanged);
    connect(window, &QObject::destroyed, this, [this, window] { m_dayWindows.erase(window); });
    const QSize design(WeekWindow::DesignWidth, WeekWindow::DesignHeight);
    MakeRoomFor(m_main, design);
    QMdiSubWindow *child = m_area.addSubWindow(window);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setFocusPolicy(Qt::NoFocus);
    child->resize(design.boundedTo(m_area.viewport()->size()).expandedTo(child->minimumSizeHint()));
    child->show();
    KeepInside(child, m_area.viewport()->rect());
    m_area.setActiveSubWindow(child);
    window->volumeTable()->setFocus(Qt::OtherFocusReason);
    connect(child, &QObject::destroyed, this, &WeekWindows::windowsChanged, Qt::QueuedConnection);
    emit windowsChanged();
    return window;
}

void WeekWindows::showDay(WeekWindow &window, int day, const ScenarioInputs &inputs, bool quietly)
{
    QPointer<TAgentForm> &form = m_dayWindows[&window].at(static_cast<std::size_t>(day));
    QMdiSubWindow *active = m_area.activeSubWindow();
    if (!form)
        form = m_main.NewAgentWindow1Click();
    if (!form)
        return;
    const ScenarioInputs before = form->scenario().inputs();
    form->scenario().setInputs(inputs);
    form->scenario().undo().record(before, form->scenario().inputs(),
                                   QStringLiteral("The week's %1 replaced the window's inputs. Undo: Ctrl+Z")
                                       .arg(WeekScenario::dayTitle(day)));
    form->refresh();
    form->TabSet1Click(static_cast<int>(Tab::Schedule));
    if (auto *child = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        child->setWindowTitle(form->windowTitle());
        if (quietly && active)
            m_area.setActiveSubWindow(active);
        else
            m_area.setActiveSubWindow(child);
    }
}

std::optional<ScenarioInputs> WeekWindows::dayWindowInputs(const WeekWindow &window, int day) const
{
    const auto found = m_dayWindows.find(&window);
    if (found == m_dayWindows.end())
        return std::nullopt;
    const QPointer<TAgentForm> &form = found->second.at(static_cast<std::size_t>(day));
    if (!form)
        return std::nullopt;
    return form->scenario().inputs();
}
