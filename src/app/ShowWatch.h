#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs a function each time a widget goes from hidden to shown.
class ShowWatch : public QObject {
    Q_OBJECT
public:
    ShowWatch(QWidget* widget, std::function<void()> shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_shown;
};
