// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QToolBar>

#include <optional>

class QLabel;
class QToolButton;

// The main window's tool bar: the New Agents window and Close Varnook
// buttons and the hint panel. The panel shows the hint of the control that
// has the focus, or a menu item's status tip while the mouse is on it.
class MainToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit MainToolBar(QWidget *parent);

    QToolButton *newWindowButton() const { return SpeedButton1; }
    QToolButton *closeProgramButton() const { return SpeedButton4; }
    QLabel *hintPanel() const { return Panel2; }

    // The focus moved to `now` (none: the panel is cleared).
    void showHintOf(QWidget *now);
    // A menu item's status tip; an empty one puts back what the panel
    // showed before the first tip.
    void showStatusTip(const QString &tip);

private:
    void buildHintPanel();

    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QLabel *Panel2 = nullptr;
    std::optional<QString> m_panelTextBeforeTip; // while a menu item's status tip shows
};
