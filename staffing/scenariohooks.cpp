// SPDX-License-Identifier: MIT
#include "scenariohooks.h"

#include <algorithm>

int ScenarioHooks::addTableFilledListener(std::function<void()> listener)
{
    const int handle = m_nextListenerHandle++;
    m_tableFilledListeners.emplace_back(handle, std::move(listener));
    return handle;
}

void ScenarioHooks::removeTableFilledListener(int handle)
{
    auto &listeners = m_tableFilledListeners;
    listeners.erase(std::remove_if(listeners.begin(), listeners.end(),
                                   [handle](const auto &entry) { return entry.first == handle; }),
                    listeners.end());
}

void ScenarioHooks::tableFilled() const
{
    // A copy: a listener may add or remove listeners.
    const auto listeners = m_tableFilledListeners;
    for (const auto &entry : listeners)
        entry.second();
}
