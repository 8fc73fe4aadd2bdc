// SPDX-License-Identifier: MIT
#include "dialogservice.h"

DialogService::~DialogService() = default;

QString StandardErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

std::optional<ShiftTypesEdit> DialogService::editShiftTypes(const ShiftTypesEdit &, const ShiftDay &, const QString &)
{
    return std::nullopt;
}

std::optional<int> DialogService::chooseAmong(const QString &text, const QStringList &)
{
    return confirm(text) ? std::optional<int>(0) : std::nullopt;
}

void DialogService::fileUsed(const QString &) {}
