#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>

// A new child widget with its object name (which tests find it by), placed at a rectangle.
// The arguments come before the parent, as Qt's widget constructors take them.
template <typename Widget, typename... Arguments>
Widget* placed(QWidget* parent, const QString& objectName, const QRect& geometry,
               Arguments&&... arguments) {
    auto* widget = new Widget(std::forward<Arguments>(arguments)..., parent);
    widget->setObjectName(objectName);
    widget->setGeometry(geometry);
    return widget;
}
