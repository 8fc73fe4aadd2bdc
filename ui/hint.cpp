// SPDX-License-Identifier: MIT
#include "hint.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char HintProperty[] = "varnookHint";
}

void SetHint(QWidget *widget, const QString &hint)
{
    if (!widget)
        return;
    widget->setProperty(HintProperty, hint);
    widget->setAccessibleDescription(hint);
}

QString HintOf(const QWidget *widget)
{
    if (!widget)
        return {};
    return widget->property(HintProperty).toString();
}
