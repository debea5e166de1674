#include "app/ShowWatch.h"

#include <QEvent>
#include <QWidget>

ShowWatch::ShowWatch(QWidget* widget, std::function<void()> shown)
    : QObject(widget)
    , m_shown(std::move(shown)) {
    widget->installEventFilter(this);
}

bool ShowWatch::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Show)
        m_shown();
    return false;
}
