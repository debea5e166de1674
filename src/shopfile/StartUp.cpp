#include "shopfile/StartUp.h"

#include "base/Platform.h"
#include "base/SettingsBook.h"
#include "data/FileFailure.h"
#include "data/Schema.h"
#include "shopfile/BackupCopies.h"
#include "shopfile/CopyCheck.h"
#include "shopfile/DailyBackup.h"
#include "shopfile/DataFolder.h"
#include "shopfile/ShopRestore.h"
#include "shopfile/TemplateDatabase.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace StartUp {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString readOnlyText(const QString& path) {
    return u"数据文件（或它所在的文件夹）是只读的，程序不能保存销售：\n"_s + native(path) +
           u"\n请取消文件的只读属性，或检查文件夹和磁盘的写入权限，然后再启动程序。"_s;
}

QString openFailureText(const QString& path, const DbError& error) {
    switch (error.cause()) {
    case DbError::Cause::Damaged:
        return u"数据文件已损坏、不完整，或不是本软件的数据文件，无法打开：\n"_s + native(path);
    case DbError::Cause::NewerVersion:
        return error.message();
    case DbError::Cause::ReadOnly:
        return readOnlyText(path);
    default:
        return u"无法打开数据文件 "_s + native(path) + u"：\n" + error.message();
    }
}

// A folder the program cannot write to would let the login pass and fail the first sale.
std::optional<DbError> folderProblem(const QString& folder) {
    QFile probe(QDir(folder).filePath(u"数据库.dat.probe"_s));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return std::nullopt;
    }
    return FileFailure::of(probe, 0);
}

std::optional<BackupCopy> newestGoodDayCopy(const QString& backupFolder) {
    for (const BackupCopy& copy : BackupCopies::in(backupFolder)) {
        if (copy.kind == BackupCopy::Kind::Day &&
            CopyCheck::inspect(copy.path, Database::Check::Quick).state == CopyFacts::State::Good)
            return copy;
    }
    return std::nullopt;
}

// Everything before the file is opened; false, with the reason, when the folder cannot be
// used or another program holds the file.
bool prepare(StartUpResult& result, const QString& driveDRoot, const QString& driveCRoot) {
    const QString root = DataFolder::chooseRoot(driveDRoot, driveCRoot);
    result.dataFolder = DataFolder::dataFolderIn(root);
    result.backupFolder = DailyBackup::folderFor(root);
    DataFolder::makePath(result.dataFolder);
    const QString path = DataFolder::databaseFileIn(result.dataFolder);
    if (const std::optional<DbError> problem = folderProblem(result.dataFolder)) {
        result.cause = problem->cause();
        result.error = problem->cause() == DbError::Cause::ReadOnly
                           ? readOnlyText(path)
                           : u"无法使用数据文件夹 "_s + native(result.dataFolder) + u"：\n" +
                                 problem->message();
        return false;
    }
    // Two programs on one file would hand out the same sale number. The lock names its process,
    // so one left by a killed program is taken over; it keeps no reader off the file itself.
    result.lock = std::make_unique<QLockFile>(path + u".lock"_s);
    if (!result.lock->tryLock()) {
        result.alreadyRunning = result.lock->error() == QLockFile::LockFailedError;
        result.error = u"无法锁定数据文件 "_s + native(path) + u"。请重新启动电脑后再试。"_s;
        result.lock.reset();
        return false;
    }
    // Only now: a copy being written by another program is not a kill's leftover.
    BackupCopies::removeUnfinished(result.dataFolder, result.backupFolder);
    return true;
}

void openFile(StartUpResult& result) {
    result.error.clear();
    result.cause = DbError::Cause::Other;
    const QString path = DataFolder::databaseFileIn(result.dataFolder);
    if (!QFileInfo::exists(path)) {
        QString reason;
        if (!TemplateDatabase::writeTo(path, &reason)) {
            result.error = u"无法创建数据文件 "_s + native(path) + u"：\n" + reason;
            return;
        }
    }
    try {
        Database database = Database::open(path, QString::fromUtf16(Schema::DatabasePassword));
        // A page damaged in the middle opens like any other; the day's work would fail on it.
        if (!database.integrityProblems(Database::Check::Quick).isEmpty())
            throw DbError(u"数据文件已损坏"_s, DbError::Cause::Damaged);
        Schema::upgrade(database);
        result.storedPassword = SettingsBook(database).storedPassword();
        result.database.emplace(std::move(database));
    } catch (const DbError& error) {
        result.cause = error.cause();
        result.error = openFailureText(path, error);
    }
}

// 是 puts the copy back; the result then holds the restored file, or why it did not open.
void offerNewestDayCopy(StartUpResult& started, Platform& platform) {
    const std::optional<BackupCopy> offer = newestGoodDayCopy(started.backupFolder);
    if (!offer) {
        platform.warn(nullptr, started.error +
                                   u"\n\n没有找到可以恢复的备份。请把完好的数据文件复制到 "_s +
                                   native(started.dataFolder) + u" 后再启动程序。"_s);
        return;
    }
    const QString when = offer->written.toString(u"d日 HH:mm"_s);
    if (!platform.askYesNo(nullptr, started.error + u"\n\n恢复最近的备份（"_s + when + u"）？"))
        return;
    QString kept;
    try {
        kept = ShopRestore::intoUnopenable(
            DataFolder::databaseFileIn(started.dataFolder),
            {.copy = offer->path,
             .keptFolder = BackupCopies::keptFolderIn(started.backupFolder),
             .now = platform.now()});
    } catch (const DbError& error) {
        platform.warn(nullptr, u"恢复失败："_s + error.message());
        return;
    }
    openFile(started);
    if (started.database)
        platform.inform(nullptr, u"已恢复到 "_s + when + u" 的备份。原来的数据文件另存在：\n"_s +
                                     native(kept));
    else
        platform.warn(nullptr, started.error);
}

} // namespace

StartUpResult run(const QString& driveDRoot, const QString& driveCRoot) {
    StartUpResult result;
    if (prepare(result, driveDRoot, driveCRoot))
        openFile(result);
    if (!result.database)
        result.lock.reset(); // a refused start leaves nothing beside the file
    return result;
}

StartUpResult open(Platform& platform) {
    StartUpResult started;
    if (!prepare(started, platform.driveDRoot(), platform.driveCRoot())) {
        if (started.alreadyRunning)
            platform.inform(nullptr, u"程序已在运行。"_s);
        else
            platform.warn(nullptr, started.error);
        return started;
    }
    openFile(started);
    if (!started.database && started.cause == DbError::Cause::Damaged)
        offerNewestDayCopy(started, platform);
    else if (!started.database)
        platform.warn(nullptr, started.error);
    return started;
}

} // namespace StartUp
