#include "ui/ApplicationSetUp.h"

#include "ui/KeyboardButtons.h"
#include "ui/OneLineInput.h"
#include "ui/ShortcutPriority.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

void setUpApplication(QApplication& application) {
    // Without an explicit CJK face Qt may pick Japanese glyph shapes for Chinese text.
    application.setFont(QFont(u"WenQuanYi Micro Hei"_s, 9));
    new OneLineInput(&application);
    new KeyboardButtons(&application);
    new ShortcutPriority(&application);
    // Standard buttons of message boxes read 确定, 是, 否.
    auto* qtTranslations = new QTranslator(&application);
    if (qtTranslations->load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(qtTranslations);
}
