// SPDX-License-Identifier: MIT
#include "mainmenus.h"

#include "planningmenuactions.h"
#include "reopenmenu.h"
#include "tagentform.h"
#include "tmainform.h"
#include "windowmenu.h"

#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(TMainForm &main, QMdiArea *area, DialogService &dialogs)
{
    main.menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    buildFileMenu(main, dialogs);
    buildEditMenu(main);
    m_window = new WindowMenu(main.menuBar()->addMenu(QStringLiteral("&Window")), area, &main);
    m_window->update();
    buildHelpMenu(main);
}

void MainMenus::buildFileMenu(TMainForm &main, DialogService &dialogs)
{
    QMenu *file = main.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("New A&gent Window")), &QAction::triggered, &main,
                     [&main] { main.NewAgentWindow1Click(); });
    m_reopen = new ReopenMenu(file->addMenu(QStringLiteral("Re&open")), dialogs, &main);
    QObject::connect(m_reopen, &ReopenMenu::openRequested, &main,
                     [&main](const QString &path) { main.ReopenScenarioWindow(path); });
    QObject::connect(file, &QMenu::aboutToShow, m_reopen, &ReopenMenu::refresh);
    QObject::connect(file->addAction(QStringLiteral("&Recalculate")), &QAction::triggered, &main,
                     [&main] { main.Recalculate1Click(); });
    // The planning commands act on the active agent window.
    m_planning = new PlanningMenuActions(file, [&main] { return main.activeAgentForm(); }, &main);
    QObject::connect(file->addAction(QStringLiteral("&Close")), &QAction::triggered, &main,
                     [&main] { main.Close1Click(); });
    file->addSeparator();
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &main,
                     [&main] { main.Exit1Click(); });
}

void MainMenus::buildEditMenu(TMainForm &main)
{
    QMenu *edit = main.menuBar()->addMenu(QStringLiteral("&Edit"));
    // The key, Ctrl+Z, is the agent window's own, as its other keys are;
    // the item shows it.
    QAction *undo = edit->addAction(QStringLiteral("&Undo\tCtrl+Z"));
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
    QObject::connect(help->addAction(QStringLiteral("&Contents")), &QAction::triggered, &main,
                     [&main] { main.Contents1Click(); });
    QObject::connect(help->addAction(QStringLiteral("&Index")), &QAction::triggered, &main,
                     [&main] { main.TopicSearch1Click(); });
    help->addSeparator();
    QObject::connect(help->addAction(QStringLiteral("&About")), &QAction::triggered, &main,
                     [&main] { main.About1Click(); });
}
