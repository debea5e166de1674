#include "app/AppContext.h"
#include "app/DailyBackup.h"
#include "app/DataFolder.h"
#include "app/DesktopPlatform.h"
#include "app/LoginWindow.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QTranslator>

#include <memory>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Without an explicit CJK face Qt may pick Japanese glyph shapes for Chinese text.
    application.setFont(QFont(u"WenQuanYi Micro Hei"_s, 9));
    // Standard buttons of message boxes read 确定, 是, 否.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTranslations);

    DesktopPlatform platform;
    StartUpResult started = StartUp::run(platform.driveDRoot(), platform.driveCRoot());
    if (!started.database) {
        platform.inform(nullptr, started.error);
        return 1;
    }
    AppContext context{*started.database, platform, started.dataFolder};

    LoginWindow login(platform, started.storedPassword);
    std::unique_ptr<QMainWindow> mainWindow;
    QObject::connect(&login, &LoginWindow::cancelled, &application, &QApplication::quit);
    QObject::connect(&login, &LoginWindow::loggedIn, &application, [&] {
        mainWindow = std::make_unique<QMainWindow>();
        mainWindow->setWindowTitle(u"Vellor零售店收银软件 V2.0"_s);
        mainWindow->showMaximized();
        // Every way out after a login (the close box, the session ending) passes here.
        QObject::connect(&application, &QApplication::aboutToQuit, &application, [&] {
            const QString root =
                DataFolder::chooseRoot(platform.driveDRoot(), platform.driveCRoot());
            DailyBackup::run(context.database, DailyBackup::folderFor(root), platform.now().date());
        });
    });
    login.show();
    return application.exec();
}
