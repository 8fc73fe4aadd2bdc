// SPDX-License-Identifier: MIT
#pragma once

#include "reportfontset.h"

#include <QIcon>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DialogService;
class QPrinter;
class ReportCanvas;
class ReportDocument;
class ReportPrintHost;
class TAbortPrint;
struct ReportContent;

// An agent window's Print command: the print dialog, the printing dialog
// with its Cancel, and the report of the window's inputs and active table on
// the printer chosen. One command, owned by the main window, serves every
// agent window of the program: they share the printer, the printing dialog
// and the report fonts, and one report prints at a time.
class ReportPrintCommand
{
public:
    ReportPrintCommand();
    ~ReportPrintCommand();
    ReportPrintCommand(const ReportPrintCommand &) = delete;
    ReportPrintCommand &operator=(const ReportPrintCommand &) = delete;

    // The printing dialog created at start-up; none leaves a print without it.
    void setPrintingDialog(TAbortPrint *dialog);
    TAbortPrint *printingDialog() const;
    // The main window's report fonts; until set, the standard ones.
    void setFonts(const ReportFontSet &fonts);
    ReportFontSet fonts() const;
    // The program's printer, set up by the print dialog.
    QPrinter &printer();

    // The canvas a print draws on: by default the printer's own, which lets
    // pending input be handled while it outputs. Tests record instead; an
    // empty factory restores the default.
    using CanvasFactory = std::function<std::shared_ptr<ReportCanvas>(QPrinter &)>;
    void setCanvasFactory(CanvasFactory factory);

    // True while a report is printing.
    bool busy() const { return m_busy; }

    // PrintReport: completes the field being left (a refused exit prints
    // nothing), asks for the printer, shows the printing dialog and prints.
    // A second print while one runs is refused with a message.
    void PrintReport(ReportPrintHost &window, DialogService &dialogs);
    // A report made elsewhere (a shift plan's), printed as PrintReport prints.
    void PrintPrepared(const ReportContent &content, DialogService &dialogs);
    // Any report (a week's), printed as PrintReport prints, in the
    // document's own orientation.
    void PrintDocument(const ReportDocument &document, DialogService &dialogs);

    // The report's content as the window stands: its field texts, file name,
    // caption, tab and grid.
    static ReportContent contentOf(const ReportPrintHost &window);

    // The tool button's picture.
    static QIcon buttonIcon();

private:
    void print(const ReportDocument &document, QPrinter &printer, DialogService &dialogs);
    // From the first font to the end of the document, with the failures'
    // messages.
    void printDocument(const ReportDocument &document, ReportCanvas &canvas, DialogService &dialogs,
                       const std::function<void()> &hideDialog) const;

    QPointer<TAbortPrint> m_dialog;
    std::optional<ReportFontSet> m_fonts;
    CanvasFactory m_canvasFactory;
    std::unique_ptr<QPrinter> m_printer;
    bool m_busy = false;
};
