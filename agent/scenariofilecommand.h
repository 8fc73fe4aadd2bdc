// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class AgentCommandHost;
class ScenarioFileRecord;

// The Save and Load commands of one agent window, and the question before
// the window closes with changes its scenario file does not hold. Every
// dialog goes through the window's DialogService; the window's file name and
// saved mark are its ScenarioFileRecord.
class ScenarioFileCommand
{
public:
    explicit ScenarioFileCommand(AgentCommandHost &host);

    // The Save and Load buttons: the pending field exit first, then the
    // shared save or open dialog; a cancelled dialog does nothing.
    void save();
    void load();
    // Save to the name the save dialog returned, asking before replacing
    // another file. Only a save that was written renames the window.
    bool saveFile(const QString &chosenName);
    // Load the file. Only a load that applied renames the window; with
    // `setFileName` it also becomes the window's ScenarioFileName. Anything
    // wrong is reported and changes nothing.
    bool loadFile(const QString &path, bool setFileName);

    // The window holds a scenario file and changes not saved to it.
    bool hasUnsavedChanges();
    // "Save changes to NAME?" when there are such changes: false (stay
    // open) on Cancel, or when the chosen save was not written.
    bool confirmClose();

private:
    bool saveBeforeClosing();
    ScenarioFileRecord &record();

    AgentCommandHost &m_host;
};
