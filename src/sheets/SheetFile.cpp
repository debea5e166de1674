#include "sheets/SheetFile.h"

#include "sheets/ExactNumberCells.h"
#include "sheets/SheetCells.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

QString reason(lxw_error error) {
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

QString SheetFile::fileName(const QString& chosen) {
    if (chosen.endsWith(u".xlsx"_s, Qt::CaseInsensitive))
        return chosen;
    if (chosen.endsWith(u".xls"_s, Qt::CaseInsensitive))
        return chosen + u'x';
    return chosen + u".xlsx"_s;
}

QString SheetFile::write(const QString& path, const std::function<void(SheetCells&)>& layOut) {
    // The library writes only to a named file: it goes to a private folder first and reaches
    // the chosen name in one rename, so a failure leaves no part of a workbook there.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return scratch.errorString();
    const QString draft = scratch.filePath(u"sheet.xlsx"_s);
    lxw_workbook* book = workbook_new(QFile::encodeName(draft).constData());
    if (book == nullptr)
        return u"无法创建工作簿"_s;
    SheetCells cells(book, workbook_add_worksheet(book, nullptr));
    layOut(cells);
    const lxw_error closed = workbook_close(book);
    if (cells.error() != LXW_NO_ERROR)
        return reason(cells.error());
    if (closed != LXW_NO_ERROR)
        return reason(closed);
    if (const QString failed = ExactNumberCells::rewrite(draft, cells.exactNumbers());
        !failed.isEmpty())
        return failed;
    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly))
        return written.errorString();
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(written.readAll()) < 0 ||
        !target.commit())
        return target.errorString();
    return {};
}
