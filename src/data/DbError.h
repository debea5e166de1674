#pragma once

#include <QString>

#include <stdexcept>

// The database, the file under it or a library below them failed; the message is their own
// text. A value the user can mend is a Refusal.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
