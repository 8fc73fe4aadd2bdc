// SPDX-License-Identifier: MIT
#include "weekwindow.h"

#include "dialogservice.h"
#include "handlerguard.h"
#include "tourtypeseditor.h"
#include "texttablemodel.h"
#include "weekdayinputs.h"
#include "weekdaymodel.h"
#include "weekreport.h"
#include "weekrequirementmodel.h"
#include "weekresultview.h"
#include "weeksolverun.h"
#include "weekvolumemodel.h"
#include "weekwindowhost.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

WeekWindow::WeekWindow(WeekWindowHost &host, DialogService &dialogs, TourTypesEditor &tourTypes, WeekScenario week,
                       QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_tourTypes(tourTypes)
    , m_document(std::move(week))
    , m_file(
          m_document, dialogs, [this] { takeDayChanges(); },
          [this](const QString &path) {
              showCaption();
              emit weekFileUsed(path);
          })
{
    setProperty("helpContext", HelpTopic);
    m_volumeModel = new WeekVolumeModel(m_document.week(), this);
    m_dayModel = new WeekDayModel(m_document.week(), this);
    m_requirementModel = new WeekRequirementModel(this);
    m_result = new WeekResultView(this);
    m_ui.build(*this, {m_dayModel, m_volumeModel, m_requirementModel, m_result->agents(), m_result->dayTotals(),
                       m_result->tourTotals()});
    m_run = new WeekSolveRun(this);
    connectWidgets();
    setMinimumSize(480, 360);
    weekChanged();
    showState();
}

WeekWindow::~WeekWindow() = default;

void WeekWindow::connectWidgets()
{
    connect(m_ui.solveButton, &QToolButton::clicked, this, [this] { solve(); });
    connect(m_ui.cancelButton, &QToolButton::clicked, this, [this] { cancelSolve(); });
    connect(m_ui.openDayButton, &QToolButton::clicked, this, [this] { openDay(); });
    connect(m_ui.clearDayButton, &QToolButton::clicked, this, [this] { clearDay(); });
    connect(m_ui.rosterButton, &QToolButton::clicked, this, [this] { useAsRosters(); });
    connect(m_ui.tourTypesButton, &QToolButton::clicked, this, [this] { editTourTypes(); });
    connect(m_ui.printButton, &QToolButton::clicked, this, [this] { print(); });
    connect(m_ui.copyButton, &QToolButton::clicked, this, [this] { copyWeek(); });
    connect(m_ui.saveButton, &QToolButton::clicked, this, [this] { save(); });
    auto *paste = new QAction(QStringLiteral("&Paste"), m_ui.volumeTable);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(paste, &QAction::triggered, this, [this] { pasteVolumes(QGuiApplication::clipboard()->text()); });
    m_ui.volumeTable->addAction(paste);
    m_ui.volumeTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this, &WeekWindow::openRequested);

    connect(m_volumeModel, &WeekVolumeModel::volumesChanged, this, [this] { weekChanged(); });
    // A refused cell is said once its editor has closed, not from inside it.
    connect(m_volumeModel, &WeekVolumeModel::refused, this, [this](const QString &message) {
        QMetaObject::invokeMethod(this, [this, message] { m_dialogs.error(message); }, Qt::QueuedConnection);
    });
    connect(m_dayModel, &WeekDayModel::refused, this, [this](const QString &message) {
        QMetaObject::invokeMethod(this, [this, message] { m_dialogs.error(message); }, Qt::QueuedConnection);
    });
    connect(m_dayModel, &WeekDayModel::periodChanged, this, [this] {
        m_volumeModel->reload();
        weekChanged();
    });
    connect(m_run, &WeekSolveRun::ticked, this, [this](double seconds) {
        m_ui.status->setText(SolvingText(seconds, m_run->progress()));
    });
    connect(m_run, &WeekSolveRun::finished, this, &WeekWindow::solveEnded);
}

bool WeekWindow::solving() const
{
    return m_run && m_run->running();
}

void WeekWindow::showState()
{
    const bool running = solving();
    m_ui.solveButton->setEnabled(!running);
    m_ui.cancelButton->setEnabled(running);
    const bool planned = m_result->plan().has_value();
    m_ui.rosterButton->setEnabled(!running && planned);
    m_ui.tourTypesButton->setEnabled(!running);
    m_ui.printButton->setEnabled(!running && planned);
    m_ui.copyButton->setEnabled(!running && planned);
    m_ui.openDayButton->setEnabled(!running);
    m_ui.clearDayButton->setEnabled(!running);
    m_ui.dayTable->setEnabled(!running);
    m_ui.volumeTable->setEnabled(!running);
    m_ui.timeLimit->setEnabled(!running);
    m_ui.goal->setEnabled(!running);
    m_ui.busy->setVisible(running);
}

void WeekWindow::showCaption()
{
    setWindowTitle(m_document.caption());
}

ShiftGoal WeekWindow::chosenGoal() const
{
    return m_ui.goal->currentIndex() == 1 ? ShiftGoal::ServiceLevel : ShiftGoal::Cover;
}

int WeekWindow::currentDay() const
{
    if (m_ui.dayTable->hasFocus() && m_ui.dayTable->currentIndex().isValid())
        return m_ui.dayTable->currentIndex().column();
    const QTableView *table = m_ui.tabs->currentWidget() == m_ui.requirementTable ? m_ui.requirementTable
                                                                                   : m_ui.volumeTable;
    const QModelIndex current = table->currentIndex();
    return current.isValid() ? current.column() : -1;
}

void WeekWindow::weekChanged()
{
    const WeekScenario::Build build = m_document.week().shiftWeek();
    m_requirementModel->show(m_document.week(), build.week);
    m_dayModel->showRequirement(build.week);
    if (!build.week && !solving())
        m_ui.status->setText(WeekRefusalText(build) + QLatin1Char('.'));
    showCaption();
}

void WeekWindow::takeDayChanges()
{
    if (solving())
        return;
    bool changed = false;
    for (int day = 0; day < WeekScenario::DayCount; ++day) {
        if (const std::optional<ScenarioInputs> inputs = m_host.dayWindowInputs(*this, day))
            changed = TakeDayWindowChanges(m_document.week(), day, *inputs) || changed;
    }
    if (changed) {
        // The cursor stays on its cell as the rows are laid out again.
        const QModelIndex current = m_ui.volumeTable->currentIndex();
        m_volumeModel->reload();
        m_dayModel->reload();
        if (current.isValid())
            m_ui.volumeTable->setCurrentIndex(m_volumeModel->index(current.row(), current.column()));
        weekChanged();
    }
}

void WeekWindow::pasteVolumes(const QString &text)
{
    if (solving())
        return;
    RunHandler(m_dialogs, [&] {
        if (const std::optional<QString> refusal = m_volumeModel->paste(m_ui.volumeTable->currentIndex(), text))
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
        if (!m_run->start(m_document.week(), chosenGoal(), m_ui.timeLimit->value()))
            return;
        m_ui.status->setText(QStringLiteral("Solving... (Esc cancels)"));
        showState();
    });
}

void WeekWindow::cancelSolve()
{
    if (solving()) {
        m_run->cancel();
        m_ui.status->setText(QStringLiteral("Cancelling..."));
    }
}

void WeekWindow::solveEnded(const WeekSolveResult &result, const WeekScenario &week)
{
    // The best plan found is shown, stopped or not; the plan shown before
    // stays only when the solve found none.
    if (!result.plan && !result.coverPlan) {
        const QString failure = m_run->cancelled() && result.message.isEmpty() ? QStringLiteral("Cancelled.")
                                                                               : StandardErrorText(result.message);
        m_ui.status->setText(failure + (m_result->plan() ? QStringLiteral(" The plan shown is unchanged.") : QString()));
    } else {
        m_result->show(m_ui, result.plan ? *result.plan : *result.coverPlan,
                       result.plan ? result.coverPlan : std::nullopt, week);
        // The goal box names the plan shown: the cover plan when the
        // service-level one was not found.
        if (!result.plan) {
            m_ui.goal->setCurrentIndex(0);
            m_ui.status->setText(m_ui.status->text() + QStringLiteral(" No plan for each day's service level: ")
                                 + StandardErrorText(result.message));
        }
    }
    showState();
    emit solveFinished();
}



void WeekWindow::useAsRosters()
{
    if (!m_result->plan() || solving())
        return;
    RunHandler(m_dialogs, [this] {
        QStringList without;
        for (const auto &[day, inputs] : WeekRosterInputs(*m_result->week(), *m_result->plan(), &without))
            m_host.showDay(*this, day, inputs, true);
        if (!without.isEmpty())
            m_ui.status->setText(m_ui.status->text()
                                 + QStringLiteral(" No roster for %1: no calls.").arg(without.join(QStringLiteral(", "))));
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
        const TourTypesEdit current{week.plannedTourTypes(), week.plannedShiftTypes(), week.settings.ServiceFloor};
        const std::optional<TourTypesEdit> edited
            = m_tourTypes.editTourTypes(current, *build.week, *widest, windowTitle());
        if (!edited)
            return;
        // The defaults stay defaults while they are not changed.
        if (edited->tours != current.tours)
            week.tourTypes = edited->tours;
        if (edited->shiftTypes != current.shiftTypes)
            week.shiftTypes = edited->shiftTypes;
        week.settings.ServiceFloor = edited->floor;
        weekChanged();
    });
}

void WeekWindow::print()
{
    if (!m_result->plan() || solving())
        return;
    RunHandler(m_dialogs, [this] {
        const QString file = m_document.hasFile() ? m_document.filePath() : QStringLiteral("*.vnkw");
        m_host.print(WeekReport(m_result->reportContent(windowTitle(), file)));
    });
}

QMimeData *WeekWindow::copyData() const
{
    return m_result->copyData();
}

void WeekWindow::copyWeek()
{
    if (!m_result->plan() || solving())
        return;
    RunHandler(m_dialogs, [this] { QGuiApplication::clipboard()->setMimeData(copyData()); });
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
        opened = m_file.load(path);
        if (opened)
            forgetPlan();
    });
    return opened;
}

bool WeekWindow::saveFile(const QString &path)
{
    bool saved = false;
    RunHandler(m_dialogs, [&] { saved = m_file.saveTo(path); });
    return saved;
}

void WeekWindow::save()
{
    RunHandler(m_dialogs, [this] { m_file.save(); });
}

void WeekWindow::saveAs()
{
    RunHandler(m_dialogs, [this] { m_file.saveAs(); });
}

void WeekWindow::closeEvent(QCloseEvent *event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    cancelSolve();
    event->accept();
}

void WeekWindow::forgetPlan()
{
    m_result->clear(m_ui);
    m_volumeModel->reload();
    m_dayModel->reload();
    m_ui.status->setText(QStringLiteral("No plan yet: solve (F5)."));
    weekChanged();
    showState();
}

const std::optional<WeekPlan> &WeekWindow::plan() const
{
    return m_result->plan();
}

TextTableModel *WeekWindow::agentModel() const
{
    return m_result->agentTexts();
}
