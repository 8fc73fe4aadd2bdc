// SPDX-License-Identifier: MIT
// Replays every file of the week fuzz corpus and of its kept findings
// through the properties the week fuzz target checks. A new seed or finding
// is a file dropped into fuzz/week-corpus or fuzz/week-regressions.
#include "weekinvariants.h"

#include <QDir>
#include <QFile>
#include <QTest>

class WeekCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void every_file_keeps_the_week_file_properties_data();
    void every_file_keeps_the_week_file_properties();
};

void WeekCorpusTest::every_file_keeps_the_week_file_properties_data()
{
    QTest::addColumn<QString>("path");
    for (const char *folder : {"week-corpus", "week-regressions"}) {
        const QDir dir(QStringLiteral(VARNOOK_FUZZ_DIR "/") + QLatin1String(folder));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        // A folder that went missing or empty would let every file pass unseen.
        QVERIFY2(!names.isEmpty(), qPrintable(dir.path() + " holds no file"));
        for (const QString &name : names)
            QTest::newRow(qPrintable(QLatin1String(folder) + '/' + name)) << dir.filePath(name);
    }
}

void WeekCorpusTest::every_file_keeps_the_week_file_properties()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QString broken = BrokenWeekInvariant(file.readAll());
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_APPLESS_MAIN(WeekCorpusTest)
#include "test_weekcorpus.moc"
