// SPDX-License-Identifier: MIT
#include "failinginput.h"

QString FailingInput::name() const
{
    switch (m_kind) {
    case Kind::Field:
        return ComponentName(m_field);
    case Kind::GridRow:
        return QStringLiteral("StringGrid1");
    case Kind::None:
        break;
    }
    return {};
}
