#include "shopfile/BackupCopies.h"

#include "shopfile/DataFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace BackupCopies {

namespace {

constexpr int DaysInMonth = 31;
const QString Unfinished = u".new"_s;

QString dayFolderName(int day) {
    return QString::number(day) + u'日';
}

BackupCopy copyAt(const QFileInfo& file, BackupCopy::Kind kind, const QString& place) {
    return BackupCopy{.path = file.absoluteFilePath(),
                      .kind = kind,
                      .place = place,
                      .written = file.lastModified(),
                      .size = file.size()};
}

void addDatFiles(QList<BackupCopy>& copies, const QString& folder, BackupCopy::Kind kind,
                 const QString& place) {
    const QFileInfoList files = QDir(folder).entryInfoList({u"*.dat"_s}, QDir::Files);
    for (const QFileInfo& file : files)
        copies.append(copyAt(file, kind, place));
}

} // namespace

QString keptFolderIn(const QString& backupFolder) {
    return QDir(backupFolder).filePath(u"恢复前"_s);
}

QList<BackupCopy> in(const QString& folder) {
    QList<BackupCopy> copies;
    for (int day = 1; day <= DaysInMonth; ++day) {
        const QFileInfo file(DataFolder::databaseFileIn(QDir(folder).filePath(dayFolderName(day))));
        if (file.isFile())
            copies.append(copyAt(file, BackupCopy::Kind::Day, dayFolderName(day)));
    }
    addDatFiles(copies, keptFolderIn(folder), BackupCopy::Kind::Kept, u"恢复前"_s);
    addDatFiles(copies, folder, BackupCopy::Kind::Chosen, QDir::toNativeSeparators(folder));
    std::stable_sort(copies.begin(), copies.end(), [](const BackupCopy& a, const BackupCopy& b) {
        return a.written > b.written;
    });
    return copies;
}

QString freshPath(const QString& folder, const QString& stem, const QDateTime& now) {
    const QString base = stem + now.toString(u"-yyyyMMdd-HHmmss"_s);
    QString path = QDir(folder).filePath(base + u".dat"_s);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(path + Unfinished); ++n)
        path = QDir(folder).filePath(base + u'-' + QString::number(n) + u".dat"_s);
    return path;
}

void removeUnfinished(const QString& dataFolder, const QString& backupFolder) {
    QFile::remove(DataFolder::databaseFileIn(dataFolder) + Unfinished);
    for (int day = 1; day <= DaysInMonth; ++day)
        QFile::remove(DataFolder::databaseFileIn(QDir(backupFolder).filePath(dayFolderName(day))) +
                      Unfinished);
    QDir kept(keptFolderIn(backupFolder));
    for (const QString& name : kept.entryList({u"*"_s + Unfinished}, QDir::Files))
        kept.remove(name);
}

} // namespace BackupCopies
