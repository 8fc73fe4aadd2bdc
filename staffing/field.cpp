// SPDX-License-Identifier: MIT
#include "field.h"

namespace {

struct FieldInfo
{
    const char *componentName;
    const char *description;
    const char *defaultText;
    int maxLength;
};

// Indexed by Field.
constexpr FieldInfo fieldInfo[FieldCount] = {
    {"MaskEdit1", "arrival start time", "08:00", 5},
    {"MaskEdit7", "arrival end time", "17:00", 5},
    {"Edit1", "number of calls", "0", 0},
    {"MaskEdit2", "call talk time", "00:00", 5},
    {"MaskEdit3", "after call work time", "01:00", 5},
    {"MaskEdit4", "wait before abandon", "00:30", 5},
    {"MaskEdit5", "service level goal percentage", "90", 2},
    {"MaskEdit6", "service level goal seconds", "10", 2},
};

const FieldInfo &info(Field field) { return fieldInfo[static_cast<int>(field)]; }

// The two digit positions of a time field's part, or of a goal field.
constexpr int PartDigits = 2;
const QChar Blank = QLatin1Char(' ');
const QChar TimeSeparator = QLatin1Char(':');

QString digitsOf(const QString &text)
{
    QString digits;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return digits;
}

QString maskedTime(const QString &text)
{
    const qsizetype colon = text.indexOf(TimeSeparator);
    if (colon < 0) {
        // No separator: the first two digits are the part before the colon
        // and the next two the part after it, each aligned as below, so that
        // "0" reads as " 0:  " just as its masked text does.
        const QString digits = digitsOf(text);
        return maskedTime(digits.left(PartDigits) + TimeSeparator + digits.mid(PartDigits, PartDigits));
    }
    const QString before = digitsOf(text.left(colon)).left(PartDigits).rightJustified(PartDigits, Blank);
    const QString after = digitsOf(text.mid(colon + 1)).left(PartDigits).leftJustified(PartDigits, Blank);
    return before + TimeSeparator + after;
}

} // namespace

QString ComponentName(Field field) { return QString::fromLatin1(info(field).componentName); }
QString FieldDescription(Field field) { return QString::fromLatin1(info(field).description); }
QString DefaultText(Field field) { return QString::fromLatin1(info(field).defaultText); }
int MaxLength(Field field) { return info(field).maxLength; }

bool IsTimeField(Field field)
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

bool IsMaskedField(Field field)
{
    return field != Field::Edit1;
}

QString MaskedText(Field field, const QString &text)
{
    if (IsTimeField(field))
        return maskedTime(text);
    if (field == Field::MaskEdit5)
        return digitsOf(text).left(PartDigits).rightJustified(PartDigits, Blank);
    if (field == Field::MaskEdit6)
        return digitsOf(text).left(PartDigits).leftJustified(PartDigits, Blank);
    return text;
}
