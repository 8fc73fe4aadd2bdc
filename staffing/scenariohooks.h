// SPDX-License-Identifier: MIT
#pragma once

#include "recalcresult.h"

#include <functional>
#include <utility>
#include <vector>

// What a scenario tells the window while it recalculates: a refused input,
// and each table filled.
class ScenarioHooks
{
public:
    // Called by a failed recalculation after the check and before the grid is
    // laid out again: the window focuses the failing field and shows the
    // message there.
    std::function<void(const RecalcResult &)> onInvalidInput;

    // Called after each table was filled, in the order added; the graph
    // window follows the table through one. The handle removes it again.
    int addTableFilledListener(std::function<void()> listener);
    void removeTableFilledListener(int handle);
    // Calls the table-filled listeners; one may add or remove listeners.
    void tableFilled() const;

private:
    std::vector<std::pair<int, std::function<void()>>> m_tableFilledListeners;
    int m_nextListenerHandle = 1;
};
