#include "data/Database.h"

#include "data/DbError.h"
#include "data/EngineFailure.h"
#include "data/FileCopy.h"
#include "data/Schema.h"

#include <sqlcipher/sqlite3.h>

#include <QByteArray>
#include <QUrl>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int BusyTimeoutMs = 5000;

} // namespace

Database::Database(sqlite3* handle, QString path)
    : m_handle(handle)
    , m_path(std::move(path)) {}

Database Database::open(const QString& path, const QString& key) {
    return connect(path, key, SQLITE_OPEN_READWRITE);
}

Database Database::create(const QString& path, const QString& key) {
    return connect(path, key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

Database Database::openCopy(const QString& path, const QString& key) {
    // An immutable file is read as it lies on the disk, with no lock and no log file.
    const QString uri =
        QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()) + u"?immutable=1"_s;
    return connect(uri, key, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

Database Database::connect(const QString& path, const QString& key, int flags) {
    sqlite3* handle = nullptr;
    const int opened = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    Database database(handle, path);
    if (opened != SQLITE_OK)
        throw EngineFailure::of(handle);
    const QByteArray keyBytes = key.toUtf8();
    if (sqlite3_key(handle, keyBytes.constData(), static_cast<int>(keyBytes.size())) != SQLITE_OK)
        throw EngineFailure::of(handle);
    // Larger pages than the engine's default: a quarter of the per-page cipher work.
    database.execScript(u"PRAGMA cipher_page_size = 4096;");
    if (flags & SQLITE_OPEN_READONLY) {
        database.requireShopTables();
        database.requireKnownVersion();
        return database;
    }
    // Before anything writes: the journal mode alone would turn an empty file into a keyed
    // database, and an upgrade would stamp its version into a file that is not a shop's.
    if (!(flags & SQLITE_OPEN_CREATE)) {
        database.requireShopTables();
        database.requireKnownVersion();
        // The engine falls back to reading a file it may not write; the first save would fail.
        if (sqlite3_db_readonly(handle, "main") == 1)
            throw EngineFailure::ofCode(SQLITE_READONLY);
    }
    // A wrong key only shows when the first page is read. The products are searched in
    // memory, so the page cache serves only the indexes and pages of the current work.
    // The log shrinks back to the size limit once a checkpoint has emptied it.
    database.execScript(u"SELECT count(*) FROM sqlite_master;"
                        u"PRAGMA journal_mode = WAL;"
                        u"PRAGMA journal_size_limit = 4194304;"
                        u"PRAGMA synchronous = FULL;"
                        u"PRAGMA cache_size = -16384;"
                        u"PRAGMA temp_store = MEMORY;");
    sqlite3_busy_timeout(handle, BusyTimeoutMs);
    return database;
}

void Database::requireShopTables() {
    Statement tables = prepare(u"SELECT [name] FROM sqlite_master WHERE [type] = 'table'");
    QStringList present;
    while (tables.next())
        present << tables.text(0);
    for (const char16_t* table : Schema::TableNames) {
        if (!present.contains(QString::fromUtf16(table)))
            throw DbError(u"不是本软件的数据文件（缺少表 ["_s + QString::fromUtf16(table) +
                              u"]）。请从备份恢复。"_s,
                          DbError::Cause::Damaged);
    }
}

void Database::requireKnownVersion() {
    if (Schema::versionOf(*this) > Schema::Version)
        throw DbError(u"此数据文件由较新版本的程序创建，请使用新版本打开。"_s,
                      DbError::Cause::NewerVersion);
}

QStringList Database::integrityProblems(Check check) {
    Statement result =
        prepare(check == Check::Quick ? u"PRAGMA quick_check" : u"PRAGMA integrity_check");
    QStringList problems;
    try {
        while (result.next())
            problems << result.text(0);
    } catch (const DbError&) {
        // The check gives up on a page it cannot read, after naming what it found.
        if (problems.isEmpty())
            throw;
    }
    if (problems == QStringList{u"ok"_s})
        problems.clear();
    return problems;
}

Database::Database(Database&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr))
    , m_path(std::move(other.m_path)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_path = std::move(other.m_path);
    }
    return *this;
}

Database::~Database() {
    close();
}

bool Database::closeNow() {
    if (m_handle && sqlite3_close(m_handle) != SQLITE_OK)
        return false;
    m_handle = nullptr;
    return true;
}

void Database::close() noexcept {
    if (m_handle)
        sqlite3_close_v2(std::exchange(m_handle, nullptr));
}

Statement Database::prepare(QStringView sql) {
    sqlite3_stmt* statement = nullptr;
    const int result = sqlite3_prepare16_v2(m_handle, sql.utf16(), static_cast<int>(sql.size() * 2),
                                            &statement, nullptr);
    if (result != SQLITE_OK)
        throw EngineFailure::of(m_handle);
    return Statement(m_handle, statement);
}

void Database::execScript(QStringView sql) {
    if (sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw EngineFailure::of(m_handle);
}

void Database::backupTo(const QString& path, const QString& key) {
    if (!copyFileTo(path))
        pageBackupTo(path, key);
}

bool Database::checkpoint() {
    // A checkpoint that waited for a reader in another program would hold up the till.
    sqlite3_busy_timeout(m_handle, 0);
    int logFrames = -1;
    int copiedFrames = -1;
    const int result = sqlite3_wal_checkpoint_v2(m_handle, nullptr, SQLITE_CHECKPOINT_TRUNCATE,
                                                 &logFrames, &copiedFrames);
    sqlite3_busy_timeout(m_handle, BusyTimeoutMs);
    if (result != SQLITE_OK && result != SQLITE_BUSY && result != SQLITE_LOCKED)
        throw EngineFailure::of(m_handle);
    return result != SQLITE_LOCKED && logFrames >= 0 && logFrames == copiedFrames;
}

// With every commit in the file, a read transaction begun before any other program commits
// reads the file alone, and no checkpoint may write into the file while it is held: the
// file's bytes are then one consistent, keyed database.
bool Database::copyFileTo(const QString& path) {
    if (inTransaction())
        return false;
    const qint64 version = changeMark().otherConnections;
    if (!checkpoint())
        return false;
    execScript(u"BEGIN; SELECT count(*) FROM sqlite_master;");
    bool copied = false;
    try {
        if (changeMark().otherConnections == version) {
            FileCopy::durable(m_path, path);
            copied = true;
        }
    } catch (...) {
        execScript(u"COMMIT;");
        throw;
    }
    execScript(u"COMMIT;");
    return copied;
}

void Database::pageBackupTo(const QString& path, const QString& key) {
    Database target = create(path, key);
    // The copy is written once, straight into the file; the caller renames it into place.
    // Its pages go out as they come, so the copy needs next to no cache of its own.
    target.execScript(
        u"PRAGMA journal_mode = OFF; PRAGMA synchronous = NORMAL; PRAGMA cache_size = -1024;");
    sqlite3_backup* backup = sqlite3_backup_init(target.m_handle, "main", m_handle, "main");
    if (!backup)
        throw EngineFailure::of(target.m_handle);
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        throw EngineFailure::of(target.m_handle);
}

int Database::changes() const {
    return sqlite3_changes(m_handle);
}

bool Database::inTransaction() const {
    return sqlite3_get_autocommit(m_handle) == 0;
}

Database::ChangeMark Database::changeMark() {
    Statement version = prepare(u"PRAGMA data_version");
    version.next();
    return {version.integer(0), sqlite3_total_changes(m_handle)};
}
