#include "data/FileCopy.h"

#include "data/DbError.h"
#include "data/FileFailure.h"

#include <QByteArray>
#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

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
        throw FileFailure::ofRead(source);
    const qint64 needed = source.size();
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw FileFailure::of(target, needed);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read < 0)
            throw FileFailure::ofRead(source);
        if (read == 0)
            break;
        if (target.write(buffer.constData(), read) != read)
            throw FileFailure::of(target, needed);
    }
    if (!flushToDisk(target))
        throw FileFailure::of(target, needed);
}

} // namespace FileCopy
