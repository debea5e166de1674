#include "sheets/ExactNumberCells.h"

#include <QFile>

#include <optional>

#include <zip.h>

namespace ExactNumberCells {
namespace {

constexpr char SheetEntry[] = "xl/worksheets/sheet1.xml";

std::optional<QByteArray> sheetXml(zip_t* archive) {
    zip_stat_t entry;
    if (zip_stat(archive, SheetEntry, 0, &entry) != 0)
        return std::nullopt;
    zip_file_t* sheet = zip_fopen(archive, SheetEntry, 0);
    if (sheet == nullptr)
        return std::nullopt;
    QByteArray xml(qsizetype(entry.size), Qt::Uninitialized);
    const zip_int64_t read = zip_fread(sheet, xml.data(), entry.size);
    zip_fclose(sheet);
    if (read != zip_int64_t(entry.size))
        return std::nullopt;
    return xml;
}

QByteArray replaced(const QByteArray& xml, const Numbers& numbers) {
    constexpr QByteArrayView CellStart = "<c r=\"";
    QByteArray result;
    result.reserve(xml.size());
    qsizetype copied = 0;
    for (qsizetype cell = xml.indexOf(CellStart); cell >= 0;
         cell = xml.indexOf(CellStart, cell + 1)) {
        const qsizetype reference = cell + CellStart.size();
        const auto exact =
            numbers.constFind(xml.mid(reference, xml.indexOf('"', reference) - reference));
        if (exact == numbers.cend())
            continue;
        // A number cell is <c r="H5" s="2"><v>76.73999999999999</v></c>.
        const qsizetype value = xml.indexOf("<v>", reference) + 3;
        result += QByteArrayView(xml).sliced(copied, value - copied);
        result += *exact;
        copied = xml.indexOf("</v>", value);
    }
    result += QByteArrayView(xml).sliced(copied);
    return result;
}

} // namespace

QString rewrite(const QString& workbookPath, const Numbers& numbers) {
    int openError = 0;
    zip_t* archive = zip_open(QFile::encodeName(workbookPath).constData(), 0, &openError);
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, openError);
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return reason;
    }
    QByteArray exact; // read by zip_close, so it lives until then
    if (const std::optional<QByteArray> xml = sheetXml(archive)) {
        exact = replaced(*xml, numbers);
        zip_source_t* source =
            zip_source_buffer(archive, exact.constData(), zip_uint64_t(exact.size()), 0);
        if (source != nullptr && zip_file_add(archive, SheetEntry, source, ZIP_FL_OVERWRITE) < 0)
            zip_source_free(source); // the archive took it only when the add succeeded
        else if (source != nullptr && zip_close(archive) == 0)
            return {};
    }
    const QString reason = QString::fromUtf8(zip_strerror(archive));
    zip_discard(archive);
    return reason;
}

} // namespace ExactNumberCells
