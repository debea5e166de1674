#pragma once

#include <QString>

#include <functional>

class SheetCells;

// An .xlsx workbook of one sheet. Nothing here asks the user anything: a failure comes back
// as its reason.
namespace SheetFile {

// Writes the workbook whose sheet `layOut` fills, every number with its exact decimal. The
// file appears whole or not at all. Returns an empty text, or why it was not written.
QString write(const QString& path, const std::function<void(SheetCells&)>& layOut);

} // namespace SheetFile
