#include "data/PinyinCollation.h"

#include "data/DbError.h"

#include <sqlcipher/sqlite3.h>
#include <unicode/ucol.h>

#include <QString>

namespace PinyinCollation {
namespace {

int compare(void* collator, int leftLength, const void* left, int rightLength, const void* right) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(left),
                         leftLength, static_cast<const char*>(right), rightLength, &status);
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}

void destroy(void* collator) {
    ucol_close(static_cast<UCollator*>(collator));
}

} // namespace

void install(sqlite3* connection) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("zh", &status);
    if (U_FAILURE(status))
        throw DbError(QString::fromUtf8(u_errorName(status)));
    if (sqlite3_create_collation_v2(connection, "zh", SQLITE_UTF8, collator, compare, destroy) !=
        SQLITE_OK) {
        ucol_close(collator);
        throw DbError(QString::fromUtf8(sqlite3_errmsg(connection)));
    }
}

} // namespace PinyinCollation
