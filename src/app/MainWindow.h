#pragma once

#include "app/HelpManual.h"
#include "app/ScreenRegistry.h"
#include "app/SettingsHolder.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <map>
#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QuietCheckpoint;
class TillPrinter;
struct AppContext;

// The frame of the program: toolbar, menus and the child windows of the working screens.
// Closing it, by any way, makes the daily backup and ends the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppContext& context, ScreenRegistry screens, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Where the till reads the current receipt settings from.
    SettingsHolder& settings() { return m_settings; }

    // Opens a screen, or brings the open one to the front as it is. Nothing happens for a
    // screen that has no factory; the child window is returned otherwise.
    QMdiSubWindow* openScreen(Screen screen);
    // Closes the stock screen if it is open and opens it afresh in the mode "入库" or "出库".
    QMdiSubWindow* openStockScreen(const QString& kind);
    // The child window of an open screen, or nullptr.
    QMdiSubWindow* screenWindow(Screen screen) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildToolStrip();
    void buildMenus();
    void openHelp(HelpManual::Page page);
    void placeScreens();
    // False when a screen refused to close.
    bool closeScreens();
    QString backupFolder() const;
    // Puts a backup copy in the place of the open database, with every screen closed and all
    // that was read from the old file let go, then starts afresh on the restored file.
    void restoreFrom(const QString& copy, const QString& written);
    void startOnDatabase();
    void exitProgram();

    AppContext& m_context;
    ScreenRegistry m_screens;
    TillPrinter* m_till;
    SettingsHolder m_settings;
    std::unique_ptr<QuietCheckpoint> m_checkpoint;
    QMdiArea* m_mdi = nullptr;
    std::map<Screen, QPointer<QMdiSubWindow>> m_open;
    QString m_movementKind;
    QStringList m_backupFolders; // chosen on the backup screen, for as long as the program runs
    bool m_exiting = false;
};
