// SPDX-License-Identifier: MIT
#include "shiftplanwindow.h"

#include "chartwidget.h"
#include "dialogservice.h"
#include "handlerguard.h"
#include "shiftcheck.h"
#include "shiftplanchart.h"
#include "shiftplanowner.h"
#include "shiftplantext.h"
#include "solvetimelimit.h"
#include "solvethreads.h"
#include "toolbuttonkey.h"
#include "twostagesolve.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QTableWidget *makeTable(QWidget *parent, const QStringList &headings, const QString &name)
{
    auto *table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setAccessibleName(name);
    return table;
}

void fillTable(QTableWidget *table, const std::vector<QStringList> &rows)
{
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < rows[static_cast<std::size_t>(r)].size(); ++c) {
            auto *item = new QTableWidgetItem(rows[static_cast<std::size_t>(r)][c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
}

} // namespace

ShiftPlanWindow::ShiftPlanWindow(ShiftPlanOwner &owner, DialogService &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_owner(&owner)
    , m_dialogs(dialogs)
{
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(buildToolBar());
    outer->addLayout(buildSettingsRow());

    // The status line has the row to itself, the busy bar at its end.
    auto *statusRow = new QHBoxLayout;
    m_status = new QLabel(QStringLiteral("No plan yet: set the shift types (Ctrl+T) and solve (F5)."), this);
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

    // The tables take three fifths of the pane and the chart the rest; the
    // splitter lets the planner move the line between them.
    auto *pane = new QSplitter(Qt::Vertical, this);
    pane->setChildrenCollapsible(false);
    auto *tablesBox = new QWidget(pane);
    auto *tables = new QHBoxLayout(tablesBox);
    tables->setContentsMargins(0, 0, 0, 0);
    m_shifts = makeTable(tablesBox, ShiftPlanText::shiftHeadings(), QStringLiteral("Shifts"));
    m_cover = makeTable(tablesBox, ShiftPlanText::coverHeadings(), QStringLiteral("Cover per slot"));
    tables->addWidget(m_shifts, 3);
    tables->addWidget(m_cover, 2);
    m_chart = new ChartWidget(pane);
    m_chart->setAccessibleName(QStringLiteral("Required and staffed agents"));
    pane->addWidget(tablesBox);
    pane->addWidget(m_chart);
    pane->setStretchFactor(0, 3);
    pane->setStretchFactor(1, 2);
    pane->setSizes({3000, 2000});
    outer->addWidget(pane, 1);
    BuildShiftPlanChart(m_chart->model(), ShiftPlan());
    m_totals = new QLabel(this);
    m_totals->setAccessibleName(QStringLiteral("Totals"));
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_totals->setWordWrap(true);
    outer->addWidget(m_totals);

    m_tick.setInterval(200);
    connect(&m_tick, &QTimer::timeout, this, [this] {
        m_status->setText(QStringLiteral("Solving... %1 s (Esc cancels)").arg(QString::number(m_elapsed.elapsed() / 1000.0, 'f', 1)));
    });
    showState();
}

ShiftPlanWindow::~ShiftPlanWindow()
{
    // The solve holds only its own copies and the shared flag: it is told to
    // stop and left to end on its own, so that the window closes at once.
    if (m_thread) {
        m_cancel->store(true);
        SolveThreads::release(m_thread);
    }
}

QHBoxLayout *ShiftPlanWindow::buildToolBar()
{
    auto *bar = new QHBoxLayout;
    m_typesButton = addTool(bar, QStringLiteral("Shift &Types..."), QKeySequence(Qt::CTRL | Qt::Key_T));
    m_solveButton = addTool(bar, QStringLiteral("&Solve"), QKeySequence(Qt::Key_F5));
    m_cancelButton = addTool(bar, QStringLiteral("&Cancel"), QKeySequence(Qt::Key_Escape));
    m_rosterButton = addTool(bar, QStringLiteral("Use as &Roster"), QKeySequence(Qt::CTRL | Qt::Key_R));
    m_printButton = addTool(bar, QStringLiteral("&Print"), QKeySequence::Print);
    connect(m_typesButton, &QToolButton::clicked, this, [this] { editTypes(); });
    connect(m_solveButton, &QToolButton::clicked, this, [this] { solve(); });
    connect(m_cancelButton, &QToolButton::clicked, this, [this] { cancelSolve(); });
    connect(m_rosterButton, &QToolButton::clicked, this, [this] { useAsRoster(); });
    connect(m_printButton, &QToolButton::clicked, this, [this] { print(); });
    bar->addStretch(1);
    return bar;
}

QHBoxLayout *ShiftPlanWindow::buildSettingsRow()
{
    // The goal and the limit on a row of their own, so that neither the
    // buttons nor the status squeeze them at the window's design width.
    auto *bar = new QHBoxLayout;
    bar->addWidget(buildGoalChoice());
    bar->addWidget(m_goal);
    bar->addSpacing(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2);
    auto *limitLabel = new QLabel(QStringLiteral("Time &limit (s):"), this);
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

QLabel *ShiftPlanWindow::buildGoalChoice()
{
    auto *goalLabel = new QLabel(QStringLiteral("&Goal:"), this);
    m_goal = new QComboBox(this);
    m_goal->addItem(QStringLiteral("Cover every slot"));
    m_goal->addItem(QStringLiteral("Day's service level"));
    m_goal->setAccessibleName(QStringLiteral("Goal of the plan"));
    // The style's frame and arrow take more than the combo box allows for.
    m_goal->setMinimumWidth(m_goal->fontMetrics().horizontalAdvance(m_goal->itemText(1)) + 48);
    m_goal->setToolTip(QStringLiteral("Cover every slot's requirement, or the cheapest shifts whose day's service "
                                      "level meets the goal (the two plans are then compared); a floor under "
                                      "every slot's service is set with the shift types (Ctrl+T)"));
    goalLabel->setBuddy(m_goal);
    connect(m_goal, &QComboBox::currentIndexChanged, this, [this] {
        if (m_plan && !solving())
            showPlan();
    });
    return goalLabel;
}

QToolButton *ShiftPlanWindow::addTool(QHBoxLayout *bar, const QString &text, const QKeySequence &key)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QString name = text;
    button->setAccessibleName(name.remove(QLatin1Char('&')));
    GiveToolButtonKey(button, key, this);
    bar->addWidget(button);
    return button;
}

void ShiftPlanWindow::showState()
{
    const bool running = solving();
    m_typesButton->setEnabled(!running && m_owner);
    m_solveButton->setEnabled(!running && m_owner);
    m_cancelButton->setEnabled(running);
    m_rosterButton->setEnabled(!running && m_plan && m_owner);
    m_printButton->setEnabled(!running && m_plan && m_owner);
    m_timeLimit->setEnabled(!running);
    m_goal->setEnabled(!running);
    m_busy->setVisible(running);
}

ShiftGoal ShiftPlanWindow::chosenGoal() const
{
    return m_goal->currentIndex() == 1 ? ShiftGoal::ServiceLevel : ShiftGoal::Cover;
}

const std::optional<ShiftPlan> &ShiftPlanWindow::plan() const
{
    return chosenGoal() == ShiftGoal::ServiceLevel && m_servicePlan ? m_servicePlan : m_plan;
}

void ShiftPlanWindow::editTypes()
{
    if (!m_owner || solving())
        return;
    RunHandler(m_dialogs, [this] { m_owner->editShiftTypes(); });
}

void ShiftPlanWindow::solve()
{
    if (!m_owner || solving())
        return;
    RunHandler(m_dialogs, [this] {
        if (m_owner->shiftTypes().empty() && !m_owner->editShiftTypes())
            return;
        const std::optional<ShiftDay> day = m_owner->planDay();
        if (!day)
            return;
        const std::vector<ShiftType> types = m_owner->shiftTypes();
        if (const auto problem = CheckShiftInput(*day, types)) {
            m_dialogs.error(problem->message);
            return;
        }
        std::optional<PlanServiceCheck> check;
        if (chosenGoal() == ShiftGoal::ServiceLevel) {
            check = m_owner->serviceCheck();
            if (const auto problem = check->floorProblem()) {
                m_dialogs.error(problem->message);
                return;
            }
        }
        m_cancel = std::make_shared<std::atomic<bool>>(false);
        auto result = std::make_shared<ShiftPlanPair>();
        MipSettings settings;
        settings.timeLimitSeconds = m_timeLimit->value();
        settings.cancel = m_cancel.get();
        // The thread reads copies and writes only `result`; `cancel` lives as
        // long as it runs.
        QThread *thread = QThread::create([dayCopy = *day, types, settings, check, cancel = m_cancel, result] {
            try {
                *result = ShiftPlanPair::solve(dayCopy, types, settings, check ? &*check : nullptr);
            } catch (const std::exception &e) {
                *result = ShiftPlanPair();
                result->cover.failure = SolverFailureText(e.what());
            } catch (...) {
                *result = ShiftPlanPair();
                result->cover.failure = SolverFailureText("an unknown error");
            }
        });
        m_thread = thread;
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        connect(thread, &QThread::finished, this, [this, result, planDay = *day] {
            m_thread = nullptr;
            m_tick.stop();
            solveEnded(*result, planDay);
        });
        m_elapsed.start();
        m_tick.start();
        m_status->setText(QStringLiteral("Solving... (Esc cancels)"));
        showState();
        thread->start();
    });
}

void ShiftPlanWindow::cancelSolve()
{
    if (m_cancel && solving()) {
        m_cancel->store(true);
        m_status->setText(QStringLiteral("Cancelling..."));
    }
}

void ShiftPlanWindow::solveEnded(const ShiftPlanPair &plans, const ShiftDay &day)
{
    // The best plans found are shown, stopped or not; the plan shown before
    // stays only when the solve found none.
    if (!plans.cover.plan) {
        const bool cancelled = m_cancel && m_cancel->load();
        const ShiftPlanResult &cover = plans.cover;
        const QString failure = cover.problem    ? cover.problem->message
                                : cancelled ? QStringLiteral("Cancelled.")
                                            : cover.failure;
        m_status->setText(failure + (m_plan ? QStringLiteral(" The plan shown is unchanged.") : QString()));
    } else {
        m_plan = plans.cover.plan;
        m_servicePlan = plans.service ? plans.service->plan : std::nullopt;
        m_planDay = day;
        // The goal box names the plan shown: the cover plan when the
        // service-level one was not found.
        QString missing;
        if (plans.service && !m_servicePlan) {
            m_goal->setCurrentIndex(0);
            missing = QStringLiteral(" No plan for the day's service level: ") + plans.service->failure;
        }
        showPlan();
        m_status->setText(m_status->text() + missing);
    }
    showState();
    emit solveFinished();
}

void ShiftPlanWindow::showPlan()
{
    const ShiftPlan &plan = *this->plan();
    QStringList compared;
    if (m_servicePlan) {
        for (const auto &[goal, figures] : ShiftPlanText::comparisonLines({&*m_plan, &*m_servicePlan}))
            compared << goal + QStringLiteral(": ") + figures;
    }
    m_comparison->setText(compared.join(QLatin1Char('\n')));
    m_comparison->setVisible(m_servicePlan.has_value());
    std::vector<QStringList> shiftRows;
    for (const ShiftPlan::Shift &s : plan.shifts)
        shiftRows.push_back(ShiftPlanText::shiftRow(s));
    fillTable(m_shifts, shiftRows);
    std::vector<QStringList> coverRows;
    for (const ShiftPlan::Slot &slot : plan.coverage)
        coverRows.push_back(ShiftPlanText::coverRow(slot));
    fillTable(m_cover, coverRows);
    BuildShiftPlanChart(m_chart->model(), plan);
    m_chart->refresh();
    QStringList lines;
    for (const auto &[caption, value] : ShiftPlanText::totals(plan)) {
        if (caption != QLatin1String("Solver"))
            lines << caption + QStringLiteral(": ") + value;
    }
    QString totals = lines.join(QStringLiteral("   "));
    for (const QString &note : ShiftPlanText::coverNotes(plan))
        totals += QLatin1Char('\n') + note;
    m_totals->setText(totals);
    m_status->setText(ShiftPlanText::solverStatus(plan.solver)
                      + QStringLiteral(" (%1 s).").arg(QString::number(plan.solver.seconds, 'f', 2)));
}

void ShiftPlanWindow::useAsRoster()
{
    if (!m_owner || !m_plan || solving())
        return;
    RunHandler(m_dialogs, [this] { m_owner->useAsRoster(*plan(), m_planDay); });
}

void ShiftPlanWindow::print()
{
    if (!m_owner || !m_plan || solving())
        return;
    RunHandler(m_dialogs, [this] {
        const ShiftPlanComparison compared{&*m_plan, m_servicePlan ? &*m_servicePlan : nullptr};
        m_owner->printPlan(*plan(), m_servicePlan ? &compared : nullptr);
    });
}
