// SPDX-License-Identifier: MIT
#pragma once

#include "field.h"

#include <QString>

// The input a recalculation refused: one of the eight fields, or the Calls
// cell of a grid row (a slot volume on the Schedule tab), or none.
class FailingInput
{
public:
    FailingInput() = default;
    static FailingInput ofField(Field field) { return FailingInput(Kind::Field, field, 0); }
    static FailingInput ofGridRow(int row) { return FailingInput(Kind::GridRow, Field::MaskEdit1, row); }

    bool isNone() const { return m_kind == Kind::None; }
    bool isField() const { return m_kind == Kind::Field; }
    bool isGridRow() const { return m_kind == Kind::GridRow; }
    // Meaningful only for the kind that holds it.
    Field field() const { return m_field; }
    int row() const { return m_row; } // table row, 1 for the first slot

    // For display: the component name ("Edit1", "StringGrid1"), empty for none.
    QString name() const;
    // Why a text that reads well is still refused, where the field alone
    // does not say it (a patience of 00:00 with Erlang A); empty otherwise.
    QString reason() const { return m_reason; }
    FailingInput withReason(const QString &reason) const
    {
        FailingInput input = *this;
        input.m_reason = reason;
        return input;
    }

    bool operator==(const FailingInput &other) const
    {
        return m_kind == other.m_kind && (m_kind != Kind::Field || m_field == other.m_field) &&
               (m_kind != Kind::GridRow || m_row == other.m_row);
    }
    bool operator!=(const FailingInput &other) const { return !(*this == other); }

private:
    enum class Kind { None, Field, GridRow };
    FailingInput(Kind kind, Field field, int row)
        : m_kind(kind)
        , m_field(field)
        , m_row(row)
    {
    }

    Kind m_kind = Kind::None;
    Field m_field = Field::MaskEdit1;
    int m_row = 0;
    QString m_reason;
};
