#pragma once

#include "ui/Placed.h"

#include <QPushButton>

// A push button placed like any child widget. Enter presses it while it has the focus, so a
// form walked with Enter ends on its button, also where no application filter does it.
inline QPushButton* placedButton(QWidget* parent, const QString& objectName, const QRect& geometry,
                                 const QString& caption) {
    auto* button = placed<QPushButton>(parent, objectName, geometry, caption);
    button->setAutoDefault(true);
    return button;
}
