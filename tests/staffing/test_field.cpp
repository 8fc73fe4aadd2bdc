// SPDX-License-Identifier: MIT
#include "field.h"

#include <QtTest>

class FieldTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void maskedText_data();
    void maskedText();
};

void FieldTest::maskedText_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("masked");
    QTest::newRow("time as held") << Field::MaskEdit1 << "08:00" << "08:00";
    QTest::newRow("missing first hour digit") << Field::MaskEdit3 << " 1:00" << " 1:00";
    QTest::newRow("one-digit hour") << Field::MaskEdit1 << "8:00" << " 8:00";
    QTest::newRow("blank after the hour digit") << Field::MaskEdit3 << "1 :00" << " 1:00";
    QTest::newRow("one-digit minute") << Field::MaskEdit4 << "00:5" << "00:5 ";
    QTest::newRow("no colon") << Field::MaskEdit2 << "0300" << "03:00";
    QTest::newRow("no colon, two digits") << Field::MaskEdit2 << "03" << "03:  ";
    QTest::newRow("no colon, one digit") << Field::MaskEdit4 << "0" << " 0:  ";
    QTest::newRow("no colon, three digits") << Field::MaskEdit2 << "002" << "00:2 ";
    QTest::newRow("no colon, six digits") << Field::MaskEdit2 << "123456" << "12:34";
    QTest::newRow("no hour digits") << Field::MaskEdit4 << ":30" << "  :30";
    QTest::newRow("too many digits") << Field::MaskEdit7 << "123:456" << "12:45";
    QTest::newRow("seconds dropped") << Field::MaskEdit1 << "08:30:15" << "08:30";
    QTest::newRow("letters") << Field::MaskEdit2 << "ab:cd" << "  :  ";
    QTest::newRow("empty time") << Field::MaskEdit2 << "" << "  :  ";
    QTest::newRow("24:00 kept") << Field::MaskEdit7 << "24:00" << "24:00";
    QTest::newRow("goal percent, one digit") << Field::MaskEdit5 << "9" << " 9";
    QTest::newRow("goal percent as held") << Field::MaskEdit5 << " 9" << " 9";
    QTest::newRow("goal seconds, one digit") << Field::MaskEdit6 << "9" << "9 ";
    QTest::newRow("goal seconds as held") << Field::MaskEdit6 << "9 " << "9 ";
    QTest::newRow("goal, three digits") << Field::MaskEdit5 << "100" << "10";
    QTest::newRow("goal, a sign") << Field::MaskEdit6 << "-5" << "5 ";
    QTest::newRow("calls are not masked") << Field::Edit1 << " 12x" << " 12x";
}

void FieldTest::maskedText()
{
    QFETCH(Field, field);
    QFETCH(QString, text);
    QFETCH(QString, masked);
    QCOMPARE(MaskedText(field, text), masked);
    // A masked text is its own: what a window saves loads back unchanged.
    QCOMPARE(MaskedText(field, masked), masked);
    if (IsMaskedField(field))
        QCOMPARE(masked.size(), MaxLength(field));
}

QTEST_APPLESS_MAIN(FieldTest)
#include "test_field.moc"
