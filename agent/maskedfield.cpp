// SPDX-License-Identifier: MIT
#include "maskedfield.h"

#include <QLineEdit>

namespace {

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
    if (IsTimeField(field))
        return QStringLiteral("09:99;_");
    if (field == Field::MaskEdit5 || field == Field::MaskEdit6)
        return QStringLiteral("00;_");
    return {};
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
    if (!IsTimeField(field))
        return -1; // the two-digit masks have no required digit
    const QString shown = blanked(edit);
    // Positions 1, 3 and 4 of "h9:99" are required.
    for (int position : {1, 3, 4}) {
        if (position >= shown.size() || shown.at(position) == QLatin1Char(' '))
            return position;
    }
    return -1;
}

void SetFieldText(QLineEdit &edit, Field field, const QString &text)
{
    if (!IsMaskedField(field)) {
        edit.setText(text);
        return;
    }
    // The mask takes '_' as an empty position; a blank would be skipped.
    QString shown = MaskedText(field, text);
    shown.replace(QLatin1Char(' '), QLatin1Char('_'));
    edit.setText(shown);
}
