// SPDX-License-Identifier: MIT
#pragma once

class QThread;

// Solves that a closed window left running. Each was told to stop, holds
// only copies of its input and ends on its own, so a window closes at
// once; the program waits for them briefly as it ends and then leaves
// without them (they hold nothing to save).
namespace SolveThreads {

// `thread` was cancelled and deletes itself when it finishes.
void release(QThread *thread);
// Waits up to `milliseconds` for the released solves; whether none still
// runs.
bool waitForReleased(int milliseconds);

} // namespace SolveThreads
