// SPDX-License-Identifier: MIT
#include "helpfilecheck.h"

#include "helpwindow.h"

#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>

#include <cstdio>

namespace {

const QLatin1String checkOption("--check-help");

} // namespace

bool IsHelpCheckRequest(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1) == checkOption && !QFileInfo::exists(arguments.at(1));
}

QString HelpFileProblem(const QString &helpFile)
{
    // Checked first: a help engine on a missing path would leave an empty
    // file there.
    const QFileInfo info(helpFile);
    if (!info.isFile())
        return QStringLiteral("The help file \"%1\" is missing").arg(helpFile);
    if (!info.isReadable())
        return QStringLiteral("The help file \"%1\" cannot be read").arg(helpFile);

    const HelpWindow window(helpFile);
    QHelpEngine *engine = window.engine();
    // 4: the main and agent windows; 32: the graph windows.
    for (const int topic : {4, 32}) {
        const QList<QHelpLink> links = engine->documentsForIdentifier(QString::number(topic));
        if (links.isEmpty())
            return QStringLiteral("The help file \"%1\" has no topic %2").arg(helpFile).arg(topic);
        if (engine->fileData(links.constFirst().url).isEmpty())
            return QStringLiteral("The page of help topic %1 (%2) cannot be read")
                .arg(topic)
                .arg(links.constFirst().url.toString());
    }
    return {};
}

int ReportHelpFileCheck(const QString &helpFile)
{
    const QString problem = HelpFileProblem(helpFile);
    if (!problem.isEmpty()) {
        std::fputs(qPrintable(problem + QLatin1Char('\n')), stderr);
        return 1;
    }
    std::fputs(qPrintable(helpFile + QLatin1Char('\n')), stdout);
    return 0;
}
