// SPDX-License-Identifier: MIT
// The shift types dialog, driven without its modal loop.
#include "accesskey.h"
#include "fakedialogservice.h"
#include "messageboxdialogservice.h"
#include "planningdialog.h"
#include "shifttypesdialog.h"
#include "shifttypetext.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>

namespace {

// 08:00 to 17:00 in half hours.
const ShiftDay Day{30, 8 * 60, std::vector<int>(18, 0)};

} // namespace

class ShiftTypesDialogTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void offersTheDefaultSetForADayWithoutTypes();
    void refusedCellKeepsTheDialogOpenThere_data();
    void refusedCellKeepsTheDialogOpenThere();
    void acceptedRowsGiveTheTypes();
    void refusedFloorKeepsTheCursorInItsField();
    void tabLeavesTheTableForTheButtons();
    void arrowAfterTypingCommitsTheCellAndMoves();
    void ctrlTabMovesBetweenCellsAndTabLeavesAnOpenCell();
    void everyButtonHasItsOwnAccessKey_data();
    void everyButtonHasItsOwnAccessKey();
};

using DialogMaker = std::function<std::unique_ptr<QWidget>(DialogService &)>;
Q_DECLARE_METATYPE(DialogMaker)

void ShiftTypesDialogTest::offersTheDefaultSetForADayWithoutTypes()
{
    FakeDialogService dialogs;
    ShiftTypesDialog dialog({}, Day, QStringLiteral("Day.vnk"), dialogs);
    QCOMPARE(dialog.table()->rowCount(), 3);
    QCOMPARE(dialog.table()->item(0, NameColumn)->text(), QStringLiteral("8 hours"));
    QCOMPARE(dialog.table()->item(0, LatestColumn)->text(), QStringLiteral("09:00"));
    QCOMPARE(dialog.table()->item(0, BreakFromColumn)->text(), QStringLiteral("3:00"));
    QCOMPARE(dialog.table()->item(2, LatestColumn)->text(), QStringLiteral("13:00"));
}

void ShiftTypesDialogTest::refusedCellKeepsTheDialogOpenThere_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("name with a comma") << int(NameColumn) << "Early, late" << "may not hold a comma";
    QTest::newRow("length off the slots") << int(LengthColumn) << "4:15" << "not a whole number of 30-minute slots";
    QTest::newRow("start after the day") << int(EarliestColumn) << "18:00" << "lies outside the day";
    QTest::newRow("break outside") << int(BreakToColumn) << "4:00" << "ends after the shift's";
    QTest::newRow("maximum of 0") << int(MaxColumn) << "0" << "maximum of 0 agents";
}

void ShiftTypesDialogTest::refusedCellKeepsTheDialogOpenThere()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    FakeDialogService dialogs;
    const ShiftType type{QStringLiteral("Day"), 4 * 60, 8 * 60, 13 * 60, ShiftType::Break{30, 60, 120, false}, std::nullopt};
    ShiftTypesDialog dialog({type}, Day, QStringLiteral("Day.vnk"), dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.table()->item(0, column)->setText(text);
    dialog.accept();
    QVERIFY(!dialog.accepted());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.table()->currentColumn(), column);
    QCOMPARE(dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY2(dialogs.texts(QStringLiteral("error")).first().contains(message),
             qPrintable(dialogs.texts(QStringLiteral("error")).first()));
}

void ShiftTypesDialogTest::acceptedRowsGiveTheTypes()
{
    FakeDialogService dialogs;
    ShiftTypesDialog dialog({}, Day, QStringLiteral("Day.vnk"), dialogs);
    dialog.table()->item(1, MaxColumn)->setText(QStringLiteral("5"));
    dialog.table()->item(0, PaidColumn)->setText(QStringLiteral("yes"));
    dialog.accept();
    QVERIFY(dialog.accepted());
    std::vector<ShiftType> expected = ShiftType::defaultSet(Day);
    expected[1].maxAgents = 5;
    expected[0].breakRule->paid = true;
    QVERIFY(dialog.accepted()->types == expected);
    QVERIFY(!dialog.accepted()->floor.isSet());
}

// The slot floor's fields show the floor given and are checked after the
// rows: a refused one keeps the dialog open with the cursor in it.
void ShiftTypesDialogTest::refusedFloorKeepsTheCursorInItsField()
{
    FakeDialogService dialogs;
    ShiftTypesDialog dialog({}, Day, QStringLiteral("Day.vnk"), dialogs);
    dialog.setFloor(SlotFloor{62.5, std::nullopt});
    QCOMPARE(dialog.floorField(0)->text(), QStringLiteral("62.5"));
    QCOMPARE(dialog.floorField(1)->text(), QString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.floorField(1)->setText(QStringLiteral("0"));
    dialog.accept();
    QVERIFY(!dialog.accepted() && dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), dialog.floorField(1));
    QCOMPARE(dialogs.texts(QStringLiteral("error")),
             QStringList{"The slot floor's cap on abandoned calls \"0\" is not a percentage from 0.01 to 100."});
    dialog.floorField(1)->setText(QStringLiteral("4"));
    dialog.accept();
    QVERIFY(dialog.accepted() && dialog.accepted()->floor == (SlotFloor{62.5, 4}));
}

void ShiftTypesDialogTest::tabLeavesTheTableForTheButtons()
{
    FakeDialogService dialogs;
    ShiftTypesDialog dialog({}, Day, QStringLiteral("Day.vnk"), dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.table()->setFocus();
    dialog.table()->setCurrentCell(0, NameColumn);
    QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    bool reachedOk = false;
    for (int press = 0; press < 8 && !reachedOk; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reachedOk = QApplication::focusWidget() == ok;
    }
    QVERIFY(reachedOk);
    // Shift+Tab comes back the same way, and the table kept its cell.
    for (int press = 0; press < 8 && QApplication::focusWidget() != dialog.table(); ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), dialog.table());
    QCOMPARE(dialog.table()->currentColumn(), int(NameColumn));
}

void ShiftTypesDialogTest::arrowAfterTypingCommitsTheCellAndMoves()
{
    // Typed as "08:00 Right Right 07:00 Down": two cells, each checked on OK.
    FakeDialogService dialogs;
    ShiftTypesDialog dialog({}, Day, QStringLiteral("Day.vnk"), dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTableWidget *table = dialog.table();
    table->setFocus();
    table->setCurrentCell(0, EarliestColumn);
    // Each key goes where the focus is: the first opens the cell's editor.
    auto type = [](const QString &text) {
        for (const QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    };
    type(QStringLiteral("08:00"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(table->currentColumn(), int(BreakColumn));
    type(QStringLiteral("0:45"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(table->item(0, EarliestColumn)->text(), QStringLiteral("08:00"));
    QCOMPARE(table->item(0, BreakColumn)->text(), QStringLiteral("0:45"));
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(QApplication::focusWidget(), table);
    // The committed text goes through the dialog's check: a 45-minute
    // break is not a whole number of slots.
    dialog.accept();
    QVERIFY(!dialog.accepted());
    QCOMPARE(table->currentColumn(), int(BreakColumn));
}

// Ctrl+Tab and Ctrl+Shift+Tab go from cell to cell, row after row, also
// from an open editor, whose text they keep; Tab leaves an open cell and the
// table, keeping its text too.
void ShiftTypesDialogTest::ctrlTabMovesBetweenCellsAndTabLeavesAnOpenCell()
{
    FakeDialogService dialogs;
    ShiftTypesDialog dialog({}, Day, QStringLiteral("Day.vnk"), dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTableWidget *table = dialog.table();
    table->setFocus();
    table->setCurrentCell(0, MaxColumn);
    QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->currentColumn(), int(NameColumn));
    QTest::keyClick(table, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->currentColumn(), int(MaxColumn));
    QCOMPARE(table->selectedItems(), QList<QTableWidgetItem *>{table->item(0, MaxColumn)});

    table->setCurrentCell(1, MaxColumn);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
    QVERIFY(QApplication::focusWidget() != table); // the cell's editor
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(table->item(1, MaxColumn)->text(), QStringLiteral("4"));
    QCOMPARE(table->currentRow(), 2);
    QCOMPARE(QApplication::focusWidget(), table);

    for (const QChar c : QStringLiteral("Short")) // each key where the focus is: the first opens the editor
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(table->item(2, NameColumn)->text(), QStringLiteral("Short"));
    QCOMPARE(QApplication::focusWidget(), dialog.floorField(0));
}

void ShiftTypesDialogTest::everyButtonHasItsOwnAccessKey_data()
{
    QTest::addColumn<DialogMaker>("make");
    QTest::newRow("shift types") << DialogMaker([](DialogService &dialogs) -> std::unique_ptr<QWidget> {
        return std::make_unique<ShiftTypesDialog>(std::vector<ShiftType>{}, Day, QStringLiteral("Day.vnk"), dialogs);
    });
    QTest::newRow("planning options") << DialogMaker([](DialogService &dialogs) -> std::unique_ptr<QWidget> {
        return std::make_unique<PlanningDialog>(PlanningOptions(), QStringLiteral("Day.vnk"), dialogs);
    });
    QTest::newRow("save changes") << DialogMaker([](DialogService &) -> std::unique_ptr<QWidget> {
        return MessageBoxDialogService::saveChangesBox(QStringLiteral("Save changes to Day.vnk?"), nullptr);
    });
}

void ShiftTypesDialogTest::everyButtonHasItsOwnAccessKey()
{
    QFETCH(DialogMaker, make);
    FakeDialogService dialogs;
    const std::unique_ptr<QWidget> dialog = make(dialogs);
    std::set<QString> keys;
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (HasAccessKey(label->text()))
            QVERIFY2(keys.insert(QKeySequence::mnemonic(label->text()).toString()).second, qPrintable(label->text()));
    }
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty())
            continue; // a message box's icon-less close or detail buttons
        const QString key = QKeySequence::mnemonic(button->text()).toString();
        QVERIFY2(!key.isEmpty(), qPrintable(button->text()));
        QVERIFY2(keys.insert(key).second, qPrintable(button->text()));
    }
    QVERIFY(keys.size() >= 3);
}

QTEST_MAIN(ShiftTypesDialogTest)
#include "test_shifttypesdialog.moc"
