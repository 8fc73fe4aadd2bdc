// SPDX-License-Identifier: MIT
#include "toolicons.h"

#include <QApplication>
#include <QStyle>

QIcon MakeToolIcon(ToolIcon icon)
{
    QStyle *style = QApplication::style();
    switch (icon) {
    case ToolIcon::Recalculate:
        return QIcon::fromTheme(QStringLiteral("view-refresh"), style->standardIcon(QStyle::SP_BrowserReload));
    case ToolIcon::Load:
        return QIcon::fromTheme(QStringLiteral("document-open"), style->standardIcon(QStyle::SP_DialogOpenButton));
    case ToolIcon::Save:
        return QIcon::fromTheme(QStringLiteral("document-save"), style->standardIcon(QStyle::SP_DialogSaveButton));
    case ToolIcon::CloseForm:
        return QIcon::fromTheme(QStringLiteral("window-close"), style->standardIcon(QStyle::SP_DialogCloseButton));
    case ToolIcon::NewWindow:
        return QIcon::fromTheme(QStringLiteral("window-new"), style->standardIcon(QStyle::SP_FileIcon));
    case ToolIcon::ExitProgram:
        return QIcon::fromTheme(QStringLiteral("application-exit"), style->standardIcon(QStyle::SP_DialogCancelButton));
    }
    return {};
}
