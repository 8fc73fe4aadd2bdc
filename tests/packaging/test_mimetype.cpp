// SPDX-License-Identifier: MIT
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString scenarioType = QStringLiteral("application/x-varnook-scenario");
const QString weekType = QStringLiteral("application/x-varnook-week");
const QByteArray scenarioCrLf = "vnk\r\n90\r\n10\r\n200\r\n08:00\r\n03:00\r\n00:30\r\n00:30\r\n"
                                "08:00\r\n10:00\r\n1\r\n120\r\n80\r\n";

} // namespace

// Runs against a MIME database holding only the installed definition (the
// system's database behind it), as ctest sets XDG_DATA_DIRS.
class MimeTypeTest : public QObject
{
    Q_OBJECT

private slots:
    void definition_is_installed_data();
    void definition_is_installed();
    void files_are_recognised_data();
    void files_are_recognised();
};

void MimeTypeTest::definition_is_installed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("scenario") << scenarioType << "Varnook scenario" << "vnk";
    QTest::newRow("week") << weekType << "Varnook week" << "vnkw";
}

void MimeTypeTest::definition_is_installed()
{
    QFETCH(QString, name);
    QFETCH(QString, comment);
    QFETCH(QString, suffix);
    const QMimeType type = QMimeDatabase().mimeTypeForName(name);
    QVERIFY2(type.isValid(), "the type is not in the database: was the installation fixture run?");
    QCOMPARE(type.comment(), comment);
    QCOMPARE(type.suffixes(), QStringList{suffix});
    QVERIFY(type.inherits(QStringLiteral("text/plain")));
    QCOMPARE(type.iconName(), QStringLiteral("org.varnook.Varnook"));
}

void MimeTypeTest::files_are_recognised_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    // By name: what the save dialog writes, whatever the content.
    QTest::newRow("saved scenario") << "monday.vnk" << scenarioCrLf << scenarioType;
    QTest::newRow("upper-case extension") << "MONDAY.VNK" << scenarioCrLf << scenarioType;
    QTest::newRow("empty file named .vnk") << "new.vnk" << QByteArray() << scenarioType;
    // By content: a scenario that lost its extension, in any line-end style
    // the program reads.
    QTest::newRow("no extension, CR LF") << "monday" << scenarioCrLf << scenarioType;
    QTest::newRow("no extension, LF") << "monday" << QByteArray("vnk\n90\n10\n200\n") << scenarioType;
    QTest::newRow("no extension, CR") << "monday" << QByteArray("vnk\r90\r10\r200\r") << scenarioType;
    // Week files, by name and by their first line "vnkw".
    QTest::newRow("saved week") << "week.vnkw" << QByteArray("vnkw\r\n80\r\n") << weekType;
    QTest::newRow("week without extension") << "week" << QByteArray("vnkw\n80\n20\n") << weekType;
    // Not scenarios: the first line must be exactly "vnk".
    QTest::newRow("longer first line") << "notes" << QByteArray("vnkx\nmore text\n") << "text/plain";
    QTest::newRow("vnk later in the file") << "notes" << QByteArray("call plan\nvnk\n") << "text/plain";
    QTest::newRow("ordinary text file") << "notes.txt" << QByteArray("vnk is our file type\n") << "text/plain";
}

void MimeTypeTest::files_are_recognised()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();
    QCOMPARE(QMimeDatabase().mimeTypeForFile(file.fileName()).name(), expected);
}

QTEST_GUILESS_MAIN(MimeTypeTest)
#include "test_mimetype.moc"
