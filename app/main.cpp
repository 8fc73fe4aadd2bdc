// SPDX-License-Identifier: MIT
#include "helpfilecheck.h"
#include "messageboxdialogservice.h"
#include "tmainform.h"
#include "varnookapplication.h"

int main(int argc, char *argv[])
{
    VarnookApplication app(argc, argv);
    MessageBoxDialogService dialogs;
    app.setDialogs(&dialogs);
    TMainForm mainForm(dialogs);
    if (IsHelpCheckRequest(app.arguments()))
        return ReportHelpFileCheck(mainForm.helpFile());
    dialogs.setParentWindow(&mainForm);
    mainForm.show();
    mainForm.startUp(app.arguments());
    const int result = app.exec();
    app.setDialogs(nullptr);
    return result;
}
