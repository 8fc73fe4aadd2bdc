// SPDX-License-Identifier: MIT
#include "lumcelldelegate.h"

#include "hint.h"
#include "resulttablemodel.h"
#include "texts.h"
#include "tlumstringgrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

LumCellDelegate::LumCellDelegate(TLumStringGrid *grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid)
{
}

void LumCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_grid->defaultDrawing())
        return;
    const ResultTableModel *model = m_grid->resultModel();
    const bool fixed = model && model->isFixedColumn(index.column());
    const QPalette::ColorGroup group = (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    QBrush background = option.palette.brush(group, QPalette::Base);
    QColor text = option.palette.color(group, QPalette::Text);
    if (fixed) {
        background = option.palette.brush(group, QPalette::Button);
        text = option.palette.color(group, QPalette::ButtonText);
    } else if (option.state & QStyle::State_Selected) {
        background = option.palette.brush(group, QPalette::Highlight);
        text = option.palette.color(group, QPalette::HighlightedText);
    }
    painter->setFont(option.font);
    TLumStringGrid::DrawCell(*painter, option.rect, index.data(Qt::DisplayRole).toString(), m_grid->textAlign(),
                             background, text);
    if ((option.state & QStyle::State_HasFocus) && !fixed) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.backgroundColor = background.color();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

QWidget *LumCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("cellEditor"));
    editor->setFrame(false);
    if (m_grid->textAlign() == TLumStringGrid::TextAlign::Right)
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // While the cell is edited the hint panel keeps showing the grid's hint.
    SetHint(editor, HintOf(m_grid));
    const ResultTableModel *model = m_grid->resultModel();
    const int column = model ? model->tableColumn(index) : index.column();
    const int tableRow = ResultTableModel::tableRow(index);
    TLumStringGrid *grid = m_grid;
    connect(editor, &QLineEdit::textEdited, grid,
            [grid, column, tableRow](const QString &text) { emit grid->editTextChanged(column, tableRow, text); });
    m_grid->m_editedIndex = index;
    m_grid->m_editedColumn = column;
    m_grid->m_textBeforeEdit = index.data(Qt::EditRole).toString();
    m_grid->m_editor = editor;
    return editor;
}

void LumCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (!line->isModified())
            line->setText(index.data(Qt::EditRole).toString());
    }
}

void LumCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}

bool LumCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QLineEdit *>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        QChar character;
        if (key != m_grid->m_keyInHand && TypedCharacter(*key, &character)) {
            if (character == Calc::CarriageReturn) {
                // Carriage return closes the editor, keeping its text, and
                // then recalculates.
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                emit m_grid->keyTyped(character);
                return true;
            }
            emit m_grid->keyTyped(character);
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
