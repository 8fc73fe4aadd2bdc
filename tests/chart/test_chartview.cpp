// SPDX-License-Identifier: MIT
// The chart widget and printing the chart as a job of its own.
#include "chartdesign.h"
#include "chartfixtures.h"
#include "chartprinter.h"
#include "chartwidget.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class ChartViewTest : public QObject
{
    Q_OBJECT
private slots:
    void widgetShowsItsModelOnWhite();
    void rightClickAsksTheOwnerForTheMenu();
    void printsOnePageTitledWithTheChartsName();
    void printerThatCannotStartReportsFailure();
};

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

void ChartViewTest::widgetShowsItsModelOnWhite()
{
    ChartWidget widget;
    widget.resize(ChartDesignSize);
    QImage image = widget.grab().toImage();
    QCOMPARE(QColor(image.pixel(2, 2)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(495, 286)), QColor(Qt::white));

    widget.model() = ChartFixtures::bands(2, 12, ChartSeriesStyle::Bar, false);
    widget.refresh();
    image = widget.grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
    QVERIFY(red > 500);
    const ChartWidget &constant = widget;
    QCOMPARE(constant.model().series.size(), std::size_t(2));
}

void ChartViewTest::rightClickAsksTheOwnerForTheMenu()
{
    ChartWidget widget;
    widget.resize(300, 200);
    QSignalSpy spy(&widget, &ChartWidget::contextMenuRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(40, 50), QPoint(440, 350));
    QCoreApplication::sendEvent(&widget, &event);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toPoint(), QPoint(440, 350));
    QVERIFY(event.isAccepted());
}

void ChartViewTest::printsOnePageTitledWithTheChartsName()
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfinfo.isEmpty() || pdftotext.isEmpty())
        QSKIP("poppler-utils are not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ChartModel model = ChartFixtures::bands(2, 12, ChartSeriesStyle::Line, true);
    model.series[1].axis = ChartVerticalAxis::Right;
    model.rightAxis = {QStringLiteral("Number"), false, 0, 50, 5, ChartGridStyle::Dotted};
    // A 400 x 200 window on the page, as the graph window scales it.
    QVERIFY(PrintChart(printer, QRect(QPoint(10, 10), QPoint(4780, 2390)), model));
    QCOMPARE(printer.docName(), QStringLiteral("Chart1"));

    const QString info = run(pdfinfo, {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Chart1\\n"))), qPrintable(info));
    const QString text = run(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const QString &word : {QStringLiteral("Varnook"), QStringLiteral("Series 1"), QStringLiteral("Series 2"),
                                QStringLiteral("Percent"), QStringLiteral("Number"), QStringLiteral("Schedule"),
                                QStringLiteral("08:00"), QStringLiteral("100"), QStringLiteral("50")})
        QVERIFY2(text.contains(word), qPrintable(word));
}

void ChartViewTest::printerThatCannotStartReportsFailure()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("no such folder/chart.pdf")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
    QVERIFY(!PrintChart(printer, QRect(10, 10, 4000, 2000), ChartFixtures::bands(1, 4, ChartSeriesStyle::Bar, true)));
}

QTEST_MAIN(ChartViewTest)
#include "test_chartview.moc"
