// SPDX-License-Identifier: MIT
#include "helpcommands.h"
#include "helpfilecheck.h"
#include "launcheractivation.h"
#include "launchoptions.h"
#include "messageboxdialogservice.h"
#include "singleinstance.h"
#include "solvethreads.h"
#include "tmainform.h"
#include "varnookapplication.h"

#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <cstdlib>

namespace {

// The files as absolute paths: the running Varnook that may open them has
// another working folder.
QStringList absolutePaths(const QStringList &files)
{
    QStringList paths;
    for (const QString &file : files)
        paths.append(QFileInfo(file).absoluteFilePath());
    return paths;
}

int exitStatus = 0;

// Run as the application ends, after every window: a shift plan solve that
// a closed window left running gets a second to stop, then the program
// leaves without it.
void LeaveSolvesBehind()
{
    if (!SolveThreads::waitForReleased(1000)) {
        std::fflush(nullptr);
        std::_Exit(exitStatus);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // --version needs no display: it is answered before Qt looks for one.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    if (ParseLaunchOptions(rawArguments).version) {
        std::fputs(LaunchVersionText().toLocal8Bit().constData(), stdout);
        return 0;
    }

    // The launcher's start-up id, read before the application takes it from
    // the environment.
    const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    VarnookApplication app(argc, argv);
    MessageBoxDialogService dialogs;
    app.setDialogs(&dialogs);
    if (IsHelpCheckRequest(app.arguments())) {
        TMainForm mainForm(dialogs);
        return ReportHelpFileCheck(mainForm.help().helpFile());
    }

    const LaunchOptions options = ParseLaunchOptions(app.arguments());
    SingleInstance instance(DefaultInstanceServerName());
    if (!options.newInstance
        && instance.start(absolutePaths(options.files), startupId) == SingleInstance::Start::HandedOver) {
        EndLaunchFeedback(startupId);
        if (options.resetLayout)
            std::fputs("varnook: Varnook is already running; --reset-layout applies at its next start\n", stderr);
        return 0;
    }

    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnook"),
                       QStringLiteral("Varnook"));
    TMainForm mainForm(dialogs);
    QObject::connect(&instance, &SingleInstance::filesReceived, &mainForm,
                     [&mainForm](const QStringList &files, const QString &launcherId) {
                         // With the click's time from the launcher the window
                         // manager lets the window take the focus; Qt's own
                         // request carries an older time and may be refused.
                         const bool activated = ActivateForLauncher(&mainForm, launcherId);
                         mainForm.openHandedOverFiles(files, !activated);
                     });
    mainForm.useSettings(&settings, options.resetLayout);
    dialogs.setSettings(&settings);
    dialogs.setParentWindow(&mainForm);
    mainForm.show();
    mainForm.startUp(app.arguments());
    qAddPostRoutine(LeaveSolvesBehind);
    const int result = app.exec();
    exitStatus = result;
    app.setDialogs(nullptr);
    return result;
}
