#include "data/Refusal.h"

#include "data/ColumnWidth.h"

using namespace Qt::Literals::StringLiterals;

Refusal Refusal::tooLong(QStringView field, int width) {
    return Refusal(field.toString() + u"最多"_s + QString::number(width) + u"个字"_s);
}

Refusal Refusal::outOfRange(QStringView field) {
    return Refusal(field.toString() + u"超出可保存的范围"_s);
}

Refusal Refusal::checkFailed(QStringView constraint) {
    const qsizetype dot = constraint.indexOf(u'.');
    if (dot > 0) {
        const QStringView column = constraint.mid(dot + 1);
        const std::optional<int> width =
            ColumnWidth::find(std::u16string_view(constraint.left(dot).utf16(), size_t(dot)),
                              std::u16string_view(column.utf16(), size_t(column.size())));
        if (width)
            return tooLong(column, *width);
    }
    return Refusal(constraint.toString() + u"表中有一项超出可保存的长度或范围"_s);
}
