#pragma once

#include "base/SettingsSource.h"

#include <QObject>

#include <memory>

class QWidget;
class SettingsWindow;
struct AppContext;

// The current settings live in the settings window while it is loaded, shown or hidden; a
// read while it is not loaded loads it hidden, and it stays loaded until it is closed (save,
// cancel, a changed password), after which the next read loads the stored row afresh.
class SettingsHolder : public QObject, public SettingsSource {
    Q_OBJECT
public:
    SettingsHolder(AppContext& context, QWidget* mainWindow);
    ~SettingsHolder() override;

    SettingsRow currentSettings() override;

    // "综合设置": shows the loaded window as it is, or loads it and shows it.
    void show();

    SettingsWindow* loadedWindow() const { return m_window.get(); }
    // Lets the loaded window go unsaved: it holds what was read from a database now replaced.
    void unload();

private:
    SettingsWindow& load();

    AppContext& m_context;
    QWidget* m_mainWindow;
    std::unique_ptr<SettingsWindow> m_window;
};
