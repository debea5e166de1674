#include "shopfile/StartUp.h"

#include "base/SettingsBook.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "shopfile/DataFolder.h"
#include "shopfile/TemplateDatabase.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace StartUp {

StartUpResult run(const QString& driveDRoot, const QString& driveCRoot) {
    StartUpResult result;
    result.dataFolder = DataFolder::dataFolderIn(DataFolder::chooseRoot(driveDRoot, driveCRoot));
    DataFolder::makePath(result.dataFolder);
    const QString path = DataFolder::databaseFileIn(result.dataFolder);
    if (!QFileInfo::exists(path)) {
        QString reason;
        if (!TemplateDatabase::writeTo(path, &reason)) {
            result.error = u"无法创建数据库文件 "_s + path + u"：" + reason;
            return result;
        }
    }
    try {
        Database database = Database::open(path, QString::fromUtf16(Schema::DatabasePassword));
        Schema::upgrade(database);
        result.storedPassword = SettingsBook(database).storedPassword();
        result.database.emplace(std::move(database));
    } catch (const DbError& error) {
        result.error = u"无法打开数据库文件 "_s + path + u"：" + error.message();
    }
    return result;
}

} // namespace StartUp
