// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class AgentScenario;

// What a window's scenario file held when the window last saved or loaded
// it: the file's bytes as the window would write them then. A window whose
// scenario would now write other bytes holds changes that closing it loses.
// A window that never saved or loaded a file holds no mark and no changes
// to lose: its scenario is scratch work.
class SavedScenarioMark
{
public:
    // After a save that was written to `path` or a load of it that applied.
    void remember(const AgentScenario &scenario, const QString &path);
    bool holdsFile() const { return m_bytes.has_value(); }
    // The held file's name as it is on disk ("day.vnk"); empty while none.
    QString fileName() const { return m_fileName; }
    // True when the window holds a file and its inputs, slot length or
    // typed volumes no longer match what that file holds.
    bool changedSince(const AgentScenario &scenario) const;

private:
    std::optional<QByteArray> m_bytes;
    QString m_fileName;
};
