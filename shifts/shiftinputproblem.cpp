// SPDX-License-Identifier: MIT
#include "shiftinputproblem.h"

QString ShiftFieldName(ShiftField field)
{
    switch (field) {
    case ShiftField::Name: return QStringLiteral("name");
    case ShiftField::Length: return QStringLiteral("length");
    case ShiftField::EarliestStart: return QStringLiteral("earliest start");
    case ShiftField::LatestStart: return QStringLiteral("latest start");
    case ShiftField::BreakLength: return QStringLiteral("break length");
    case ShiftField::BreakEarliest: return QStringLiteral("break from");
    case ShiftField::BreakLatest: return QStringLiteral("break to");
    case ShiftField::BreakPaid: return QStringLiteral("paid break");
    case ShiftField::MaxAgents: return QStringLiteral("maximum agents");
    case ShiftField::ShiftList: return QStringLiteral("shift types");
    case ShiftField::Day: return QStringLiteral("day");
    }
    return QString();
}
