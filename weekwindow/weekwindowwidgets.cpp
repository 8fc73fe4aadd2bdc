// SPDX-License-Identifier: MIT
#include "weekwindowwidgets.h"

#include "solvetimelimit.h"
#include "toolbuttonkey.h"
#include "weekheatmapwidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QTableView *makeTable(QWidget *parent, const QString &name, QAbstractItemModel *model)
{
    auto *table = new QTableView(parent);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setAccessibleName(name);
    // Tab leaves the table for the next control.
    table->setTabKeyNavigation(false);
    return table;
}

// A table a column per day, its rows named: the days fill the width.
void showAsDays(QTableView *table, bool editable)
{
    table->verticalHeader()->show();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    if (editable)
        table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed);
}

QToolButton *addTool(QHBoxLayout *bar, QWidget &window, const QString &text, const QKeySequence &key,
                     const QString &hint)
{
    auto *button = new QToolButton(&window);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QString name = text;
    button->setAccessibleName(name.remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    button->setToolTip(hint);
    GiveToolButtonKey(button, key, &window);
    bar->addWidget(button);
    return button;
}

} // namespace

void WeekWindowWidgets::build(QWidget &window, const WeekWindowModels &models)
{
    auto *outer = new QVBoxLayout(&window);
    outer->addLayout(buildToolBar(window));
    outer->addLayout(buildSettingsRow(window));
    outer->addLayout(buildStatusRow(window));
    comparison = new QLabel(&window);
    comparison->setAccessibleName(QStringLiteral("Plans compared"));
    comparison->setTextInteractionFlags(Qt::TextSelectableByMouse);
    comparison->hide();
    outer->addWidget(comparison);

    auto *daysLabel = new QLabel(QStringLiteral("D&ays:"), &window);
    dayTable = makeTable(&window, QStringLiteral("Days"), models.days);
    showAsDays(dayTable, true);
    dayTable->setToolTip(QStringLiteral("Each day's calls, its open period (type \"08:00-18:00\" or \"closed\") "
                                        "and the agent-hours its requirement needs"));
    dayTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dayTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dayTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    dayTable->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    daysLabel->setBuddy(dayTable);
    outer->addWidget(daysLabel);
    outer->addWidget(dayTable);
    buildTabs(window, models);
    outer->addWidget(tabs, 1);
}

QHBoxLayout *WeekWindowWidgets::buildToolBar(QWidget &window)
{
    auto *bar = new QHBoxLayout;
    solveButton = addTool(bar, window, QStringLiteral("&Solve"), QKeySequence(Qt::Key_F5),
                          QStringLiteral("Plan the week's tours"));
    cancelButton = addTool(bar, window, QStringLiteral("&Cancel"), QKeySequence(Qt::Key_Escape),
                           QStringLiteral("Stop the solve"));
    openDayButton = addTool(bar, window, QStringLiteral("Open &Day"), QKeySequence(Qt::CTRL | Qt::Key_D),
                            QStringLiteral("Open the current column's day as an agent window"));
    clearDayButton = addTool(bar, window, QStringLiteral("C&lear Day"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                             QStringLiteral("Clear the current column's calls"));
    rosterButton = addTool(bar, window, QStringLiteral("Use as &Rosters"), QKeySequence(Qt::CTRL | Qt::Key_R),
                           QStringLiteral("Give each day's agent window the plan's agents as its roster"));
    tourTypesButton = addTool(bar, window, QStringLiteral("&Tour Types..."), QKeySequence(Qt::CTRL | Qt::Key_T),
                              QStringLiteral("Edit the week's tour types"));
    printButton = addTool(bar, window, QStringLiteral("&Print"), QKeySequence::Print,
                          QStringLiteral("Print the week's plan"));
    copyButton = addTool(bar, window, QStringLiteral("Cop&y Week"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                         QStringLiteral("Copy the agents' weeks and the cover per slot for a spreadsheet"));
    saveButton = addTool(bar, window, QStringLiteral("Sav&e"), QKeySequence::Save, QStringLiteral("Save the week"));
    bar->addStretch(1);
    return bar;
}

QHBoxLayout *WeekWindowWidgets::buildSettingsRow(QWidget &window)
{
    auto *bar = new QHBoxLayout;
    auto *goalLabel = new QLabel(QStringLiteral("&Goal:"), &window);
    goal = new QComboBox(&window);
    goal->addItem(QStringLiteral("Cover every slot"));
    goal->addItem(QStringLiteral("Each day's service level"));
    goal->setAccessibleName(QStringLiteral("Goal of the plan"));
    // The style's frame and arrow take more than the combo box allows for.
    goal->setMinimumWidth(goal->fontMetrics().horizontalAdvance(goal->itemText(1)) + 48);
    goalLabel->setBuddy(goal);
    bar->addWidget(goalLabel);
    bar->addWidget(goal);
    bar->addSpacing(window.fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2);
    auto *limitLabel = new QLabel(QStringLiteral("Time li&mit (s):"), &window);
    timeLimit = new QSpinBox(&window);
    timeLimit->setRange(SolveTimeLimit::LeastWholeSeconds, static_cast<int>(SolveTimeLimit::MostSeconds));
    timeLimit->setValue(static_cast<int>(SolveTimeLimit::DefaultSeconds));
    timeLimit->setAccessibleName(QStringLiteral("Time limit in seconds"));
    limitLabel->setBuddy(timeLimit);
    bar->addWidget(limitLabel);
    bar->addWidget(timeLimit);
    bar->addStretch(1);
    return bar;
}

QHBoxLayout *WeekWindowWidgets::buildStatusRow(QWidget &window)
{
    // The status line has the row to itself, the busy bar at its end.
    auto *row = new QHBoxLayout;
    status = new QLabel(QStringLiteral("No plan yet: type each day's calls and solve (F5)."), &window);
    status->setWordWrap(true);
    status->setAccessibleName(QStringLiteral("Solver status"));
    busy = new QProgressBar(&window);
    busy->setRange(0, 0);
    busy->setFixedWidth(busy->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    busy->setAccessibleName(QStringLiteral("Solving"));
    row->addWidget(status, 1);
    row->addWidget(busy);
    return row;
}

void WeekWindowWidgets::buildTabs(QWidget &window, const WeekWindowModels &models)
{
    tabs = new QTabWidget(&window);
    tabs->setAccessibleName(QStringLiteral("Week"));
    volumeTable = makeTable(tabs, QStringLiteral("Calls per slot"), models.volumes);
    showAsDays(volumeTable, true);
    requirementTable = makeTable(tabs, QStringLiteral("Agents needed per slot"), models.requirement);
    showAsDays(requirementTable, false);
    heatMap = new WeekHeatMapWidget(tabs);
    heatMap->setAccessibleName(QStringLiteral("Heat map of staffed minus required agents"));
    heatMap->setFocusPolicy(Qt::StrongFocus);
    agentTable = makeTable(tabs, QStringLiteral("Agents' weeks"), models.agents);
    agentTable->setSortingEnabled(true);
    agentTable->sortByColumn(-1, Qt::AscendingOrder);
    tabs->addTab(volumeTable, QStringLiteral("&Volumes"));
    tabs->addTab(requirementTable, QStringLiteral("Re&quirement"));
    tabs->addTab(heatMap, QStringLiteral("&Heat Map"));
    tabs->addTab(agentTable, QStringLiteral("Agents' &Weeks"));
    tabs->addTab(buildTotalsPage(models), QStringLiteral("T&otals"));
}

QWidget *WeekWindowWidgets::buildTotalsPage(const WeekWindowModels &models)
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    totals = new QLabel(page);
    totals->setAccessibleName(QStringLiteral("Week's totals"));
    totals->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    totals->setFocusPolicy(Qt::StrongFocus);
    totals->setWordWrap(true);
    layout->addWidget(totals);
    auto *tables = new QHBoxLayout;
    dayTotalsTable = makeTable(page, QStringLiteral("Totals per day"), models.dayTotals);
    tourTotalsTable = makeTable(page, QStringLiteral("Totals per tour type"), models.tourTotals);
    tables->addWidget(dayTotalsTable, 3);
    tables->addWidget(tourTotalsTable, 2);
    layout->addLayout(tables, 1);
    return page;
}
