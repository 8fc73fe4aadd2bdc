// SPDX-License-Identifier: MIT
#include "toolbuttonkey.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QShortcut>
#include <QToolTip>

namespace {

// Shows the pop-up hint of one button with its key.
class KeyedHint : public QObject
{
public:
    KeyedHint(QAbstractButton *button, const QKeySequence &key)
        : QObject(button)
        , m_key(key)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (event->type() != QEvent::ToolTip || !button || button->toolTip().isEmpty())
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), HintWithKey(button->toolTip(), m_key), button);
        return true;
    }

private:
    QKeySequence m_key;
};

} // namespace

QString HintWithKey(const QString &hint, const QKeySequence &key)
{
    return QStringLiteral("%1 (%2)").arg(hint, key.toString(QKeySequence::NativeText));
}

void GiveToolButtonKey(QAbstractButton *button, const QKeySequence &key, QWidget *window)
{
    auto *shortcut = new QShortcut(key, window, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    button->installEventFilter(new KeyedHint(button, key));
    // A screen reader reads the key with the button, as the pop-up shows it.
    button->setAccessibleDescription(HintWithKey(button->toolTip(), key));
}
