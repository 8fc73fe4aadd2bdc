// SPDX-License-Identifier: MIT
#include "tlumstringgrid.h"

#include "columnfit.h"
#include "lumcelldelegate.h"
#include "lumheaderview.h"
#include "resulttable.h"
#include "resulttablemodel.h"
#include "texts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

bool TypedCharacter(const QKeyEvent &event, QChar *character)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        *character = Calc::CarriageReturn;
        return true;
    }
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return false;
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    *character = text.at(0);
    return true;
}

TLumStringGrid::TLumStringGrid(QWidget *parent)
    : QTableView(parent)
{
    setHorizontalHeader(new LumHeaderView(this));
    setItemDelegate(new LumCellDelegate(this));
    verticalHeader()->hide();
    const int rowHeight = std::max(18, fontMetrics().height() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    setSelectionMode(SingleSelection);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab leaves the grid, so that the window stays usable from the keyboard.
    setTabKeyNavigation(false);
    setRowSelection(true);
    setEditing(false);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit cellClicked(); });
}

void TLumStringGrid::setTextAlign(TextAlign align)
{
    m_textAlign = align;
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void TLumStringGrid::setDefaultDrawing(bool on)
{
    m_defaultDrawing = on;
    viewport()->update();
}

void TLumStringGrid::setResultModel(ResultTableModel *model)
{
    m_model = model;
    setModel(model);
    if (model)
        model->setEditingAllowed(editTriggers() != NoEditTriggers);
    FitColumns();
}

int TLumStringGrid::HeaderWidthFor(int textWidth)
{
    // DrawCell sets right-aligned text 3 margins of width / 40 from the
    // cell's right edge, the cell being the section less its grid line; a
    // pixel stays free on the left.
    int width = textWidth + 2;
    while ((width - 1) - 3 * ((width - 1) / 40) < textWidth + 1)
        ++width;
    return width;
}

void TLumStringGrid::FitColumns()
{
    const int count = m_model ? m_model->columnCount() : ResultTable::ColumnCount;
    if (count <= 0)
        return;
    // Every column keeps room for its own header; with extra columns also
    // for a typed value.
    const bool extra = count > ResultTable::ColumnCount;
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    std::vector<int> least;
    for (int column = 0; column < count; ++column) {
        const QString header = m_model ? m_model->headerData(column, Qt::Horizontal).toString() : QString();
        least.push_back(std::max(HeaderWidthFor(metrics.horizontalAdvance(header)), extra ? MinExtraColumnWidth : 0));
    }
    const std::vector<int> widths = FitColumnWidths(viewport()->width(), least);
    int total = 0;
    for (int column = 0; column < count; ++column) {
        horizontalHeader()->resizeSection(column, widths[static_cast<std::size_t>(column)]);
        total += widths[static_cast<std::size_t>(column)];
    }
    setHorizontalScrollBarPolicy(total > viewport()->width() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TLumStringGrid::setRowSelection(bool rows)
{
    setSelectionBehavior(rows ? SelectRows : SelectItems);
}

bool TLumStringGrid::rowSelection() const
{
    return selectionBehavior() == SelectRows;
}

void TLumStringGrid::setEditing(bool on)
{
    setEditTriggers(on ? (AnyKeyPressed | DoubleClicked | EditKeyPressed) : NoEditTriggers);
    if (m_model)
        m_model->setEditingAllowed(on);
}

int TLumStringGrid::currentTableColumn() const
{
    if (!currentIndex().isValid() || !m_model)
        return -1;
    return m_model->tableColumn(currentIndex());
}

int TLumStringGrid::currentTableRow() const
{
    return currentIndex().isValid() ? ResultTableModel::tableRow(currentIndex()) : -1;
}

void TLumStringGrid::setCurrentTableCell(int column, int tableRow)
{
    if (!m_model || !selectionModel())
        return;
    const QModelIndex index = m_model->indexOfCell(column, tableRow);
    if (!index.isValid() || !(m_model->flags(index) & Qt::ItemIsEnabled))
        return;
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (rowSelection())
        flags |= QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(index, flags);
    scrollTo(index);
}

QSize TLumStringGrid::sizeHint() const
{
    const int height = horizontalHeader()->height() + ShownRows * verticalHeader()->defaultSectionSize()
                       + 2 * frameWidth();
    return {QTableView::sizeHint().width(), height};
}

void TLumStringGrid::clearCurrentTableCell()
{
    if (!selectionModel())
        return;
    selectionModel()->clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

QWidget *TLumStringGrid::cellEditor() const
{
    return m_editor;
}

void TLumStringGrid::closeCellEditor()
{
    if (QWidget *editor = m_editor) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TLumStringGrid::DrawCell(QPainter &painter, const QRect &rect, const QString &text, TextAlign align,
                              const QBrush &background, const QColor &textColour)
{
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, background);
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text);
    const int margin = rect.width() / 40;
    int x = rect.left() + margin;
    if (align == TextAlign::Right)
        x = rect.left() + rect.width() - (textWidth + 3 * margin);
    else if (align == TextAlign::Centre)
        x = rect.left() + (rect.width() - textWidth) / 2;
    painter.setPen(textColour);
    painter.drawText(QPoint(x, rect.top() + 2 + metrics.ascent()), text);
    painter.restore();
}

void TLumStringGrid::keyPressEvent(QKeyEvent *event)
{
    const bool clearKey = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    const int column = currentTableColumn();
    if (clearKey && state() != EditingState && column >= 0 && event->modifiers() == Qt::NoModifier
        && std::find(m_clearableColumns.begin(), m_clearableColumns.end(), column) != m_clearableColumns.end()) {
        emit cellCleared(column, currentTableRow());
        event->accept();
        return;
    }
    QChar character;
    if (TypedCharacter(*event, &character)) {
        emit keyTyped(character);
        if (character == Calc::CarriageReturn) {
            // Carriage return opens the cell editor, as it closes it.
            const QModelIndex current = currentIndex();
            if (state() != EditingState && current.isValid() && (model()->flags(current) & Qt::ItemIsEditable))
                edit(current, EditKeyPressed, event);
            event->accept();
            return;
        }
    }
    m_keyInHand = event;
    QTableView::keyPressEvent(event);
    m_keyInHand = nullptr;
}

void TLumStringGrid::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    // A right press makes its cell current as a left click does, so it
    // follows the same click rule (on the Schedule, the cursor goes to that
    // row's Calls cell) before the cell's menu opens.
    if (event->button() == Qt::RightButton && indexAt(event->position().toPoint()).isValid())
        emit cellClicked();
}

bool TLumStringGrid::viewportEvent(QEvent *event)
{
    const bool result = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        FitColumns();
    return result;
}

void TLumStringGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && m_model)
        emit currentCellChanged(m_model->tableColumn(current), ResultTableModel::tableRow(current));
}

void TLumStringGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const QModelIndex edited = m_editedIndex;
    const QString textBeforeEdit = m_textBeforeEdit;
    const int column = m_editedColumn;
    m_editedIndex = {};
    m_editedColumn = -1;
    m_editor = nullptr;
    QTableView::closeEditor(editor, hint);
    if (!edited.isValid())
        return;
    const int tableRow = ResultTableModel::tableRow(edited);
    // Escape puts the cell's text back; the slot volume follows what the
    // cell shows again.
    if (hint == QAbstractItemDelegate::RevertModelCache)
        emit editTextChanged(column, tableRow, textBeforeEdit);
    else
        emit editCommitted(column, tableRow, m_model ? m_model->data(m_model->indexOfCell(column, tableRow)).toString()
                                                     : QString());
}
