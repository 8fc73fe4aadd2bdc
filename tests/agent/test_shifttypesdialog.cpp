// SPDX-License-Identifier: MIT
// The shift types dialog, driven without its modal loop.
#include "fakedialogservice.h"
#include "shifttypesdialog.h"
#include "shifttypetext.h"

#include <QTableWidget>
#include <QtTest>

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
};

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
    QVERIFY(!dialog.types());
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
    QVERIFY(dialog.types());
    std::vector<ShiftType> expected = ShiftType::defaultSet(Day);
    expected[1].maxAgents = 5;
    expected[0].breakRule->paid = true;
    QVERIFY(*dialog.types() == expected);
}

QTEST_MAIN(ShiftTypesDialogTest)
#include "test_shifttypesdialog.moc"
