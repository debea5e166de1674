#include "catalogue/PinyinOrder.h"

#include "data/DbError.h"

#include <unicode/ucol.h>

#include <QString>

PinyinOrder::PinyinOrder() {
    UErrorCode status = U_ZERO_ERROR;
    m_collator = ucol_open("zh", &status);
    if (U_FAILURE(status))
        throw DbError(QString::fromUtf8(u_errorName(status)));
}

PinyinOrder::~PinyinOrder() {
    ucol_close(m_collator);
}

QByteArray PinyinOrder::sortKey(QStringView name) const {
    const auto* text = reinterpret_cast<const UChar*>(name.utf16());
    const auto length = static_cast<int32_t>(name.size());
    QByteArray key(64, Qt::Uninitialized);
    auto* bytes = reinterpret_cast<uint8_t*>(key.data());
    int32_t needed = ucol_getSortKey(m_collator, text, length, bytes, int32_t(key.size()));
    if (needed > key.size()) {
        key.resize(needed);
        needed = ucol_getSortKey(m_collator, text, length, reinterpret_cast<uint8_t*>(key.data()),
                                 needed);
    }
    key.resize(needed);
    return key;
}
