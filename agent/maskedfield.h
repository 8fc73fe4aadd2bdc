// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

#include <QString>

class QLineEdit;

// The input fields' edit masks in Qt's notation. In Qt "9" is a required
// digit and "0" an optional one; "_" shows an empty position.
//   time fields "hh:mm" / "mm:ss": the hour's first digit optional, the rest
//   required, the colon kept in the text;
//   MaskEdit5, MaskEdit6: two optional digits;
//   Edit1: no mask (empty).
QString QtInputMask(Field field);

// The field's text as the scenario holds it: an empty position is a blank.
// The hour's missing first digit is a leading blank (" 8:00"); MaskEdit5's
// missing digits are leading blanks (" 9"), MaskEdit6's trailing ones ("9 ").
QString FieldText(const QLineEdit &edit, Field field);

// Position of the first required digit that is missing, -1 when none is.
int FirstMissingRequiredDigit(const QLineEdit &edit, Field field);

// Shows a text in the field through its mask (see MaskedText): afterwards
// FieldText gives back the masked text. Clears the field's changed mark.
void SetFieldText(QLineEdit &edit, Field field, const QString &text);
