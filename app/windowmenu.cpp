// SPDX-License-Identifier: MIT
#include "windowmenu.h"

#include "windowtiling.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>

WindowMenu::WindowMenu(QMenu *menu, QMdiArea *area, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_area(area)
{
    m_tileAction = new QAction(QStringLiteral("&Tile"), this);
    m_cascadeAction = new QAction(QStringLiteral("&Cascade"), this);
    m_tileAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4));
    m_cascadeAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    connect(m_tileAction, &QAction::triggered, this, [this] { tile(); });
    connect(m_cascadeAction, &QAction::triggered, this, [this] { cascade(); });
    connect(m_menu, &QMenu::aboutToShow, this, &WindowMenu::update);
}

void WindowMenu::update()
{
    m_menu->clear();
    m_menu->addAction(m_tileAction);
    m_menu->addAction(m_cascadeAction);
    const QList<QMdiSubWindow *> children = m_area->subWindowList();
    if (children.isEmpty())
        return;
    m_menu->addSeparator();
    delete m_listGroup;
    m_listGroup = new QActionGroup(this);
    QActionGroup *group = m_listGroup;
    // The current child even while the main window itself is not active.
    QMdiSubWindow *active = m_area->currentSubWindow();
    int number = 1;
    for (QMdiSubWindow *child : children) {
        const QString caption = child->widget() ? child->widget()->windowTitle() : child->windowTitle();
        const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption)
                                         : QStringLiteral("%1 %2").arg(number).arg(caption);
        QAction *action = m_menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(child == active);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, child] {
            if (m_area->subWindowList().contains(child))
                m_area->setActiveSubWindow(child);
        });
        ++number;
    }
}

void WindowMenu::tile()
{
    // Horizontal tiling: the child windows one above the other, each the
    // full width of the workspace (a grid of tiles would put windows that
    // cannot be made narrow enough partly out of view). No window is made
    // smaller than its minimum size: windows that do not fit run on below,
    // and the workspace's scroll bars reach them.
    // A maximised child is restored first: while one is maximised the area
    // keeps every child it shows maximised, and the tiles would not hold.
    for (QMdiSubWindow *child : m_area->subWindowList()) {
        if (child->isMaximized())
            child->showNormal();
    }
    QList<QMdiSubWindow *> children;
    QList<QSize> minimumSizes;
    for (QMdiSubWindow *child : m_area->subWindowList()) {
        if (child->isVisible() && !child->isMinimized()) {
            children.append(child);
            minimumSizes.append(child->minimumSizeHint().expandedTo(child->minimumSize()));
        }
    }
    // From the workspace's top, wherever it is scrolled to.
    QRect area = m_area->viewport()->rect();
    if (QScrollBar *bar = m_area->verticalScrollBar())
        bar->setValue(bar->minimum());
    if (QScrollBar *bar = m_area->horizontalScrollBar())
        bar->setValue(bar->minimum());
    QList<QRect> tiles = HorizontalTiles(area, minimumSizes);
    if (!tiles.isEmpty() && tiles.constLast().bottom() > area.bottom()) {
        // The vertical scroll bar that will show takes its width off the tiles.
        area.setWidth(area.width() - m_area->verticalScrollBar()->sizeHint().width());
        tiles = HorizontalTiles(area, minimumSizes);
    }
    for (int i = 0; i < children.size(); ++i)
        children.at(i)->setGeometry(tiles.at(i));
}

void WindowMenu::cascade()
{
    m_area->cascadeSubWindows();
}
