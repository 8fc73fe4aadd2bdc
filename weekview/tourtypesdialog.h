// SPDX-License-Identifier: MIT
#pragma once

#include "tourtypeseditor.h"

#include <QDialog>

class DialogService;
class QPushButton;
class QTableWidget;

// The week's tour types, a table row each: name, days worked, days off
// together, shift types, start band, weekly paid hours, maximum agents.
// Add, Remove and Defaults (full and part time) change the rows; Shift
// Types opens the shift types dialog for the week's shift types. OK reads
// every row, then checks the tours against the week (CheckTourTypes): a
// refused field gets its message naming the tour and the field, the cursor
// goes to its cell (or to Shift Types for a shift type's problem) and the
// dialog stays open. Cancel changes nothing.
class TourTypesDialog : public QDialog
{
    Q_OBJECT
public:
    TourTypesDialog(const TourTypesEdit &current, const ShiftWeek &week, const ShiftDay &shiftDay,
                    const QString &windowCaption, DialogService &dialogs, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QPushButton *shiftTypesButton() const { return m_shiftTypesButton; }
    const std::vector<ShiftType> &shiftTypes() const { return m_shiftTypes; }
    // What OK accepted; none before that.
    const std::optional<TourTypesEdit> &accepted() const { return m_accepted; }
    void setTours(const std::vector<TourType> &tours);
    // The Shift Types button: the shift types dialog over the week's types.
    void editShiftTypes();

    static QString caption(const QString &windowCaption);

public slots:
    void accept() override;

private:
    void addRow(const QStringList &cells);
    QStringList rowCells(int row) const;
    void refuse(int row, int column, const QString &message);

    ShiftWeek m_week;
    ShiftDay m_shiftDay;
    QString m_windowCaption;
    DialogService &m_dialogs;
    std::vector<ShiftType> m_shiftTypes;
    SlotFloor m_floor;
    QTableWidget *m_table = nullptr;
    QPushButton *m_shiftTypesButton = nullptr;
    std::optional<TourTypesEdit> m_accepted;
};
