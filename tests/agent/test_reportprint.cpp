// SPDX-License-Identifier: MIT
#include "agentservices.h"
#include "fakedialogservice.h"
#include "printercanvas.h"
#include "recordingcanvas.h"
#include "reportdocument.h"
#include "reportprintcommand.h"
#include "scenariofile.h"
#include "scenariotexts.h"
#include "tabortprint.h"
#include "tagentform.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

// Agent windows beside the printing dialog, printing on a recording canvas
// unless a test sends them to a PDF file.
struct PrintHarness
{
    PrintHarness()
    {
        auto *layout = new QVBoxLayout(&top);
        form = new TAgentForm(services, &top);
        other = new TAgentForm(services, &top);
        elsewhere = new QLineEdit(&top);
        layout->addWidget(form);
        layout->addWidget(other);
        layout->addWidget(elsewhere);
        top.resize(700, 800);
        top.show();
        // The fields' focus, and so a pending exit, needs the active window.
        QApplication::setActiveWindow(&top);
        services.printing.setPrintingDialog(&abortPrint);
        services.printing.setCanvasFactory([this](QPrinter &) {
            auto made = std::make_shared<RecordingCanvas>(600, 600, 4792, 6851);
            canvas = made;
            ++canvasesMade;
            if (setUpCanvas)
                setUpCanvas(*canvas);
            return made;
        });
        dialogs.printerAnswer = true;
    }
    ~PrintHarness()
    {
        services.printing.setCanvasFactory(nullptr);
        services.printing.setPrintingDialog(nullptr);
    }

    // Types over a field's whole text, as a user would.
    void type(TAgentForm *f, Field field, const QString &keys)
    {
        QLineEdit *edit = f->widgets().field(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }
    void print(TAgentForm *f) { QTest::mouseClick(f->widgets().SpeedButton3, Qt::LeftButton); }
    // Sends the print to a PDF file, as choosing "Print to File (PDF)" does.
    void printToPdf(const QString &path, QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        services.printing.setCanvasFactory(nullptr);
        dialogs.setUpPrinter = [path, orientation](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageOrientation(orientation);
        };
    }
    QStringList kinds() const
    {
        QStringList result;
        for (const auto &s : dialogs.shown)
            result << s.kind;
        return result;
    }

    FakeDialogService dialogs;
    AgentServices services{dialogs};
    QWidget top;
    TAbortPrint abortPrint;
    TAgentForm *form = nullptr;
    TAgentForm *other = nullptr;
    QLineEdit *elsewhere = nullptr;
    std::shared_ptr<RecordingCanvas> canvas; // the last print's, kept after it
    int canvasesMade = 0;
    std::function<void(RecordingCanvas &)> setUpCanvas;
};

class ReportPrintTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void printButton();
    void cancelledPrintDialogTouchesNothing();
    void printsTheWindowAsItStands();
    void refusedFieldExitPrintsNothing();
    void printsToAPdfFileInPortrait();
    void printsADocumentInItsOwnOrientation();
    void cancelledPdfLeavesNoFile();
    void printerErrorIsReportedThenTheDocumentEnds();
    void failedStartIsReportedAndHidesTheDialog();
    void secondPrintWhilePrintingIsRefused();
    void windowClosedWhilePrintingGoesAfterTheReport();

private:
    QTemporaryDir m_dir;
};

namespace {

QString pdfText(const QString &pdf, const QString &option = QStringLiteral("-layout"))
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {option, pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfInfo(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A scenario saved as a file with its slot volumes, for a window to load.
QString writeScenario(const QString &path, AgentScenario s)
{
    s.setSlotCallsEdited(true);
    return SaveScenario(s, path).ok ? path : QString();
}

QStringList textsOf(const RecordingCanvas &canvas)
{
    QStringList texts;
    for (const auto &t : canvas.texts)
        texts << t.text;
    return texts;
}

} // namespace

void ReportPrintTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void ReportPrintTest::printButton()
{
    PrintHarness h;
    QToolButton *button = h.form->widgets().SpeedButton3;
    QCOMPARE(button->toolTip(), QStringLiteral("Print"));
    QVERIFY(button->isVisible());
    // The printing dialog as designed: hidden until a print starts.
    QCOMPARE(h.abortPrint.windowTitle(), QStringLiteral("AbortPrint"));
    QCOMPARE(h.abortPrint.size(), QSize(311, 71));
    QCOMPARE(h.abortPrint.cancelButton()->text(), QStringLiteral("&Cancel"));
    QCOMPARE(h.abortPrint.cancelButton()->geometry(), QRect(116, 36, 77, 25));
    QVERIFY(h.abortPrint.cancelButton()->isDefault());
    QVERIFY(!h.abortPrint.isModal());
}

void ReportPrintTest::cancelledPrintDialogTouchesNothing()
{
    PrintHarness h;
    h.dialogs.printerAnswer = false;
    h.print(h.form);
    QCOMPARE(h.kinds(), QStringList{"print"});
    QCOMPARE(h.canvasesMade, 0);
    QVERIFY(!h.abortPrint.isVisible());
    QVERIFY(!h.services.printing.busy());
}

void ReportPrintTest::printsTheWindowAsItStands()
{
    // The Agents example typed in; the number of calls is still being
    // edited when Print is pressed, and its exit runs first.
    PrintHarness h;
    const AgentScenario worked = workedAgentsScenario();
    for (Field f : {Field::MaskEdit5, Field::MaskEdit6, Field::MaskEdit2, Field::MaskEdit3, Field::MaskEdit1,
                    Field::MaskEdit7, Field::MaskEdit4}) {
        h.type(h.form, f, worked.inputs().text(f).remove(QLatin1Char(':')));
    }
    h.type(h.form, Field::Edit1, QStringLiteral("100"));
    h.dialogs.clear(); // the exits so far found no calls
    QVERIFY(h.form->widgets().field(Field::Edit1)->isModified());
    QString shownWhilePrinting;
    h.setUpCanvas = [&h, &shownWhilePrinting](RecordingCanvas &canvas) {
        canvas.afterText = [&h, &shownWhilePrinting](int count) {
            if (count == 1 && h.abortPrint.isVisible())
                shownWhilePrinting = h.abortPrint.printMessage()->text();
        };
    };
    h.print(h.form);

    QCOMPARE(h.kinds(), QStringList{"print"});
    QCOMPARE(shownWhilePrinting, QStringLiteral("Printing New Agents"));
    QVERIFY(!h.abortPrint.isVisible());
    QVERIFY(h.canvas->documentEnded);
    const QStringList texts = textsOf(*h.canvas);
    QCOMPARE(texts.mid(0, 5), (QStringList{"Varnook ", "Page 1", "Service Level Table", "FILE", "*.vnk"}));
    QCOMPARE(texts.mid(5, 4), (QStringList{"TOTAL CALLS", "100", "BETWEEN", "08:00 and 09:00"}));
    QCOMPARE(texts.mid(17, 2), (QStringList{"Agents", "Srv Lvl"}));
    QCOMPARE(texts.mid(26, 3), (QStringList{"6", "9%", "92%"}));
    QCOMPARE(texts.size(), 17 + 9 * 11);
}

void ReportPrintTest::refusedFieldExitPrintsNothing()
{
    PrintHarness h;
    h.type(h.form, Field::MaskEdit2, QStringLiteral("03")); // minutes only
    h.print(h.form);
    QCOMPARE(h.kinds(), QStringList{"error"});
    QCOMPARE(h.canvasesMade, 0);
}

void ReportPrintTest::printsToAPdfFileInPortrait()
{
    PrintHarness h;
    const QString scenario = writeScenario(m_dir.filePath(QStringLiteral("monday.vnk")), workedScheduleScenario());
    h.form->openFile(scenario);
    h.form->TabSet1Click(1);
    h.dialogs.clear();
    const QString pdf = m_dir.filePath(QStringLiteral("monday.pdf"));
    h.printToPdf(pdf, QPageLayout::Landscape);
    h.print(h.form);

    QCOMPARE(h.kinds(), QStringList{"print"});
    const QString info = pdfInfo(pdf);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("595 x 842")), qPrintable(info)); // A4 upright
    const QString text = pdfText(pdf);
    for (const QString &expected : {QStringLiteral("Daily Manning Schedule"), QStringLiteral("Page 1"), scenario,
                                    QStringLiteral("80% in 20 Secs"), QStringLiteral("08:00 and 10:00")})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + text));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("09:30 +120 +20 +82% +26% +13% +80% +00:15 +26"))));
    QVERIFY(!h.services.printing.busy());
}

void ReportPrintTest::printsADocumentInItsOwnOrientation()
{
    // State: a report of another kind (a week's) asks for landscape pages;
    // the print dialog was left at portrait.
    struct Landscape : ReportDocument
    {
        QString caption() const override { return QStringLiteral("week.vnkw"); }
        QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
        void printBody(ReportCanvas &canvas, const ReportFontSet &fonts) const override
        {
            canvas.setFont(fonts.body);
            canvas.drawText(0, 0, QStringLiteral("The week"));
        }
    };
    PrintHarness h;
    const QString pdf = m_dir.filePath(QStringLiteral("week.pdf"));
    h.printToPdf(pdf, QPageLayout::Portrait);
    h.services.printing.PrintDocument(Landscape(), h.dialogs);

    QCOMPARE(h.kinds(), QStringList{"print"});
    QVERIFY2(pdfInfo(pdf).contains(QStringLiteral("842 x 595")), qPrintable(pdfInfo(pdf))); // A4 on its side
    QVERIFY(pdfText(pdf).contains(QStringLiteral("The week")));
}

void ReportPrintTest::cancelledPdfLeavesNoFile()
{
    // Cancel clicked while page 1 of a two-page day is output: no message,
    // the dialog gone. A PDF printer cannot abort the job itself, yet no
    // file appears, and an earlier file of that name stays.
    PrintHarness h;
    h.form->openFile(writeScenario(m_dir.filePath(QStringLiteral("day2.vnk")), fullDaySchedule()));
    h.form->TabSet1Click(1);
    h.dialogs.clear();
    const QString pdf = m_dir.filePath(QStringLiteral("cancelled.pdf"));
    const QString earlier = m_dir.filePath(QStringLiteral("earlier.pdf"));
    QFile old(earlier);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier");
    old.close();
    for (const QString &target : {pdf, earlier}) {
        h.printToPdf(target);
        int outputs = 0;
        h.services.printing.setCanvasFactory([&h, &outputs](QPrinter &printer) {
            auto canvas = std::make_shared<PrinterCanvas>(printer);
            canvas->setAbortProcedure([&h, &outputs] {
                if (++outputs == 100)
                    QTest::mouseClick(h.abortPrint.cancelButton(), Qt::LeftButton);
                QCoreApplication::processEvents();
            });
            return canvas;
        });
        h.print(h.form);
        QCOMPARE(outputs, 100);
        QVERIFY(!h.abortPrint.isVisible());
        QVERIFY(!h.services.printing.busy());
    }
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier"));
    QCOMPARE(QDir(m_dir.path()).entryList(QStringList{QStringLiteral(".*.pdf.*")}, QDir::Files | QDir::Hidden),
             QStringList());
    QCOMPARE(h.kinds(), (QStringList{"print", "print"}));
}

void ReportPrintTest::printerErrorIsReportedThenTheDocumentEnds()
{
    PrintHarness h;
    h.setUpCanvas = [](RecordingCanvas &canvas) { canvas.failAtText = 12; };
    bool endedBeforeMessage = true;
    bool dialogShownWithMessage = false;
    h.dialogs.onShown = [&] {
        if (h.dialogs.shown.constLast().kind != QLatin1String("errorDialog"))
            return;
        endedBeforeMessage = h.canvas->documentEnded;
        dialogShownWithMessage = h.abortPrint.isVisible();
    };
    h.print(h.form);
    QCOMPARE(h.kinds(), (QStringList{"print", "errorDialog"}));
    QCOMPARE(h.dialogs.texts(QStringLiteral("errorDialog")), QStringList{"Printer error"});
    QVERIFY(!endedBeforeMessage);
    QVERIFY(dialogShownWithMessage);
    QVERIFY(h.canvas->documentEnded);
    QCOMPARE(h.canvas->texts.size(), 12);
    QVERIFY(!h.abortPrint.isVisible());
}

void ReportPrintTest::failedStartIsReportedAndHidesTheDialog()
{
    PrintHarness h;
    h.setUpCanvas = [](RecordingCanvas &canvas) { canvas.failBegin = true; };
    h.print(h.form);
    QCOMPARE(h.dialogs.texts(QStringLiteral("error")), QStringList{"The printer is not ready."});
    QVERIFY(!h.abortPrint.isVisible());
    QVERIFY(h.canvas->texts.isEmpty());
    QVERIFY(!h.services.printing.busy());
}

void ReportPrintTest::secondPrintWhilePrintingIsRefused()
{
    PrintHarness h;
    h.other->setWindowTitle(QStringLiteral("Other"));
    int canvasesDuring = 0;
    QString messageAfter;
    h.setUpCanvas = [&](RecordingCanvas &canvas) {
        canvas.afterText = [&](int count) {
            if (count == 8) {
                h.print(h.other);
                canvasesDuring = h.canvasesMade;
                messageAfter = h.abortPrint.printMessage()->text();
            }
        };
    };
    h.print(h.form);
    QCOMPARE(h.kinds(), (QStringList{"print", "error"}));
    QVERIFY(h.dialogs.texts(QStringLiteral("error")).constFirst().startsWith(QStringLiteral("Printing in progress")));
    QCOMPARE(canvasesDuring, 1);
    QCOMPARE(messageAfter, QStringLiteral("Printing New Agents"));
    QVERIFY(h.canvas->documentEnded);
    // The whole report of a new window, whose one row is empty.
    QCOMPARE(h.canvas->texts.size(), 17 + 9);
    // Once done, the other window prints.
    h.setUpCanvas = nullptr;
    h.print(h.other);
    QCOMPARE(h.canvasesMade, 2);
}

void ReportPrintTest::windowClosedWhilePrintingGoesAfterTheReport()
{
    // The planner closes the printing window while its pages are output:
    // the report completes from what it took, and the window goes after.
    FakeDialogService dialogs;
    dialogs.printerAnswer = true;
    QMdiArea area;
    AgentServices services(dialogs);
    auto *form = new TAgentForm(services);
    QMdiSubWindow *child = area.addSubWindow(form);
    child->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    const QPointer<TAgentForm> watch(form);
    std::shared_ptr<RecordingCanvas> canvas;
    services.printing.setCanvasFactory([&](QPrinter &) {
        canvas = std::make_shared<RecordingCanvas>(600, 600, 4792, 6851);
        canvas->afterText = [&](int count) {
            if (count == 5) {
                child->close();
                QCoreApplication::processEvents();
            }
        };
        return canvas;
    });
    QTest::mouseClick(form->widgets().SpeedButton3, Qt::LeftButton);
    services.printing.setCanvasFactory(nullptr);
    QVERIFY(!watch.isNull()); // not while its button's handler ran
    QVERIFY(canvas->documentEnded);
    QCOMPARE(canvas->texts.size(), 17 + 9);
    QTRY_VERIFY(watch.isNull());
}

QTEST_MAIN(ReportPrintTest)
#include "test_reportprint.moc"
