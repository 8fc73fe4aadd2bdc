// SPDX-License-Identifier: MIT
#include "mainmenus.h"

#include "forecastwindow.h"
#include "forecastwindows.h"
#include "menukey.h"
#include "planningmenuactions.h"
#include "reopenmenu.h"
#include "shiftplanwindow.h"
#include "tagentform.h"
#include "tlumchart.h"
#include "tmainform.h"
#include "weekwindow.h"
#include "windowmenu.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

MainMenus::MainMenus(TMainForm &main, QMdiArea *area, DialogService &dialogs)
{
    main.menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    buildFileMenu(main, dialogs);
    buildEditMenu(main);
    m_window = new WindowMenu(main.menuBar()->addMenu(QStringLiteral("&Window")), area, &main);
    m_window->update();
    buildHelpMenu(main);
}

QAbstractButton *MainMenus::printButtonOf(QWidget *window)
{
    if (auto *form = qobject_cast<TAgentForm *>(window))
        return form->widgets().SpeedButton3;
    if (auto *chart = qobject_cast<TLumChart *>(window))
        return chart->printButton();
    if (auto *plan = qobject_cast<ShiftPlanWindow *>(window))
        return plan->printButton();
    if (auto *week = qobject_cast<WeekWindow *>(window))
        return week->printButton();
    if (auto *forecast = qobject_cast<ForecastWindow *>(window))
        return forecast->printButton();
    return nullptr;
}

void MainMenus::buildFileMenu(TMainForm &main, DialogService &dialogs)
{
    QMenu *file = main.menuBar()->addMenu(QStringLiteral("&File"));
    QAction *newWindow = file->addAction(QStringLiteral("New A&gent Window"));
    newWindow->setShortcut(QKeySequence::New);
    QObject::connect(newWindow, &QAction::triggered, &main, [&main] { main.NewAgentWindow1Click(); });
    QAction *newWeek = file->addAction(QStringLiteral("New &Week"));
    newWeek->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    QObject::connect(newWeek, &QAction::triggered, &main, [&main] { main.NewWeekWindow1Click(); });
    // The agent window's own commands, on the window that is current.
    const auto onForm = [&main](void (TAgentForm::*command)()) {
        return [&main, command] {
            if (TAgentForm *form = main.activeAgentForm())
                (form->*command)();
        };
    };
    QAction *open = file->addAction(QStringLiteral("&Open..."));
    ShowChildKey(open, QKeySequence::Open);
    QObject::connect(open, &QAction::triggered, &main, [&main] { main.Open1Click(); });
    m_reopen = new ReopenMenu(file->addMenu(QStringLiteral("R&eopen")), dialogs, &main);
    QObject::connect(m_reopen, &ReopenMenu::openRequested, &main,
                     [&main](const QString &path) { main.ReopenFileWindow(path); });
    QObject::connect(file, &QMenu::aboutToShow, m_reopen, &ReopenMenu::refresh);
    QAction *forecast = file->addAction(QStringLiteral("&Forecast from History..."));
    forecast->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    QObject::connect(forecast, &QAction::triggered, &main, [&main] { main.forecasts().openFromHistory(); });
    QAction *save = file->addAction(QStringLiteral("&Save"));
    ShowChildKey(save, QKeySequence::Save);
    QObject::connect(save, &QAction::triggered, &main, [&main, onForm] {
        if (WeekWindow *week = main.activeWeekWindow())
            week->save();
        else
            onForm(&TAgentForm::SpeedButton4Click)();
    });
    // Save As asks for the name, as Save does: the window's own file is
    // offered and another one is asked about before it is replaced.
    QAction *saveAs = file->addAction(QStringLiteral("Save &As..."));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QObject::connect(saveAs, &QAction::triggered, &main, [&main, onForm] {
        if (WeekWindow *week = main.activeWeekWindow())
            week->saveAs();
        else
            onForm(&TAgentForm::SpeedButton4Click)();
    });
    QAction *print = file->addAction(QStringLiteral("Pri&nt..."));
    ShowChildKey(print, QKeySequence::Print);
    QObject::connect(print, &QAction::triggered, &main, [&main] {
        const QMdiSubWindow *child = main.findChild<QMdiArea *>()->currentSubWindow();
        if (QAbstractButton *button = child ? printButtonOf(child->widget()) : nullptr)
            button->click();
    });
    QAction *recalculate = file->addAction(QStringLiteral("&Recalculate"));
    ShowChildKey(recalculate, QKeySequence(Qt::Key_F9));
    QObject::connect(recalculate, &QAction::triggered, &main, [&main] { main.Recalculate1Click(); });
    // The planning commands act on the active agent window.
    m_planning = new PlanningMenuActions(file, [&main] { return main.activeAgentForm(); }, &main);
    QAction *close = file->addAction(QStringLiteral("&Close"));
    ShowChildKey(close, QKeySequence(Qt::CTRL | Qt::Key_F4)); // the child window's own
    QObject::connect(close, &QAction::triggered, &main, [&main] { main.Close1Click(); });
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(exit, &QAction::triggered, &main, [&main] { main.Exit1Click(); });
    // Items that need an agent window, or a window that prints, are
    // enabled while there is one.
    QObject::connect(file, &QMenu::aboutToShow, &main, [&main, open, save, saveAs, print] {
        const bool form = main.activeAgentForm() != nullptr || main.activeWeekWindow() != nullptr;
        for (QAction *action : {save, saveAs})
            action->setEnabled(form);
        open->setEnabled(true);
        const QMdiSubWindow *child = main.findChild<QMdiArea *>()->currentSubWindow();
        const QAbstractButton *button = child ? printButtonOf(child->widget()) : nullptr;
        print->setEnabled(button && button->isEnabled());
    });
}

void MainMenus::buildEditMenu(TMainForm &main)
{
    QMenu *edit = main.menuBar()->addMenu(QStringLiteral("&Edit"));
    // The key, Ctrl+Z, is the agent window's own, as its other keys are;
    // the item shows it.
    QAction *undo = edit->addAction(QStringLiteral("&Undo"));
    ShowChildKey(undo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QObject::connect(undo, &QAction::triggered, &main, [&main] {
        if (TAgentForm *form = main.activeAgentForm())
            form->Undo1Click();
    });
    // Greyed while the active window has nothing to take back.
    QObject::connect(edit, &QMenu::aboutToShow, undo, [&main, undo] {
        const TAgentForm *form = main.activeAgentForm();
        undo->setEnabled(form && form->scenario().undo().canUndo());
    });
}

void MainMenus::buildHelpMenu(TMainForm &main)
{
    QMenu *help = main.menuBar()->addMenu(QStringLiteral("&Help"));
    QAction *contents = help->addAction(QStringLiteral("&Contents"));
    ShowChildKey(contents, QKeySequence::HelpContents); // F1 opens the current window's page itself
    QObject::connect(contents, &QAction::triggered, &main, [&main] { main.Contents1Click(); });
    QAction *index = help->addAction(QStringLiteral("&Index"));
    index->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    QObject::connect(index, &QAction::triggered, &main, [&main] { main.TopicSearch1Click(); });
    help->addSeparator();
    QAction *about = help->addAction(QStringLiteral("&About"));
    about->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F1));
    QObject::connect(about, &QAction::triggered, &main, [&main] { main.About1Click(); });
}
