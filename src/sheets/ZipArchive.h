#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

struct zip;

// The members of a zip file held in memory, the container of an .xlsx workbook.
class ZipArchive {
public:
    // None when the bytes are no zip file.
    static std::optional<ZipArchive> open(const QByteArray& bytes);

    // A member's bytes, its name matched in any case; none when it is missing, unreadable or
    // larger than any workbook part this program reads.
    std::optional<QByteArray> member(const QString& name) const;

private:
    struct Closer {
        void operator()(zip* archive) const;
    };

    ZipArchive(QByteArray bytes, zip* archive);

    QByteArray m_bytes; // the archive reads from these bytes for as long as it lives
    std::unique_ptr<zip, Closer> m_archive;
};
