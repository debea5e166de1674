#include "sheets/ZipArchive.h"

#include <zip.h>

namespace {

// A sheet of a million cells stays far below this; a member claiming more is a broken file.
constexpr zip_uint64_t LargestMember = 512 * 1024 * 1024;

} // namespace

void ZipArchive::Closer::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipArchive::ZipArchive(QByteArray bytes, zip* archive)
    : m_bytes(std::move(bytes))
    , m_archive(archive) {}

std::optional<ZipArchive> ZipArchive::open(const QByteArray& bytes) {
    zip_source_t* source =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, nullptr);
    if (source == nullptr)
        return std::nullopt;
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, nullptr);
    if (archive == nullptr) {
        zip_source_free(source); // the archive takes the source only when it opens
        return std::nullopt;
    }
    // The copy shares the bytes the source points at, so they outlive the archive.
    return ZipArchive(bytes, archive);
}

std::optional<QByteArray> ZipArchive::member(const QString& name) const {
    const QByteArray path = name.toUtf8();
    zip_stat_t entry;
    if (zip_stat(m_archive.get(), path.constData(), ZIP_FL_NOCASE, &entry) != 0 ||
        !(entry.valid & ZIP_STAT_SIZE) || entry.size > LargestMember)
        return std::nullopt;
    zip_file_t* file = zip_fopen(m_archive.get(), path.constData(), ZIP_FL_NOCASE);
    if (file == nullptr)
        return std::nullopt;
    QByteArray content(qsizetype(entry.size), Qt::Uninitialized);
    const zip_int64_t read = zip_fread(file, content.data(), entry.size);
    zip_fclose(file);
    if (read != zip_int64_t(entry.size))
        return std::nullopt;
    return content;
}
