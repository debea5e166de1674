#include "data/Statement.h"

#include "data/DateText.h"
#include "data/DbError.h"
#include "data/EngineFailure.h"
#include "data/Refusal.h"

#include <sqlcipher/sqlite3.h>

#include <utility>

Statement::Statement(sqlite3* connection, sqlite3_stmt* handle)
    : m_connection(connection)
    , m_handle(handle) {}

Statement::Statement(Statement&& other) noexcept
    : m_connection(other.m_connection)
    , m_handle(std::exchange(other.m_handle, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_handle);
        m_connection = other.m_connection;
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

Statement::~Statement() {
    sqlite3_finalize(m_handle);
}

void Statement::fail() const {
    // The engine says "CHECK constraint failed: <name>" in English; the user reads the column.
    if (sqlite3_extended_errcode(m_connection) == SQLITE_CONSTRAINT_CHECK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_connection));
        throw Refusal::checkFailed(QStringView(message).mid(message.lastIndexOf(u' ') + 1));
    }
    throw EngineFailure::of(m_connection);
}

void Statement::check(int result) const {
    if (result != SQLITE_OK)
        fail();
}

void Statement::bind(int index, const QString& text) {
    // A null QString would bind NULL; an empty text box stores an empty text.
    static const char16_t empty[] = u"";
    const void* data = text.isNull() ? static_cast<const void*>(empty) : text.utf16();
    check(sqlite3_bind_text16(m_handle, index, data, static_cast<int>(text.size() * 2),
                              SQLITE_TRANSIENT));
}

void Statement::bind(int index, Decimal value) {
    // The books name the box first; this stops any overflow they did not foresee.
    if (value.overflowed())
        throw Refusal::outOfRange(u"数值");
    check(sqlite3_bind_int64(m_handle, index, value.units()));
}

void Statement::bind(int index, QDate date) {
    bind(index, DateText::format(date));
}

void Statement::bind(int index, qint64 value) {
    check(sqlite3_bind_int64(m_handle, index, value));
}

void Statement::bindNull(int index) {
    check(sqlite3_bind_null(m_handle, index));
}

bool Statement::next() {
    const int result = sqlite3_step(m_handle);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    fail();
}

void Statement::run() {
    while (next()) {
    }
}

void Statement::reset() {
    sqlite3_reset(m_handle);
    sqlite3_clear_bindings(m_handle);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_handle, column) == SQLITE_NULL;
}

QString Statement::text(int column) const {
    const auto* data = static_cast<const char16_t*>(sqlite3_column_text16(m_handle, column));
    const int bytes = sqlite3_column_bytes16(m_handle, column);
    return data ? QString::fromUtf16(data, bytes / 2) : QString();
}

Decimal Statement::decimal(int column) const {
    return Decimal::fromUnits(sqlite3_column_int64(m_handle, column));
}

std::optional<QDate> Statement::date(int column) const {
    if (isNull(column))
        return std::nullopt;
    return DateText::parse(text(column));
}

qint64 Statement::integer(int column) const {
    return sqlite3_column_int64(m_handle, column);
}
