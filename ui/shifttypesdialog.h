// SPDX-License-Identifier: MIT
#pragma once

#include "dialogservice.h"
#include "shiftday.h"
#include "shifttype.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QLineEdit;
class QTableWidget;

// The shift types of one agent window's shift planner, a table row each:
// name, length, earliest and latest start, break length, from and to, paid
// break, maximum agents; under the table the slot floor of a plan for the
// day's service level (its least service level per slot and, under Erlang
// A, the most abandoned), saved with the types. Add, Remove and Defaults (8
// hours with a break, 6 hours, 4 hours over the whole day) change the rows;
// OK reads and checks every row against the day, then the floor: a refused
// field gets its message, the cursor goes to its cell or field and the
// dialog stays open. Cancel changes nothing.
class ShiftTypesDialog : public QDialog
{
    Q_OBJECT
public:
    ShiftTypesDialog(const std::vector<ShiftType> &current, const ShiftDay &day, const QString &windowCaption,
                     DialogService &dialogs, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    // The field of the slot floor's figure `figure` (SlotFloorInfo::all()'s order).
    QLineEdit *floorField(std::size_t figure) const { return m_floorFields.at(figure); }
    // The types and the floor OK accepted; none before that.
    const std::optional<ShiftTypesEdit> &accepted() const { return m_accepted; }
    void setTypes(const std::vector<ShiftType> &types);
    void setFloor(const SlotFloor &floor);

    static QString caption(const QString &windowCaption);

public slots:
    void accept() override;

private:
    class QHBoxLayout *buildFloorRow();
    void addRow(const QStringList &cells);
    void refuse(int row, int column, const QString &message);
    // The floor the fields give; none after refusing one.
    std::optional<SlotFloor> readFloor();

    ShiftDay m_day;
    DialogService &m_dialogs;
    QTableWidget *m_table = nullptr;
    std::array<QLineEdit *, 2> m_floorFields{};
    std::optional<ShiftTypesEdit> m_accepted;
};
