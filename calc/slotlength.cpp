// SPDX-License-Identifier: MIT
#include "slotlength.h"

#include <QStringList>

QString SlotMinutesListText()
{
    QStringList minutes;
    for (const SlotLengthInfo &info : SlotLengthTable)
        minutes << QString::number(info.minutes());
    const QString last = minutes.takeLast();
    return minutes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}
