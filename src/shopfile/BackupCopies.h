#pragma once

#include "shopfile/BackupCopy.h"

#include <QList>

// Where copies of the shop database lie and what they are called.
namespace BackupCopies {

// The folder in the backup folder that keeps the shop file as it was before each restore.
QString keptFolderIn(const QString& backupFolder);

// The copies in a folder, newest first: the day copies of a backup folder's layout
// ("8日/数据库.dat"), the copies kept before a restore, and the .dat files in the folder itself.
QList<BackupCopy> in(const QString& folder);

// A path in `folder` for a copy made at `now` ("数据库备份-20170313-183319.dat") that no file
// there has, nor a copy being written under it.
QString freshPath(const QString& folder, const QString& stem, const QDateTime& now);

// The copies a kill left half written (".new") in the data folder and the backup folder.
void removeUnfinished(const QString& dataFolder, const QString& backupFolder);

} // namespace BackupCopies
