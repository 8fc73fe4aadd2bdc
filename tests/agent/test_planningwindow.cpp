// SPDX-License-Identifier: MIT
// The planning options, the line under the inputs and the roster's entry in
// an agent window, with the dialogs answered by the test's script.
#include "agentformharness.h"
#include "agentgridevents.h"
#include "graphfixtures.h"
#include "gridclipboard.h"
#include "hint.h"
#include "planningcommand.h"
#include "planningoptiontexts.h"
#include "scenariotexts.h"
#include "slottimescommand.h"

#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(PlanningOptions)

namespace {

const QString InvalidInput = QStringLiteral("Invalid input! - Cursor is positioned in failing field");

// Shows the scenario's texts in the window's fields, as a load does.
void showTexts(Harness &h, const QStringList &texts)
{
    setTexts(h.form->scenario(), texts);
    h.form->refresh();
}

PlanningOptions optionsOf(const QString &shrinkage, const QString &cap, bool erlangA = false)
{
    PlanningOptionTexts texts;
    texts.model = erlangA ? QueueModel::ErlangA : QueueModel::ErlangC;
    texts.shrinkage = shrinkage;
    texts.maxOccupancy = cap;
    const PlanningOptionsCheck check = CheckPlanningOptions(texts);
    if (!check.options)
        qFatal("bad options in the test");
    return *check.options;
}

} // namespace

class PlanningWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void withoutOptionsTheLayoutIsTodays();
    void optionsFromTheDialogRecalculate_data();
    void optionsFromTheDialogRecalculate();
    void cancelChangesNothing();
    void optionsKeyWorksInTheWindowOnly();
    void erlangAWithoutPatienceIsRefusedOnItsField();
    void rosterTypedPastedAndClearedInTheGrid();
    void refusedRosterValueIsNamedWithItsSlot_data();
    void refusedRosterValueIsNamedWithItsSlot();
    void optionsAndRosterAreSavedAndLoaded();
    void intervalFileImportedAfterItsPreview();
    void quarterHourIntervalFileGivesAQuarterHourSchedule();
};

void PlanningWindowTest::withoutOptionsTheLayoutIsTodays()
{
    Harness fresh;
    Harness changed;
    QVERIFY(!fresh.form->widgets().PlanningLine->isVisible());
    changed.dialogs.planningAnswer = optionsOf(QStringLiteral("30"), QString());
    changed.form->planning().editOptions();
    QVERIFY(changed.form->widgets().PlanningLine->isVisible());
    QVERIFY(changed.form->widgets().StringGrid1->mapTo(changed.form, QPoint()).y()
            > fresh.form->widgets().StringGrid1->mapTo(fresh.form, QPoint()).y());

    changed.dialogs.planningAnswer = PlanningOptions();
    changed.form->planning().editOptions();
    QVERIFY(!changed.form->widgets().PlanningLine->isVisible());
    // The layouts settle as the event loop lets them.
    QApplication::processEvents();
    QCOMPARE(changed.form->size(), fresh.form->size());
    QCOMPARE(changed.form->minimumSizeHint(), fresh.form->minimumSizeHint());
    // The window's own controls; the grid's inner parts follow its model.
    auto controls = [](TAgentForm *form) {
        QList<QWidget *> result;
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            if (!form->widgets().StringGrid1->isAncestorOf(widget))
                result << widget;
        }
        return result;
    };
    const QList<QWidget *> before = controls(fresh.form);
    const QList<QWidget *> after = controls(changed.form);
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after.at(i)->metaObject()->className(), before.at(i)->metaObject()->className());
        if (before.at(i)->isVisible())
            QCOMPARE(after.at(i)->geometry(), before.at(i)->geometry());
    }
}

void PlanningWindowTest::optionsFromTheDialogRecalculate_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<PlanningOptions>("options");
    QTest::addColumn<int>("goalAgents");
    QTest::addColumn<QString>("sched");
    QTest::addColumn<QString>("line");
    const QString dot = QStringLiteral(" \u00B7 ");
    QTest::newRow("cap 70, shrinkage 30")
        << QStringList{"08:00", "08:30", "100", "03:00", "00:00", "00:30", "80", "20"}
        << optionsOf(QStringLiteral("30"), QStringLiteral("70")) << 15 << "22"
        << "Planning: Shrinkage 30%" + dot + "Max occupancy 70% \u2014 14 agents: usage 71.4 % is above the 70 % cap";
    QTest::newRow("cap 85 decides 40")
        << QStringList{"08:00", "09:00", "1000", "02:00", "00:00", "00:30", "80", "20"}
        << optionsOf(QString(), QStringLiteral("85")) << 40 << QString()
        << "Planning: Max occupancy 85% \u2014 39 agents: usage 85.5 % is above the 85 % cap";
    QTest::newRow("cap 85 and shrinkage 30") << QStringList{"08:00", "09:00", "1000", "02:00", "00:00", "00:30", "80", "20"}
                                             << optionsOf(QStringLiteral("30"), QStringLiteral("85")) << 40 << "58"
                                             << "Planning: Shrinkage 30%" + dot + "Max occupancy 85% \u2014 39 agents: usage 85.5 % is above the 85 % cap";
    QTest::newRow("shrinkage alone") << QStringList{"08:00", "09:00", "1000", "02:00", "00:00", "00:30", "80", "20"}
                                     << optionsOf(QStringLiteral("30"), QString()) << 38 << "55"
                                     << "Planning: Shrinkage 30%";
    QTest::newRow("Erlang A") << QStringList{"08:00", "08:30", "100", "03:00", "00:00", "05:00", "80", "20"}
                              << optionsOf(QString(), QString(), true) << 13 << QString() << "Planning: Erlang A";
}

void PlanningWindowTest::optionsFromTheDialogRecalculate()
{
    QFETCH(QStringList, texts);
    QFETCH(PlanningOptions, options);
    QFETCH(int, goalAgents);
    QFETCH(QString, sched);
    QFETCH(QString, line);
    Harness h;
    showTexts(h, texts);
    h.form->setWindowTitle(QStringLiteral("Day.vnk"));
    h.dialogs.planningAnswer = options;
    h.form->planning().editOptions();

    QCOMPARE(h.dialogs.texts(QStringLiteral("planning")), QStringList{QStringLiteral("Day.vnk")});
    QVERIFY(h.form->scenario().inputs().Planning == options);
    const AgentScenario &s = h.form->scenario();
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, s.results().goalRow), QString::number(goalAgents));
    QCOMPARE(s.StringGrid1().cell(ResultTable::SchedColumn, s.results().goalRow), sched);
    // The grid marks the goal row and shows Sched beside the agents.
    QCOMPARE(h.form->widgets().StringGrid1->currentTableRow(), s.results().goalRow);
    QCOMPARE(h.model()->modelColumn(ResultTable::SchedColumn), sched.isEmpty() ? -1 : 1);
    QCOMPARE(h.form->widgets().PlanningLine->text(), line);
    QVERIFY(h.form->widgets().PlanningLine->isVisible());
}

void PlanningWindowTest::cancelChangesNothing()
{
    Harness h;
    h.validScenario();
    const int recalculations = h.form->scenario().results().recalculations;
    h.dialogs.planningAnswer.reset();
    h.form->planning().editOptions();
    QCOMPARE(h.dialogs.planningShown.size(), 1);
    QVERIFY(h.form->scenario().inputs().Planning.isDefault());
    QCOMPARE(h.form->scenario().results().recalculations, recalculations);
    QVERIFY(!h.form->widgets().PlanningLine->isVisible());
}

void PlanningWindowTest::optionsKeyWorksInTheWindowOnly()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(&h.top));
    const QKeySequence key(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    h.field(Field::MaskEdit3)->setFocus();
    QTest::keySequence(h.field(Field::MaskEdit3), key);
    QCOMPARE(h.dialogs.texts(QStringLiteral("planning")).size(), 1);
    h.leaveTo(h.elsewhere);
    QTest::keySequence(h.elsewhere, key);
    QCOMPARE(h.dialogs.texts(QStringLiteral("planning")).size(), 1);
}

void PlanningWindowTest::erlangAWithoutPatienceIsRefusedOnItsField()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(&h.top));
    showTexts(h, {"08:00", "08:30", "100", "03:00", "00:00", "00:00", "80", "20"});
    h.dialogs.planningAnswer = optionsOf(QString(), QString(), true);
    h.form->planning().editOptions();
    // The message says why a time the field takes is refused.
    QCOMPARE(h.dialogs.texts(QStringLiteral("inform")),
             QStringList{InvalidInput + QStringLiteral("\n\nWith Erlang A callers hang up after the wait before "
                                                       "abandon: it must be at least 00:01.")});
    QCOMPARE(h.dialogs.shown.last().focus.data(), h.field(Field::MaskEdit4));
    QCOMPARE(h.form->scenario().results().goalRow, 0);
}

void PlanningWindowTest::rosterTypedPastedAndClearedInTheGrid()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(&h.top));
    setScheduleWorkedExample(h.form->scenario());
    h.form->refresh();
    h.toSchedule();
    QCOMPARE(h.model()->columnCount(), ResultTable::ColumnCount);
    h.form->planning().setRosterColumns(true);
    QCOMPARE(h.model()->modelColumn(ResultTable::HaveColumn), ResultTable::ColumnCount);

    // Typed as a planner types: click the cell, type, Enter.
    TLumStringGrid *grid = h.form->widgets().StringGrid1;
    const QStringList roster = {"0", "3", "9", "20"};
    for (int slot = 1; slot <= 4; ++slot) {
        h.clickCell(ResultTable::HaveColumn, slot);
        QCOMPARE(grid->currentTableColumn(), int(ResultTable::HaveColumn));
        Harness::typeKeys(roster.at(slot - 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    const ResultTable &table = h.table();
    QVERIFY(HintOf(grid).startsWith(QStringLiteral("Enter the agents on the roster")));
    QCOMPARE(column(h.form->scenario(), ResultTable::HaveColumn), roster);
    QCOMPARE(table.cell(ResultTable::GapColumn, 3), QStringLiteral("-1"));
    QVERIFY(h.dialogs.shown.isEmpty());
    // Under the inputs, the roster's day: the 09:00 slot is one agent short
    // for half an hour.
    // A figure is never broken over two lines: its spaces do not break.
    QVERIFY(h.form->widgets().PlanningLine->isVisible());
    const QString dayLine = h.form->widgets().PlanningLine->text().replace(QChar(0x00A0), QLatin1Char(' '));
    QVERIFY(dayLine.startsWith(QStringLiteral("Day: Roster service level: ")));
    QVERIFY(dayLine.contains(QStringLiteral("Short slots: 1 \u00B7 Shortfall agent-hours: 0.5")));
    QVERIFY(!h.form->widgets().PlanningLine->text().contains(QStringLiteral("Short slots")));

    // Delete clears the current Have cell.
    h.clickCell(ResultTable::HaveColumn, 2);
    QTest::keyClick(grid, Qt::Key_Delete);
    QVERIFY(!h.form->scenario().inputs().SlotHave[2]);
    QCOMPARE(table.cell(ResultTable::GapColumn, 2), QString());

    // Ctrl+V in a Have cell pastes a column from that slot down.
    QMimeData data;
    data.setText(QStringLiteral("4\n11\n22\n"));
    h.form->gridEvents().clipboard()->pasteData(data);
    QCOMPARE(column(h.form->scenario(), ResultTable::HaveColumn), (QStringList{"0", "4", "11", "22"}));
    QCOMPARE(table.cell(ResultTable::GapColumn, 3), QStringLiteral("1"));
    // More values than slots: refused, nothing changed.
    data.setText(QStringLiteral("1\n2\n3\n4\n"));
    h.form->gridEvents().clipboard()->pasteData(data);
    QCOMPARE(h.dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(h.dialogs.texts(QStringLiteral("error")).first().endsWith(QStringLiteral("Nothing was pasted.")));
    QCOMPARE(column(h.form->scenario(), ResultTable::HaveColumn), (QStringList{"0", "4", "11", "22"}));
}

void PlanningWindowTest::refusedRosterValueIsNamedWithItsSlot_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value");
    QTest::newRow("letter") << "x" << "\"x\" for the 09:00 slot";
    QTest::newRow("decimal") << "2.5" << "\"2.5\" for the 09:00 slot";
    QTest::newRow("minus") << "-3" << "\"-3\" for the 09:00 slot";
}

void PlanningWindowTest::refusedRosterValueIsNamedWithItsSlot()
{
    QFETCH(QString, typed);
    QFETCH(QString, value);
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(&h.top));
    setScheduleWorkedExample(h.form->scenario());
    h.form->scenario().setSlotHave(3, 9);
    h.form->refresh();
    h.toSchedule();
    const int recalculations = h.form->scenario().results().recalculations;
    h.clickCell(ResultTable::HaveColumn, 3);
    Harness::typeKeys(typed);
    // The cursor moves on: the cell is left and checked.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(h.dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(h.dialogs.texts(QStringLiteral("error")).first().startsWith(value));
    QCOMPARE(h.form->scenario().inputs().SlotHave[3], std::optional<int>(9));
    QCOMPARE(h.table().cell(ResultTable::HaveColumn, 3), QStringLiteral("9"));
    QCOMPARE(h.form->scenario().results().recalculations, recalculations);
}

void PlanningWindowTest::optionsAndRosterAreSavedAndLoaded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("day.vnk"));
    Harness h;
    setScheduleWorkedExample(h.form->scenario());
    h.form->refresh();
    h.toSchedule();
    QVERIFY(h.form->saveFile(path));
    QVERIFY(!h.form->hasUnsavedChanges());
    h.dialogs.planningAnswer = optionsOf(QStringLiteral("30"), QStringLiteral("85"), true);
    h.form->planning().editOptions();
    QVERIFY(h.form->hasUnsavedChanges());
    h.form->scenario().setSlotHave(3, 9);
    QVERIFY(h.form->saveFile(path));

    Harness other;
    QVERIFY(other.form->openFile(path));
    QVERIFY(other.form->scenario().inputs().Planning == *h.dialogs.planningAnswer);
    QCOMPARE(other.form->scenario().inputs().SlotHave[3], std::optional<int>(9));
    QVERIFY(other.form->widgets().PlanningLine->isVisible());
}

void PlanningWindowTest::quarterHourIntervalFileGivesAQuarterHourSchedule()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(&h.top));
    showTexts(h, {"08:00", "17:00", "0", "03:00", "01:00", "00:30", "80", "20"});
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("quarters.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("time,calls,talk\n08:00,4,200\n08:15,6,\n08:30,9,150\n08:45,1,\n");
    file.close();
    h.dialogs.openAnswer = file.fileName();
    h.dialogs.confirmAnswer = true;
    h.form->slotTimes().importIntervals();
    QVERIFY(h.dialogs.texts(QStringLiteral("error")).isEmpty());
    QVERIFY(h.form->widgets().slotButton(SlotLength::Quarter)->isChecked());
    QCOMPARE(h.form->widgets().field(Field::MaskEdit7)->text(), QStringLiteral("09:00"));
    QCOMPARE(column(h.form->scenario(), ResultTable::CallsColumn), (QStringList{"4", "6", "9", "1"}));
    QCOMPARE(column(h.form->scenario(), ResultTable::SlotTalkColumn), (QStringList{"03:20", "", "02:30", ""}));

    // Half hours: each takes the call-weighted talk time of its quarters
    // that have one of their own (here one quarter each).
    QTest::mouseClick(h.form->widgets().slotButton(SlotLength::HalfHour), Qt::LeftButton);
    QCOMPARE(column(h.form->scenario(), ResultTable::CallsColumn), (QStringList{"10", "10"}));
    QCOMPARE(column(h.form->scenario(), ResultTable::SlotTalkColumn), (QStringList{"03:20", "02:30"}));
}

void PlanningWindowTest::intervalFileImportedAfterItsPreview()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(&h.top));
    showTexts(h, {"08:00", "17:00", "0", "03:00", "01:00", "00:30", "80", "20"});
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("monday.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Interval\tOffered\tAHT (mm:ss)\n08:00\t0\t04:00\n08:30\t10\t04:00\n09:00\t50\t\n09:30\t120\t04:00\n");
    file.close();
    h.dialogs.openAnswer = file.fileName();

    // The preview says what each column is taken for and offers the
    // half hours the spacing gives or quarter hours; Cancel changes nothing.
    h.dialogs.chooseAnswer = std::nullopt;
    h.form->slotTimes().importIntervals();
    QCOMPARE(h.dialogs.texts(QStringLiteral("choose")).size(), 1);
    QVERIFY(h.dialogs.texts(QStringLiteral("choose")).first().contains(
        QStringLiteral("AHT (mm:ss): talk time, no after-call work")));
    QCOMPARE(h.form->widgets().field(Field::MaskEdit7)->text(), QStringLiteral("17:00"));
    QVERIFY(!h.form->scenario().inputs().hasSlotTimes());

    // Quarter hours: each row a slot, the quarters between without calls.
    h.dialogs.chooseAnswer = 1;
    h.form->slotTimes().importIntervals();
    QVERIFY(h.form->widgets().RadioButton3->isChecked());
    QCOMPARE(column(h.form->scenario(), ResultTable::CallsColumn), (QStringList{"0", "0", "10", "0", "50", "0", "120"}));

    // The file's own half hours: the Schedule of the file's day, with its
    // slot times.
    h.dialogs.chooseAnswer = 0;
    h.form->slotTimes().importIntervals();
    QCOMPARE(h.form->scenario().tab(), Tab::Schedule);
    QCOMPARE(h.form->widgets().field(Field::MaskEdit7)->text(), QStringLiteral("10:00"));
    QVERIFY(h.form->widgets().RadioButton1->isChecked());
    QCOMPARE(column(h.form->scenario(), ResultTable::CallsColumn), (QStringList{"0", "10", "50", "120"}));
    QCOMPARE(column(h.form->scenario(), ResultTable::SlotTalkColumn), (QStringList{"04:00", "04:00", "", "04:00"}));
    QCOMPARE(h.form->widgets().field(Field::Edit1)->text(), QStringLiteral("180"));

    // Typed and cleared as Have cells are; a bad time is refused by name.
    h.clickCell(ResultTable::SlotWrapColumn, 3);
    Harness::typeKeys(QStringLiteral("00:30"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(h.form->scenario().inputs().SlotWrapSeconds[3], std::optional<int>(30));
    h.clickCell(ResultTable::SlotTalkColumn, 2);
    QTest::keyClick(h.form->widgets().StringGrid1, Qt::Key_Delete);
    QVERIFY(!h.form->scenario().inputs().SlotTalkSeconds[2]);
    h.clickCell(ResultTable::SlotTalkColumn, 4);
    Harness::typeKeys(QStringLiteral("x"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(h.dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(h.dialogs.texts(QStringLiteral("error")).first().startsWith(QStringLiteral("\"x\" for the 09:30 slot")));
    QCOMPARE(h.form->scenario().inputs().SlotTalkSeconds[4], std::optional<int>(240));

    // Ctrl+V in a Talk cell pastes a column of times from that slot down.
    h.clickCell(ResultTable::SlotTalkColumn, 3);
    QMimeData data;
    data.setText(QStringLiteral("03:00\n150\n"));
    h.form->gridEvents().clipboard()->pasteData(data);
    QCOMPARE(column(h.form->scenario(), ResultTable::SlotTalkColumn), (QStringList{"04:00", "", "03:00", "02:30"}));
}

QTEST_MAIN(PlanningWindowTest)
#include "test_planningwindow.moc"
