// SPDX-License-Identifier: MIT
#pragma once

#include "agentservices.h"
#include "fakedialogservice.h"
#include "resulttablemodel.h"
#include "tagentform.h"
#include "tlumstringgrid.h"

#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

// An agent window shown with one more line edit beside it, so that the focus
// can leave the window's controls within the same top-level window.
struct Harness
{
    Harness()
    {
        auto *layout = new QVBoxLayout(&top);
        form = new TAgentForm(services, &top);
        elsewhere = new QLineEdit(&top);
        layout->addWidget(form);
        layout->addWidget(elsewhere);
        top.resize(700, 480);
        top.show();
    }

    FakeDialogService dialogs;
    AgentServices services{dialogs};
    QWidget top;
    TAgentForm *form = nullptr;
    QLineEdit *elsewhere = nullptr;

    QLineEdit *field(Field f) const { return form->widgets().field(f); }
    const ResultTable &table() const { return form->scenario().StringGrid1(); }

    // Types `keys` over the field's whole text, as a user would.
    void type(Field f, const QString &keys)
    {
        QLineEdit *edit = field(f);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }
    // Marks a cell that every layout of the grid rewrites: a recalculation
    // shows as the mark having gone.
    void markTable() { form->scenario().StringGrid1().setCell(ResultTable::TrunksColumn, 1, QStringLiteral("#")); }
    bool recalculated() const { return table().cell(ResultTable::TrunksColumn, 1) != QStringLiteral("#"); }

    void leaveTo(QWidget *widget) { widget->setFocus(Qt::TabFocusReason); }

    // A valid scenario: 900 calls from 08:00 to 17:00, talk 03:00.
    void validScenario()
    {
        type(Field::MaskEdit2, QStringLiteral("0300"));
        type(Field::Edit1, QStringLiteral("900"));
        leaveTo(elsewhere);
        dialogs.clear();
    }
    void toSchedule() { form->widgets().TabSet1->setCurrentIndex(1); }
    ResultTableModel *model() const { return form->widgets().StringGrid1->resultModel(); }
    QModelIndex cellIndex(int column, int row) const { return model()->indexOfCell(column, row); }
    // Typed keys go where the focus is: into the cell editor once it opened.
    static void typeKeys(const QString &keys)
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    void clickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        TLumStringGrid *grid = form->widgets().StringGrid1;
        QTest::mouseClick(grid->viewport(), button, {}, grid->visualRect(cellIndex(column, row)).center());
    }
};

