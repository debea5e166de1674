#include "support/SmallDisk.h"

#include <QProcess>

using namespace Qt::Literals::StringLiterals;

namespace {

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

SmallDisk::SmallDisk(int kilobytes) {
    m_mounted = run(u"mount"_s,
                    {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size="_s + QString::number(kilobytes) + u'k',
                     u"tmpfs"_s, m_folder.path()});
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        run(u"umount"_s, {m_folder.path()});
}

bool SmallDisk::makeReadOnly() {
    return run(u"mount"_s, {u"-o"_s, u"remount,ro"_s, m_folder.path()});
}
