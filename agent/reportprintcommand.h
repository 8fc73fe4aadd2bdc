// SPDX-License-Identifier: MIT
#pragma once

#include "reportfonts.h"

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>

class DialogService;
class QPrinter;
class ReportCanvas;
class TAbortPrint;
class TAgentForm;
struct ReportContent;

// An agent window's Print command: the print dialog, the printing dialog
// with its Cancel, and the report of the window's inputs and active table on
// the printer chosen. The printer, the printing dialog and the report fonts
// are shared by every agent window of the program, and one report prints at
// a time.
class ReportPrintCommand
{
public:
    // The printing dialog created at start-up; none leaves a print without it.
    static void setPrintingDialog(TAbortPrint *dialog);
    static TAbortPrint *printingDialog();
    // The main window's report fonts; until set, the standard ones.
    static void setFonts(const ReportFonts &fonts);
    static ReportFonts fonts();
    // The program's printer, set up by the print dialog.
    static QPrinter &printer();

    // The canvas a print draws on: by default the printer's own, which lets
    // pending input be handled while it outputs. Tests record instead; an
    // empty factory restores the default.
    using CanvasFactory = std::function<std::shared_ptr<ReportCanvas>(QPrinter &)>;
    static void setCanvasFactory(CanvasFactory factory);

    // True while a report is printing.
    static bool busy();

    // PrintReport: completes the field being left (a refused exit prints
    // nothing), asks for the printer, shows the printing dialog and prints.
    // A second print while one runs is refused with a message.
    static void PrintReport(TAgentForm &form, DialogService &dialogs);

    // The report's content as the window stands: its field texts, file name,
    // caption, tab and grid.
    static ReportContent contentOf(const TAgentForm &form);

    // The tool button's picture.
    static QIcon buttonIcon();

private:
    static void print(const ReportContent &content, QPrinter &printer, DialogService &dialogs);
    // From the first font to the end of the document, with the failures'
    // messages.
    static void printDocument(const ReportContent &content, ReportCanvas &canvas, DialogService &dialogs,
                              const std::function<void()> &hideDialog);
};
