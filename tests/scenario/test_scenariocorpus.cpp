// SPDX-License-Identifier: MIT
// Replays every file of the fuzz corpus and of the kept fuzz findings
// through the properties the fuzz target checks. A new seed or finding is a
// file dropped into fuzz/corpus or fuzz/regressions.
#include "scenarioinvariants.h"

#include <QDir>
#include <QFile>
#include <QTest>

class ScenarioCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void every_file_keeps_the_scenario_file_properties_data();
    void every_file_keeps_the_scenario_file_properties();
};

void ScenarioCorpusTest::every_file_keeps_the_scenario_file_properties_data()
{
    QTest::addColumn<QString>("path");
    for (const char *folder : {"corpus", "regressions"}) {
        const QDir dir(QStringLiteral(VARNOOK_FUZZ_DIR "/") + QLatin1String(folder));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        // A folder that went missing or empty would let every file pass unseen.
        QVERIFY2(!names.isEmpty(), qPrintable(dir.path() + " holds no file"));
        for (const QString &name : names)
            QTest::newRow(qPrintable(QLatin1String(folder) + '/' + name)) << dir.filePath(name);
    }
}

void ScenarioCorpusTest::every_file_keeps_the_scenario_file_properties()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QString broken = BrokenScenarioInvariant(file.readAll());
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_APPLESS_MAIN(ScenarioCorpusTest)
#include "test_scenariocorpus.moc"
