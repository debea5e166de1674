#pragma once

#include "base/SettingsSource.h"

#include <QObject>

#include <memory>

class QWidget;
class SettingsWindow;
class TillPrinter;
struct AppContext;

// The program's current settings: the settings window's fields while it is open, the stored
// row otherwise. The window exists only while it is shown.
class SettingsHolder : public QObject, public SettingsSource {
    Q_OBJECT
public:
    SettingsHolder(AppContext& context, TillPrinter& till, QWidget* mainWindow);
    ~SettingsHolder() override;

    SettingsRow currentSettings() override;

    // "综合设置": places the open window over the main window and in front, or opens it
    // filled from the stored row.
    void show();

    // The open settings window, or null.
    SettingsWindow* loadedWindow() const { return m_window.get(); }
    // Closes the open window unsaved: it holds what was read from a database now replaced.
    void unload();

private:
    AppContext& m_context;
    TillPrinter& m_till;
    QWidget* m_mainWindow;
    std::unique_ptr<SettingsWindow> m_window;
};
