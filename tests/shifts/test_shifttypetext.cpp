// SPDX-License-Identifier: MIT
#include "lpformat.h"
#include "mipmodel.h"
#include "shifttypetext.h"

#include <QTest>

Q_DECLARE_METATYPE(ShiftField)

class TestShiftTypeText : public QObject
{
    Q_OBJECT

private slots:
    void linesReadBackAsWritten_data();
    void linesReadBackAsWritten();
    void unreadableFieldsAreNamed_data();
    void unreadableFieldsAreNamed();
    void lpFormatWritesBoundsRangesAndIntegers();
};

void TestShiftTypeText::linesReadBackAsWritten_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "Early,4:00,07:00,09:30";
    QTest::newRow("break") << "Day,8:00,08:00,12:00,0:30,3:00,5:00";
    QTest::newRow("paid break and maximum") << "Day,8:00,08:00,12:00,0:30,3:00,5:00,paid,max=12";
    QTest::newRow("maximum alone") << "Night shift,10:00,22:00,23:00,max=3";
}

void TestShiftTypeText::linesReadBackAsWritten()
{
    QFETCH(QString, line);
    const ShiftTypeRead read = ParseShiftTypeText(line);
    QVERIFY2(read.type, qPrintable(read.message));
    QCOMPARE(ShiftTypeText(*read.type), line);
    // A table row says the same as its line.
    const ShiftTypeRead row = ReadShiftTypeCells(ShiftTypeCells(*read.type));
    QVERIFY(row.type && *row.type == *read.type);
}

void TestShiftTypeText::unreadableFieldsAreNamed_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<ShiftField>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("too few") << "A,4:00,08:00" << ShiftField::Length << "Shift \"A\": give NAME,LENGTH,EARLIEST,LATEST";
    QTest::newRow("length") << "A,4h,08:00,09:00" << ShiftField::Length << "Shift \"A\": the length \"4h\" is not h:mm.";
    QTest::newRow("start of 24:00") << "A,4,24:00,09:00" << ShiftField::EarliestStart << "earliest start \"24:00\"";
    QTest::newRow("latest minutes") << "A,4,08:00,9:5" << ShiftField::LatestStart << "latest start \"9:5\"";
    QTest::newRow("break of two values") << "A,4,08:00,09:00,0:30,1:00" << ShiftField::BreakLength << "three values";
    QTest::newRow("break to") << "A,4,08:00,09:00,0:30,1:00,x" << ShiftField::BreakLatest << "latest start \"x\"";
    QTest::newRow("not paid") << "A,4,08:00,09:00,0:30,1:00,2:00,free" << ShiftField::BreakPaid << "\"free\"";
    QTest::newRow("maximum") << "A,4,08:00,09:00,max=some" << ShiftField::MaxAgents << "maximum \"some\"";
}

void TestShiftTypeText::unreadableFieldsAreNamed()
{
    QFETCH(QString, line);
    QFETCH(ShiftField, field);
    QFETCH(QString, message);
    const ShiftTypeRead read = ParseShiftTypeText(line);
    QVERIFY(!read.type);
    QCOMPARE(read.field, field);
    QVERIFY2(read.message.contains(message), qPrintable(read.message));
}

// Every part of the format in one small model, as glpsol and CBC read it.
void TestShiftTypeText::lpFormatWritesBoundsRangesAndIntegers()
{
    MipModel model;
    model.comments = {"two columns"};
    model.addColumn({"x", 7.5, 3, true});
    model.addColumn({"s", 1, MipModel::Infinity, false});
    model.rows.push_back({"cover", {{0, 1}, {1, 1}}, 2, MipModel::Infinity});
    model.rows.push_back({"range", {{0, 2}, {1, -1}}, 1, 4});
    model.rows.push_back({"cap", {{0, 1}}, -MipModel::Infinity, 3});
    QCOMPARE(QString::fromStdString(LpFormatText(model)),
             QStringLiteral("\\ two columns\nMinimize\n cost: 7.5 x + s\nSubject To\n cover: x + s >= 2\n"
                            " range_lo: 2 x - s >= 1\n range_hi: 2 x - s <= 4\n cap: x <= 3\nBounds\n 0 <= x <= 3\n"
                            "General\n x\nEnd\n"));
}

QTEST_GUILESS_MAIN(TestShiftTypeText)
#include "test_shifttypetext.moc"
