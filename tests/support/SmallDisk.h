#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few kilobytes mounted for one test, as a full or write-protected stick would
// be. Only root may mount: isMounted() is false elsewhere, and such tests skip.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_folder.path(); }
    // What is on it stays readable; nothing more can be written.
    bool makeReadOnly();

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};
