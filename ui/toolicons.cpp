// SPDX-License-Identifier: MIT
#include "toolicons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

// A page with a green plus: the themes' "new" pictures look greyed out,
// like a disabled button, on several desktops.
QIcon newWindowIcon()
{
    QIcon icon;
    for (const int size : {18, 24, 36}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = size / 18.0;
        painter.setPen(QPen(QColor(60, 60, 60), unit));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(3 * unit, 1.5 * unit, 10 * unit, 14 * unit));
        painter.setPen(QPen(QColor(0, 140, 0), 2.5 * unit, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(13 * unit, 9 * unit), QPointF(13 * unit, 17 * unit));
        painter.drawLine(QPointF(9 * unit, 13 * unit), QPointF(17 * unit, 13 * unit));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

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
    case ToolIcon::ExitProgram:
        // One picture for both ways of closing.
        return QIcon::fromTheme(QStringLiteral("window-close"), style->standardIcon(QStyle::SP_DialogCloseButton));
    case ToolIcon::NewWindow:
        return newWindowIcon();
    }
    return {};
}
