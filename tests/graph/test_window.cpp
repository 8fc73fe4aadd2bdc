// SPDX-License-Identifier: MIT
#include "chartprintrect.h"
#include "chartwidget.h"
#include "graphowner.h"
#include "fakedialogservice.h"
#include "tlumchart.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The two notifications, as the recording owner writes them down.
enum RecordedNotification { GraphClosedNotification = 1024, GraphRefreshNotification = 1025 };

// The agent window as the graph window sees it: records what it is sent.
class RecordingOwner : public GraphOwner
{
public:
    void graphClosed() override { messages << GraphClosedNotification; }
    void graphRefreshWanted() override { messages << GraphRefreshNotification; }
    bool completePendingFieldExit() override
    {
        ++fieldExitRequests;
        return fieldExitAccepted;
    }
    QList<int> messages;
    int fieldExitRequests = 0;
    bool fieldExitAccepted = true;
};

// The print dialog answered by the test: a PDF file, or cancel.
class ScriptedPrintDialogs : public FakeDialogService
{
public:
    bool choosePrinter(QPrinter &printer) override
    {
        ++shown;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        return accept;
    }
    void showErrorBox(const QString &text) override { failures << text; }
    QString outputFile;
    bool accept = true;
    int shown = 0;
    QStringList failures;
};

class WindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newWindowAsDesigned();
    void styleButtonsAskForARebuildOnlyOnAChange();
    void view3DAndGridToggles();
    void seriesMenuFollowsTheSelection();
    void extraSeriesItemsAreMadeOnFirstUse();
    void closingTellsTheOwnerOnce();
    void seriesButtonOpensTheMenuBelowIt();
    void printRectangle_data();
    void printRectangle();
    void printingGoesToOnePageOfItsOwnJob();
    void printingWaitsForTheOwnersFieldExit();
};

namespace {

struct Fixture
{
    Fixture()
    {
        window.OwnerForm = &owner;
        window.setDialogs(&dialogs);
    }
    RecordingOwner owner;
    ScriptedPrintDialogs dialogs;
    TLumChart window;
};

} // namespace

void WindowTest::newWindowAsDesigned()
{
    TLumChart window;
    QCOMPARE(window.SeriesSelection, SeriesSelectionWord(3));
    QVERIFY(!window.BarChart);
    QVERIFY(window.GridShown);
    QVERIFY(!window.OwnerForm);
    QCOMPARE(window.property("helpContext").toInt(), 32);
    QCOMPARE(window.size(), QSize(498, 314));
    const ChartModel &model = window.chart()->model();
    QVERIFY(model.view3D);
    QCOMPARE(model.leftAxis.grid, ChartGridStyle::Default);
    QCOMPARE(model.background, QColor(Qt::white));
    QCOMPARE(model.backWall.colour, QColor(Qt::white));
    QVERIFY(!model.backWall.solid);
    QCOMPARE(model.name, QStringLiteral("Chart1"));

    const struct
    {
        QToolButton *button;
        const char *name;
        int left;
        const char *hint;
    } buttons[] = {
        {window.printButton(), "SpeedButton3", 32, "Print"},
        {window.lineButton(), "SpeedButton2", 56, "Line chart"},
        {window.barButton(), "SpeedButton5", 80, "Bar chart"},
        {window.view3DButton(), "SpeedButton6", 104, "Toggle 3D chart"},
        {window.gridButton(), "SpeedButton4", 152, "Toggle chart grid"},
        {window.seriesButton(), "SpeedButton7", 176, "Change graph series"},
        {window.closeButton(), "SpeedButton1", 200, "Close form"},
    };
    for (const auto &b : buttons) {
        QCOMPARE(b.button->objectName(), QLatin1String(b.name));
        QCOMPARE(b.button->geometry(), QRect(b.left, 0, 25, 25));
        QCOMPARE(b.button->toolTip(), QLatin1String(b.hint));
        QVERIFY(!b.button->icon().isNull());
    }
    QCOMPARE(window.seriesMenu()->actions().size(), 9);
    for (int kind = 0; kind < 9; ++kind) {
        QCOMPARE(window.seriesItem(kind)->objectName(), QStringLiteral("N%1").arg(kind + 1) + QLatin1Char('1'));
        QCOMPARE(window.seriesItem(kind)->text(), QString::number(kind + 1));
    }
    QVERIFY(!window.seriesItem(9));
}

void WindowTest::styleButtonsAskForARebuildOnlyOnAChange()
{
    Fixture f;
    f.window.lineButton()->click();
    QVERIFY(f.owner.messages.isEmpty());
    f.window.barButton()->click();
    QVERIFY(f.window.BarChart);
    QCOMPARE(f.owner.messages, QList<int>{GraphRefreshNotification});
    f.window.barButton()->click();
    QCOMPARE(f.owner.messages.size(), 1);
    f.window.lineButton()->click();
    QVERIFY(!f.window.BarChart);
    QCOMPARE(f.owner.messages, (QList<int>{1025, 1025}));
    // Without an owner nothing is sent, and nothing breaks.
    f.window.OwnerForm = nullptr;
    f.window.barButton()->click();
    QCOMPARE(f.owner.messages.size(), 2);
}

void WindowTest::view3DAndGridToggles()
{
    Fixture f;
    const ChartModel &model = f.window.chart()->model();
    f.window.view3DButton()->click();
    QVERIFY(!model.view3D);
    f.window.view3DButton()->click();
    QVERIFY(model.view3D);

    f.window.gridButton()->click();
    QVERIFY(!f.window.GridShown);
    for (const ChartAxis *axis : {&model.bottomAxis, &model.leftAxis, &model.rightAxis})
        QCOMPARE(axis->grid, ChartGridStyle::Clear);
    f.window.gridButton()->click();
    QVERIFY(f.window.GridShown);
    for (const ChartAxis *axis : {&model.bottomAxis, &model.leftAxis, &model.rightAxis})
        QCOMPARE(axis->grid, ChartGridStyle::Dotted);
    // Neither asks for a rebuild.
    QVERIFY(f.owner.messages.isEmpty());
}

void WindowTest::seriesMenuFollowsTheSelection()
{
    Fixture f;
    f.window.SeriesSelection = 0x121; // kinds 0, 5, 8
    f.window.PopupMenu1Popup();
    for (int kind = 0; kind < 9; ++kind)
        QCOMPARE(f.window.seriesItem(kind)->isChecked(), kind == 0 || kind == 5 || kind == 8);
    f.window.seriesItemClick(3);
    QCOMPARE(f.window.SeriesSelection, SeriesSelectionWord(0x129));
    QVERIFY(f.window.seriesItem(3)->isChecked());
    f.window.seriesItemClick(5);
    QCOMPARE(f.window.SeriesSelection, SeriesSelectionWord(0x109));
    QCOMPARE(f.owner.messages, (QList<int>{1025, 1025}));
    // The menu is ticked anew each time it opens.
    f.window.SeriesSelection = 2;
    f.window.seriesMenu()->popup(QPoint(0, 0));
    QVERIFY(f.window.seriesItem(1)->isChecked());
    QVERIFY(!f.window.seriesItem(0)->isChecked());
    f.window.seriesMenu()->hide();
}

void WindowTest::extraSeriesItemsAreMadeOnFirstUse()
{
    Fixture f;
    QVERIFY(!f.window.extraSeriesItem(8)); // one of the nine: not an extra item
    QAction *have = f.window.extraSeriesItem(10);
    QCOMPARE(have->text(), QStringLiteral("Have"));
    QCOMPARE(f.window.extraSeriesItem(10), have);
    QCOMPARE(f.window.seriesMenu()->actions().size(), 10);
    QCOMPARE(f.window.seriesMenu()->actions().last(), have);
    QVERIFY(!f.window.seriesItem(9));
    f.window.SeriesSelection = 0x401; // Agents and Have
    f.window.PopupMenu1Popup();
    QVERIFY(have->isChecked());
    f.window.seriesItemClick(10);
    QCOMPARE(f.window.SeriesSelection, SeriesSelectionWord(1));
    QCOMPARE(f.owner.messages, (QList<int>{1025}));
}

void WindowTest::closingTellsTheOwnerOnce()
{
    Fixture f;
    f.window.show();
    f.window.closeButton()->click();
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.owner.messages, QList<int>{GraphClosedNotification});
    f.window.close();
    QCOMPARE(f.owner.messages.size(), 1);

    // Unlinked first, as a closing agent window does: nothing is sent.
    Fixture g;
    g.window.OwnerForm = nullptr;
    g.window.close();
    QVERIFY(g.owner.messages.isEmpty());
}

void WindowTest::seriesButtonOpensTheMenuBelowIt()
{
    Fixture f;
    f.window.move(140, 90);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QToolButton *button = f.window.seriesButton();
    QCOMPARE(f.window.seriesMenuPosition(), button->mapToGlobal(QPoint(0, 25)));
    f.window.seriesButton()->click();
    QVERIFY(f.window.seriesMenu()->isVisible());
    f.window.seriesMenu()->hide();
}

void WindowTest::printRectangle_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("expected");
    // W = 4780, s = 1195: the width fills the page.
    QTest::newRow("wide window, portrait page") << QSize(4800, 6800) << QSize(400, 200) << QRect(QPoint(10, 10), QPoint(4779, 2389));
    // h = 6780 > H = 4780: the height fills the page, s = 1195.
    QTest::newRow("square window, landscape page") << QSize(6800, 4800) << QSize(400, 400) << QRect(QPoint(10, 10), QPoint(4779, 4779));
    // s = 9563 * 100 div 498 = 1920 truncated: w = 9561, h = 6028.
    QTest::newRow("design size on A4") << QSize(9583, 13699) << QSize(498, 314) << QRect(QPoint(10, 10), QPoint(9560, 6027));
    QTest::newRow("no client area") << QSize(4800, 6800) << QSize(0, 200) << QRect();
}

void WindowTest::printRectangle()
{
    QFETCH(QSize, page);
    QFETCH(QSize, client);
    QFETCH(QRect, expected);
    const ChartPrintRect r = ComputeChartPrintRect(page.width(), page.height(), client.width(), client.height());
    if (expected.isNull()) {
        QVERIFY(r.isEmpty());
        QCOMPARE(r.rect(), QRect(10, 10, 0, 0)); // at the corner, not of negative size
        return;
    }
    QCOMPARE(r.left, 10);
    QCOMPARE(r.top, 10);
    QCOMPARE(r.rect(), expected);
}

void WindowTest::printingGoesToOnePageOfItsOwnJob()
{
    QTemporaryDir dir;
    Fixture f;
    f.dialogs.outputFile = dir.filePath(QStringLiteral("chart.pdf"));
    ChartModel &model = f.window.chart()->model();
    model.title = QStringLiteral("Varnook");
    ChartSeries series;
    series.title = QStringLiteral("Srv Lvl - %");
    series.colour = Qt::blue;
    series.points = {{0, 50, QStringLiteral("6"), Qt::blue}, {1, 80, QStringLiteral("7"), Qt::blue}};
    model.series.push_back(series);

    f.dialogs.accept = false;
    f.window.printButton()->click();
    QCOMPARE(f.dialogs.shown, 1);
    QVERIFY(!QFile::exists(f.dialogs.outputFile));

    f.dialogs.accept = true;
    f.window.printButton()->click();
    QVERIFY(f.dialogs.failures.isEmpty());
    QVERIFY(QFile::exists(f.dialogs.outputFile));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {f.dialogs.outputFile});
    if (!info.waitForFinished(10000) || info.exitCode() != 0)
        QSKIP("pdfinfo is not available");
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Title:\\s+Chart1\\n"))), qPrintable(text));
}

void WindowTest::printingWaitsForTheOwnersFieldExit()
{
    Fixture f;
    f.owner.fieldExitAccepted = false;
    f.window.printButton()->click();
    QCOMPARE(f.owner.fieldExitRequests, 1);
    QCOMPARE(f.dialogs.shown, 0);
}

QTEST_MAIN(WindowTest)
#include "test_window.moc"
