// SPDX-License-Identifier: MIT
#include "historyfile.h"

#include "dialogservice.h"

#include <QFile>
#include <QFileInfo>

QString HistoryFile::choose(DialogService &dialogs)
{
    FileDialogSetup setup;
    setup.filters = QStringList{QStringLiteral("Interval files (*.csv *.tsv *.txt)"), QStringLiteral("All files (*)")};
    return dialogs.chooseOpenFile(setup);
}

std::optional<ForecastSession> HistoryFile::read(const QString &path, DialogService &dialogs)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs.error(QStringLiteral("Cannot open %1: %2").arg(name, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(IntervalDays::MaxTextLength + 1);
    QString refusal;
    std::optional<ForecastSession> session = ForecastSession::open(bytes, QFileInfo(path).absoluteFilePath(), &refusal);
    if (!session) {
        dialogs.error(QStringLiteral("No forecast was made from %1: %2. Nothing was changed").arg(name, refusal));
        return std::nullopt;
    }
    dialogs.fileUsed(path);
    return session;
}
