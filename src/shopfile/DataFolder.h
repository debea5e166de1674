#pragma once

#include <QString>

// Where the shop database and its backups live: on drive D: when it holds anything visible,
// otherwise on drive C:.
namespace DataFolder {

// A drive counts as present when its root holds at least one folder or file that is neither
// hidden nor a system entry. An empty root means the system has no such drive.
bool drivePresent(const QString& root);

QString chooseRoot(const QString& driveDRoot, const QString& driveCRoot);

QString dataFolderIn(const QString& root);   // <root>/Vellor零售店收银软件数据库
QString backupFolderIn(const QString& root); // <root>/Vellor零售店收银软件数据库备份
QString databaseFileIn(const QString& dataFolder);

// Creates every missing level of a path. Doubled separators count as one; failures of
// single levels (they exist, or are a drive root) are ignored.
void makePath(const QString& path);

} // namespace DataFolder
