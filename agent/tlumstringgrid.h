// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QTableView>

#include <vector>

class QPainter;
class ResultTableModel;

// The result grid: a text grid whose cells are drawn with a margin that grows
// with the cell's width and whose columns share the grid's width, each with
// room for its header.
// It reports the events the agent window acts on: a click on a cell, every
// character typed (in the grid or in its cell editor), every change of the
// cell editor's text, and a change of the current cell.
class TLumStringGrid : public QTableView
{
    Q_OBJECT
public:
    enum class TextAlign { Left, Right, Centre };

    explicit TLumStringGrid(QWidget *parent = nullptr);

    TextAlign textAlign() const { return m_textAlign; }
    void setTextAlign(TextAlign align);
    // Off: cells are not drawn at all.
    bool defaultDrawing() const { return m_defaultDrawing; }
    void setDefaultDrawing(bool on);

    void setResultModel(ResultTableModel *model);
    ResultTableModel *resultModel() const { return m_model; }

    // Every column, fixed ones included, gets one width while each header
    // fits into it: the viewport's width div the column count; one pixel of
    // it is the grid line, so a cell is (width div count) - 1 pixels wide.
    // Otherwise the columns whose header needs more keep that room and the
    // others share the rest (FitColumnWidths). With extra columns shown a
    // column is also at least MinExtraColumnWidth wide; where the columns do
    // not fit, the grid scrolls sideways.
    void FitColumns();
    // The section width whose cell shows a header of `textWidth` pixels
    // whole, as DrawCell places it.
    static int HeaderWidthFor(int textWidth);
    static constexpr int MinExtraColumnWidth = 48;

    // Agents tab: whole rows selected, no editing. Schedule tab: single cells,
    // editing on.
    void setRowSelection(bool rows);
    bool rowSelection() const;
    void setEditing(bool on);

    // The current cell in the table's numbering (row 0 is the header row;
    // columns are the table's, whatever place they are shown in).
    int currentTableColumn() const;
    int currentTableRow() const;
    void setCurrentTableCell(int column, int tableRow);
    // No current cell and nothing selected.
    void clearCurrentTableCell();

    // Draws a cell text by the grid's margin rule: x is left + m (left),
    // right - (w + 3m) (right) or centred, with m = rect width div 40 and w
    // the text's width; the text starts 2 pixels below the top and is
    // clipped to the rectangle. The background is filled with `background`.
    static void DrawCell(QPainter &painter, const QRect &rect, const QString &text, TextAlign align,
                         const QBrush &background, const QColor &textColour);

    // Room for the header and ShownRows rows: a new window shows the worked
    // examples' tables whole.
    static constexpr int ShownRows = 10;
    QSize sizeHint() const override;

    // Table columns whose cells Delete and Backspace clear while no editor
    // is open (reported by cellCleared); none at first.
    void setClearableColumns(std::vector<int> columns) { m_clearableColumns = std::move(columns); }

    // The editor currently open, or none.
    QWidget *cellEditor() const;
    // Closes an open cell editor, keeping its text, as leaving the cell does:
    // a recalculation that follows then has the last word on the cells.
    void closeCellEditor();

signals:
    void cellClicked();
    void keyTyped(QChar key);
    void editTextChanged(int column, int tableRow, const QString &text);
    // A cell editor closed keeping its text (Enter, an arrow key, a click
    // elsewhere, the focus leaving), after the text went into the table.
    void editCommitted(int column, int tableRow, const QString &text);
    // Delete or Backspace on a cell of a clearable column.
    void cellCleared(int column, int tableRow);
    void currentCellChanged(int column, int tableRow);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class LumCellDelegate;
    // The key event the grid itself is handling, so that the cell editor,
    // when the grid hands the same event on to it, does not report it twice.
    const QKeyEvent *m_keyInHand = nullptr;
    TextAlign m_textAlign = TextAlign::Left;
    bool m_defaultDrawing = true;
    ResultTableModel *m_model = nullptr;
    QModelIndex m_editedIndex;
    int m_editedColumn = -1; // the edited cell's table column
    QString m_textBeforeEdit;
    QPointer<QWidget> m_editor;
    std::vector<int> m_clearableColumns;
};

// Whether a key event types a character the grid reports: any text except
// Tab, as arrow and function keys carry none. Enter gives carriage return.
bool TypedCharacter(const QKeyEvent &event, QChar *character);
