// SPDX-License-Identifier: MIT
#include "accesskey.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

#include <set>

namespace {

// The access keys the buttons and labels of `window` use, as upper-case
// letters.
std::set<QChar> TakenKeys(const QWidget *window)
{
    std::set<QChar> taken;
    auto take = [&taken](const QString &text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            taken.insert(key.toString().back().toUpper());
    };
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        take(button->text());
    for (const QLabel *label : window->findChildren<QLabel *>())
        take(label->text());
    return taken;
}

} // namespace

bool HasAccessKey(const QString &text)
{
    return !QKeySequence::mnemonic(text).isEmpty();
}

void GiveAccessKey(QAbstractButton *button)
{
    if (!button || HasAccessKey(button->text()))
        return;
    const std::set<QChar> taken = TakenKeys(button->window());
    QString text = button->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLetterOrNumber() && !taken.count(text[i].toUpper())) {
            text.insert(i, QLatin1Char('&'));
            button->setText(text);
            return;
        }
    }
}

void GiveOkCancelKeys(QDialogButtonBox *buttons)
{
    GiveAccessKey(buttons->button(QDialogButtonBox::Ok));
    GiveAccessKey(buttons->button(QDialogButtonBox::Cancel));
}
