// SPDX-License-Identifier: MIT
#include "tourtypesdialogeditor.h"

#include "tourtypesdialog.h"

TourTypesDialogEditor::TourTypesDialogEditor(DialogService &dialogs, QWidget *parent)
    : m_dialogs(dialogs)
    , m_parent(parent)
{
}

std::optional<TourTypesEdit> TourTypesDialogEditor::editTourTypes(const TourTypesEdit &current, const ShiftWeek &week,
                                                                  const ShiftDay &shiftDay, const QString &windowCaption)
{
    TourTypesDialog dialog(current, week, shiftDay, windowCaption, m_dialogs, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.accepted();
}
