// SPDX-License-Identifier: MIT
#include "reportprintcommand.h"

#include "dialogservice.h"
#include "graphglyphs.h"
#include "handlerguard.h"
#include "printercanvas.h"
#include "reportcontent.h"
#include "reportdocument.h"
#include "reportlayout.h"
#include "reportprinthost.h"
#include "tabortprint.h"

#include <QApplication>
#include <QPointer>
#include <QPrinter>
#include <QStyle>

#include <optional>

namespace {

const QString BusyMessage =
    QStringLiteral("Printing in progress: wait until the report being printed has ended, or cancel it, then print again");
const QString PrinterErrorMessage = QStringLiteral("Printer error");

std::shared_ptr<ReportCanvas> printerCanvas(QPrinter &printer)
{
    auto canvas = std::make_shared<PrinterCanvas>(printer);
    // The printer's output lets the program handle pending input, so that
    // the printing dialog's Cancel is seen while pages are output.
    canvas->setAbortProcedure([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    return canvas;
}

// An agent window's report (or a shift plan's) on portrait pages.
class ContentDocument : public ReportDocument
{
public:
    explicit ContentDocument(const ReportContent &content)
        : m_content(content)
    {
    }
    QString caption() const override { return m_content.caption; }
    QPageLayout::Orientation orientation() const override { return QPageLayout::Portrait; }
    void printBody(ReportCanvas &canvas, const ReportFontSet &fonts) const override
    {
        ReportLayout(canvas, fonts).printBody(m_content);
    }

private:
    const ReportContent &m_content;
};

} // namespace

ReportPrintCommand::ReportPrintCommand() = default;
ReportPrintCommand::~ReportPrintCommand() = default;

void ReportPrintCommand::setPrintingDialog(TAbortPrint *dialog)
{
    m_dialog = dialog;
}

TAbortPrint *ReportPrintCommand::printingDialog() const
{
    return m_dialog;
}

void ReportPrintCommand::setFonts(const ReportFontSet &fonts)
{
    m_fonts = fonts;
}

ReportFontSet ReportPrintCommand::fonts() const
{
    if (m_fonts)
        return *m_fonts;
    return StandardReportFontSet(QApplication::palette().color(QPalette::Dark));
}

QPrinter &ReportPrintCommand::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void ReportPrintCommand::setCanvasFactory(CanvasFactory factory)
{
    m_canvasFactory = std::move(factory);
}

QIcon ReportPrintCommand::buttonIcon()
{
    return MakeGraphGlyph(GraphGlyph::Print);
}

ReportContent ReportPrintCommand::contentOf(const ReportPrintHost &window)
{
    ReportContent content = ReportContent::fromScenario(window.scenario(), window.ScenarioFileName(), window.caption());
    // The fields' texts as they stand in the window.
    auto text = [&window](Field f) { return window.fieldText(f); };
    content.totalCalls = text(Field::Edit1);
    content.startTime = text(Field::MaskEdit1);
    content.endTime = text(Field::MaskEdit7);
    content.callLength = text(Field::MaskEdit2);
    content.afterCall = text(Field::MaskEdit3);
    content.maxWait = text(Field::MaskEdit4);
    content.goalPercent = text(Field::MaskEdit5);
    content.goalSeconds = text(Field::MaskEdit6);
    return content;
}

void ReportPrintCommand::PrintReport(ReportPrintHost &window, DialogService &dialogs)
{
    RunHandler(dialogs, [&] {
        if (m_busy) {
            // The printer is busy with another window's report, which goes
            // on untouched.
            dialogs.error(BusyMessage);
            return;
        }
        if (!window.completePendingFieldExit())
            return;
        // What prints is fixed now: the window stays usable while pages are
        // output, and its later edits do not reach this report.
        const ReportContent content = contentOf(window);
        QPrinter &target = printer();
        if (!dialogs.choosePrinter(target))
            return;
        print(ContentDocument(content), target, dialogs);
    });
}

void ReportPrintCommand::PrintPrepared(const ReportContent &content, DialogService &dialogs)
{
    PrintDocument(ContentDocument(content), dialogs);
}

void ReportPrintCommand::PrintDocument(const ReportDocument &document, DialogService &dialogs)
{
    RunHandler(dialogs, [&] {
        if (m_busy) {
            dialogs.error(BusyMessage);
            return;
        }
        QPrinter &target = printer();
        // The print dialog shows the page as it will print.
        target.setPageOrientation(document.orientation());
        if (!dialogs.choosePrinter(target))
            return;
        print(document, target, dialogs);
    });
}

void ReportPrintCommand::print(const ReportDocument &document, QPrinter &target, DialogService &dialogs)
{
    m_busy = true;
    std::shared_ptr<ReportCanvas> canvas = m_canvasFactory ? m_canvasFactory(target) : printerCanvas(target);
    const QPointer<TAbortPrint> dialog = m_dialog;
    auto hideDialog = [&dialog] {
        if (dialog) {
            dialog->setAbortHandler(nullptr);
            dialog->hide();
        }
    };
    // On every way out the printing dialog goes and the printer is free.
    struct Finish
    {
        std::function<void()> run;
        ~Finish() { run(); }
    } finish{[&] {
        hideDialog();
        m_busy = false;
    }};

    if (dialog) {
        ReportCanvas *job = canvas.get();
        dialog->setAbortHandler([job] { job->abort(); });
        dialog->ShowPrinting(QStringLiteral("Printing ") + document.caption());
    }

    // The document's orientation whatever the print dialog chose; then the
    // document, which starts page 1.
    try {
        target.setPageOrientation(document.orientation());
        canvas->beginDocument();
    } catch (const std::exception &e) {
        hideDialog();
        dialogs.error(QString::fromLocal8Bit(e.what()));
        return;
    }
    printDocument(document, *canvas, dialogs, hideDialog);
}

void ReportPrintCommand::printDocument(const ReportDocument &document, ReportCanvas &canvas, DialogService &dialogs,
                                       const std::function<void()> &hideDialog) const
{
    bool printerFailed = false;
    std::optional<QString> otherFailure;
    try {
        document.printBody(canvas, fonts());
    } catch (const PrinterError &) {
        printerFailed = true;
    } catch (const std::bad_alloc &) {
        otherFailure = QStringLiteral("Out of memory");
    } catch (const std::exception &e) {
        otherFailure = QString::fromLocal8Bit(e.what());
    }

    // A printer failure is shown before the document ends; what was printed
    // stays. A cancelled job is not ended: what was sent is discarded.
    if (printerFailed)
        dialogs.showErrorDialog(PrinterErrorMessage);
    bool ended = true;
    if (!canvas.aborted())
        ended = canvas.endDocument();
    hideDialog();
    if (otherFailure)
        dialogs.error(*otherFailure);
    else if (!ended && !printerFailed)
        dialogs.showErrorDialog(PrinterErrorMessage);
}
