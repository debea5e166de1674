#include "data/FileCopy.h"

#include "data/DbError.h"

#include <QByteArray>
#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace FileCopy {

namespace {

bool flushToDisk(QFile& file) {
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return fsync(file.handle()) == 0;
#endif
}

} // namespace

void durable(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        throw DbError(source.errorString());
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw DbError(target.errorString());
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read < 0)
            throw DbError(source.errorString());
        if (read == 0)
            break;
        if (target.write(buffer.constData(), read) != read)
            throw DbError(target.errorString());
    }
    if (!flushToDisk(target))
        throw DbError(u"备份文件未能写入磁盘："_s + target.errorString());
}

} // namespace FileCopy
