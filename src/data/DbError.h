#pragma once

#include <QString>

#include <stdexcept>

// The database, its file or a library under it failed: the engine's text, or ours where the
// engine has none. A value the user can mend is a Refusal instead.
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

private:
    QString m_message;
    Cause m_cause;
};
