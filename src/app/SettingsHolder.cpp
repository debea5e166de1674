#include "app/SettingsHolder.h"

#include "app/SettingsWindow.h"

SettingsHolder::SettingsHolder(AppContext& context, QWidget* mainWindow)
    : m_context(context)
    , m_mainWindow(mainWindow) {}

SettingsHolder::~SettingsHolder() = default;

SettingsRow SettingsHolder::currentSettings() {
    return load().fields();
}

void SettingsHolder::show() {
    SettingsWindow& window = load();
    window.show(); // first, so that the outer size includes the frame
    if (m_mainWindow)
        window.placeOver(*m_mainWindow);
    window.raise();
    window.activateWindow();
}

void SettingsHolder::unload() {
    m_window.reset();
}

SettingsWindow& SettingsHolder::load() {
    if (!m_window) {
        m_window = std::make_unique<SettingsWindow>(m_context);
        connect(m_window.get(), &SettingsWindow::finished, this,
                [this] { m_window.release()->deleteLater(); });
    }
    return *m_window;
}
