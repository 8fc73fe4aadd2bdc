// SPDX-License-Identifier: MIT
#include "scenariofiledrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

ScenarioFileDrop::ScenarioFileDrop(QWidget *window, OpenHandler open)
    : QObject(window)
    , m_window(window)
    , m_open(std::move(open))
{
    // The window is the drop target wherever no child takes the drag; the
    // application-wide filter sees drags over the children that do (the
    // fields accept text) before they do.
    window->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

QStringList ScenarioFileDrop::scenarioFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isFile())
            files << info.absoluteFilePath();
    }
    return files;
}

bool ScenarioFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !m_window || widget->window() != m_window)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList files = scenarioFiles(drop->mimeData());
    if (files.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // Opened after the drop has ended, so that a message about a file
        // does not hold the file manager's drag open.
        for (const QString &file : files)
            QMetaObject::invokeMethod(this, [this, file] { m_open(file); }, Qt::QueuedConnection);
    }
    return true;
}
