#pragma once

#include "checkout/CashUp.h"

#include <QString>

// The cash-up as an .xlsx workbook, as the report's export writes one.
namespace CashUpSheet {

// "日结报表（2017.03.13-2017.03.13）".
QString title(const CashUp& cashUp);

// The title in A1; from row 3 each section's heading, then its figures, the label in column A
// and the value in B, a blank row after each; then the changed sales with their captions.
// Returns an empty text, or why it was not written.
QString write(const QString& path, const CashUp& cashUp, Decimal openingFloat);

} // namespace CashUpSheet
