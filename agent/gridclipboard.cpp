// SPDX-License-Identifier: MIT
#include "gridclipboard.h"

#include "resulttable.h"
#include "resulttablemodel.h"
#include "tablecopy.h"
#include "tlumstringgrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace {

const QString PasteVolumesText = QStringLiteral("&Paste Call Volumes");

} // namespace

GridClipboard::GridClipboard(TLumStringGrid *grid, const ResultTable &table, PasteHandler paste)
    : QObject(grid)
    , m_grid(grid)
    , m_table(table)
    , m_pasteHandler(std::move(paste))
{
    // A range of cells (or of rows on the Agents tab) can be selected with
    // the mouse or Shift and the arrow keys, so that part of a table can be
    // copied.
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);

    m_copy = new QAction(QStringLiteral("&Copy"), this);
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_copy, &QAction::triggered, this, &GridClipboard::copy);
    m_paste = new QAction(PasteVolumesText, this);
    m_paste->setShortcut(QKeySequence::Paste);
    m_paste->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_paste, &QAction::triggered, this, &GridClipboard::paste);
    m_grid->addAction(m_copy);
    m_grid->addAction(m_paste);

    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &GridClipboard::showContextMenu);
    // The cell editor is created inside the viewport; see eventFilter.
    m_viewport = m_grid->viewport();
    m_viewport->installEventFilter(this);
}

QMimeData *GridClipboard::copyData() const
{
    QList<TableCell> selected;
    const ResultTableModel *model = m_grid->resultModel();
    if (const QItemSelectionModel *selection = m_grid->selectionModel(); selection && model) {
        for (const QModelIndex &index : selection->selectedIndexes())
            selected << TableCell{model->tableColumn(index), ResultTableModel::tableRow(index)};
    }
    const std::vector<TotalsLine> dayLines = m_dayLines ? m_dayLines() : std::vector<TotalsLine>();
    return TableCopy::forCopy(m_table, selected, m_grid->rowSelection(), dayLines).mimeData();
}

void GridClipboard::copy()
{
    QGuiApplication::clipboard()->setMimeData(copyData());
}

void GridClipboard::paste()
{
    if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
        pasteData(*data);
    else
        m_pasteHandler(QString());
}

void GridClipboard::pasteData(const QMimeData &data)
{
    // A Calls cell being edited keeps what was typed before the paste
    // replaces it, as if Enter had closed the editor.
    if (QWidget *editor = m_grid->cellEditor()) {
        emit m_grid->itemDelegate()->commitData(editor);
        emit m_grid->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    m_pasteHandler(data.text());
}

bool GridClipboard::inPasteColumn() const
{
    const ResultTableModel *model = m_grid->resultModel();
    const int column = m_grid->currentTableColumn();
    return model && model->editingAllowed()
           && (column == ResultTable::CallsColumn || column == ResultTable::HaveColumn
               || column == ResultTable::SlotTalkColumn || column == ResultTable::SlotWrapColumn);
}

void GridClipboard::showContextMenu(const QPoint &position)
{
    QMenu menu(m_grid);
    menu.addAction(m_copy);
    menu.addAction(m_paste);
    m_paste->setEnabled(inPasteColumn());
    if (m_grid->currentTableColumn() == ResultTable::HaveColumn)
        m_paste->setText(QStringLiteral("&Paste Roster Values"));
    if (m_grid->currentTableColumn() == ResultTable::SlotTalkColumn
        || m_grid->currentTableColumn() == ResultTable::SlotWrapColumn)
        m_paste->setText(QStringLiteral("&Paste Slot Times"));
    menu.exec(m_grid->viewport()->mapToGlobal(position));
    m_paste->setEnabled(true);
    m_paste->setText(PasteVolumesText);
}

bool GridClipboard::eventFilter(QObject *watched, QEvent *event)
{
    // Only the event and the pointers are looked at before the type is
    // known: the viewport still sends events while the grid is destroyed.
    if (event->type() == QEvent::ChildAdded && watched == m_viewport) {
        // A new cell editor: its own Paste must not override the grid's.
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    } else if (event->type() == QEvent::ShortcutOverride && watched != m_viewport) {
        // Ctrl+V in a Calls or Have cell's editor pastes a column of values;
        // in the other cells' editors it pastes text as in any field.
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste) && inPasteColumn())
            return true;
    }
    return QObject::eventFilter(watched, event);
}
