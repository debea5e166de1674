#pragma once

#include "ui/Twips.h"

#include <QPoint>
#include <QSize>

// Where a screen sits over the main window: 150 twips left of and 900 twips above the centre
// of the main window, by outer sizes. Never above or left of the main window's corner, so
// that a screen taller than the window keeps its title bar in reach.
inline QPoint childPlacement(QSize mainWindow, QSize own) {
    const int left = (mainWindow.width() - own.width()) / 2 - Twips::px(150);
    const int top = (mainWindow.height() - own.height()) / 2 - Twips::px(900);
    return QPoint(qMax(0, left), qMax(0, top));
}
