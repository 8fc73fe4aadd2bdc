// SPDX-License-Identifier: MIT
#include "chartsurface.h"

#include <QAccessibleWidget>

namespace {

// Asked for each class from the widget's own up to QWidget; this one's
// subclasses meet it on the way.
QAccessibleInterface *chartAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChartSurface") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

ChartSurface::ChartSurface(QWidget *parent)
    : QWidget(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool accessibleAsChart = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsChart)
}
