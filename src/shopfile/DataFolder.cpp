#include "shopfile/DataFolder.h"

#include <QDir>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace DataFolder {

bool drivePresent(const QString& root) {
    if (root.isEmpty())
        return false;
    // QDir leaves out hidden and system entries unless asked for them.
    return !QDir(root).entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot).isEmpty();
}

QString chooseRoot(const QString& driveDRoot, const QString& driveCRoot) {
    return drivePresent(driveDRoot) ? driveDRoot : driveCRoot;
}

QString dataFolderIn(const QString& root) {
    return QDir(root).filePath(u"Vellor零售店收银软件数据库"_s);
}

QString backupFolderIn(const QString& root) {
    return QDir(root).filePath(u"Vellor零售店收银软件数据库备份"_s);
}

QString databaseFileIn(const QString& dataFolder) {
    return QDir(dataFolder).filePath(u"数据库.dat"_s);
}

void makePath(const QString& path) {
    static const QRegularExpression separators(u"[\\\\/]+"_s);
    QString clean = path;
    clean.replace(separators, u"/"_s);
    if (!clean.endsWith(u'/'))
        clean += u'/';
    for (qsizetype slash = clean.indexOf(u'/', 1); slash >= 0;
         slash = clean.indexOf(u'/', slash + 1))
        QDir().mkdir(clean.left(slash + 1));
}

} // namespace DataFolder
