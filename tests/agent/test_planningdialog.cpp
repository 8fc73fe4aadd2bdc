// SPDX-License-Identifier: MIT
// The planning options dialog, driven without its modal loop.
#include "fakedialogservice.h"
#include "planningdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

class PlanningDialogTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusedOptionKeepsTheDialogOpenOnItsField_data();
    void refusedOptionKeepsTheDialogOpenOnItsField();
    void acceptedTextsGiveTheOptions_data();
    void acceptedTextsGiveTheOptions();
    void showsTheWindowsOptionsAndCancelGivesNone();
};

namespace {

const QString InvalidInput = QStringLiteral("Invalid input! - Cursor is positioned in failing field");

} // namespace

void PlanningDialogTest::refusedOptionKeepsTheDialogOpenOnItsField_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("requirement");
    const auto shrinkage = int(PlanningOption::Shrinkage);
    QTest::newRow("shrinkage 96") << shrinkage << "96" << "Shrinkage: a percentage from 0 to 95";
    QTest::newRow("shrinkage negative") << shrinkage << "-1" << "Shrinkage: a percentage from 0 to 95";
    QTest::newRow("shrinkage three decimals") << shrinkage << "2.505" << "Shrinkage: a percentage from 0 to 95";
    QTest::newRow("occupancy 0") << int(PlanningOption::MaxOccupancy) << "0"
                                 << "Maximum occupancy: a percentage from 1 to 100";
    QTest::newRow("occupancy text") << int(PlanningOption::MaxOccupancy) << "high"
                                    << "Maximum occupancy: a percentage from 1 to 100";
    QTest::newRow("abandon 101") << int(PlanningOption::MaxAbandon) << "101"
                                 << "Maximum abandoned: a percentage from 0 to 100";
    QTest::newRow("paid hours 24:01") << int(PlanningOption::PaidHours) << "24:01"
                                      << "Paid hours per agent: a time from 00:01 to 24:00";
    QTest::newRow("paid hours 00:00") << int(PlanningOption::PaidHours) << "00:00"
                                      << "Paid hours per agent: a time from 00:01 to 24:00";
}

void PlanningDialogTest::refusedOptionKeepsTheDialogOpenOnItsField()
{
    QFETCH(int, option);
    QFETCH(QString, text);
    QFETCH(QString, requirement);
    FakeDialogService dialogs;
    PlanningDialog dialog(PlanningOptions(), QStringLiteral("Day.vnk"), dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit *failing = dialog.field(static_cast<PlanningOption>(option));
    // Fields before the failing one hold good values.
    dialog.field(PlanningOption::Shrinkage)->setText(QStringLiteral("30"));
    failing->setText(text);
    dialog.erlangCButton()->setFocus();

    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.options());
    QCOMPARE(dialogs.texts(QStringLiteral("inform")), QStringList{InvalidInput});
    QCOMPARE(dialog.focusWidget(), failing);
    QCOMPARE(dialog.requirementLabel()->text(), requirement);
    QCOMPARE(failing->text(), text);
}

void PlanningDialogTest::acceptedTextsGiveTheOptions_data()
{
    QTest::addColumn<bool>("erlangA");
    QTest::addColumn<QStringList>("texts"); // shrinkage, occupancy, abandon, paid hours
    QTest::addColumn<QString>("shown");     // ShownPlanningOptions as "caption value; ..."
    QTest::newRow("all empty: the defaults") << false << QStringList{"", "", "", ""} << "";
    QTest::newRow("the first check") << false << QStringList{"30", "70", "", "08:00"}
                                     << "Shrinkage 30%; Max occupancy 70%";
    QTest::newRow("Erlang A with a limit") << true << QStringList{" 2.5 % ", "", "5", "7:30"}
                                           << "Model Erlang A; Shrinkage 2.5%; Max abandoned 5%; Paid hours 07:30";
    QTest::newRow("boundaries") << false << QStringList{"95", "100", "0", "24:00"}
                                << "Shrinkage 95%; Max occupancy 100%; Max abandoned 0%; Paid hours 24:00";
}

void PlanningDialogTest::acceptedTextsGiveTheOptions()
{
    QFETCH(bool, erlangA);
    QFETCH(QStringList, texts);
    QFETCH(QString, shown);
    FakeDialogService dialogs;
    PlanningDialog dialog(PlanningOptions(), QStringLiteral("New Agents"), dialogs);
    (erlangA ? dialog.erlangAButton() : dialog.erlangCButton())->setChecked(true);
    const PlanningOption options[] = {PlanningOption::Shrinkage, PlanningOption::MaxOccupancy,
                                      PlanningOption::MaxAbandon, PlanningOption::PaidHours};
    for (int i = 0; i < 4; ++i)
        dialog.field(options[i])->setText(texts.at(i));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(dialog.options());
    QStringList parts;
    for (const ShownPlanningOption &option : ShownPlanningOptions(*dialog.options()))
        parts << option.caption + QLatin1Char(' ') + option.value;
    QCOMPARE(parts.join(QStringLiteral("; ")), shown);
}

void PlanningDialogTest::showsTheWindowsOptionsAndCancelGivesNone()
{
    FakeDialogService dialogs;
    PlanningOptions current;
    current.model = QueueModel::ErlangA;
    current.maxOccupancyPercent = 85;
    current.paidMinutes = 450;
    PlanningDialog dialog(current, QStringLiteral("Day.vnk"), dialogs);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Planning Options - Day.vnk"));
    QVERIFY(dialog.erlangAButton()->isChecked());
    QCOMPARE(dialog.field(PlanningOption::Shrinkage)->text(), QString());
    QCOMPARE(dialog.field(PlanningOption::MaxOccupancy)->text(), QStringLiteral("85"));
    QCOMPARE(dialog.field(PlanningOption::PaidHours)->text(), QStringLiteral("07:30"));
    dialog.field(PlanningOption::Shrinkage)->setText(QStringLiteral("30"));
    dialog.reject();
    QVERIFY(!dialog.options());
    QVERIFY(dialogs.shown.isEmpty());
}

QTEST_MAIN(PlanningDialogTest)
#include "test_planningdialog.moc"
