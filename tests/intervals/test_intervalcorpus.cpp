// SPDX-License-Identifier: MIT
// Replays every file of the interval fuzz corpus and of its kept findings
// through the properties the fuzz target checks. A new seed or finding is a
// file dropped into fuzz/interval-corpus or fuzz/interval-regressions.
#include "intervalinvariants.h"

#include <QDir>
#include <QFile>
#include <QTest>

class IntervalCorpusTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFileKeepsTheIntervalFileProperties_data();
    void everyFileKeepsTheIntervalFileProperties();
};

void IntervalCorpusTest::everyFileKeepsTheIntervalFileProperties_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(QStringLiteral(VARNOOK_FUZZ_DIR "/interval-corpus"));
    // A corpus gone missing or empty would let every file pass unseen; the
    // findings folder exists once there is one.
    QVERIFY2(!corpus.entryList(QDir::Files).isEmpty(), qPrintable(corpus.path() + " holds no file"));
    for (const char *folder : {"interval-corpus", "interval-regressions"}) {
        const QDir dir(QStringLiteral(VARNOOK_FUZZ_DIR "/") + QLatin1String(folder));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(QLatin1String(folder) + '/' + name)) << dir.filePath(name);
    }
}

void IntervalCorpusTest::everyFileKeepsTheIntervalFileProperties()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QString broken = BrokenIntervalInvariant(file.readAll());
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_APPLESS_MAIN(IntervalCorpusTest)
#include "test_intervalcorpus.moc"
