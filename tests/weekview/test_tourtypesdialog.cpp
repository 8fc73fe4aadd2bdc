// SPDX-License-Identifier: MIT
// The tour types dialog, driven without its modal loop.
#include "fakedialogservice.h"
#include "tourtypecells.h"
#include "tourtypesdialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <set>

namespace {

// 08:00 to 20:00 in half hours.
const ShiftDay Period{30, 8 * 60, std::vector<int>(24, 0)};

// Monday to Friday open over the period.
ShiftWeek workingWeek()
{
    ShiftWeek week;
    week.slotMinutes = 30;
    for (int d = 0; d < 5; ++d)
        week.days[std::size_t(d)].shifts = Period;
    return week;
}

} // namespace

class TourTypesDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void cellsRoundTripATourType();
    void refusedFieldKeepsTheDialogOpenThere_data();
    void refusedFieldKeepsTheDialogOpenThere();
    void acceptedRowsGiveTheToursAndTheShiftTypes();
    void tabReachesEveryControlAndEachButtonHasItsKey();
};

void TourTypesDialogTest::cellsRoundTripATourType()
{
    TourType tour = TourType::defaultSet().back();
    tour.maxAgents = 12;
    const QStringList cells = TourTypeCells(tour);
    QCOMPARE(cells, (QStringList{"Part time", "3-4", "any", "6 hours+4 hours", "free", "16:00-28:00", "12"}));
    QVERIFY(ReadTourTypeCells(cells).type == tour);
}

void TourTypesDialogTest::refusedFieldKeepsTheDialogOpenThere_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << int(TourNameColumn) << " " << "A tour type needs a name.";
    QTest::newRow("comma in the days") << int(TourDaysColumn) << "3,4" << "Tour \"Full time\": the days may not hold a comma.";
    QTest::newRow("eight days") << int(TourDaysColumn) << "8" << "not a number of days from 1 to 7";
    QTest::newRow("unknown shift type") << int(TourShiftsColumn) << "Night" << "Night";
    QTest::newRow("band not minutes") << int(TourBandColumn) << "1h" << "start band \"1h\"";
    QTest::newRow("hours the week cannot pay") << int(TourPaidColumn) << "60:00" << "Tour \"Full time\"";
    QTest::newRow("maximum not a number") << int(TourMaxColumn) << "many" << "maximum \"many\"";
}

void TourTypesDialogTest::refusedFieldKeepsTheDialogOpenThere()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    FakeDialogService dialogs;
    TourTypesDialog dialog({}, workingWeek(), Period, QStringLiteral("week.vnkw"), dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.table()->item(0, column)->setText(text);
    dialog.accept();

    QVERIFY(!dialog.accepted() && dialog.isVisible());
    QCOMPARE(dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY2(dialogs.texts(QStringLiteral("error")).first().contains(message),
             qPrintable(dialogs.texts(QStringLiteral("error")).first()));
    QCOMPARE(dialogs.shown.first().focus.data(), dialog.table());
    QCOMPARE(dialog.table()->currentRow(), 0);
    QCOMPARE(dialog.table()->currentColumn(), column);
}

void TourTypesDialogTest::acceptedRowsGiveTheToursAndTheShiftTypes()
{
    // State: the part-time tour's days off put together, and the shift
    // types dialog answering with the 8-hour type alone, renamed.
    FakeDialogService dialogs;
    TourTypesDialog dialog({}, workingWeek(), Period, QStringLiteral("week.vnkw"), dialogs);
    std::vector<ShiftType> types{ShiftType::defaultSet(Period).front()};
    types.front().name = QStringLiteral("Day");
    dialogs.shiftTypesAnswer = types;
    QTest::mouseClick(dialog.shiftTypesButton(), Qt::LeftButton);
    QCOMPARE(dialogs.shiftTypesShown.front(), ShiftType::defaultSet(Period));
    dialog.table()->item(1, TourDaysOffColumn)->setCheckState(Qt::Checked);

    // The tours still name the old types: refused at the first one's.
    dialog.accept();
    QVERIFY(!dialog.accepted());
    QCOMPARE(dialog.table()->currentColumn(), int(TourShiftsColumn));
    dialog.table()->removeRow(1);
    dialog.table()->item(0, TourShiftsColumn)->setText(QStringLiteral("Day"));
    dialog.accept();

    QVERIFY(dialog.accepted());
    TourType full = TourType::defaultSet().front();
    full.shiftTypes = {QStringLiteral("Day")};
    QVERIFY(dialog.accepted()->tours == std::vector<TourType>{full});
    QVERIFY(dialog.accepted()->shiftTypes == types);
}

void TourTypesDialogTest::tabReachesEveryControlAndEachButtonHasItsKey()
{
    FakeDialogService dialogs;
    TourTypesDialog dialog({}, workingWeek(), Period, QStringLiteral("week.vnkw"), dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.table()->setFocus();
    const QList<QPushButton *> buttons = dialog.findChild<QDialogButtonBox *>()->findChildren<QPushButton *>();
    std::set<QWidget *> reached{dialog.table()};
    for (int press = 0; press < 12; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    std::set<QString> keys;
    for (QPushButton *button : buttons) {
        QVERIFY2(reached.count(button), qPrintable(button->text()));
        QVERIFY2(keys.insert(QKeySequence::mnemonic(button->text()).toString()).second, qPrintable(button->text()));
        QVERIFY(!button->accessibleName().isEmpty() || !button->text().isEmpty());
    }
    QCOMPARE(buttons.size(), 6);
    QVERIFY(!keys.count(QString()));
    QVERIFY(!dialog.table()->accessibleName().isEmpty());
}

QTEST_MAIN(TourTypesDialogTest)
#include "test_tourtypesdialog.moc"
