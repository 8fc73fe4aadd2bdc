// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class DialogService;
class HelpWindow;
class QWidget;

// Help > Contents, Help > Index and the help topics F1 asks for: the help
// window on the program's help file, made at the first use. A missing file
// or topic is reported through the dialogs.
class HelpCommands
{
public:
    HelpCommands(QWidget &owner, DialogService &dialogs, const QString &helpFile);

    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString &path) { m_helpFile = path; }
    HelpWindow *window() const { return m_window; }

    void showContents();
    // The same finder as Contents, with its keyword index in front.
    void showIndex();
    void showTopic(int topic);
    // F1 in the owner: the topic its current child window names in its
    // "helpContext" property, else the owner's own.
    void addHelpKey(std::function<const QWidget *()> currentChild);

private:
    bool ensureWindow();

    QWidget &m_owner;
    DialogService &m_dialogs;
    QString m_helpFile;
    HelpWindow *m_window = nullptr;
};
