#pragma once

#include <QString>
#include <QStringView>

#include <stdexcept>

// A write refused for a reason the user can mend, worded in Chinese ("售价超出可保存的范围");
// nothing of it was stored. The database failing in itself is a DbError.
class Refusal : public std::runtime_error {
public:
    explicit Refusal(const QString& reason)
        : std::runtime_error(reason.toStdString())
        , m_reason(reason) {}
    const QString& reason() const { return m_reason; }

    // "标题最多50个字"
    static Refusal tooLong(QStringView field, int width);
    // "售价超出可保存的范围"
    static Refusal outOfRange(QStringView field);
    // A check the schema names "table.column" reads as tooLong of that column; a check named
    // after its table only (files made before the checks were named) names the table.
    static Refusal checkFailed(QStringView constraint);

private:
    QString m_reason;
};
