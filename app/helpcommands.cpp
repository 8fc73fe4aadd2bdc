// SPDX-License-Identifier: MIT
#include "helpcommands.h"

#include "dialogservice.h"
#include "handlerguard.h"
#include "helpwindow.h"

#include <QFileInfo>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

HelpCommands::HelpCommands(QWidget &owner, DialogService &dialogs, const QString &helpFile)
    : m_owner(owner)
    , m_dialogs(dialogs)
    , m_helpFile(helpFile)
{
}

bool HelpCommands::ensureWindow()
{
    if (m_window)
        return true;
    // A help engine on a missing file would create an empty one there.
    if (!QFileInfo::exists(m_helpFile)) {
        m_dialogs.error(QStringLiteral("The help file \"%1\" is missing; help cannot be shown").arg(m_helpFile));
        return false;
    }
    m_window = new HelpWindow(m_helpFile, &m_owner);
    return true;
}

void HelpCommands::showContents()
{
    RunHandler(m_dialogs, [this] {
        if (ensureWindow())
            m_window->showContents();
    });
}

void HelpCommands::showIndex()
{
    RunHandler(m_dialogs, [this] {
        if (ensureWindow())
            m_window->showIndex();
    });
}

void HelpCommands::showTopic(int topic)
{
    RunHandler(m_dialogs, [this, topic] {
        if (!ensureWindow())
            return;
        if (!m_window->showTopic(topic))
            m_dialogs.error(QStringLiteral("The help file \"%1\" has no topic %2").arg(m_helpFile).arg(topic));
    });
}

void HelpCommands::addHelpKey(std::function<const QWidget *()> currentChild)
{
    auto *key = new QShortcut(QKeySequence::HelpContents, &m_owner);
    QObject::connect(key, &QShortcut::activated, &m_owner, [this, currentChild = std::move(currentChild)] {
        QVariant context;
        if (const QWidget *child = currentChild())
            context = child->property("helpContext");
        if (!context.isValid())
            context = m_owner.property("helpContext");
        showTopic(context.toInt());
    });
}
