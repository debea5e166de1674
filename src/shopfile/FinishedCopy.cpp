#include "shopfile/FinishedCopy.h"

#include "data/DbError.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace FinishedCopy {

void write(const QString& path, const std::function<void(const QString& partial)>& writer) {
    const QString partial = path + u".new"_s;
    QFile::remove(partial);
    try {
        writer(partial);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    // Unlike a rename of the system's own, this one never replaces a file of that name.
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw DbError(u"无法把备份命名为 "_s + QDir::toNativeSeparators(path) +
                      u"。请换一个文件夹后再试。"_s);
    }
}

} // namespace FinishedCopy
