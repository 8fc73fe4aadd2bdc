// SPDX-License-Identifier: MIT
#include "maskedfield.h"

#include <QLineEdit>

namespace {

bool isTimeField(Field field)
{
    switch (field) {
    case Field::MaskEdit1:
    case Field::MaskEdit7:
    case Field::MaskEdit2:
    case Field::MaskEdit3:
    case Field::MaskEdit4:
        return true;
    default:
        return false;
    }
}

// Display text with every empty position as a blank.
QString blanked(const QLineEdit &edit)
{
    QString shown = edit.displayText();
    shown.replace(QLatin1Char('_'), QLatin1Char(' '));
    return shown;
}

} // namespace

QString QtInputMask(Field field)
{
    if (isTimeField(field))
        return QStringLiteral("09:99;_");
    if (field == Field::MaskEdit5 || field == Field::MaskEdit6)
        return QStringLiteral("00;_");
    return {};
}

bool IsMaskedField(Field field)
{
    return field != Field::Edit1;
}

QString FieldText(const QLineEdit &edit, Field field)
{
    if (!IsMaskedField(field))
        return edit.text();
    const QString shown = blanked(edit);
    if (field == Field::MaskEdit5 || field == Field::MaskEdit6) {
        QString digits = shown;
        digits.remove(QLatin1Char(' '));
        return field == Field::MaskEdit5 ? digits.rightJustified(2, QLatin1Char(' '))
                                         : digits.leftJustified(2, QLatin1Char(' '));
    }
    return shown;
}

int FirstMissingRequiredDigit(const QLineEdit &edit, Field field)
{
    if (!isTimeField(field))
        return -1; // the two-digit masks have no required digit
    const QString shown = blanked(edit);
    // Positions 1, 3 and 4 of "h9:99" are required.
    for (int position : {1, 3, 4}) {
        if (position >= shown.size() || shown.at(position) == QLatin1Char(' '))
            return position;
    }
    return -1;
}
