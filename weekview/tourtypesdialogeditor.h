// SPDX-License-Identifier: MIT
#pragma once

#include "tourtypeseditor.h"

class DialogService;
class QWidget;

// The editor that shows TourTypesDialog, modal over `parent`; its
// messages and the shift types dialog go through `dialogs`.
class TourTypesDialogEditor : public TourTypesEditor
{
public:
    TourTypesDialogEditor(DialogService &dialogs, QWidget *parent);
    std::optional<TourTypesEdit> editTourTypes(const TourTypesEdit &current, const ShiftWeek &week,
                                               const ShiftDay &shiftDay, const QString &windowCaption) override;

private:
    DialogService &m_dialogs;
    QWidget *m_parent;
};
