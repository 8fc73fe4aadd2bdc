// SPDX-License-Identifier: MIT
#pragma once

class QAbstractItemModel;
class QComboBox;
class QHBoxLayout;
class QKeySequence;
class QLabel;
class QProgressBar;
class QSpinBox;
class QString;
class QTabWidget;
class QTableView;
class QToolButton;
class QWidget;
class WeekHeatMapWidget;

// The models a week window's tables show.
struct WeekWindowModels
{
    QAbstractItemModel *days = nullptr;
    QAbstractItemModel *volumes = nullptr;
    QAbstractItemModel *requirement = nullptr;
    QAbstractItemModel *agents = nullptr; // sorted
    QAbstractItemModel *dayTotals = nullptr;
    QAbstractItemModel *tourTotals = nullptr;
};

// A week window's widgets, built and laid out in the window: the tool
// buttons with their keys, the goal and time limit, the status line with
// its busy bar, the plans compared, the days above and the tabs below
// (volumes, requirement, heat map, agents' weeks, totals). Every control
// has a screen-reader name and, through its label or text, an access key.
struct WeekWindowWidgets
{
    void build(QWidget &window, const WeekWindowModels &models);

    QToolButton *solveButton = nullptr;
    QToolButton *cancelButton = nullptr;
    QToolButton *openDayButton = nullptr;
    QToolButton *clearDayButton = nullptr;
    QToolButton *rosterButton = nullptr;
    QToolButton *tourTypesButton = nullptr;
    QToolButton *printButton = nullptr;
    QToolButton *copyButton = nullptr;
    QToolButton *saveButton = nullptr;
    QComboBox *goal = nullptr;
    QSpinBox *timeLimit = nullptr;
    QLabel *status = nullptr;
    QProgressBar *busy = nullptr;
    QLabel *comparison = nullptr;
    QTableView *dayTable = nullptr;
    QTabWidget *tabs = nullptr;
    QTableView *volumeTable = nullptr;
    QTableView *requirementTable = nullptr;
    WeekHeatMapWidget *heatMap = nullptr;
    QTableView *agentTable = nullptr;
    QTableView *dayTotalsTable = nullptr;
    QTableView *tourTotalsTable = nullptr;
    QLabel *totals = nullptr;

private:
    QHBoxLayout *buildToolBar(QWidget &window);
    QHBoxLayout *buildSettingsRow(QWidget &window);
    QHBoxLayout *buildStatusRow(QWidget &window);
    void buildTabs(QWidget &window, const WeekWindowModels &models);
    QWidget *buildTotalsPage(const WeekWindowModels &models);
};
