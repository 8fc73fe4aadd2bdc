// SPDX-License-Identifier: MIT
#pragma once

#include "weeksolve.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

// One week's solve at a time on a thread of its own: the thread reads a
// copy of the week and writes only its result; Cancel sets the flag the
// solver watches. Destroyed while it runs, it cancels the solve and leaves
// the thread to end on its own (SolveThreads), so that a window closes at
// once.
class WeekSolveRun : public QObject
{
    Q_OBJECT
public:
    explicit WeekSolveRun(QObject *parent = nullptr);
    ~WeekSolveRun() override;

    // Starts solving `week` for `goal` within `timeLimitSeconds`; false
    // while a solve runs.
    bool start(const WeekScenario &week, ShiftGoal goal, int timeLimitSeconds);
    // Asks the solve to stop; its best plan still comes.
    void cancel();
    bool running() const { return m_thread != nullptr; }
    bool cancelled() const { return m_cancel && m_cancel->load(); }
    // What the running solve has found so far.
    MipProgress::Figures progress() const { return m_progress ? m_progress->figures() : MipProgress::Figures(); }

signals:
    // Every fifth of a second while it runs: the seconds since the start.
    void ticked(double seconds);
    // The solve ended: what it found for the week it was given.
    void finished(const WeekSolveResult &result, const WeekScenario &week);

private:
    QPointer<QThread> m_thread;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::shared_ptr<MipProgress> m_progress;
    QTimer m_tick;
    QElapsedTimer m_elapsed;
};
