// SPDX-License-Identifier: MIT
#include "launchoptions.h"

#include "varnookversion.h"

LaunchOptions ParseLaunchOptions(const QStringList &arguments)
{
    LaunchOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded) {
            if (argument == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            if (argument == QLatin1String("--new-instance")) {
                options.newInstance = true;
                continue;
            }
            if (argument == QLatin1String("--reset-layout")) {
                options.resetLayout = true;
                continue;
            }
            if (argument == QLatin1String("--version")) {
                options.version = true;
                continue;
            }
        }
        if (!argument.isEmpty())
            options.files.append(argument);
    }
    return options;
}

QString LaunchVersionText()
{
    return QStringLiteral("varnook (Varnook) " VARNOOK_VERSION "\n");
}
