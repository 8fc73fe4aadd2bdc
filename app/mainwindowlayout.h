// SPDX-License-Identifier: MIT
#pragma once

class QMainWindow;
class QSettings;

// The main window's size, position, maximized state and tool bar state,
// kept in the settings between runs.
class MainWindowLayout
{
public:
    // Applies the remembered layout to a window not yet shown, moved onto a
    // screen (FitOnScreens) where the remembered place is no longer on one.
    // False, and the window unchanged, when nothing sound is remembered.
    static bool restore(QMainWindow &window, QSettings &settings);
    static void save(const QMainWindow &window, QSettings &settings);
    static void forget(QSettings &settings);
};
