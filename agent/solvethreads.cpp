// SPDX-License-Identifier: MIT
#include "solvethreads.h"

#include <QDeadlineTimer>
#include <QList>
#include <QPointer>
#include <QThread>

namespace {

QList<QPointer<QThread>> &Released()
{
    static QList<QPointer<QThread>> threads;
    return threads;
}

} // namespace

void SolveThreads::release(QThread *thread)
{
    Released().removeAll(nullptr);
    Released().append(thread);
}

bool SolveThreads::waitForReleased(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    for (const QPointer<QThread> &thread : Released()) {
        if (thread && !thread->wait(deadline))
            return false;
    }
    return true;
}
