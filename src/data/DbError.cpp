#include "data/DbError.h"

#include "data/ColumnWidth.h"

using namespace Qt::Literals::StringLiterals;

DbError DbError::tooLong(QStringView field, int width) {
    return DbError(field.toString() + u"最多"_s + QString::number(width) + u"个字"_s);
}

DbError DbError::outOfRange(QStringView field) {
    return DbError(field.toString() + u"超出可保存的范围"_s);
}

DbError DbError::checkFailed(QStringView constraint) {
    const qsizetype dot = constraint.indexOf(u'.');
    if (dot > 0) {
        const QStringView column = constraint.mid(dot + 1);
        const std::optional<int> width =
            ColumnWidth::find(std::u16string_view(constraint.left(dot).utf16(), size_t(dot)),
                              std::u16string_view(column.utf16(), size_t(column.size())));
        if (width)
            return tooLong(column, *width);
    }
    return DbError(constraint.toString() + u"表中有一项超出可保存的长度或范围"_s);
}
