// SPDX-License-Identifier: MIT
#include "calculator.h"
#include "commandline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList scheduleExample{"schedule", "--slots", "30", "--start", "08:00", "--end", "10:00", "--volumes",
                                  "0,10,50,120", "--talk", "03:00", "--wrap", "01:00", "--abandon", "00:30",
                                  "--goal", "80", "--goal-secs", "20"};
const QStringList agentsExample{"agents", "--calls", "100", "--start", "08:00", "--end", "09:00", "--talk", "03:00",
                                "--wrap", "00:30", "--abandon", "00:25", "--goal", "80", "--goal-secs", "20"};

int pixelsOf(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

} // namespace

class GraphOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void reads_the_graph_options();
    void refuses_bad_graph_usage_data();
    void refuses_bad_graph_usage();
    void draws_the_default_series_of_the_tab();
    void draws_the_series_named();
    void says_the_incompatibility_and_still_draws();
    void writes_one_pdf_page_of_the_size_asked();
    void failed_runs_write_nothing();
};

void GraphOutputTest::reads_the_graph_options()
{
    const CommandLine line = ParseCommandLine({"monday.vnk", "--graph", "out.PNG", "--series", "Agents,trunks", "--bar",
                                               "--flat", "--size=300x200", "--tab", "schedule"});
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(line.graphFile, QStringLiteral("out.PNG"));
    QCOMPARE(*line.graphSeries, (QStringList{"Agents", "trunks"}));
    QVERIFY(line.graphBar);
    QVERIFY(line.graphFlat);
    QCOMPARE(line.graphWidth, 300);
    QCOMPARE(line.graphHeight, 200);
    const CommandLine plain = ParseCommandLine({"agents", "--graph=a.pdf"});
    QVERIFY(!plain.graphBar && !plain.graphFlat && !plain.graphSeries);
    QCOMPARE(plain.graphWidth, 640);
    QCOMPARE(plain.graphHeight, 400);
}

void GraphOutputTest::refuses_bad_graph_usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("picture type") << QStringList{"agents", "--graph", "a.jpg"} << "ending in .png or .pdf";
    QTest::newRow("switch with a value") << QStringList{"agents", "--graph", "a.png", "--bar=yes"} << "--bar takes no value";
    QTest::newRow("size") << QStringList{"agents", "--graph", "a.png", "--size", "300"} << "--size must be";
    QTest::newRow("tiny size") << QStringList{"agents", "--graph", "a.png", "--size", "10x10"} << "--size must be";
    QTest::newRow("series without graph") << QStringList{"agents", "--series", "Queued"} << "only used with --graph";
    QTest::newRow("flat without graph") << QStringList{"agents", "--flat"} << "only used with --graph";
    QTest::newRow("table format") << QStringList{"agents", "--graph", "a.png", "--format", "csv"} << "--format is not used with --graph";
}

void GraphOutputTest::refuses_bad_graph_usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const CommandLine line = ParseCommandLine(arguments);
    QCOMPARE(int(line.command), int(CommandLine::Command::None));
    QVERIFY2(line.error.contains(error), qPrintable(line.error));
    QCOMPARE(RunCalculator(arguments).status, int(ExitUsage));
}

void GraphOutputTest::draws_the_default_series_of_the_tab()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.png"));
    const CalculatorRun run = RunCalculator(QStringList(scheduleExample) << "--graph" << file << "--bar" << "--flat");
    QCOMPARE(run.status, int(ExitDone));
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.isEmpty());
    const QImage image(file);
    QCOMPARE(image.size(), QSize(640, 400));
    // Flat bars in the kinds' own colours: agents red, abandoned purple.
    QVERIFY(pixelsOf(image, QColor(255, 0, 0)) > 200);
    QVERIFY(pixelsOf(image, QColor(128, 0, 128)) > 200);
    QCOMPARE(pixelsOf(image, QColor(0, 0, 255)), 0);
}

void GraphOutputTest::draws_the_series_named()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("agents.png"));
    const CalculatorRun run =
        RunCalculator(QStringList(agentsExample) << "--graph" << file << "--series" << " usage ,Trunks" << "--bar" << "--flat");
    QCOMPARE(run.status, int(ExitDone));
    const QImage image(file);
    QVERIFY(pixelsOf(image, QColor(0, 128, 128)) > 200); // usage, teal
    QVERIFY(pixelsOf(image, QColor(128, 0, 0)) > 200);   // trunks, maroon
    QCOMPARE(pixelsOf(image, QColor(0, 0, 255)), 0);     // no service level

    const CalculatorRun wrongTab = RunCalculator(QStringList(agentsExample) << "--graph" << file << "--series" << "Agents");
    QCOMPARE(wrongTab.status, int(ExitUsage));
    QVERIFY(wrongTab.err.contains(QStringLiteral("the Agents tab has no series \"Agents\"")));
    const CalculatorRun unknown = RunCalculator(QStringList(agentsExample) << "--graph" << file << "--series" << "Calls");
    QCOMPARE(unknown.status, int(ExitUsage));
}

void GraphOutputTest::says_the_incompatibility_and_still_draws()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("all.png"));
    const CalculatorRun run = RunCalculator(QStringList(scheduleExample) << "--graph" << file << "--series"
                                                                         << "Agents,Queued,Average Answer");
    QCOMPARE(run.status, int(ExitDone));
    QCOMPARE(run.err, QStringLiteral("varnook-calc: Incompatible series selection, only percentages and times shown.\n"));
    QVERIFY(QFile::exists(file));
}

void GraphOutputTest::writes_one_pdf_page_of_the_size_asked()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("agents.pdf"));
    const CalculatorRun run = RunCalculator(QStringList(agentsExample) << "--graph" << file << "--size" << "800x500");
    QCOMPARE(run.status, int(ExitDone));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    if (!info.waitForFinished(10000) || info.exitCode() != 0)
        QSKIP("pdfinfo is not available");
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Page size:\\s+600 x 375 pts"))), qPrintable(text));
}

void GraphOutputTest::failed_runs_write_nothing()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("none.png"));
    const CalculatorRun invalid = RunCalculator({"agents", "--graph", file});
    QCOMPARE(invalid.status, int(ExitInvalidInput));
    QVERIFY(!QFile::exists(file));
    const CalculatorRun unwritable =
        RunCalculator(QStringList(agentsExample) << "--graph" << dir.filePath(QStringLiteral("no/such/folder.png")));
    QCOMPARE(unwritable.status, int(ExitFileError));
    QVERIFY(unwritable.err.contains(QStringLiteral("cannot write the graph file")));
    // A folder of that name is not replaced.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
    const CalculatorRun taken = RunCalculator(QStringList(agentsExample) << "--graph" << dir.filePath(QStringLiteral("taken.png")));
    QCOMPARE(taken.status, int(ExitFileError));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken.png"))).isDir());
}

QTEST_MAIN(GraphOutputTest)
#include "test_graphoutput.moc"
