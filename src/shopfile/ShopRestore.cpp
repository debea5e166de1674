#include "shopfile/ShopRestore.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/FileCopy.h"
#include "data/Schema.h"
#include "shopfile/AtomicReplace.h"
#include "shopfile/BackupCopies.h"
#include "shopfile/CopyCheck.h"
#include "shopfile/DataFolder.h"
#include "shopfile/FinishedCopy.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace ShopRestore {

namespace {

const QString Log = u"-wal"_s;
const QString LogIndex = u"-shm"_s;

QString key() {
    return QString::fromUtf16(Schema::DatabasePassword);
}

void reach(const Request& request, Step step) {
    if (request.reached)
        request.reached(step);
}

// What is checked is the file that goes in place, not the copy it came from: a stick pulled
// out halfway is caught here.
QString stageBeside(const QString& shopFile, const Request& request) {
    const QString staged = shopFile + u".new"_s;
    QFile::remove(staged);
    try {
        FileCopy::durable(request.copy, staged);
        reach(request, Step::Staged);
        const CopyFacts facts = CopyCheck::inspect(staged, Database::Check::Quick);
        if (facts.state != CopyFacts::State::Good)
            throw DbError(facts.problem);
        reach(request, Step::Checked);
    } catch (...) {
        QFile::remove(staged);
        throw;
    }
    return staged;
}

QString keep(const Request& request, const std::function<void(const QString&)>& writer) {
    DataFolder::makePath(request.keptFolder);
    const QString kept = BackupCopies::freshPath(request.keptFolder, u"数据库"_s, request.now);
    try {
        FinishedCopy::write(kept, writer);
    } catch (const DbError& error) {
        throw DbError(u"当前的数据没能先另存一份，所以没有恢复："_s + error.message(),
                      error.cause());
    }
    return kept;
}

// A log left beside the restored file would be read into it as if it were its own.
void removeLog(const QString& shopFile) {
    QFile::remove(shopFile + Log);
    QFile::remove(shopFile + LogIndex);
}

void putInPlace(const QString& staged, const QString& shopFile) {
    if (!AtomicReplace::replace(staged, shopFile)) {
        QFile::remove(staged);
        throw DbError(u"无法替换数据文件。请检查数据文件夹的权限后再试。"_s);
    }
}

} // namespace

QString intoOpen(Database& database, const Request& request) {
    const QString shopFile = database.path();
    const QString staged = stageBeside(shopFile, request);
    QString kept;
    try {
        kept = keep(request,
                    [&database](const QString& partial) { database.backupTo(partial, key()); });
        reach(request, Step::CurrentKept);
        // Whatever another program still holds in the log would be lost with it.
        if (!database.checkpoint())
            throw DbError(u"数据文件正被其他程序使用。请关闭其他程序后再试。"_s);
    } catch (...) {
        QFile::remove(staged);
        throw;
    }
    if (!database.closeNow()) {
        QFile::remove(staged);
        throw DbError(u"数据文件还在使用中。请关闭所有窗口后再恢复。"_s);
    }
    reach(request, Step::Closed);
    removeLog(shopFile);
    try {
        putInPlace(staged, shopFile);
    } catch (...) {
        database = Database::open(shopFile, key());
        throw;
    }
    reach(request, Step::Replaced);
    try {
        database = Database::open(shopFile, key());
        Schema::upgrade(database);
    } catch (...) {
        database.close();
        throw;
    }
    reach(request, Step::Reopened);
    return kept;
}

QString intoUnopenable(const QString& path, const Request& request) {
    const QString staged = stageBeside(path, request);
    QString kept;
    try {
        kept = keep(request, [&path](const QString& partial) { FileCopy::durable(path, partial); });
        if (QFileInfo::exists(path + Log))
            FileCopy::durable(path + Log, kept + Log);
        reach(request, Step::CurrentKept);
    } catch (...) {
        QFile::remove(staged);
        throw;
    }
    removeLog(path);
    putInPlace(staged, path);
    reach(request, Step::Replaced);
    return kept;
}

} // namespace ShopRestore
