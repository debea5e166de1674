#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace DateText {

// "yyyy-mm-dd", the form of every date box and every stored date.
QString format(QDate date);

// Accepts "yyyy-m-d" with one- or two-digit month and day ("2017-3-5"), typed in full-width
// characters too; nothing else.
std::optional<QDate> parse(QStringView text);

// One calendar month back, clipped to the end of a shorter month (03-31 gives 02-28).
QDate monthBack(QDate date);

// "yyyymmddhhmmss", the time stamp of product IDs and stock movement numbers.
QString timeStamp(const QDateTime& moment);

} // namespace DateText
