// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class AgentScenario;

// The scenario file of one agent window: the name its Save and Load
// buttons last used, what the file held when the window last saved or
// loaded it, and the window's caption that follows from them.
//
// The saved mark is the file's bytes as the window would write them then: a
// window whose scenario would now write other bytes holds changes that
// closing it loses. A window that never saved or loaded a file holds no
// mark and no changes to lose: its scenario is scratch work.
class ScenarioFileRecord
{
public:
    // The file name of a window that has not saved or loaded through its own
    // buttons, and the caption of one that never used a file.
    static inline const QString NoScenarioFileName = QStringLiteral("*.vnk");
    static inline const QString NewWindowCaption = QStringLiteral("New Agents");

    // The full path the window last saved to or loaded from through its own
    // buttons; NoScenarioFileName until then (a file named on the command
    // line leaves it, so that the first Save asks before overwriting it).
    QString ScenarioFileName() const { return m_fileName; }
    bool hasScenarioFileName() const { return m_fileName != NoScenarioFileName; }
    // `fullPath` is the window's own file: saving there asks no question.
    // Letter case only makes two names one file where the file system
    // ignores it; here "DAY.VNK" and "day.vnk" can be two files.
    bool isOwnFile(const QString &fullPath) const;

    // A save of `scenario` to `fullPath` was written: the file becomes the
    // window's file and its mark.
    void saved(const AgentScenario &scenario, const QString &fullPath);
    // A load of `fullPath` into `scenario` applied: the file becomes the
    // mark and names the caption; with `nameIt` it is also the window's file.
    void loaded(const AgentScenario &scenario, const QString &fullPath, bool nameIt);

    bool holdsFile() const { return m_bytes.has_value(); }
    // The held file's name as it is on disk ("day.vnk"), and its full path;
    // empty while none.
    QString heldFileName() const { return m_markedName; }
    QString heldFilePath() const { return m_markedPath; }
    // True when the window holds a file and its inputs, slot length or
    // typed volumes no longer match what that file holds.
    bool changedSince(const AgentScenario &scenario) const;

    // The window's caption: the last file's name as CaptionFor gives it,
    // NewWindowCaption before any.
    QString caption() const { return holdsFile() ? CaptionFor(m_markedName) : NewWindowCaption; }
    // The caption of a window showing the file at `path`: its name with
    // ASCII letters in lower case and the first one in upper case
    // ("MONDAY.VNK" shows as "Monday.vnk").
    static QString CaptionFor(const QString &path);

private:
    void remember(const AgentScenario &scenario, const QString &fullPath);

    QString m_fileName = NoScenarioFileName;
    std::optional<QByteArray> m_bytes;
    QString m_markedName;
    QString m_markedPath;
};
