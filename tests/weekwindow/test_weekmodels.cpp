// SPDX-License-Identifier: MIT
#include "texttablemodel.h"
#include "weekdaymodel.h"
#include "weekdocument.h"
#include "weekrequirementmodel.h"
#include "weekslotrows.h"
#include "weeksolve.h"
#include "weekvolumemodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QtTest>

namespace {

WeekScenario::Day openDay(int start, int end, std::vector<int> calls = {})
{
    WeekScenario::Day day;
    day.open = true;
    day.startMinute = start;
    day.endMinute = end;
    day.calls = std::move(calls);
    return day;
}

// Hourly slots; Monday 08:00-12:00, Tuesday 10:00-14:00, the rest closed.
WeekScenario twoDays()
{
    WeekScenario week;
    week.settings.setSlotLength(SlotLength::Hour);
    week.days[0] = openDay(8 * 60, 12 * 60, {10, 20, 30, 40});
    week.days[1] = openDay(10 * 60, 14 * 60, {5});
    return week;
}

QStringList column(const QAbstractItemModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

} // namespace

class WeekModelsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void slotRowsLineUpTheDaysByTime_data();
    void slotRowsLineUpTheDaysByTime();
    void volumesShowEachDayInItsRows();
    void typedVolumesTakeWholeCallsOnly_data();
    void typedVolumesTakeWholeCallsOnly();
    void pastedBlocksFillDaysOrChangeNothing_data();
    void pastedBlocksFillDaysOrChangeNothing();
    void clearingADayLeavesTheOthers();
    void openPeriodsAreEditedAsText_data();
    void openPeriodsAreEditedAsText();
    void requirementFollowsTheDaysSchedules();
    void resultTablesSortByNumberWhereThereIsOne();
    void aTypedNewWeekHoldsChanges();
    void theSolvingLineShowsTheBestPlanSoFar();
};

void WeekModelsTest::slotRowsLineUpTheDaysByTime_data()
{
    QTest::addColumn<int>("mondayStart");
    QTest::addColumn<int>("mondayEnd");
    QTest::addColumn<int>("tuesdayStart");
    QTest::addColumn<int>("tuesdayEnd");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstRow");
    // The slot of each day in every row; -1 outside its period.
    QTest::addColumn<QList<int>>("mondaySlots");
    QTest::addColumn<QList<int>>("tuesdaySlots");
    QTest::newRow("same period") << 480 << 720 << 480 << 720 << 4 << "08:00" << QList<int>{0, 1, 2, 3}
                                 << QList<int>{0, 1, 2, 3};
    QTest::newRow("later start") << 480 << 720 << 600 << 840 << 6 << "08:00" << QList<int>{0, 1, 2, 3, -1, -1}
                                 << QList<int>{-1, -1, 0, 1, 2, 3};
    QTest::newRow("past midnight") << 1320 << 120 << 1380 << 60 << 4 << "22:00" << QList<int>{0, 1, 2, 3}
                                   << QList<int>{-1, 0, 1, -1};
    QTest::newRow("whole day") << 0 << 1440 << 600 << 660 << 24 << "00:00" << QList<int>{}
                               << QList<int>{};
}

void WeekModelsTest::slotRowsLineUpTheDaysByTime()
{
    QFETCH(int, mondayStart);
    QFETCH(int, mondayEnd);
    QFETCH(int, tuesdayStart);
    QFETCH(int, tuesdayEnd);
    QFETCH(int, rows);
    QFETCH(QString, firstRow);
    QFETCH(QList<int>, mondaySlots);
    QFETCH(QList<int>, tuesdaySlots);
    WeekScenario week;
    week.settings.setSlotLength(SlotLength::Hour);
    week.days[0] = openDay(mondayStart, mondayEnd);
    week.days[1] = openDay(tuesdayStart, tuesdayEnd);
    const WeekSlotRows slotRows = WeekSlotRows::of(week);
    QCOMPARE(slotRows.count, rows);
    QCOMPARE(slotRows.rowTitle(0), firstRow);
    for (int row = 0; row < mondaySlots.size(); ++row) {
        QCOMPARE(slotRows.daySlot(week.days[0], row), mondaySlots[row]);
        QCOMPARE(slotRows.daySlot(week.days[1], row), tuesdaySlots[row]);
    }
    QCOMPARE(slotRows.daySlot(week.days[2], 0), -1); // closed
}

void WeekModelsTest::volumesShowEachDayInItsRows()
{
    WeekScenario week = twoDays();
    WeekVolumeModel model(week);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("08:00"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Tue"));
    QCOMPARE(column(model, 0), (QStringList{"10", "20", "30", "40", "", ""}));
    // Tuesday's slots past its list have no calls; Wednesday is closed.
    QCOMPARE(column(model, 1), (QStringList{"", "", "5", "0", "0", "0"}));
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(!(model.flags(model.index(0, 2)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(5, 1)) & Qt::ItemIsEditable);
}

void WeekModelsTest::typedVolumesTakeWholeCallsOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("whole") << "12" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("negative") << "-3" << false;
    QTest::newRow("fraction") << "2.5" << false;
    QTest::newRow("letters") << "x" << false;
    QTest::newRow("emptied: no calls") << "" << true;
    QTest::newRow("past 32 bits") << "99999999999" << false;
}

void WeekModelsTest::typedVolumesTakeWholeCallsOnly()
{
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    WeekScenario week = twoDays();
    WeekVolumeModel model(week);
    QSignalSpy changed(&model, &WeekVolumeModel::volumesChanged);
    QSignalSpy refused(&model, &WeekVolumeModel::refused);
    // Tuesday 13:00, its fourth slot, past the calls it holds.
    QCOMPARE(model.setData(model.index(5, 1), typed), taken);
    QCOMPARE(changed.count(), taken ? 1 : 0);
    QCOMPARE(refused.count(), taken ? 0 : 1);
    if (!taken)
        QVERIFY2(refused.first().first().toString().startsWith(QStringLiteral("Tuesday 13:00: ")),
                 qPrintable(refused.first().first().toString()));
    QCOMPARE(week.days[1].calls, taken ? (std::vector<int>{5, 0, 0, typed.toInt()}) : std::vector<int>{5});
    QVERIFY(!model.setData(model.index(0, 1), QStringLiteral("1"))); // before Tuesday opens
}

void WeekModelsTest::pastedBlocksFillDaysOrChangeNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // the start of it; empty: pasted
    QTest::addColumn<QList<int>>("monday");
    QTest::addColumn<QList<int>>("tuesday");
    const QList<int> mondayBefore{10, 20, 30, 40};
    const QList<int> tuesdayBefore{5};
    QTest::newRow("two days from Tuesday's first slot")
        << 2 << 0 << "1\t7\r\n2\t8\r\n" << "" << QList<int>{10, 20, 1, 2} << QList<int>{7, 8};
    QTest::newRow("a shorter day ends in blanks") << 0 << 0 << "1\t\n2\t\n" << "" << QList<int>{1, 2, 30, 40}
                                                  << tuesdayBefore;
    QTest::newRow("a header row") << 2 << 0 << "Mon\tTue\n3\t4\n" << "" << QList<int>{10, 20, 3, 40}
                                  << QList<int>{4};
    QTest::newRow("past the day's period") << 2 << 0 << "1\n2\n3\n" << "Monday: 3 values do not fit"
                                           << mondayBefore << tuesdayBefore;
    QTest::newRow("a bad value in the second day") << 2 << 0 << "1\t7\n2\tx\n" << "Tuesday: \"x\""
                                                   << mondayBefore << tuesdayBefore;
    QTest::newRow("into a closed day") << 2 << 1 << "1\t2\n" << "Wednesday: 1 values do not fit"
                                       << mondayBefore << tuesdayBefore;
    QTest::newRow("past Sunday") << 2 << 1 << "1\t2\t3\t4\t5\t6\t7\n" << "The block has 7 columns"
                                 << mondayBefore << tuesdayBefore;
    QTest::newRow("from a closed slot") << 0 << 1 << "1\n" << "Choose an open slot" << mondayBefore
                                        << tuesdayBefore;
}

void WeekModelsTest::pastedBlocksFillDaysOrChangeNothing()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(QList<int>, monday);
    QFETCH(QList<int>, tuesday);
    WeekScenario week = twoDays();
    WeekVolumeModel model(week);
    const std::optional<QString> refused = model.paste(model.index(row, column), text, QLocale::c());
    QVERIFY2(refusal.isEmpty() != refused.has_value(), qPrintable(refused.value_or(QString())));
    if (refused)
        QVERIFY2(refused->startsWith(refusal), qPrintable(*refused));
    QCOMPARE(week.days[0].calls, std::vector<int>(monday.begin(), monday.end()));
    QCOMPARE(week.days[1].calls, std::vector<int>(tuesday.begin(), tuesday.end()));
}

void WeekModelsTest::clearingADayLeavesTheOthers()
{
    WeekScenario week = twoDays();
    WeekVolumeModel model(week);
    model.clearDay(0);
    QVERIFY(week.days[0].calls.empty());
    QCOMPARE(week.days[1].calls, std::vector<int>{5});
    model.clearDay(7); // no such day: nothing
}

void WeekModelsTest::openPeriodsAreEditedAsText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("refusal"); // its end; empty: taken
    QTest::newRow("period") << "09:00-17:00" << true << "09:00–17:00" << "";
    QTest::newRow("en dash, spaces") << "9:00 – 17:00" << true << "09:00–17:00" << "";
    QTest::newRow("to midnight") << "18:00-24:00" << true << "18:00–24:00" << "";
    QTest::newRow("closed") << "Closed" << true << "closed" << "";
    QTest::newRow("empty closes") << "" << true << "closed" << "";
    QTest::newRow("off the hourly slots") << "09:30-17:00" << false << "08:00–12:00" << "on the week's 60-minute slots";
    QTest::newRow("no end") << "09:00" << false << "08:00–12:00" << "or \"closed\"";
    QTest::newRow("no such time") << "25:00-26:00" << false << "08:00–12:00" << "(00:00 to 24:00)";
}

void WeekModelsTest::openPeriodsAreEditedAsText()
{
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    QFETCH(QString, shown);
    QFETCH(QString, refusal);
    WeekScenario week = twoDays();
    WeekDayModel model(week);
    QSignalSpy refused(&model, &WeekDayModel::refused);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &WeekDayModel::periodChanged);
    const QModelIndex monday = model.index(WeekDayModel::OpenRow, 0);
    QCOMPARE(model.setData(monday, typed), taken);
    QCOMPARE(monday.data().toString(), shown);
    QCOMPARE(changed.count(), taken ? 1 : 0);
    QCOMPARE(refused.count(), taken ? 0 : 1);
    if (!taken) {
        const QString message = refused.first().first().toString();
        QVERIFY2(message.startsWith(QStringLiteral("Monday's open period \"") + typed) && message.endsWith(refusal),
                 qPrintable(message));
    }
    QVERIFY(!model.setData(model.index(WeekDayModel::CallsRow, 0), QStringLiteral("5")));
}

void WeekModelsTest::requirementFollowsTheDaysSchedules()
{
    WeekScenario week = twoDays();
    week.days[0].calls = {0, 60, 0, 0};
    week.days[1].calls = {};
    WeekRequirementModel requirement;
    QAbstractItemModelTester tester(&requirement, QAbstractItemModelTester::FailureReportingMode::QtTest);
    WeekDayModel days(week);
    const WeekScenario::Build build = week.shiftWeek();
    QVERIFY(build.week);
    requirement.show(week, build.week);
    days.showRequirement(build.week);
    // Each cell is the day's Schedule's figure for that slot.
    const AgentScenario monday = week.daySchedule(0);
    QCOMPARE(requirement.index(1, 0).data().toString(),
             QString::number(build.week->days[0].shifts->requirement[1]));
    QVERIFY(requirement.index(1, 0).data().toInt() > 0);
    QCOMPARE(requirement.index(0, 0).data().toString(), QStringLiteral("0"));
    QCOMPARE(requirement.index(0, 1).data().toString(), QString()); // Tuesday not yet open
    QCOMPARE(days.index(WeekDayModel::CallsRow, 0).data().toString(), QStringLiteral("60"));
    QCOMPARE(days.index(WeekDayModel::NeedRow, 1).data().toString(), QStringLiteral("0.00"));
    QCOMPARE(days.index(WeekDayModel::NeedRow, 2).data().toString(), QString()); // closed
    // A refused week shows no requirement at all.
    requirement.show(week, std::nullopt);
    QCOMPARE(requirement.index(1, 0).data().toString(), QString());
}

void WeekModelsTest::resultTablesSortByNumberWhereThereIsOne()
{
    TextTableModel model({QStringLiteral("Agent"), QStringLiteral("Paid hrs")});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows({{"1", "40.00"}, {"2", "9.50"}, {"10", "20.00"}});
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(TextTableModel::SortRole);
    sorted.sort(1);
    QCOMPARE(column(sorted, 1), (QStringList{"9.50", "20.00", "40.00"}));
    sorted.sort(0, Qt::DescendingOrder);
    QCOMPARE(column(sorted, 0), (QStringList{"10", "2", "1"}));
}

void WeekModelsTest::aTypedNewWeekHoldsChanges()
{
    WeekDocument document;
    QVERIFY(!document.changed());
    QCOMPARE(document.caption(), WeekDocument::NewWeekCaption);
    document.week().days[0].calls = {1};
    QVERIFY(document.changed());
}

// While a solve runs the status line gives the best plan's paid hours and
// gap once the search has them; a stage of something other than paid
// hours (the shortfall's) shows nothing of its figures.
void WeekModelsTest::theSolvingLineShowsTheBestPlanSoFar()
{
    MipProgress progress;
    QCOMPARE(SolvingText(1.2, progress.figures()), QStringLiteral("Solving... 1.2 s (Esc cancels)"));
    progress.setHoursPerUnit(0);
    progress.report(12, 10);
    QCOMPARE(SolvingText(2, progress.figures()), QStringLiteral("Solving... 2.0 s (Esc cancels)"));
    progress.setHoursPerUnit(0.5); // units of 30 paid minutes
    progress.report(std::numeric_limits<double>::infinity(), 3000);
    QCOMPARE(SolvingText(3, progress.figures()), QStringLiteral("Solving... 3.0 s (Esc cancels)"));
    progress.report(3280, 3200);
    QCOMPARE(SolvingText(4, progress.figures()),
             QStringLiteral("Solving... 4.0 s: best plan 1640.00 paid hours, at most 2.4% above the bound (Esc cancels)"));
    progress.clear();
    QVERIFY(!progress.figures().paidHours);
}

QTEST_GUILESS_MAIN(WeekModelsTest)
#include "test_weekmodels.moc"
