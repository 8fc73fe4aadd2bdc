// SPDX-License-Identifier: MIT
#include "weekwindow.h"

#include "dialogservice.h"
#include "handlerguard.h"
#include "shiftplantext.h"
#include "solvetimelimit.h"
#include "solvethreads.h"
#include "texttablemodel.h"
#include "toolbuttonkey.h"
#include "twostagesolve.h"
#include "weekdayinputs.h"
#include "weekdaymodel.h"
#include "weekplantext.h"
#include "weekrequirementmodel.h"
#include "weekvolumemodel.h"
#include "tourtypeseditor.h"
#include "weekcopy.h"
#include "weekheatmapwidget.h"
#include "weekreport.h"
#include "weekwindowhost.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

FileDialogSetup weekDialogSetup(const WeekDocument &document)
{
    FileDialogSetup setup;
    if (document.hasFile()) {
        setup.initialFolder = QFileInfo(document.filePath()).absolutePath();
        setup.initialName = QFileInfo(document.filePath()).fileName();
    } else {
        setup.initialName = WeekDocument::UntitledName;
    }
    setup.defaultSuffix = QStringLiteral("vnkw");
    setup.filters = QStringList{QStringLiteral("Week files (*.vnkw)")};
    return setup;
}

} // namespace

WeekWindow::WeekWindow(WeekWindowHost &host, DialogService &dialogs, TourTypesEditor &tourTypes, WeekScenario week,
                       QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_tourTypes(tourTypes)
    , m_document(std::move(week))
{
    setProperty("helpContext", HelpTopic);
    m_volumeModel = new WeekVolumeModel(m_document.week(), this);
    m_dayModel = new WeekDayModel(m_document.week(), this);
    m_requirementModel = new WeekRequirementModel(this);
    m_agentModel = new TextTableModel(WeekPlanText::agentHeadings(), this);
    m_agentSort = new QSortFilterProxyModel(this);
    m_agentSort->setSourceModel(m_agentModel);
    m_agentSort->setSortRole(TextTableModel::SortRole);
    m_dayTotalsModel = new TextTableModel(WeekPlanText::dayHeadings(), this);
    m_tourTotalsModel = new TextTableModel(WeekPlanText::tourHeadings(), this);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(buildToolBar());
    outer->addLayout(buildSettingsRow());
    auto *statusRow = new QHBoxLayout;
    m_status = new QLabel(QStringLiteral("No plan yet: type each day's calls and solve (F5)."), this);
    m_status->setWordWrap(true);
    m_status->setAccessibleName(QStringLiteral("Solver status"));
    m_busy = new QProgressBar(this);
    m_busy->setRange(0, 0);
    m_busy->setFixedWidth(m_busy->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    m_busy->setAccessibleName(QStringLiteral("Solving"));
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_busy);
    outer->addLayout(statusRow);
    m_comparison = new QLabel(this);
    m_comparison->setAccessibleName(QStringLiteral("Plans compared"));
    m_comparison->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_comparison->hide();
    outer->addWidget(m_comparison);

    auto *daysLabel = new QLabel(QStringLiteral("D&ays:"), this);
    m_dayTable = addTable(this, QStringLiteral("Days"));
    m_dayTable->setModel(m_dayModel);
    m_dayTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    m_dayTable->setToolTip(QStringLiteral("Each day's calls, its open period (type \"08:00-18:00\" or \"closed\") "
                                          "and the agent-hours its requirement needs"));
    m_dayTable->verticalHeader()->show();
    m_dayTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_dayTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_dayTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_dayTable->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_dayTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    daysLabel->setBuddy(m_dayTable);
    outer->addWidget(daysLabel);
    outer->addWidget(m_dayTable);

    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(QStringLiteral("Week"));
    m_volumeTable = addTable(m_tabs, QStringLiteral("Calls per slot"));
    m_volumeTable->setModel(m_volumeModel);
    m_volumeTable->verticalHeader()->show();
    m_volumeTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_volumeTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed);
    auto *paste = new QAction(QStringLiteral("&Paste"), m_volumeTable);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(paste, &QAction::triggered, this, [this] { pasteVolumes(QGuiApplication::clipboard()->text()); });
    m_volumeTable->addAction(paste);
    m_volumeTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_requirementTable = addTable(m_tabs, QStringLiteral("Agents needed per slot"));
    m_requirementTable->setModel(m_requirementModel);
    m_requirementTable->verticalHeader()->show();
    m_requirementTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_heatMap = new WeekHeatMapWidget(m_tabs);
    m_heatMap->setAccessibleName(QStringLiteral("Heat map of staffed minus required agents"));
    m_heatMap->setFocusPolicy(Qt::StrongFocus);
    m_agentTable = addTable(m_tabs, QStringLiteral("Agents' weeks"));
    m_agentTable->setModel(m_agentSort);
    m_agentTable->setSortingEnabled(true);
    m_agentTable->sortByColumn(-1, Qt::AscendingOrder);
    m_tabs->addTab(m_volumeTable, QStringLiteral("&Volumes"));
    m_tabs->addTab(m_requirementTable, QStringLiteral("Re&quirement"));
    m_tabs->addTab(m_heatMap, QStringLiteral("&Heat Map"));
    m_tabs->addTab(m_agentTable, QStringLiteral("Agents' &Weeks"));
    m_tabs->addTab(buildTotalsPage(), QStringLiteral("T&otals"));
    outer->addWidget(m_tabs, 1);

    connect(m_volumeModel, &WeekVolumeModel::volumesChanged, this, [this] { weekChanged(); });
    connect(m_dayModel, &WeekDayModel::periodChanged, this, [this] {
        m_volumeModel->reload();
        weekChanged();
    });
    m_tick.setInterval(200);
    connect(&m_tick, &QTimer::timeout, this, [this] {
        m_status->setText(QStringLiteral("Solving... %1 s (Esc cancels)").arg(QString::number(m_elapsed.elapsed() / 1000.0, 'f', 1)));
    });
    auto *open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this, &WeekWindow::openRequested);
    setMinimumSize(480, 360);
    weekChanged();
    showState();
}

WeekWindow::~WeekWindow()
{
    // The solve holds only its own copies and the shared flag: it is told
    // to stop and left to end on its own, so that the window closes at once.
    if (m_thread) {
        m_cancel->store(true);
        m_thread->disconnect(this);
        SolveThreads::release(m_thread);
    }
}

QTableView *WeekWindow::addTable(QWidget *parent, const QString &name)
{
    auto *table = new QTableView(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setAccessibleName(name);
    // Tab leaves the table for the next control.
    table->setTabKeyNavigation(false);
    return table;
}

QWidget *WeekWindow::buildTotalsPage()
{
    auto *page = new QWidget(m_tabs);
    auto *layout = new QVBoxLayout(page);
    m_totals = new QLabel(page);
    m_totals->setAccessibleName(QStringLiteral("Week's totals"));
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_totals->setFocusPolicy(Qt::StrongFocus);
    m_totals->setWordWrap(true);
    layout->addWidget(m_totals);
    auto *tables = new QHBoxLayout;
    m_dayTotalsTable = addTable(page, QStringLiteral("Totals per day"));
    m_dayTotalsTable->setModel(m_dayTotalsModel);
    m_tourTotalsTable = addTable(page, QStringLiteral("Totals per tour type"));
    m_tourTotalsTable->setModel(m_tourTotalsModel);
    tables->addWidget(m_dayTotalsTable, 3);
    tables->addWidget(m_tourTotalsTable, 2);
    layout->addLayout(tables, 1);
    return page;
}

QHBoxLayout *WeekWindow::buildToolBar()
{
    auto *bar = new QHBoxLayout;
    m_solveButton = addTool(bar, QStringLiteral("&Solve"), QKeySequence(Qt::Key_F5), QStringLiteral("Plan the week's tours"));
    m_cancelButton = addTool(bar, QStringLiteral("&Cancel"), QKeySequence(Qt::Key_Escape), QStringLiteral("Stop the solve"));
    m_openDayButton = addTool(bar, QStringLiteral("Open &Day"), QKeySequence(Qt::CTRL | Qt::Key_D),
                              QStringLiteral("Open the current column's day as an agent window"));
    m_clearDayButton = addTool(bar, QStringLiteral("C&lear Day"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                               QStringLiteral("Clear the current column's calls"));
    m_rosterButton = addTool(bar, QStringLiteral("Use as &Rosters"), QKeySequence(Qt::CTRL | Qt::Key_R),
                             QStringLiteral("Give each day's agent window the plan's agents as its roster"));
    m_tourTypesButton = addTool(bar, QStringLiteral("&Tour Types..."), QKeySequence(Qt::CTRL | Qt::Key_T),
                                QStringLiteral("Edit the week's tour types"));
    m_printButton = addTool(bar, QStringLiteral("&Print"), QKeySequence::Print, QStringLiteral("Print the week's plan"));
    m_copyButton = addTool(bar, QStringLiteral("Cop&y Week"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                           QStringLiteral("Copy the agents' weeks and the cover per slot for a spreadsheet"));
    QToolButton *saveButton = addTool(bar, QStringLiteral("Sav&e"), QKeySequence::Save, QStringLiteral("Save the week"));
    connect(m_solveButton, &QToolButton::clicked, this, [this] { solve(); });
    connect(m_cancelButton, &QToolButton::clicked, this, [this] { cancelSolve(); });
    connect(m_openDayButton, &QToolButton::clicked, this, [this] { openDay(); });
    connect(m_clearDayButton, &QToolButton::clicked, this, [this] { clearDay(); });
    connect(m_rosterButton, &QToolButton::clicked, this, [this] { useAsRosters(); });
    connect(m_tourTypesButton, &QToolButton::clicked, this, [this] { editTourTypes(); });
    connect(m_printButton, &QToolButton::clicked, this, [this] { print(); });
    connect(m_copyButton, &QToolButton::clicked, this, [this] { copyWeek(); });
    connect(saveButton, &QToolButton::clicked, this, [this] { save(); });
    bar->addStretch(1);
    return bar;
}

QHBoxLayout *WeekWindow::buildSettingsRow()
{
    auto *bar = new QHBoxLayout;
    auto *goalLabel = new QLabel(QStringLiteral("&Goal:"), this);
    m_goal = new QComboBox(this);
    m_goal->addItem(QStringLiteral("Cover every slot"));
    m_goal->addItem(QStringLiteral("Each day's service level"));
    m_goal->setAccessibleName(QStringLiteral("Goal of the plan"));
    m_goal->setMinimumWidth(m_goal->fontMetrics().horizontalAdvance(m_goal->itemText(1)) + 48);
    goalLabel->setBuddy(m_goal);
    bar->addWidget(goalLabel);
    bar->addWidget(m_goal);
    bar->addSpacing(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2);
    auto *limitLabel = new QLabel(QStringLiteral("Time li&mit (s):"), this);
    m_timeLimit = new QSpinBox(this);
    m_timeLimit->setRange(SolveTimeLimit::LeastWholeSeconds, static_cast<int>(SolveTimeLimit::MostSeconds));
    m_timeLimit->setValue(static_cast<int>(SolveTimeLimit::DefaultSeconds));
    m_timeLimit->setAccessibleName(QStringLiteral("Time limit in seconds"));
    limitLabel->setBuddy(m_timeLimit);
    bar->addWidget(limitLabel);
    bar->addWidget(m_timeLimit);
    bar->addStretch(1);
    return bar;
}

QToolButton *WeekWindow::addTool(QHBoxLayout *bar, const QString &text, const QKeySequence &key, const QString &hint)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QString name = text;
    button->setAccessibleName(name.remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    button->setToolTip(hint);
    GiveToolButtonKey(button, key, this);
    bar->addWidget(button);
    return button;
}

void WeekWindow::showState()
{
    const bool running = solving();
    m_solveButton->setEnabled(!running);
    m_cancelButton->setEnabled(running);
    m_rosterButton->setEnabled(!running && m_plan.has_value());
    m_tourTypesButton->setEnabled(!running);
    m_printButton->setEnabled(!running && m_plan.has_value());
    m_copyButton->setEnabled(!running && m_plan.has_value());
    m_openDayButton->setEnabled(!running);
    m_clearDayButton->setEnabled(!running);
    m_dayTable->setEnabled(!running);
    m_volumeTable->setEnabled(!running);
    m_timeLimit->setEnabled(!running);
    m_goal->setEnabled(!running);
    m_busy->setVisible(running);
}

void WeekWindow::showCaption()
{
    setWindowTitle(m_document.caption());
}

ShiftGoal WeekWindow::chosenGoal() const
{
    return m_goal->currentIndex() == 1 ? ShiftGoal::ServiceLevel : ShiftGoal::Cover;
}

int WeekWindow::currentDay() const
{
    const QTableView *table = m_tabs->currentWidget() == m_requirementTable ? m_requirementTable : m_volumeTable;
    if (m_dayTable->hasFocus() && m_dayTable->currentIndex().isValid())
        return m_dayTable->currentIndex().column();
    const QModelIndex current = table->currentIndex();
    return current.isValid() ? current.column() : -1;
}

void WeekWindow::weekChanged()
{
    const WeekScenario::Build build = m_document.week().shiftWeek();
    m_requirementModel->show(m_document.week(), build.week);
    m_dayModel->showRequirement(build.week);
    if (!build.week && !solving())
        m_status->setText(WeekRefusalText(build) + QLatin1Char('.'));
    showCaption();
}

void WeekWindow::takeDayChanges()
{
    if (solving())
        return;
    WeekScenario &week = m_document.week();
    bool changed = false;
    for (int day = 0; day < WeekScenario::DayCount; ++day) {
        const std::optional<ScenarioInputs> inputs = m_host.dayWindowInputs(*this, day);
        if (!inputs)
            continue;
        WeekScenario::Day &held = week.days.at(static_cast<std::size_t>(day));
        // Only what the day's window changed comes back: the day as the
        // week would have shown it there stays as the week holds it.
        const WeekScenario::Day shown = WeekDayFromInputs(week.dayInputs(day), held, week.slotMinutes());
        const WeekScenario::Day now = WeekDayFromInputs(*inputs, held, week.slotMinutes());
        if (now != shown) {
            held = now;
            changed = true;
        }
    }
    if (changed) {
        // The cursor stays on its cell as the rows are laid out again.
        const QModelIndex current = m_volumeTable->currentIndex();
        m_volumeModel->reload();
        m_dayModel->reload();
        if (current.isValid())
            m_volumeTable->setCurrentIndex(m_volumeModel->index(current.row(), current.column()));
        weekChanged();
    }
}

void WeekWindow::pasteVolumes(const QString &text)
{
    if (solving())
        return;
    RunHandler(m_dialogs, [&] {
        if (const std::optional<QString> refusal = m_volumeModel->paste(m_volumeTable->currentIndex(), text))
            m_dialogs.error(*refusal + QStringLiteral(": nothing was pasted"));
    });
}

void WeekWindow::clearDay()
{
    if (solving())
        return;
    const int day = currentDay();
    if (day < 0) {
        m_dialogs.inform(QStringLiteral("Choose a day's column to clear first."));
        return;
    }
    m_volumeModel->clearDay(day);
}

void WeekWindow::openDay()
{
    if (solving())
        return;
    RunHandler(m_dialogs, [this] {
        const int day = currentDay();
        if (day < 0) {
            m_dialogs.inform(QStringLiteral("Choose a day's column to open first."));
            return;
        }
        if (!m_document.week().days.at(static_cast<std::size_t>(day)).open) {
            m_dialogs.inform(QStringLiteral("%1 is closed: give it an open period first.").arg(WeekScenario::dayTitle(day)));
            return;
        }
        m_host.showDay(*this, day, m_document.week().dayInputs(day), false);
    });
}

void WeekWindow::solve()
{
    if (solving())
        return;
    RunHandler(m_dialogs, [this] {
        takeDayChanges();
        m_cancel = std::make_shared<std::atomic<bool>>(false);
        auto result = std::make_shared<WeekSolveResult>();
        MipSettings settings;
        settings.timeLimitSeconds = m_timeLimit->value();
        settings.cancel = m_cancel.get();
        const ShiftGoal goal = chosenGoal();
        // The thread reads copies and writes only `result`; `cancel` lives
        // as long as it runs.
        QThread *thread = QThread::create([week = m_document.week(), goal, settings, cancel = m_cancel, result] {
            try {
                *result = SolveWeek(week, goal, settings);
            } catch (const std::exception &e) {
                *result = WeekSolveResult();
                result->message = SolverFailureText(e.what());
            } catch (...) {
                *result = WeekSolveResult();
                result->message = SolverFailureText("an unknown error");
            }
        });
        m_thread = thread;
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        connect(thread, &QThread::finished, this, [this, result, week = m_document.week()] {
            m_thread = nullptr;
            m_tick.stop();
            if (result->plan || result->coverPlan)
                m_planWeek = week;
            solveEnded(*result);
        });
        m_elapsed.start();
        m_tick.start();
        m_status->setText(QStringLiteral("Solving... (Esc cancels)"));
        showState();
        thread->start();
    });
}

void WeekWindow::cancelSolve()
{
    if (m_cancel && solving()) {
        m_cancel->store(true);
        m_status->setText(QStringLiteral("Cancelling..."));
    }
}

void WeekWindow::solveEnded(const WeekSolveResult &result)
{
    // The best plan found is shown, stopped or not; the plan shown before
    // stays only when the solve found none.
    if (!result.plan && !result.coverPlan) {
        const bool cancelled = m_cancel && m_cancel->load();
        const QString failure = cancelled && result.message.isEmpty() ? QStringLiteral("Cancelled.")
                                                                      : StandardErrorText(result.message);
        m_status->setText(failure + (m_plan ? QStringLiteral(" The plan shown is unchanged.") : QString()));
    } else {
        m_plan = result.plan ? result.plan : result.coverPlan;
        m_coverPlan = result.plan ? result.coverPlan : std::nullopt;
        showPlan();
        // The goal box names the plan shown: the cover plan when the
        // service-level one was not found.
        if (!result.plan) {
            m_goal->setCurrentIndex(0);
            m_status->setText(m_status->text() + QStringLiteral(" No plan for each day's service level: ")
                              + StandardErrorText(result.message));
        }
    }
    showState();
    emit solveFinished();
}

void WeekWindow::showPlan()
{
    const WeekPlan &plan = *m_plan;
    QStringList compared;
    if (m_coverPlan) {
        for (const auto &[goal, figures] : WeekPlanText::comparisonLines(&*m_coverPlan, &plan))
            compared << goal + QStringLiteral(": ") + figures;
    }
    m_comparison->setText(compared.join(QLatin1Char('\n')));
    m_comparison->setVisible(m_coverPlan.has_value());
    m_heatMap->setPlan(plan);
    std::vector<QStringList> agents;
    for (std::size_t i = 0; i < plan.agents.size(); ++i)
        agents.push_back(WeekPlanText::agentRow(static_cast<int>(i) + 1, plan.agents[i]));
    m_agentModel->setRows(std::move(agents));
    std::vector<QStringList> days;
    for (int day = 0; day < WeekScenario::DayCount; ++day)
        days.push_back(WeekPlanText::dayRow(plan, day, m_planWeek->days.at(static_cast<std::size_t>(day)).date));
    m_dayTotalsModel->setRows(std::move(days));
    std::vector<QStringList> tours;
    for (const WeekPlan::TourTotal &tour : plan.tours)
        tours.push_back(WeekPlanText::tourRow(tour));
    m_tourTotalsModel->setRows(std::move(tours));
    QStringList lines;
    for (const auto &[caption, value] : WeekPlanText::totals(plan)) {
        if (caption != QLatin1String("Solver"))
            lines << caption + QStringLiteral(": ") + value;
    }
    QString totals = lines.join(QStringLiteral("   "));
    for (const QString &note : WeekPlanText::coverNotes(plan))
        totals += QLatin1Char('\n') + note;
    m_totals->setText(totals);
    m_status->setText(ShiftPlanText::solverStatus(plan.solver)
                      + QStringLiteral(" (%1 s).").arg(QString::number(plan.solver.seconds, 'f', 2)));
}

void WeekWindow::useAsRosters()
{
    if (!m_plan || !m_planWeek || solving())
        return;
    RunHandler(m_dialogs, [this] {
        // A day without calls has no roster check: its Schedule refuses
        // 0 calls.
        QStringList without;
        for (int day = 0; day < WeekScenario::DayCount; ++day) {
            if (!m_plan->days.at(static_cast<std::size_t>(day)).open)
                continue;
            if (m_planWeek->days.at(static_cast<std::size_t>(day)).hasCalls())
                m_host.showDay(*this, day, m_planWeek->dayInputs(day, *m_plan), true);
            else
                without << WeekScenario::dayTitle(day);
        }
        if (!without.isEmpty())
            m_status->setText(m_status->text() + QStringLiteral(" No roster for %1: no calls.").arg(without.join(QStringLiteral(", "))));
    });
}

void WeekWindow::editTourTypes()
{
    if (solving())
        return;
    RunHandler(m_dialogs, [this] {
        takeDayChanges();
        WeekScenario &week = m_document.week();
        const WeekScenario::Build build = week.shiftWeek();
        const std::optional<ShiftDay> widest = week.widestPeriod();
        if (!build.week || !widest) {
            m_dialogs.error(build.week ? QStringLiteral("Open a day first: the tour types are checked against the open days")
                                       : WeekRefusalText(build));
            return;
        }
        const TourTypesEdit current{week.plannedTourTypes(), week.plannedShiftTypes()};
        const std::optional<TourTypesEdit> edited
            = m_tourTypes.editTourTypes(current, *build.week, *widest, windowTitle());
        if (!edited)
            return;
        // The defaults stay defaults while they are not changed.
        if (edited->tours != current.tours)
            week.tourTypes = edited->tours;
        if (edited->shiftTypes != current.shiftTypes)
            week.shiftTypes = edited->shiftTypes;
        weekChanged();
    });
}

void WeekWindow::print()
{
    if (!m_plan || !m_planWeek || solving())
        return;
    RunHandler(m_dialogs, [this] {
        WeekReport::Content content;
        content.caption = windowTitle();
        content.fileName = m_document.hasFile() ? m_document.filePath() : QStringLiteral("*.vnkw");
        content.plan = *m_plan;
        for (int day = 0; day < WeekScenario::DayCount; ++day)
            content.dates.at(static_cast<std::size_t>(day)) = m_planWeek->days.at(static_cast<std::size_t>(day)).date;
        m_host.print(WeekReport(std::move(content)));
    });
}

QMimeData *WeekWindow::copyData() const
{
    return m_plan ? WeekCopy::week(*m_plan).mimeData() : nullptr;
}

void WeekWindow::copyWeek()
{
    if (!m_plan || solving())
        return;
    RunHandler(m_dialogs, [this] { QGuiApplication::clipboard()->setMimeData(copyData()); });
}

void WeekWindow::forgetPlan()
{
    m_plan.reset();
    m_coverPlan.reset();
    m_planWeek.reset();
    m_comparison->hide();
    m_heatMap->clear();
    m_agentModel->setRows({});
    m_dayTotalsModel->setRows({});
    m_tourTotalsModel->setRows({});
    m_totals->clear();
    m_volumeModel->reload();
    m_dayModel->reload();
    m_status->setText(QStringLiteral("No plan yet: solve (F5)."));
    weekChanged();
    showState();
}

void WeekWindow::replaceWeek(const WeekScenario &week)
{
    if (solving())
        return;
    m_document.week() = week;
    forgetPlan();
}

bool WeekWindow::openFile(const QString &path)
{
    bool opened = false;
    RunHandler(m_dialogs, [&] {
        const LoadResult result = m_document.load(path);
        if (!result.applied()) {
            m_dialogs.error(result.message);
            return;
        }
        forgetPlan();
        m_dialogs.fileUsed(m_document.filePath());
        emit weekFileUsed(m_document.filePath());
        opened = true;
    });
    return opened;
}

bool WeekWindow::saveFile(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (fullPath != m_document.filePath() && QFileInfo::exists(fullPath)
        && !m_dialogs.warnYesNo(QStringLiteral("Overwrite file ") + path + QLatin1Char('?')))
        return false;
    takeDayChanges();
    const SaveResult result = m_document.save(fullPath);
    if (!result.ok) {
        m_dialogs.error(result.message);
        return false;
    }
    showCaption();
    m_dialogs.fileUsed(fullPath);
    emit weekFileUsed(fullPath);
    return true;
}

void WeekWindow::save()
{
    RunHandler(m_dialogs, [this] {
        if (m_document.hasFile())
            saveFile(m_document.filePath());
        else
            saveAs();
    });
}

void WeekWindow::saveAs()
{
    RunHandler(m_dialogs, [this] {
        const QString chosen = m_dialogs.chooseSaveFile(weekDialogSetup(m_document));
        if (!chosen.isEmpty())
            saveFile(chosen);
    });
}

bool WeekWindow::hasUnsavedChanges()
{
    takeDayChanges();
    return m_document.changed();
}

bool WeekWindow::confirmClose()
{
    if (!hasUnsavedChanges())
        return true;
    bool closeIt = false;
    RunHandler(m_dialogs, [&] {
        const QString name = m_document.hasFile() ? QFileInfo(m_document.filePath()).fileName() : WeekDocument::UntitledName;
        switch (m_dialogs.askSaveChanges(QStringLiteral("Save changes to %1?").arg(name))) {
        case SaveChoice::Save:
            if (m_document.hasFile()) {
                closeIt = saveFile(m_document.filePath());
            } else {
                const QString chosen = m_dialogs.chooseSaveFile(weekDialogSetup(m_document));
                closeIt = !chosen.isEmpty() && saveFile(chosen);
            }
            break;
        case SaveChoice::Discard:
            closeIt = true;
            break;
        case SaveChoice::Cancel:
            break;
        }
    });
    return closeIt;
}

void WeekWindow::closeEvent(QCloseEvent *event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    if (solving())
        cancelSolve();
    event->accept();
}
