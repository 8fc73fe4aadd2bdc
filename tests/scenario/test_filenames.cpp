// SPDX-License-Identifier: MIT
#include "filenames.h"

#include <QtTest>

class FileNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void capitalise_data();
    void capitalise();
    void relativePath_data();
    void relativePath();
    void filterSuffix_data();
    void filterSuffix();
};

void FileNamesTest::capitalise_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    QTest::newRow("upper-case file name") << QStringLiteral("MONDAY.VNK") << QStringLiteral("Monday.vnk");
    QTest::newRow("lower-case file name") << QStringLiteral("monday.vnk") << QStringLiteral("Monday.vnk");
    QTest::newRow("mixed case") << QStringLiteral("wEEK2.Vnk") << QStringLiteral("Week2.vnk");
    QTest::newRow("last letters of the alphabet") << QStringLiteral("zAZz") << QStringLiteral("Zazz");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("digit first") << QStringLiteral("1ABC") << QStringLiteral("1abc");
    QTest::newRow("blank first") << QStringLiteral(" ABC") << QStringLiteral(" abc");
    QTest::newRow("single letter") << QStringLiteral("a") << QStringLiteral("A");
    QTest::newRow("placeholder name") << QStringLiteral("*.VNK") << QStringLiteral("*.vnk");
    // Only the ASCII letters change case.
    QTest::newRow("non-ASCII letters kept") << QStringLiteral("ÉTÉ.VNK") << QStringLiteral("ÉtÉ.vnk");
    QTest::newRow("non-ASCII first letter not raised") << QStringLiteral("éTÉ") << QStringLiteral("étÉ");
}

void FileNamesTest::capitalise()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QCOMPARE(Calc::Capitalise(text), caption);
}

void FileNamesTest::relativePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("result");

    const QString longName = QString(300, QLatin1Char('n'));

    QTest::newRow("file inside the directory")
        << QStringLiteral("/home/ann/plans/monday.vnk") << QStringLiteral("/home/ann/plans")
        << QStringLiteral("monday.vnk");
    QTest::newRow("directory given with its separator")
        << QStringLiteral("/home/ann/plans/monday.vnk") << QStringLiteral("/home/ann/plans/")
        << QStringLiteral("monday.vnk");
    QTest::newRow("file in a subfolder")
        << QStringLiteral("/home/ann/plans/june/monday.vnk") << QStringLiteral("/home/ann")
        << QStringLiteral("plans/june/monday.vnk");
    QTest::newRow("paths part at a differing character")
        << QStringLiteral("/home/bob/monday.vnk") << QStringLiteral("/home/ann")
        << QStringLiteral("bob/monday.vnk");
    QTest::newRow("nothing in common")
        << QStringLiteral("/srv/x.vnk") << QStringLiteral("/home") << QStringLiteral("srv/x.vnk");
    QTest::newRow("case differs")
        << QStringLiteral("/Home/a.vnk") << QStringLiteral("/home") << QStringLiteral("Home/a.vnk");
    QTest::newRow("path equal to the directory with separator")
        << QStringLiteral("/home/ann/") << QStringLiteral("/home/ann") << QString();
    QTest::newRow("path a prefix of the directory")
        << QStringLiteral("/home") << QStringLiteral("/home/ann") << QString();
    // The last position of the shorter text is never compared.
    QTest::newRow("last position not compared")
        << QStringLiteral("/home/annX") << QStringLiteral("/home/ann") << QString();
    QTest::newRow("first character differs")
        << QStringLiteral("a/b") << QStringLiteral("/x") << QStringLiteral("a/b");
    QTest::newRow("two characters in common (m = 2)")
        << QStringLiteral("a/x.vnk") << QStringLiteral("a") << QStringLiteral("x.vnk");
    QTest::newRow("empty path (m = 0)") << QString() << QStringLiteral("/home") << QString();
    QTest::newRow("one-character path (m = 1)") << QStringLiteral("a") << QStringLiteral("/home") << QString();
    QTest::newRow("empty directory (m = 1)") << QStringLiteral("/x.vnk") << QString() << QStringLiteral("x.vnk");
    QTest::newRow("placeholder directory leaves the new window's name")
        << QStringLiteral("*.vnk") << QStringLiteral("?") << QStringLiteral("*.vnk");
    QTest::newRow("placeholder directory leaves a whole path")
        << QStringLiteral("/home/ann/monday.vnk") << QStringLiteral("?")
        << QStringLiteral("/home/ann/monday.vnk");
    QTest::newRow("cut to 255 characters")
        << QString(QLatin1Char('/') + longName) << QStringLiteral("?")
        << QString(QLatin1Char('/') + longName).left(255);
    QTest::newRow("remainder cut to 255 characters")
        << QString(QStringLiteral("/home/") + longName) << QStringLiteral("/home")
        << longName.left(255);
}

void FileNamesTest::relativePath()
{
    QFETCH(QString, path);
    QFETCH(QString, directory);
    QFETCH(QString, result);
    QCOMPARE(Calc::RelativePath(path, directory), result);
}

void FileNamesTest::filterSuffix_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("scenario files") << QStringLiteral("VNK files (*.vnk)") << QStringLiteral("vnk");
    QTest::newRow("text files") << QStringLiteral("Text files (*.txt)") << QStringLiteral("txt");
    QTest::newRow("all files") << QStringLiteral("All files (*)") << QString();
    QTest::newRow("two patterns") << QStringLiteral("Files (*.vnk *.txt)") << QString();
    QTest::newRow("no pattern") << QStringLiteral("Scenario") << QString();
    QTest::newRow("pattern at the start") << QStringLiteral("(*.txt)") << QStringLiteral("txt");
}

void FileNamesTest::filterSuffix()
{
    QFETCH(QString, filter);
    QFETCH(QString, suffix);
    QCOMPARE(Calc::FilterSuffix(filter), suffix);
}

QTEST_GUILESS_MAIN(FileNamesTest)
#include "test_filenames.moc"
