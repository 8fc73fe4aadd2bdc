// SPDX-License-Identifier: MIT
#include "fakedialogservice.h"
#include "gridclipboard.h"
#include "resulttablemodel.h"
#include "tagentform.h"
#include "tlumstringgrid.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

const QString workedScheduleText = QStringLiteral("Time\tCalls\tAgents\tSrv Lvl\tQueued\tAbndon\tUsage\tAve Ans\tTrunks\n"
                                                  "08:00\t0\t0\t100%\t0%\t0%\t0%\t00:00\t0\n"
                                                  "08:30\t10\t3\t84%\t18%\t15%\t44%\t00:26\t6\n"
                                                  "09:00\t50\t10\t87%\t17%\t11%\t67%\t00:13\t14\n"
                                                  "09:30\t120\t20\t82%\t26%\t13%\t80%\t00:15\t26\n");

// An agent window on the Schedule of half-hour slots from 08:00 to 10:00
// (talk 03:00, wrap 01:00, abandon 00:30, goal 80% in 20 s), its 180 calls
// spread evenly: 45 a slot.
struct Window
{
    Window()
    {
        // The window sits in a frame, as in the program.
        auto *layout = new QVBoxLayout(&top);
        layout->addWidget(&form);
        top.resize(700, 420);
        AgentScenario &s = form.scenario();
        const QStringList texts = {"08:00", "10:00", "180", "03:00", "01:00", "00:30", "80", "20"};
        for (int i = 0; i < FieldCount; ++i)
            s.setText(static_cast<Field>(i), texts.at(i));
        s.setRadioButtons(true, false);
        s.HalfHourSlots = true;
        s.DistributeCalls();
        form.refresh();
        top.show();
        form.tabSet()->setCurrentIndex(1);
        form.grid()->setFocus();
        form.grid()->setCurrentTableCell(1, 1);
        s.SlotCallsEdited = false;
        dialogs.clear();
    }

    QString copiedText() const
    {
        const std::unique_ptr<QMimeData> data(form.gridClipboard()->copyData());
        return data->text();
    }
    QList<int> volumes() const
    {
        QList<int> result;
        for (int i = 1; i <= 4; ++i)
            result << form.scenario().SlotCalls[static_cast<std::size_t>(i)];
        return result;
    }
    void pressInGrid(QKeySequence::StandardKey key)
    {
        QWidget *target = form.grid()->cellEditor() ? form.grid()->cellEditor() : form.grid();
        const QKeySequence sequence(key);
        QTest::keySequence(target, sequence);
    }

    FakeDialogService dialogs;
    QWidget top;
    TAgentForm &form = *new TAgentForm(dialogs, &top);
};

} // namespace

class GridClipboardTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void ctrlCCopiesTheWholeTableWithoutTouchingTheVolumes();
    void aSelectedRangeCopiesOnlyItsCells();
    void ctrlVPastesTheColumnOnceAsTypingWould();
    void ctrlVInACallsCellBeingEditedPastesVolumes();
    void refusedPasteNamesTheValueAndChangesNothing_data();
    void refusedPasteNamesTheValueAndChangesNothing();
    void pasteWaitsForAFieldThatRefusesToBeLeft();

private:
    std::unique_ptr<Window> w;
};

void GridClipboardTest::init()
{
    w = std::make_unique<Window>();
    QVERIFY(QTest::qWaitForWindowActive(&w->top));
    QGuiApplication::clipboard()->clear();
}

void GridClipboardTest::ctrlCCopiesTheWholeTableWithoutTouchingTheVolumes()
{
    AgentScenario &s = w->form.scenario();
    s.SlotCalls = {};
    s.SlotCalls[2] = 10;
    s.SlotCalls[3] = 50;
    s.SlotCalls[4] = 120;
    w->form.Recalculate();
    w->form.grid()->setFocus();
    w->form.grid()->setCurrentTableCell(1, 2);

    w->pressInGrid(QKeySequence::Copy);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), workedScheduleText);
    QVERIFY(copied->html().contains(QStringLiteral("<tr><td>09:30</td><td>120</td><td>20</td>")));
    // A copy is not typing: the volumes are not marked as set by hand.
    QVERIFY(!s.SlotCallsEdited);
    QVERIFY(!w->form.grid()->cellEditor());

    // On the Agents tab the goal row the table selects is not a choice.
    w->form.tabSet()->setCurrentIndex(0);
    w->form.scenario().setText(Field::Edit1, QStringLiteral("100"));
    w->form.refresh();
    w->form.Recalculate();
    QVERIFY(w->form.scenario().goalRow() > 0);
    QCOMPARE(w->copiedText().count(QLatin1Char('\n')), w->form.scenario().StringGrid1().rowCount());
}

void GridClipboardTest::aSelectedRangeCopiesOnlyItsCells()
{
    TLumStringGrid *grid = w->form.grid();
    ResultTableModel *model = w->form.tableModel();
    // Shift and the arrow keys select a range from the current cell.
    grid->setCurrentTableCell(1, 2);
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(w->copiedText(), QStringLiteral("Calls\tAgents\n45\t9\n45\t9\n"));
    // Select All leaves out the fixed Time column; its copy is the table.
    QTest::keySequence(grid, QKeySequence(QKeySequence::SelectAll));
    QVERIFY(w->copiedText().startsWith(QLatin1String("Time\tCalls\tAgents")));
    QCOMPARE(w->copiedText().count(QLatin1Char('\n')), 5);
    // So does the mouse, dragging across whole rows on the Agents tab.
    w->form.tabSet()->setCurrentIndex(0);
    w->form.scenario().setText(Field::Edit1, QStringLiteral("100"));
    w->form.refresh();
    w->form.Recalculate();
    grid->selectionModel()->select(QItemSelection(model->indexOfCell(0, 1), model->indexOfCell(8, 2)),
                                   QItemSelectionModel::ClearAndSelect);
    const QStringList lines = w->copiedText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(0).startsWith(QLatin1String("Agents\tSrv Lvl")));
    QCOMPARE(lines.at(1).section(QLatin1Char('\t'), 0, 0), w->form.scenario().StringGrid1().cell(0, 1));
}

void GridClipboardTest::ctrlVPastesTheColumnOnceAsTypingWould()
{
    int recalculations = 0;
    w->form.scenario().onTableFilled = [&recalculations] { ++recalculations; };
    QGuiApplication::clipboard()->setText(QStringLiteral("Calls\r\n0\r\n10\r\n50\r\n120\r\n"));
    w->pressInGrid(QKeySequence::Paste);

    QCOMPARE(recalculations, 1);
    QVERIFY(w->dialogs.shown.isEmpty());
    QCOMPARE(w->volumes(), (QList<int>{0, 10, 50, 120}));
    QVERIFY(w->form.scenario().SlotCallsEdited);
    QCOMPARE(w->copiedText(), workedScheduleText);
    QCOMPARE(w->form.field(Field::Edit1)->text(), QStringLiteral("180"));
}

void GridClipboardTest::ctrlVInACallsCellBeingEditedPastesVolumes()
{
    TLumStringGrid *grid = w->form.grid();
    grid->setCurrentTableCell(1, 3);
    QTest::keyClick(grid, Qt::Key_7);
    QVERIFY(grid->cellEditor());
    QGuiApplication::clipboard()->setText(QStringLiteral("60\n100\n"));
    w->pressInGrid(QKeySequence::Paste);
    QVERIFY(!grid->cellEditor());
    QCOMPARE(w->volumes(), (QList<int>{45, 45, 60, 100}));
    QCOMPARE(w->form.scenario().StringGrid1().cell(1, 3), QStringLiteral("60"));

    // In a result column's editor Ctrl+V pastes text, as in any field.
    grid->setCurrentTableCell(4, 1);
    QTest::keyClick(grid, Qt::Key_1);
    QVERIFY(grid->cellEditor());
    QGuiApplication::clipboard()->setText(QStringLiteral("23"));
    w->pressInGrid(QKeySequence::Paste);
    QCOMPARE(qobject_cast<QLineEdit *>(grid->cellEditor())->text(), QStringLiteral("123"));
    QCOMPARE(w->volumes(), (QList<int>{45, 45, 60, 100}));
}

void GridClipboardTest::refusedPasteNamesTheValueAndChangesNothing_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative") << "10\n-5\n" << 1
                              << "\"-5\" on line 2 is negative: the calls of a time slot are a whole number from 0 up. "
                                 "Nothing was pasted.";
    QTest::newRow("decimal") << "10.5" << 1
                             << "\"10.5\" on line 1 is not a whole number: the calls of a time slot are a whole number "
                                "from 0 up. Nothing was pasted.";
    QTest::newRow("text in the middle") << "1\n2\nthree\n4" << 1 << "\"three\" on line 3 is not a number. Nothing was pasted.";
    QTest::newRow("too many values") << "1\n2\n3" << 3
                                     << "\"3\" on line 3 is value 3 of 3, but only 2 time slots remain from 09:00 on. "
                                        "Nothing was pasted.";
    QTest::newRow("cursor in a result column") << "1" << -1
                                               << "Put the cursor in a Calls cell of the Schedule to paste call volumes.";
}

void GridClipboardTest::refusedPasteNamesTheValueAndChangesNothing()
{
    QFETCH(QString, clipboard);
    QFETCH(int, row);
    QFETCH(QString, message);
    TLumStringGrid *grid = w->form.grid();
    if (row > 0)
        grid->setCurrentTableCell(1, row);
    else
        grid->setCurrentTableCell(3, 2);
    const QString before = w->copiedText();
    int recalculations = 0;
    w->form.scenario().onTableFilled = [&recalculations] { ++recalculations; };

    QGuiApplication::clipboard()->setText(clipboard);
    w->pressInGrid(QKeySequence::Paste);
    QCOMPARE(w->dialogs.texts(QStringLiteral("error")), QStringList{message});
    QCOMPARE(recalculations, 0);
    QCOMPARE(w->volumes(), (QList<int>{45, 45, 45, 45}));
    QVERIFY(!w->form.scenario().SlotCallsEdited);
    QCOMPARE(w->copiedText(), before);
}

void GridClipboardTest::pasteWaitsForAFieldThatRefusesToBeLeft()
{
    // The context menu's Paste with a wait-before-abandon that lacks a digit.
    QLineEdit *abandon = w->form.field(Field::MaskEdit4);
    abandon->setFocus();
    abandon->selectAll();
    QTest::keyClick(abandon, Qt::Key_Backspace);
    QTest::keyClicks(abandon, QStringLiteral("04"));
    QVERIFY(!abandon->hasAcceptableInput());
    QMimeData data;
    data.setText(QStringLiteral("1\n2\n"));
    w->form.gridClipboard()->pasteData(data);
    QCOMPARE(w->dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Invalid input value.  Use escape key to abandon changes.")});
    QCOMPARE(w->volumes(), (QList<int>{45, 45, 45, 45}));
    QCOMPARE(QApplication::focusWidget(), abandon);
}

QTEST_MAIN(GridClipboardTest)
#include "test_gridclipboard.moc"
