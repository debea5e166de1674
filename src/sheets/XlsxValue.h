#pragma once

#include <QString>
#include <QStringView>

// What a number cell of a workbook holds, as its reader sees the value.
namespace XlsxValue {

enum class Kind { Number, Date, Time, DateTime };

// The stored number in plain decimals, rounded to the 15 significant digits a spreadsheet
// program keeps: "6901234567892", "76.74" for 76.739999999999995, "0.000012" for 1.2E-5.
// A text that is no number comes back as it is.
QString plainNumber(QStringView stored);

// A date serial as "yyyy-mm-dd", "hh:mm:ss" or "yyyy-mm-dd hh:mm:ss" (a date-time at midnight
// shows its date alone); Number gives plainNumber. Day 0 is 1899-12-30, or 1904-01-01 in a
// workbook that counts from 1904.
QString text(QStringView stored, Kind kind, bool from1904);

// The kind of value a number format code shows: dates and times by their letters, anything
// else a number. Quoted texts, escaped characters and bracketed parts are no letters of it.
Kind kindOfFormat(QStringView code);
// The same for the formats a workbook may use without writing their codes.
Kind kindOfBuiltInFormat(int id);

} // namespace XlsxValue
