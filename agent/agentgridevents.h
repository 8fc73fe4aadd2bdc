// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QObject>
#include <QString>

class AgentCommandHost;
class AgentFormView;
class GridClipboard;
class PlanningCommand;
class ResultTableModel;
class SlotTimesCommand;
class QWidget;
class TLumStringGrid;

// The result grid's events on an agent window's scenario: clicks, typed
// keys and cell texts, the current cell, the Have, Talk and ACW cells left
// or cleared, Ctrl+V, and the cursor entering and leaving the grid. The
// grid's copy and paste belong to it.
class AgentGridEvents : public QObject
{
    Q_OBJECT
public:
    AgentGridEvents(TLumStringGrid &grid, AgentCommandHost &host, AgentFormView &view, ResultTableModel &model,
                    PlanningCommand &planning, SlotTimesCommand &slotTimes);
    ~AgentGridEvents() override;

    // A Calls cell's text as typed, in the table's numbering (row 0 is the
    // header row); the other cells count once they are left.
    void setEditText(int column, int tableRow, const QString &text);
    void keyPress(QChar key);
    // The cursor left the grid for another control of the window, or
    // entered it.
    void cursorLeft();
    void cursorEntered();
    bool contains(const QWidget *widget) const;
    // The grid's current cell as the scenario's.
    void takeCurrentCell();

    GridClipboard *clipboard() const { return m_clipboard; }

private:
    void connectGrid();
    void typedCellLeft(int column, int tableRow, const QString &text);
    // Ctrl+V: roster values in a Have cell, slot times in a Talk or ACW
    // cell, call volumes elsewhere; the values it replaced are kept for
    // Edit > Undo.
    void paste(const QString &text);
    void pasteInto(const QString &text);
    void pasteSlotVolumes(const QString &text);

    TLumStringGrid &m_grid;
    AgentCommandHost &m_host;
    AgentFormView &m_view;
    ResultTableModel &m_model;
    PlanningCommand &m_planning;
    SlotTimesCommand &m_slotTimes;
    GridClipboard *m_clipboard = nullptr;
};
