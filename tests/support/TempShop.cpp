#include "support/TempShop.h"

#include "data/Schema.h"
#include "shopfile/TemplateDatabase.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

TempShop::TempShop() {
    QString error;
    if (!TemplateDatabase::writeTo(databasePath(), &error))
        qFatal("cannot write the template database: %s", qPrintable(error));
    reopen();
}

QString TempShop::databasePath() const {
    return m_folder.filePath(u"数据库.dat"_s);
}

void TempShop::reopen() {
    m_database.reset();
    m_database.emplace(
        Database::open(databasePath(), QString::fromUtf16(Schema::DatabasePassword)));
}
