// SPDX-License-Identifier: MIT
#pragma once

#include "serieskinds.h"

#include <QWidget>

#include <array>

class ChartWidget;
class GraphOwner;
class DialogService;
class QAction;
class QMenu;
class QToolButton;

// A graph window: the chart of one agent window's table with a tool bar to
// print it, switch between lines and bars, switch the 3D view and the grid,
// and choose the series. The series are built by the agent window; this
// window only holds the choices and asks its agent window to rebuild
// whenever one changes.
class TLumChart : public QWidget
{
    Q_OBJECT
public:
    explicit TLumChart(QWidget *parent = nullptr);
    ~TLumChart() override;

    static constexpr int DesignWidth = 498;
    static constexpr int DesignHeight = 314;

    SeriesSelectionWord SeriesSelection = SeriesKinds::WindowDefault; // bit k: series kind k drawn
    bool BarChart = false;
    bool GridShown = true;
    // The agent window this graph belongs to; null once that window closes.
    GraphOwner *OwnerForm = nullptr;

    ChartWidget *chart() const { return Chart1; }
    QMenu *seriesMenu() const { return PopupMenu1; }
    // N11 (kind 0) to N91 (kind 8).
    QAction *seriesItem(int kind) const;
    // The menu item of an extra column's kind ("Sched", "Have"), made on
    // first use at the end of the menu: a window whose tables never show
    // those columns keeps the nine items. Null for any other kind.
    QAction *extraSeriesItem(int kind);
    QToolButton *printButton() const { return SpeedButton3; }
    QToolButton *lineButton() const { return SpeedButton2; }
    QToolButton *barButton() const { return SpeedButton5; }
    QToolButton *view3DButton() const { return SpeedButton6; }
    QToolButton *gridButton() const { return SpeedButton4; }
    QToolButton *seriesButton() const { return SpeedButton7; }
    QToolButton *closeButton() const { return SpeedButton1; }

    // The print dialog and the error box of the Print command.
    void setDialogs(DialogService *dialogs) { m_dialogs = dialogs; }

    // The window's handlers.
    void SpeedButton2Click(); // line style
    void SpeedButton5Click(); // bar style
    void SpeedButton6Click(); // 3D view on or off
    void SpeedButton4Click(); // grid lines: hidden, then dotted
    void SpeedButton7Click(); // opens the series menu under the button
    void SpeedButton1Click(); // closes the window
    void SpeedButton3Click(); // prints the chart
    void PopupMenu1Popup();   // ticks the selected kinds
    // A series menu item chosen: its tick reverses and its kind follows it.
    void seriesItemClick(int kind);
    void NotifyOwner();

    // The menu's position for a click on the series button, in global
    // coordinates: just below the button.
    QPoint seriesMenuPosition() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildToolBar();
    void buildSeriesMenu();
    QAction *addSeriesItem(int kind, const QString &caption);
    void seriesItemToggled(int kind, bool ticked);

    QWidget *Panel1 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton7 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    ChartWidget *Chart1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    std::array<QAction *, SeriesKinds::AllCount> m_items{};
    DialogService *m_dialogs = nullptr;
    bool m_closed = false;
};
