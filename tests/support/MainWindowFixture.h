#pragma once

#include "app/MainWindow.h"
#include "app/SettingsWindow.h"
#include "app/StandardScreens.h"
#include "base/AppContext.h"
#include "support/FakePlatform.h"
#include "support/TempShop.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

// The program's main window on a throw-away shop with the platform double, shown and active as
// after the login (or, when Hidden, waiting for show() while the test prepares the shop).
struct MainWindowFixture {
    enum Opening { Shown, Hidden };

    explicit MainWindowFixture(ScreenRegistry screens = standardScreens(), Opening opening = Shown)
        : window(context, std::move(screens)) {
        platform.cRoot = drive.path();
        if (opening == Shown)
            show();
    }
    // The window activates itself, as after the login.
    void show() {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the main window did not become active");
    }
    QMdiArea* mdi() const { return window.findChild<QMdiArea*>(); }
    QWidget* screen(Screen screen) const { return window.screenWindow(screen)->widget(); }
    // What the last action showed: a page, the settings window, the end, or a screen.
    QString outcome() {
        using namespace Qt::Literals::StringLiterals;
        if (!platform.openedUrls.isEmpty())
            return platform.openedUrls.last().fileName();
        if (SettingsWindow* settings = window.settings().loadedWindow();
            settings && settings->isVisible())
            return settings->windowTitle();
        if (!window.isVisible())
            return u"closed"_s;
        QMdiSubWindow* current = mdi()->currentSubWindow();
        return current && !current->isHidden() ? current->widget()->windowTitle() : QString();
    }
    // The daily backup of the fake clock's day.
    QString backupPath() const {
        using namespace Qt::Literals::StringLiterals;
        return drive.filePath(u"Vellor零售店收银软件数据库备份/13日/数据库.dat"_s);
    }

    QTemporaryDir drive;
    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    MainWindow window;
};
