// SPDX-License-Identifier: MIT
#include "reportfixtures.h"
#include "reportpdf.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The report written to a real PDF through QPrinter and read back with
// poppler's tools.
class ReportPdfTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void longScheduleReadsBackPageByPage_data();
    void longScheduleReadsBackPageByPage();
    void placesOnThePage();
    void failedWriteLeavesNoFile();

private:
    QTemporaryDir m_dir;
};

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList wordsOfPage(const QString &pdf, int page)
{
    const QString text = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                              QString::number(page), pdf, QStringLiteral("-")});
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList header(int page, const QString &title)
{
    return words(QStringLiteral("Varnook Page %1 ").arg(page) + title);
}

QStringList inputBlock(const ReportContent &c)
{
    return QStringList{"FILE", c.scenarioFileName, "TOTAL", "CALLS", c.totalCalls, "BETWEEN", c.startTime, "and",
                       c.endTime, "CALL", "LENGTH", c.callLength, "AFTER", "CALL", c.afterCall, "MAX", "WAIT",
                       c.maxWait, "SERVICE", "LEVEL", c.goalPercent + "%", "in", c.goalSeconds, "Secs"};
}

QStringList rowWords(const ReportContent &c, int row)
{
    QStringList result;
    for (int column = 0; column < ReportContent::ColumnCount; ++column)
        result << words(c.cell(column, row));
    return result;
}

} // namespace

void ReportPdfTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed: make deps installs it");
}

void ReportPdfTest::longScheduleReadsBackPageByPage_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("sizeName");
    QTest::newRow("A4") << int(QPageSize::A4) << "A4";
    QTest::newRow("Letter") << int(QPageSize::Letter) << "letter";
}

void ReportPdfTest::longScheduleReadsBackPageByPage()
{
    QFETCH(int, paper);
    QFETCH(QString, sizeName);
    const ReportContent content = fullDayContent();
    const QString pdf = m_dir.filePath(sizeName + QStringLiteral(".pdf"));
    QCOMPARE(WriteReportPdf(content, pdf, QPageSize::PageSizeId(paper), testFonts()), QString());

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(%1)").arg(sizeName)), qPrintable(info));

    const QString title = QStringLiteral("Daily Manning Schedule");
    QStringList first = wordsOfPage(pdf, 1);
    QStringList second = wordsOfPage(pdf, 2);
    QStringList expectedStart = header(1, title) + inputBlock(content) + rowWords(content, 0);
    QCOMPARE(first.mid(0, expectedStart.size()), expectedStart);
    QCOMPARE(second.mid(0, 6), header(2, title));

    // Every cell once, in order, across the two pages; no headings again.
    const QStringList cells = first.mid(expectedStart.size()) + second.mid(6);
    QStringList expectedCells;
    for (int r = 1; r <= content.lastRow(); ++r)
        expectedCells << rowWords(content, r);
    QCOMPARE(cells, expectedCells);
    QVERIFY(first.size() > second.size()); // page 2 holds the rest of the day
}

void ReportPdfTest::placesOnThePage()
{
    // Words' boxes in points: the header at 0.5 in, the values at 2 in, the
    // page number ending 1 in from the right of the printable area.
    const QString pdf = m_dir.filePath(QStringLiteral("places.pdf"));
    QCOMPARE(WriteReportPdf(scheduleContent(), pdf, QPageSize::A4, testFonts()), QString());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QRectF area = printer.pageLayout().paintRectPoints();
    const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    auto box = [&boxes](const QString &word) {
        const QRegularExpression re(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                                   "yMax=\"([\\d.]+)\">%1</word>")
                                        .arg(QRegularExpression::escape(word)));
        const QRegularExpressionMatch m = re.match(boxes);
        return m.hasMatch() ? QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                     QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))
                            : QRectF();
    };
    auto near = [](double actual, double expected) { return std::abs(actual - expected) < 1.5; };
    const QRectF product = box(QStringLiteral("Varnook"));
    const QRectF file = box(QStringLiteral("/srv/plans/monday.vnk"));
    const QRectF label = box(QStringLiteral("FILE"));
    const QRectF page = box(QStringLiteral("1"));
    QVERIFY2(near(product.left(), area.left() + 36), qPrintable(QString::number(product.left())));
    QVERIFY2(near(file.left(), area.left() + 144), qPrintable(QString::number(file.left())));
    QVERIFY2(near(label.left(), area.left() + 36), qPrintable(QString::number(label.left())));
    QVERIFY(near(file.top(), label.top()));
    QVERIFY2(near(page.right(), area.right() - 72), qPrintable(QString::number(page.right())));
}

void ReportPdfTest::failedWriteLeavesNoFile()
{
    // A folder in the file's place: the PDF cannot take its name.
    const QString blocked = m_dir.filePath(QStringLiteral("blocked.pdf"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
    const QString error = WriteReportPdf(agentsContent(), blocked, QPageSize::A4, testFonts());
    QVERIFY(error.contains(blocked));
    QVERIFY(QFileInfo(blocked + QStringLiteral("/inside")).isDir());

    const QString missingFolder = m_dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
    QVERIFY(WriteReportPdf(agentsContent(), missingFolder, QPageSize::A4, testFonts()).contains(missingFolder));
    QVERIFY(!QFileInfo::exists(missingFolder));

    // Nothing half-written is left beside them.
    const QStringList left = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
}

QTEST_MAIN(ReportPdfTest)
#include "test_reportpdf.moc"
