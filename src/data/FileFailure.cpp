#include "data/FileFailure.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

namespace FileFailure {

namespace {

// The nearest folder that exists: a stick pulled out takes the rest of the path with it.
QString existingFolderOf(const QString& path) {
    QDir folder = QFileInfo(path).absoluteDir();
    while (!folder.exists() && folder.cdUp()) {
    }
    return folder.absolutePath();
}

} // namespace

DbError of(const QFileDevice& file, qint64 needed) {
    using Cause = DbError::Cause;
    const QString path = file.fileName();
    const QString folder = existingFolderOf(path);
    const QStorageInfo storage(folder);
    if (!QFileInfo(path).absoluteDir().exists() || !storage.isValid() || !storage.isReady())
        return DbError(u"找不到文件夹 "_s +
                       QDir::toNativeSeparators(QFileInfo(path).absolutePath()) +
                       u"（U盘或磁盘是否已拔出？）。请插好后再试。"_s);
    if (storage.isReadOnly())
        return DbError(u"磁盘是只读的（U盘是否打开了写保护？）。请换一个可以写入的位置后再试。"_s,
                       Cause::ReadOnly);
    if (file.openMode() == QIODevice::NotOpen && !QFileInfo(folder).isWritable())
        return DbError(u"没有写入文件夹 "_s + QDir::toNativeSeparators(folder) +
                           u" 的权限。请检查文件夹的权限后再试。"_s,
                       Cause::ReadOnly);
    if (storage.bytesAvailable() < needed)
        return DbError(u"磁盘已满（还剩 "_s + QString::number(storage.bytesAvailable() / 1024) +
                           u" KB，需要 "_s + QString::number((needed + 1023) / 1024) +
                           u" KB）。请删除不需要的文件，腾出空间后再试。"_s,
                       Cause::DiskFull);
    return DbError(u"读写文件 "_s + QDir::toNativeSeparators(path) + u" 出错（"_s +
                   file.errorString() + u"）。请检查磁盘或U盘后再试。"_s);
}

DbError ofRead(const QFileDevice& file) {
    const QString path = QDir::toNativeSeparators(file.fileName());
    if (!QFileInfo::exists(file.fileName()))
        return DbError(u"找不到文件 "_s + path + u"（U盘或磁盘是否已拔出？）。请插好后再试。"_s);
    return DbError(u"读取文件 "_s + path + u" 出错（"_s + file.errorString() +
                   u"）。文件可能已损坏，或U盘已拔出。请检查后再试。"_s);
}

} // namespace FileFailure
