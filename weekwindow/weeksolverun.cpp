// SPDX-License-Identifier: MIT
#include "weeksolverun.h"

#include "solvethreads.h"
#include "twostagesolve.h"

WeekSolveRun::WeekSolveRun(QObject *parent)
    : QObject(parent)
{
    m_tick.setInterval(200);
    connect(&m_tick, &QTimer::timeout, this, [this] { emit ticked(m_elapsed.elapsed() / 1000.0); });
}

WeekSolveRun::~WeekSolveRun()
{
    if (m_thread) {
        m_cancel->store(true);
        m_thread->disconnect(this);
        SolveThreads::release(m_thread);
    }
}

bool WeekSolveRun::start(const WeekScenario &week, ShiftGoal goal, int timeLimitSeconds)
{
    if (running())
        return false;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_progress = std::make_shared<MipProgress>();
    auto result = std::make_shared<WeekSolveResult>();
    MipSettings settings;
    settings.timeLimitSeconds = timeLimitSeconds;
    settings.cancel = m_cancel.get();
    settings.progress = m_progress.get();
    // `cancel` and `progress` live as long as the thread runs.
    QThread *thread = QThread::create([week, goal, settings, cancel = m_cancel, progress = m_progress, result] {
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
    connect(thread, &QThread::finished, this, [this, result, week] {
        m_thread = nullptr;
        m_tick.stop();
        emit finished(*result, week);
    });
    m_elapsed.start();
    m_tick.start();
    thread->start();
    return true;
}

void WeekSolveRun::cancel()
{
    if (m_cancel && running())
        m_cancel->store(true);
}
