// SPDX-License-Identifier: MIT
#include "mainwindowlayout.h"

#include "screenfit.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

namespace {

const QString GroupKey = QStringLiteral("MainWindow");
const QString GeometryKey = QStringLiteral("MainWindow/geometry");
const QString FrameKey = QStringLiteral("MainWindow/frame"); // left, top, right, bottom
const QString MaximizedKey = QStringLiteral("MainWindow/maximized");
const QString StateKey = QStringLiteral("MainWindow/state");

QList<QRect> availableScreens()
{
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

QMargins frameMargins(const QList<int> &stored)
{
    // Margins beyond this many pixels are not a window frame: a damaged
    // entry is read as no frame.
    constexpr int MaxFrame = 200;
    if (stored.size() != 4)
        return {};
    for (const int side : stored) {
        if (side < 0 || side > MaxFrame)
            return {};
    }
    return QMargins(stored.at(0), stored.at(1), stored.at(2), stored.at(3));
}

} // namespace

bool MainWindowLayout::restore(QMainWindow &window, QSettings &settings)
{
    const QRect stored = settings.value(GeometryKey).toRect();
    QList<int> frame;
    for (const QVariant &side : settings.value(FrameKey).toList())
        frame.append(side.toInt());
    const QRect placed = FitOnScreens(stored, frameMargins(frame), availableScreens(), window.minimumSize());
    if (placed.isNull())
        return false;
    window.setGeometry(placed);
    window.restoreState(settings.value(StateKey).toByteArray());
    if (settings.value(MaximizedKey).toBool())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

void MainWindowLayout::save(const QMainWindow &window, QSettings &settings)
{
    // The normal geometry, so that a maximized window comes back maximized
    // over the place it had before.
    const QRect geometry = window.isMaximized() || window.isFullScreen() ? window.normalGeometry() : window.geometry();
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QList<QVariant> frame{inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                                outer.bottom() - inner.bottom()};
    settings.setValue(GeometryKey, geometry);
    settings.setValue(FrameKey, frame);
    settings.setValue(MaximizedKey, window.isMaximized());
    settings.setValue(StateKey, window.saveState());
    settings.sync();
}

void MainWindowLayout::forget(QSettings &settings)
{
    settings.remove(GroupKey);
    settings.sync();
}
