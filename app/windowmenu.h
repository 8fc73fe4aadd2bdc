// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The main window's Window menu: Tile, Cascade and one item per child
// window (numbered, the first nine with their digit as access key, the
// active one checked), and the Tile and Cascade commands on the workspace.
class WindowMenu : public QObject
{
    Q_OBJECT
public:
    WindowMenu(QMenu *menu, QMdiArea *area, QObject *parent);

    QMenu *menu() const { return m_menu; }
    // Rebuilds the menu from the workspace's child windows.
    void update();
    // The child windows one above the other, each the full width of the
    // workspace and none below its minimum size (those that do not fit run
    // on below, where the scroll bars reach them).
    void tile();
    void cascade();

private:
    QMenu *m_menu;
    QMdiArea *m_area;
    QAction *m_tileAction = nullptr;
    QAction *m_cascadeAction = nullptr;
    QPointer<QActionGroup> m_listGroup;
};
