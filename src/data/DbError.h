#pragma once

#include <QString>
#include <QStringView>

#include <stdexcept>

// A database call that failed, carrying a message for the user: the engine's own text, or
// the Chinese text of a refusal the user can mend.
class DbError : public std::runtime_error {
public:
    // What start-up and a restore act on; most failures need no more than their message.
    enum class Cause { Other, Damaged, NewerVersion, ReadOnly, DiskFull };

    explicit DbError(const QString& message, Cause cause = Cause::Other)
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_cause(cause) {}
    const QString& message() const { return m_message; }
    Cause cause() const { return m_cause; }

    // "标题最多50个字"
    static DbError tooLong(QStringView field, int width);
    // "售价超出可保存的范围"
    static DbError outOfRange(QStringView field);
    // A check the schema names "table.column" reads as tooLong of that column; a check named
    // after its table only (files made before the checks were named) names the table.
    static DbError checkFailed(QStringView constraint);

private:
    QString m_message;
    Cause m_cause;
};
