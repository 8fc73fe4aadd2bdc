// SPDX-License-Identifier: MIT
#include "scenariotexts.h"

class ValidationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void failingField_data();
    void failingField();
    void periodFromArrivalTimes_data();
    void periodFromArrivalTimes();
    void scheduleTabChecksTimesButNotTheirDifference();
    void valuesCheckedBeforeAFailureAreKept();
    void hugeLoadIsRefusedAsNumberOfCalls();
    void failureHookRunsBeforeTheGridIsRebuilt();
    void invalidCallsStopsTheScheduleToo();
    void fieldsCutTheirTextsToTheirLength();
};

void ValidationTest::failingField_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("failing");
    const QStringList ok = WorkedAgentsTexts;
    auto with = [&](int index, const QString &text) {
        QStringList t = ok;
        t[index] = text;
        return t;
    };
    QTest::newRow("all valid") << ok << "";
    QTest::newRow("start not a time") << with(0, "25:00") << "MaskEdit1";
    QTest::newRow("start empty") << with(0, ":") << "MaskEdit1";
    QTest::newRow("end not a time") << with(1, "12:60") << "MaskEdit7";
    QTest::newRow("end 24:00 is accepted") << with(1, "24:00") << "";
    QTest::newRow("equal start and end") << with(1, "08:00") << "MaskEdit7";
    QTest::newRow("calls 0") << with(2, "0") << "Edit1";
    QTest::newRow("calls negative") << with(2, "-5") << "Edit1";
    QTest::newRow("calls leading blank") << with(2, " 12") << "";
    QTest::newRow("calls trailing blank") << with(2, "12 ") << "Edit1";
    QTest::newRow("calls empty") << with(2, "") << "Edit1";
    QTest::newRow("calls hexadecimal") << with(2, "$64") << "";
    QTest::newRow("talk 30:00") << with(3, "30:00") << "MaskEdit2";
    QTest::newRow("wrap not a time") << with(4, "1:") << "MaskEdit3";
    QStringList noHandle = with(3, "00:00");
    noHandle[4] = "00:00";
    QTest::newRow("no handle time at all") << noHandle << "MaskEdit2";
    QStringList oneSecond = with(3, "00:00");
    oneSecond[4] = "00:01";
    QTest::newRow("one second of wrap") << oneSecond << "";
    QTest::newRow("abandon not a time") << with(5, "") << "MaskEdit4";
    QTest::newRow("goal empty") << with(6, "") << "MaskEdit5";
    QTest::newRow("goal 0") << with(6, "0") << "";
    QTest::newRow("goal seconds empty") << with(7, "") << "MaskEdit6";
    QTest::newRow("goal seconds 0") << with(7, "0") << "";
    // The goal fields' masks pad one digit with a blank: padding, not text.
    QTest::newRow("goal seconds one digit padded") << with(7, "5 ") << "";
    QTest::newRow("goal one digit padded") << with(6, "9 ") << "";
    QTest::newRow("goal seconds only blanks") << with(7, "  ") << "MaskEdit6";
}

void ValidationTest::failingField()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, failing);
    AgentScenario s;
    setTexts(s, texts);
    QCOMPARE(s.Recalculate().valid, failing.isEmpty());
    QCOMPARE(s.inputs().FailingField.name(), failing);
    const RecalcResult result = s.Recalculate();
    QCOMPARE(result.valid, failing.isEmpty());
    QCOMPARE(result.failing.name(), failing);
}

void ValidationTest::periodFromArrivalTimes_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<double>("minutes");
    QTest::newRow("one hour") << "08:00" << "09:00" << 60.0;
    QTest::newRow("past midnight") << "22:00" << "06:00" << 480.0;
    QTest::newRow("whole day to 24:00") << "00:00" << "24:00" << 1440.0;
    QTest::newRow("one minute") << "08:00" << "08:01" << 1.0;
}

void ValidationTest::periodFromArrivalTimes()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(double, minutes);
    AgentScenario s;
    setTexts(s, {start, end, "100", "03:00", "00:30", "00:25", "80", "20"});
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.inputs().PeriodMinutes, minutes);
}

void ValidationTest::scheduleTabChecksTimesButNotTheirDifference()
{
    AgentScenario s;
    setTexts(s, {"08:00", "08:00", "100", "03:00", "00:30", "00:25", "80", "20"});
    QVERIFY(!s.Recalculate().valid);
    const RecalcResult result = ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QVERIFY(result.valid);
    QCOMPARE(s.inputs().PeriodMinutes, 60.0);
}

void ValidationTest::valuesCheckedBeforeAFailureAreKept()
{
    AgentScenario s;
    setTexts(s, {"08:00", "09:00", "100", "03:00", "00:30", "bad", "80", "20"});
    QVERIFY(!s.Recalculate().valid);
    QCOMPARE(s.inputs().FailingField.name(), QStringLiteral("MaskEdit4"));
    QCOMPARE(s.inputs().CallCount, 100.0);
    QCOMPARE(s.inputs().HandleSeconds, 210.0);
}

void ValidationTest::hugeLoadIsRefusedAsNumberOfCalls()
{
    // The largest number of calls in one minute with the longest handle
    // time would need about 10^11 agents.
    AgentScenario s;
    setTexts(s, {"08:00", "08:01", "2147483647", "23:59", "23:59", "00:25", "80", "20"});
    const RecalcResult result = s.Recalculate();
    QVERIFY(!result.valid);
    QCOMPARE(result.failing.name(), QStringLiteral("Edit1"));

    // Just within the bound (a load of 99,999.3) still computes.
    setTexts(s, {"08:00", "09:00", "125086", "23:59", "23:59", "00:25", "80", "20"});
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, 1), QStringLiteral("100000"));

    // 300,000 calls of 20 minutes in an hour are a load of exactly 100,000:
    // still computed (100,000 agents would be fully used); one more call is
    // refused.
    setTexts(s, {"08:00", "09:00", "300000", "20:00", "00:00", "00:25", "80", "20"});
    QVERIFY(s.Recalculate().valid);
    QCOMPARE(s.StringGrid1().cell(ResultTable::AgentsColumn, 1), QStringLiteral("100001"));
    s.setText(Field::Edit1, QStringLiteral("300001"));
    QVERIFY(!s.Recalculate().valid);
}

void ValidationTest::failureHookRunsBeforeTheGridIsRebuilt()
{
    AgentScenario s;
    setTexts(s, {"xx:00", "10:00", "100", "03:00", "00:30", "00:25", "80", "20"});
    QString textDuringMessage;
    int calls = 0;
    s.hooks().onInvalidInput = [&](const RecalcResult &r) {
        ++calls;
        QCOMPARE(r.failing.name(), QStringLiteral("MaskEdit1"));
        textDuringMessage = s.inputs().text(Field::MaskEdit1);
    };
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QCOMPARE(calls, 1);
    QCOMPARE(textDuringMessage, QStringLiteral("xx:00"));
    // Rebuilding the slots afterwards replaces the unreadable start.
    QCOMPARE(s.inputs().text(Field::MaskEdit1), QStringLiteral("09:00"));
}

void ValidationTest::invalidCallsStopsTheScheduleToo()
{
    AgentScenario s;
    setTexts(s, {"08:00", "10:00", "", "03:00", "00:30", "00:25", "80", "20"});
    s.setSlotCalls(1, 40);
    s.setSlotCalls(2, 60);
    const RecalcResult result = ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    QVERIFY(!result.valid);
    QCOMPARE(result.failing.name(), QStringLiteral("Edit1"));
    QCOMPARE(s.StringGrid1().cell(ResultTable::SlotAgentsColumn, 1), QString());
    QCOMPARE(s.StringGrid1().cell(ResultTable::CallsColumn, 2), QStringLiteral("60"));
}

void ValidationTest::fieldsCutTheirTextsToTheirLength()
{
    // Times take 5 characters, the goal fields 2; the number of calls has
    // no limit.
    const int lengths[FieldCount] = {5, 5, 0, 5, 5, 5, 2, 2};
    const QString typed = QStringLiteral("1234567890123");
    AgentScenario s;
    for (int i = 0; i < FieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        s.setText(field, typed);
        QCOMPARE(s.inputs().text(field), lengths[i] > 0 ? typed.left(lengths[i]) : typed);
    }
}

QTEST_GUILESS_MAIN(ValidationTest)
#include "test_validation.moc"
