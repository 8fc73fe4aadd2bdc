// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

#include <QString>

#include <functional>

class DialogService;
class ScenarioFileRecord;

// An agent window as its commands see it (Save and Load, the planning
// options and the roster, the slots' own times and interval files): the
// scenario, the dialogs, the scenario file, and what the window does for a
// command before and after it operates. TAgentForm answers it.
class AgentCommandHost
{
public:
    virtual ~AgentCommandHost() = default;

    virtual AgentScenario &scenario() = 0;
    virtual DialogService &dialogs() = 0;
    // The window's file name, saved mark and caption.
    virtual ScenarioFileRecord &scenarioFile() = 0;
    // The caption the window shows; the dialogs name the window by it.
    virtual QString caption() const = 0;

    // A command's steps, inside the handler guard: the pending field exit
    // (a refused one runs nothing, the cursor staying in its field), the
    // fields' texts into the scenario, `operation`, and the window showing
    // the scenario again unless the operation returns false (it changed
    // nothing, or refused with a message).
    virtual void runCommand(const std::function<bool()> &operation) = 0;
    // The pending field exit alone, for a command that asks before it
    // operates: false when the exit was refused.
    virtual bool completePendingFieldExit() = 0;
    // The fields' texts into the scenario, and the scenario shown again, for
    // a step that runs no field exit first (a cell left, a file chosen).
    virtual void syncFieldsToModel() = 0;
    virtual void refresh() = 0;

    // The grid's current cell as the scenario's: a cell left by an arrow key
    // reports its text before the grid reports the cell it moved to.
    virtual void takeGridsCurrentCell() = 0;
    // One cell of the scenario's table shown again (a refused value).
    virtual void showCell(int column, int tableRow) = 0;
    // The tab strip clicked on `tab`.
    virtual void showTab(Tab tab) = 0;

    // Around a load: a refused input is reported only once the window shows
    // the loaded values and the file's name.
    virtual void holdInvalidInput(bool hold) = 0;
    virtual void reportHeldInvalidInput() = 0;
    // The fields show a loaded file's texts: none holds a change of its own.
    virtual void fieldsLoaded() = 0;
    // A save was written to, or a load applied from, the scenario file's
    // record: the window takes its caption and names the file (absolute).
    virtual void fileUsed(const QString &fullPath) = 0;
};
