// SPDX-License-Identifier: MIT
#pragma once

#include "shiftday.h"
#include "shifttype.h"

#include <QDialog>

#include <optional>
#include <vector>

class DialogService;
class QTableWidget;

// The shift types of one agent window's shift planner, a table row each:
// name, length, earliest and latest start, break length, from and to, paid
// break, maximum agents. Add, Remove and Defaults (8 hours with a break, 6
// hours, 4 hours over the whole day) change the rows; OK reads and checks
// every row against the day: a refused field gets its message, the cursor
// goes to its cell and the dialog stays open. Cancel changes nothing.
class ShiftTypesDialog : public QDialog
{
    Q_OBJECT
public:
    ShiftTypesDialog(const std::vector<ShiftType> &current, const ShiftDay &day, const QString &windowCaption,
                     DialogService &dialogs, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    // The types OK accepted; none before that.
    const std::optional<std::vector<ShiftType>> &types() const { return m_accepted; }
    void setTypes(const std::vector<ShiftType> &types);

    static QString caption(const QString &windowCaption);

public slots:
    void accept() override;

private:
    void addRow(const QStringList &cells);
    void refuse(int row, int column, const QString &message);

    ShiftDay m_day;
    DialogService &m_dialogs;
    QTableWidget *m_table = nullptr;
    std::optional<std::vector<ShiftType>> m_accepted;
};
