#include "data/EngineFailure.h"

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace EngineFailure {

DbError of(sqlite3* handle) {
    if (!handle)
        return ofCode(SQLITE_NOMEM);
    // A trigger's RAISE carries a text written for the reader.
    if (sqlite3_extended_errcode(handle) == SQLITE_CONSTRAINT_TRIGGER)
        return DbError(QString::fromUtf8(sqlite3_errmsg(handle)));
    return ofCode(sqlite3_extended_errcode(handle));
}

DbError ofCode(int code) {
    using Cause = DbError::Cause;
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        return DbError(u"数据文件不是本软件的数据文件，或已损坏（无法解密）。"
                       u"请用“文件 → 数据备份与恢复”恢复最近的备份。"_s,
                       Cause::Damaged);
    case SQLITE_CORRUPT:
        return DbError(u"数据文件已损坏或不完整。请用“文件 → 数据备份与恢复”恢复最近的备份。"_s,
                       Cause::Damaged);
    case SQLITE_FULL:
        return DbError(u"磁盘已满。请删除不需要的文件，腾出空间后再试。"_s, Cause::DiskFull);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return DbError(u"数据文件或它所在的文件夹是只读的，不能写入。"
                       u"请取消文件的只读属性，或检查文件夹的权限后再试。"_s,
                       Cause::ReadOnly);
    case SQLITE_CANTOPEN:
        return DbError(u"无法打开数据文件：文件或它所在的文件夹不见了，或没有权限读写。"
                       u"请检查磁盘和文件夹后再试。"_s);
    case SQLITE_IOERR:
        return DbError(u"读写磁盘出错。请检查磁盘（U盘是否已拔出）后再试。"_s);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbError(u"数据文件正被其他程序使用。请关闭其他程序后再试。"_s);
    case SQLITE_NOMEM:
        return DbError(u"内存不足。请关闭其他程序后再试。"_s);
    default:
        return DbError(u"数据库出错（错误代码 "_s + QString::number(code) +
                       u"）。请重试；如果一直出错，请从备份恢复。"_s);
    }
}

} // namespace EngineFailure
