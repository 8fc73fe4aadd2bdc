// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "daytotalslines.h"

#include <functional>
#include <vector>

class QAction;
class QMimeData;
class QPoint;
class ResultTable;
class TLumStringGrid;

// Copy and paste on a result grid: Ctrl+C and Ctrl+V while the grid (or its
// cell editor) has the keyboard focus, and the same two commands in the
// grid's context menu. Copy puts the whole table, or the cells the planner
// selected, on the clipboard as tab-separated text and as an HTML table.
// Paste hands the clipboard's text to the window, which puts the volumes
// (or, in the Have column, the roster values) into the Schedule.
class GridClipboard : public QObject
{
    Q_OBJECT
public:
    using PasteHandler = std::function<void(const QString &text)>;
    using DayLinesSource = std::function<std::vector<TotalsLine>()>;

    GridClipboard(TLumStringGrid *grid, const ResultTable &table, PasteHandler paste);

    // What Copy puts on the clipboard, for the grid's present selection;
    // the caller owns it.
    QMimeData *copyData() const;
    // The two commands on the application's clipboard.
    void copy();
    void paste();
    // Hands `data`'s text to the window, as Paste does with the clipboard's.
    void pasteData(const QMimeData &data);

    // The lines a whole-table copy ends with (the Schedule's day figures);
    // none until set.
    void setDayLines(DayLinesSource source) { m_dayLines = std::move(source); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showContextMenu(const QPoint &position);
    // The current cell takes a pasted column: a Calls or a Have cell of the
    // Schedule.
    bool inPasteColumn() const;

    TLumStringGrid *m_grid;
    QObject *m_viewport = nullptr; // compared only, never called
    const ResultTable &m_table;
    PasteHandler m_pasteHandler;
    DayLinesSource m_dayLines;
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
};
