#include "sheets/SheetSource.h"

#include "sheets/CsvText.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

bool SheetSource::open(const QString& path) {
    m_book.reset();
    m_text.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = u"无法打开文件："_s + file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    m_name = QFileInfo(path).completeBaseName();
    if (bytes.startsWith("PK\x03\x04")) {
        m_book = XlsxBook::open(bytes);
        if (!m_book) {
            m_error = u"文件已损坏，或不是Excel工作簿"_s;
            return false;
        }
    } else if (bytes.startsWith("\xD0\xCF\x11\xE0")) {
        m_error = u"不能读取旧版的.xls文件，请在表格软件中另存为.xlsx或.csv文件后再导入"_s;
        return false;
    } else if (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") &&
               !bytes.startsWith("\xFE\xFF")) {
        m_error = u"文件不是表格，也不是文本"_s;
        return false;
    } else {
        m_text = CsvText::decode(bytes);
    }
    return true;
}

QStringList SheetSource::sheetNames() const {
    return m_book ? m_book->sheetNames() : QStringList{m_name};
}

bool SheetSource::read(int sheet, SheetRows& rows) {
    if (!m_book) {
        rows = CsvText::rows(m_text);
        return true;
    }
    std::optional<SheetRows> read = m_book->rows(sheet);
    if (!read) {
        m_error = u"工作表已损坏，无法读取"_s;
        return false;
    }
    rows = std::move(*read);
    return true;
}
