#include "app/SettingsHolder.h"

#include "app/SettingsWindow.h"
#include "base/AppContext.h"
#include "base/SettingsBook.h"
#include "data/DbError.h"

SettingsHolder::SettingsHolder(AppContext& context, TillPrinter& till, QWidget* mainWindow)
    : m_context(context)
    , m_till(till)
    , m_mainWindow(mainWindow) {}

SettingsHolder::~SettingsHolder() = default;

SettingsRow SettingsHolder::currentSettings() {
    if (m_window)
        return m_window->fields();
    SettingsRow row;
    try {
        SettingsBook(m_context.database).readInto(row);
    } catch (const DbError&) {
        // Printing goes on with the defaults, as it would with an unreadable window.
    }
    return row;
}

void SettingsHolder::show() {
    if (!m_window) {
        m_window = std::make_unique<SettingsWindow>(m_context, m_till);
        connect(m_window.get(), &SettingsWindow::finished, this,
                [this] { m_window.release()->deleteLater(); });
    }
    m_window->show(); // first, so that the outer size includes the frame
    if (m_mainWindow)
        m_window->placeOver(*m_mainWindow);
    m_window->raise();
    m_window->activateWindow();
}

void SettingsHolder::unload() {
    m_window.reset();
}
