#pragma once

#include <QString>

#include <stdexcept>

// The database, its file or a library under it failed: the engine's text, or ours where the
// engine has none. A value the user can mend is a Refusal instead.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
