#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A tmpfs of a few kilobytes mounted for one test, as a full or write-protected stick would
// be. Only root may mount: isMounted() is false elsewhere, and such tests skip.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes)
        : m_mounted(mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=%1k").arg(kilobytes), QStringLiteral("tmpfs"),
                           m_folder.path()})) {}
    ~SmallDisk() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder.path()});
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_folder.path(); }
    // What is on it stays readable; nothing more can be written.
    bool makeReadOnly() {
        return mount({QStringLiteral("-o"), QStringLiteral("remount,ro"), path()});
    }

private:
    static bool mount(const QStringList& arguments) {
        return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
    }

    QTemporaryDir m_folder;
    bool m_mounted;
};
