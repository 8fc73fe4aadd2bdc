// SPDX-License-Identifier: MIT
#include "agentgridevents.h"
#include "agentservices.h"
#include "fakedialogservice.h"
#include "gridclipboard.h"
#include "tagentform.h"
#include "tlumstringgrid.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

// An agent window, in a frame as in the program, on the Schedule of
// half-hour slots from 08:00 to 10:00 (talk 03:00, wrap 01:00, abandon
// 00:30, goal 80% in 20 s), its 180 calls spread as 45 a slot; the cursor is
// in the first Calls cell.
struct Window
{
    Window()
    {
        (new QVBoxLayout(&top))->addWidget(&form);
        top.resize(700, 420);
        AgentScenario &s = form.scenario();
        const QStringList texts = {"08:00", "10:00", "180", "03:00", "01:00", "00:30", "80", "20"};
        for (int i = 0; i < FieldCount; ++i)
            s.setText(static_cast<Field>(i), texts.at(i));
        s.setSlotLength(SlotLength::HalfHour);
        s.DistributeCalls();
        form.refresh();
        top.show();
        form.widgets().TabSet1->setCurrentIndex(1);
        form.widgets().StringGrid1->setFocus();
        form.widgets().StringGrid1->setCurrentTableCell(ResultTable::CallsColumn, 1);
        s.setSlotCallsEdited(false);
        s.hooks().addTableFilledListener([this] { ++recalculations; });
    }

    QString copiedText() const { return std::unique_ptr<QMimeData>(form.gridEvents().clipboard()->copyData())->text(); }
    QList<int> volumes() const
    {
        const auto &calls = form.scenario().inputs().SlotCalls;
        return {calls[1], calls[2], calls[3], calls[4]};
    }
    // The key as a planner presses it, in the cell editor when one is open.
    void press(QKeySequence::StandardKey key)
    {
        TLumStringGrid *grid = form.widgets().StringGrid1;
        QWidget *target = grid->cellEditor() ? grid->cellEditor() : grid;
        QTest::keySequence(target, QKeySequence(key));
    }

    FakeDialogService dialogs;
    AgentServices services{dialogs};
    QWidget top;
    TAgentForm &form = *new TAgentForm(services, &top);
    int recalculations = 0;
};

class GridClipboardTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void copyTakesTheTableOrTheSelectedRange();
    void pasteFillsTheSlotsWithOneRecalculation();
    void pasteInACallsCellBeingEdited();
    void refusedPasteSaysWhyAndChangesNothing();

private:
    std::unique_ptr<Window> w;
};

void GridClipboardTest::init()
{
    w = std::make_unique<Window>();
    QVERIFY(QTest::qWaitForWindowActive(&w->top));
    w->recalculations = 0;
}

void GridClipboardTest::copyTakesTheTableOrTheSelectedRange()
{
    w->press(QKeySequence::Copy);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->text().startsWith(QLatin1String("Time\tCalls\tAgents\tSrv Lvl\tQueued\tAbndon\tUsage\tAve Ans\tTrunks\n"
                                                    "08:00\t45\t9\t")));
    QCOMPARE(copied->text().count(QLatin1Char('\n')), 5);
    QVERIFY(copied->html().contains(QLatin1String("<tr><td>09:30</td><td>45</td><td>9</td>")));
    // A copy is not typing: the volumes do not count as set by hand.
    QVERIFY(!w->form.scenario().inputs().SlotCallsEdited);

    // Shift and the arrow keys select a range, which is copied alone.
    TLumStringGrid *grid = w->form.widgets().StringGrid1;
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(w->copiedText(), QStringLiteral("Calls\tAgents\n45\t9\n45\t9\n"));
    // Select All leaves out the fixed Time column; its copy is the table.
    QTest::keySequence(grid, QKeySequence(QKeySequence::SelectAll));
    QCOMPARE(w->copiedText(), copied->text());
}

void GridClipboardTest::pasteFillsTheSlotsWithOneRecalculation()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("Calls\r\n0\r\n10\r\n50\r\n120\r\n"));
    w->press(QKeySequence::Paste);
    QCOMPARE(w->recalculations, 1);
    QVERIFY(w->dialogs.shown.isEmpty());
    QCOMPARE(w->volumes(), (QList<int>{0, 10, 50, 120}));
    QVERIFY(w->form.scenario().inputs().SlotCallsEdited);
    QVERIFY(w->copiedText().endsWith(QLatin1String("09:30\t120\t20\t82%\t26%\t13%\t80%\t00:15\t26\n")));
}

void GridClipboardTest::pasteInACallsCellBeingEdited()
{
    TLumStringGrid *grid = w->form.widgets().StringGrid1;
    grid->setCurrentTableCell(ResultTable::CallsColumn, 3);
    QTest::keyClick(grid, Qt::Key_7);
    QGuiApplication::clipboard()->setText(QStringLiteral("60\n100\n"));
    w->press(QKeySequence::Paste);
    QVERIFY(!grid->cellEditor());
    QCOMPARE(w->volumes(), (QList<int>{45, 45, 60, 100}));

    // In a result column's editor Ctrl+V pastes text, as in any field.
    grid->setCurrentTableCell(ResultTable::SlotQueuedColumn, 1);
    QTest::keyClick(grid, Qt::Key_1);
    QGuiApplication::clipboard()->setText(QStringLiteral("23"));
    w->press(QKeySequence::Paste);
    QCOMPARE(qobject_cast<QLineEdit *>(grid->cellEditor())->text(), QStringLiteral("123"));
    QCOMPARE(w->volumes(), (QList<int>{45, 45, 60, 100}));
}

void GridClipboardTest::refusedPasteSaysWhyAndChangesNothing()
{
    const QString before = w->copiedText();
    w->form.widgets().StringGrid1->setCurrentTableCell(ResultTable::CallsColumn, 3);
    QGuiApplication::clipboard()->setText(QStringLiteral("1\n2\n3"));
    w->press(QKeySequence::Paste);
    QCOMPARE(w->dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("\"3\" on line 3 is value 3 of 3, but only 2 time slots remain from 09:00 on. "
                                        "Nothing was pasted.")});
    QCOMPARE(w->recalculations, 0);

    // The context menu's Paste while a field lacks a digit: the field keeps
    // the cursor with its refusal, and nothing is pasted.
    QLineEdit *abandon = w->form.widgets().field(Field::MaskEdit4);
    abandon->setFocus();
    abandon->selectAll();
    QTest::keyClicks(abandon, QStringLiteral("04"));
    QMimeData data;
    data.setText(QStringLiteral("1\n2\n"));
    w->dialogs.clear();
    w->recalculations = 0; // leaving the grid recalculated
    w->form.gridEvents().clipboard()->pasteData(data);
    QCOMPARE(w->dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Invalid input value.  Use escape key to abandon changes.")});
    QCOMPARE(QApplication::focusWidget(), abandon);
    QCOMPARE(w->recalculations, 0);
    QCOMPARE(w->volumes(), (QList<int>{45, 45, 45, 45}));
    QVERIFY(!w->form.scenario().inputs().SlotCallsEdited);
    QCOMPARE(w->copiedText(), before);
}

QTEST_MAIN(GridClipboardTest)
#include "test_gridclipboard.moc"
