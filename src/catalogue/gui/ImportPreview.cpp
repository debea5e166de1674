#include "catalogue/gui/ImportPreview.h"

using namespace Qt::Literals::StringLiterals;

QString ImportPreview::actionText(const ImportRow& row) {
    switch (row.action) {
    case ImportAction::Create:
        return u"新增"_s;
    case ImportAction::Update:
        return u"更新"_s;
    case ImportAction::Skip:
        return u"跳过："_s + row.reason;
    case ImportAction::Refuse:
        break;
    }
    return u"拒绝："_s + row.reason;
}

QStringList ImportPreview::texts(int record) const {
    const ImportRow& row = plan.rows.at(record);
    QStringList texts{QString::number(row.number), actionText(row)};
    const QStringList& cells = sheet.at(first + record).cells;
    for (int column = 0; column < columns; ++column)
        texts.append(cells.value(column));
    return texts;
}
