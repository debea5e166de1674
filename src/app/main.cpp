#include "app/LoginWindow.h"
#include "app/MainWindow.h"
#include "app/StandardScreens.h"
#include "base/AppContext.h"
#include "shopfile/StartUp.h"
#include "system/DesktopPlatform.h"
#include "ui/ApplicationSetUp.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    setUpApplication(application);
    DesktopPlatform platform;
    StartUpResult started = StartUp::open(platform);
    if (!started.database)
        return started.alreadyRunning ? 0 : 1;
    AppContext context{*started.database, platform, started.dataFolder};

    LoginWindow login(platform, started.storedPassword);
    std::unique_ptr<MainWindow> mainWindow;
    QObject::connect(&login, &LoginWindow::cancelled, &application, &QApplication::quit);
    QObject::connect(&login, &LoginWindow::loggedIn, &application, [&] {
        mainWindow = std::make_unique<MainWindow>(context, standardScreens());
        mainWindow->show();
    });
    login.show();
    return application.exec();
}
